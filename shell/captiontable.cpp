#include "shell/captiontable.h"

#include "dialogs/dialogcaptions.h"
#include "image/backups.h"
#include "model/channelcolumns.h"
#include "model/texts.h"

using vq740::translate;

namespace {
using K = CaptionKind;

CaptionRow row(const char *control, CaptionKind kind, int index, const char *source) {
    return {QString::fromLatin1(control), kind, index, "Form1", source};
}

CaptionRow row(const char *control, CaptionKind kind, int index, CaptionSource source) {
    return {QString::fromLatin1(control), kind, index, "Form1", source.text, source.disambiguation};
}

template <typename Source> CaptionRow caption(const char *control, Source source) {
    return row(control, K::Caption, 0, source);
}

// Numbered list items: `format` holds %1 for the number.
void addNumberedItems(QVector<CaptionRow> &rows, const char *control, int firstItem, int lastItem,
                      int numberOfItem0, int step, const char *format) {
    for (int item = firstItem; item <= lastItem; ++item) {
        CaptionRow r = row(control, K::ListItem, item, format);
        r.number = numberOfItem0 + item * step;
        rows.append(r);
    }
}

QVector<CaptionRow> buildTable() {
    QVector<CaptionRow> t;
    // Title and menus.
    t << row("Form1", K::WindowTitle, 0, QT_TRANSLATE_NOOP("Form1", "VQ-740 Radio Software V1.20"));
    t << caption("mnuFile", QT_TRANSLATE_NOOP("Form1", "File(&F)"))
      << caption("mnuNew", QT_TRANSLATE_NOOP("Form1", "New(&N)"))
      << caption("mnuOpen", QT_TRANSLATE_NOOP("Form1", "Open(&O)"))
      << caption("mnuAssave", QT_TRANSLATE_NOOP("Form1", "Save(&S)"))
      << caption("mnuImport", QT_TRANSLATE_NOOP("Form1", "Import(&I)..."))
      << caption("mnuExport", QT_TRANSLATE_NOOP("Form1", "Export(&E)..."))
      << caption("mnuPrint", QT_TRANSLATE_NOOP("Form1", "Print(&P)..."))
      << caption("mnuExportPdf", QT_TRANSLATE_NOOP("Form1", "Export PDF(&D)..."))
      << caption("mnuBackups", QT_TRANSLATE_NOOP("Form1", "Backups(&B)..."))
      << caption("mnuQuit", QT_TRANSLATE_NOOP("Form1", "Exit(&Q)"))
      << caption("mnuEdit", QT_TRANSLATE_NOOP("Form1", "Edit(&E)"))
      << caption("mnuUndo", QT_TRANSLATE_NOOP("Form1", "Undo(&U)"))
      << caption("mnuRedo", QT_TRANSLATE_NOOP("Form1", "Redo(&R)"))
      << caption("mnuCut", QT_TRANSLATE_NOOP("Form1", "Cut(&T)"))
      << caption("mnuCopy", QT_TRANSLATE_NOOP("Form1", "Copy(&C)"))
      << caption("mnuPaste", QT_TRANSLATE_NOOP("Form1", "Paste(&P)"))
      << caption("mnuDelete", QT_TRANSLATE_NOOP("Form1", "Delete(&D)"))
      << caption("mnupro", QT_TRANSLATE_NOOP("Form1", "Programming(&P)"))
      << caption("mnureadFre", QT_TRANSLATE_NOOP("Form1", "Read From Radio(&R)"))
      << caption("mnuwriteFre", QT_TRANSLATE_NOOP("Form1", "Write To Radio(&W)"))
      << caption("mnudtmf", QT_TRANSLATE_NOOP("Form1", "Optional function "))
      << caption("Key_enactment", QT_TRANSLATE_NOOP("Form1", "Keys Assigment "))
      << caption("mnusetin", QT_TRANSLATE_NOOP("Form1", "Embedded Message"))
      << caption("mnudebug", QT_TRANSLATE_NOOP("Form1", "Debug Parameters(&D)"))
      << caption("mnutestfre", QT_TRANSLATE_NOOP("Form1", "Test Frequency"))
      << caption("mnuset", QT_TRANSLATE_NOOP("Form1", "Settings(&S)"))
      << caption("mnulock", QT_TRANSLATE_NOOP("Form1", "Lock(&L)"))
      << caption("mnucom", QT_TRANSLATE_NOOP("Form1", "Communication port(&V)"))
      << caption("mnuLanguage", QT_TRANSLATE_NOOP("Form1", "Languages(&L)"))
      << caption("mnuChinese", QT_TRANSLATE_NOOP("Form1", "Chinese"))
      << caption("mnuEnglish", QT_TRANSLATE_NOOP("Form1", "English"))
      << caption("mnuhelp", QT_TRANSLATE_NOOP("Form1", "Help(&H)"))
      << caption("mnumainhelp", QT_TRANSLATE_NOOP("Form1", "The help topic  F1 "))
      << caption("mnuabout", QT_TRANSLATE_NOOP("Form1", "About"))
      << caption("mnutrace", QT_TRANSLATE_NOOP("Form1", "Serial trace"));
    // The Communication port menu below COM1 to COM8.
    t << caption("mnucomNone", QT_TRANSLATE_NOOP("Form1", "(no serial devices found)"))
      << caption("mnucomOther", QT_TRANSLATE_NOOP("Form1", "Other port..."))
      << caption("mnucomFind", QT_TRANSLATE_NOOP("Form1", "Find my cable..."));
    // Header row of the channel table.
    for (int c = 0; c < 9; ++c)
        t.append(
            {QStringLiteral("Grid1"), K::GridHeader, c, "ChannelColumns", columnField(c).caption});
    // Tool tips of the toolbar; button 4 is a separator.
    t << row("Toolbar1", K::ToolTip, 1, QT_TRANSLATE_NOOP("Form1", "New"))
      << row("Toolbar1", K::ToolTip, 2, QT_TRANSLATE_NOOP("Form1", "Open"))
      << row("Toolbar1", K::ToolTip, 3, QT_TRANSLATE_NOOP("Form1", "Save"))
      << row("Toolbar1", K::ToolTip, 5, QT_TRANSLATE_NOOP("Form1", "Read frequency"))
      << row("Toolbar1", K::ToolTip, 6, QT_TRANSLATE_NOOP("Form1", "Write frequency"));
    // Frames and labels.
    t << caption("Frame1", QT_TRANSLATE_NOOP("Form1", "Model"))
      << caption("Frame2", QT_TRANSLATE_NOOP("Form1", "Functions Setting"))
      << CaptionRow{QStringLiteral("Label2"),
                    K::Caption,
                    0,
                    "Form1",
                    QT_TRANSLATE_NOOP("Form1", "Copyright © 2012 %1"),
                    nullptr,
                    -1,
                    &makerName}
      << caption("Label3", QT_TRANSLATE_NOOP("Form1", "Range"))
      << caption("Label4", QT_TRANSLATE_NOOP("Form1", "Voice Notice:"))
      << caption("Label5", QT_TRANSLATE_NOOP("Form1", "Time-out Timer:"))
      << caption("Label1", QT_TRANSLATE_NOOP("Form1", "TOT Pre-Alert:"))
      << caption("Label6", QT_TRANSLATE_NOOP("Form1", "Squelch Level:"))
      << caption("Label7", QT_TRANSLATE_NOOP("Form1", "Battery Save:"))
      << caption("Label8", QT_TRANSLATE_NOOP("Form1", "Beep:"))
      << caption("lblHelpHint", QT_TRANSLATE_NOOP("Form1", "Press F1 for the user guide"));
    // List items.
    t << row("Combo8", K::ListItem, 0, QT_TRANSLATE_NOOP("Form1", "Off"));
    // The option lists of the channel table: the items of their columns.
    for (int c = ColPower; c <= ColScanAdd; ++c)
        for (int item = 0; item < kOptionItems; ++item)
            t.append({QStringLiteral("Combo5_%1").arg(c), K::ListItem, item, "ChannelColumns",
                      columnField(c).items[item]});
    t << row("Combo2", K::ListItem, 0, QT_TRANSLATE_NOOP3("Form1", "Off", "no voice notice"))
      << row("Combo2", K::ListItem, 1, QT_TRANSLATE_NOOP("Form1", "Chinese"))
      << row("Combo2", K::ListItem, 2, QT_TRANSLATE_NOOP("Form1", "English"));
    addNumberedItems(t, "Combo3", 0, 39, 15, 15, QT_TRANSLATE_NOOP("Form1", "%1 S"));
    t << row("Combo4", K::ListItem, 0, QT_TRANSLATE_NOOP("Form1", "Off"));
    addNumberedItems(t, "Combo4", 1, 10, 0, 1, QT_TRANSLATE_NOOP("Form1", "%1 S"));
    addNumberedItems(t, "Combo9", 0, 9, 0, 1, QT_TRANSLATE_NOOP("Form1", "Level %1"));
    t << row("Combo6", K::ListItem, 0, QT_TRANSLATE_NOOP3("Form1", "Off", "disabled"))
      << row("Combo6", K::ListItem, 1, QT_TRANSLATE_NOOP("Form1", "On"))
      << row("Combo7", K::ListItem, 0, QT_TRANSLATE_NOOP3("Form1", "Off", "disabled"))
      << row("Combo7", K::ListItem, 1, QT_TRANSLATE_NOOP("Form1", "On"));
    // The preview before a write.
    t << caption("frmWritePreview", QT_TRANSLATE_NOOP("Form1", "Write To Radio: preview"))
      << row("PreviewList", K::TableHeader, 0, QT_TRANSLATE_NOOP("Form1", "Item"))
      << row("PreviewList", K::TableHeader, 1, QT_TRANSLATE_NOOP("Form1", "Old value (radio)"))
      << row("PreviewList", K::TableHeader, 2, QT_TRANSLATE_NOOP("Form1", "New value (to write)"))
      << caption("lblWarnings", QT_TRANSLATE_NOOP("Form1", "Before writing, note:"))
      << caption("cmdWrite", QT_TRANSLATE_NOOP("Form1", "&Write"))
      << caption("cmdWriteAnyway", QT_TRANSLATE_NOOP("Form1", "&Write anyway"))
      << caption("cmdCancelWrite", QT_TRANSLATE_NOOP("Form1", "Cancel"));
    // The Backups window.
    t << caption("frmBackups", QT_TRANSLATE_NOOP("Form1", "Backups"))
      << caption("lblBackupFolder", QT_TRANSLATE_NOOP("Form1", "Backup folder:"))
      << caption(
             "lblNoBackups",
             QT_TRANSLATE_NOOP("Form1", "No backups yet. Every read and every write makes one."))
      << row("BackupList", K::TableHeader, 0, QT_TRANSLATE_NOOP("Form1", "Date"))
      << row("BackupList", K::TableHeader, 1, QT_TRANSLATE_NOOP("Form1", "Kind"))
      << row("BackupList", K::TableHeader, 2, QT_TRANSLATE_NOOP("Form1", "Band"))
      << caption("cmdOpenBackup", QT_TRANSLATE_NOOP("Form1", "&Open"))
      << caption("cmdCloseBackups", QT_TRANSLATE_NOOP("Form1", "Close"));
    // The windows of Import and Print (made when they are shown).
    t << caption("ImportPlacement", QT_TRANSLATE_NOOP("Form1", "Import CHIRP CSV"))
      << caption("lblPlacement",
                 QT_TRANSLATE_NOOP("Form1",
                                   "How are the rows of the file placed into the 16 channels?"))
      << caption("optByLocation", QT_TRANSLATE_NOOP("Form1", "By their Location (1 to 16)"))
      << caption("optSequential", QT_TRANSLATE_NOOP("Form1", "The first 16 rows that fit"))
      << caption("ImportReport", QT_TRANSLATE_NOOP("Form1", "Import report"))
      << caption("lblImportApply",
                 QT_TRANSLATE_NOOP("Form1", "OK imports these channels; Cancel changes nothing."))
      << caption("lblImportUnusable", QT_TRANSLATE_NOOP("Form1", "Nothing is imported."))
      << caption("PrintOptions", QT_TRANSLATE_NOOP("Form1", "Channel list"))
      << caption("chkOmitEmpty", QT_TRANSLATE_NOOP("Form1", "Omit empty channels"))
      << caption("btnOk", QT_TRANSLATE_NOOP("Form1", "OK"))
      << caption("btnCancel", QT_TRANSLATE_NOOP("Form1", "Cancel"));
    return t;
}
} // namespace

const QVector<CaptionRow> &mainWindowCaptions() {
    static const QVector<CaptionRow> table = buildTable();
    return table;
}

QString captionText(const QString &control, qint16 language, CaptionKind kind, int index) {
    for (const CaptionRow &row : mainWindowCaptions())
        if (row.control == control && row.kind == kind && row.index == index)
            return row.text(language);
    return QString();
}

QStringList listItemTexts(const QString &control) {
    QStringList items;
    for (const QString &code : Texts::languages()) {
        const TextLanguage scope(code);
        for (const CaptionRow &row : mainWindowCaptions())
            if (row.control == control && row.kind == CaptionKind::ListItem)
                items << row.text();
    }
    return items;
}

QString portItemCaption(int port) {
    return QStringLiteral("COM%1(&%1)").arg(port);
}

QString captionOf(const QString &control, qint16 language) {
    for (const CaptionRow &row : mainWindowCaptions())
        if (row.control == control && row.kind == CaptionKind::Caption)
            return row.text(language);
    return QString();
}

QString mainWindowTitle(qint16 language) {
    return mainWindowCaptions().first().text(language);
}

QString backupBandCaption(const QString &band, qint16 language) {
    if (band != unknownBandWord())
        return band;
    const TextLanguage scope(language);
    return translate("Backups", "unknown-band");
}

QString backupKindCaption(bool beforeWrite, qint16 language) {
    const TextLanguage scope(language);
    return beforeWrite ? translate("Backups", "Before write") : translate("Backups", "Read");
}

QString CaptionRow::text() const {
    QString t = translate(context, source, disambiguation);
    if (number >= 0)
        t = t.arg(number);
    if (argument)
        t = t.arg(argument(flagOfLanguage(Texts::language())));
    return t;
}

QString CaptionRow::text(qint16 language) const {
    const TextLanguage scope(language);
    return text();
}
