#include "shell/writetexts.h"

#include "dialogs/dialogcaptions.h"
#include "link/linktexts.h"
#include "model/bands.h"
#include "model/celltexts.h"
#include "model/channeltable.h"
#include "model/settingfields.h"
#include "model/texts.h"
#include "shell/captiontable.h"

#include <QDir>

using vq740::translate;

namespace {

bool zh(qint16 language) {
    return language == 0;
}

QString gridHeader(int column, qint16 language) {
    for (const CaptionRow &row : mainWindowCaptions())
        if (row.kind == CaptionKind::GridHeader && row.index == column)
            return row.text(language);
    return QString();
}

QString hexBytes(const QByteArray &bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString arrow() {
    return QStringLiteral(" \u2192 ");
}

// A backup as messages name it: its whole path, so the user can find it.
QString backupPath(const QString &path) {
    return QDir::toNativeSeparators(path);
}

// A caption as a name: without the colon and the unit in brackets
// ("Voice Notice:", "VOX Delay time[S]", "回扫时间A[秒]").
QString bareCaption(QString text) {
    for (const QString &unit :
         {QStringLiteral("[S]"), QStringLiteral("[秒]"), QStringLiteral("(秒)")})
        if (text.endsWith(unit))
            text.chop(unit.size());
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A)))
        text.chop(1);
    return text.trimmed();
}

bool holdsChinese(const QString &text) {
    for (QChar c : text)
        if (c.unicode() >= 0x3400 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

// The text of a caption in the caption data the windows apply: "Form1/Label4"
// (a caption of the main window), "Form5/Label22", "Form4/mfgrid1:1" (header
// cell 1 of a grid).
QString captionAt(const QString &path, qint16 language) {
    const QString window = path.section(QLatin1Char('/'), 0, 0);
    const QString rest = path.section(QLatin1Char('/'), 1);
    const QString control = rest.section(QLatin1Char(':'), 0, 0);
    const bool header = rest.contains(QLatin1Char(':'));
    const int index = header ? rest.section(QLatin1Char(':'), 1).toInt() : -1;
    if (window == QLatin1String("Form1"))
        return captionText(control, language);
    for (const DialogCaption &row : dialogCaptionTable())
        if (row.window == window && row.control == control &&
            row.kind == (header ? DialogCaption::GridHeader : DialogCaption::Text) &&
            (!header || row.index == index))
            return row.text(language);
    return QString();
}

QString windowTitle(const char *window, qint16 language) {
    for (const DialogCaption &row : dialogCaptionTable())
        if (row.window == QLatin1String(window) && row.kind == DialogCaption::WindowTitle)
            return row.text(language);
    return QString();
}

// The name of a setting: the caption its window shows for it. A caption
// the window has in Chinese only (the hidden DTMF and PTT ID controls)
// names it in Chinese; in English the setting's own English name, its key
// in the JSON form, names it. A setting without caption is named by its
// own name, in Chinese by its window's title and its line
// ("嵌入信息第 1 行").
QString captionName(const SettingField &f, qint16 language) {
    QString english = QLatin1String(f.name);
    if (*f.caption) {
        const QString caption = bareCaption(captionAt(QLatin1String(f.caption), language));
        return !zh(language) && holdsChinese(caption) ? english : caption;
    }
    if (!zh(language))
        return english;
    const QString title = windowTitle(f.window, language);
    if (title.isEmpty()) // the carried digit: no window holds it
        return QStringLiteral("携带数字");
    return title + QStringLiteral("第 %1 行").arg(english.section(QLatin1Char(' '), -1));
}

// The items of a field's list in the language, as its window fills it.
QStringList listItems(const SettingField &f, qint16 language) {
    if (QLatin1String(f.window) != QLatin1String("Form1"))
        return dialogListItems(QLatin1String(f.window), QLatin1String(f.control), language);
    QStringList items;
    for (const CaptionRow &row : mainWindowCaptions())
        if (row.kind == CaptionKind::ListItem && row.control == QLatin1String(f.control) &&
            row.index == items.size())
            items << row.text(language);
    return items;
}

} // namespace

QString settingName(int field, int entry, qint16 language) {
    const SettingField &f = settingFieldAt(field);
    QString name = captionName(f, language);
    if (f.count <= 1)
        return name;
    const QString number = QStringLiteral("%1").arg(entry + 1, 2, 10, QLatin1Char('0'));
    // A test frequency: its window's title, the row, the column.
    if (f.codec == FieldCodec::Frequency)
        return windowTitle(f.window, language) + QLatin1Char(' ') + number + QLatin1Char(' ') +
               name;
    return name + QLatin1Char(' ') + QString::number(entry + 1);
}

QString settingValueText(int field, int number, const QString &text, bool valid,
                         const QByteArray &bytes, qint16 language) {
    const TextLanguage scope(language);
    const SettingField &f = settingFieldAt(field);
    if (!valid)
        return translate("WriteTexts", "byte(s) %1").arg(hexBytes(bytes));
    if (f.isText())
        return shownValue(text, language);
    switch (f.controlKind) {
    case FieldControl::ListIndex: {
        if (number == -1)
            return translate("WriteTexts", "(none)");
        const QStringList items = listItems(f, language);
        return number >= 0 && number < items.size() ? items.at(number) : QString::number(number);
    }
    case FieldControl::Check:
        return number ? translate("WriteTexts", "ticked") : translate("WriteTexts", "not ticked");
    default:
        break;
    }
    if (f.codec == FieldCodec::Tens)
        return QStringLiteral("%1 ms").arg(number);
    return QString::number(number);
}

QString channelFieldName(int column, qint16 language) {
    return columnName(column, language);
}

QString channelLabel(int channel, qint16 language) {
    const QString number = QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0'));
    return gridHeader(ColNumber, language) + QLatin1Char(' ') + number;
}

QString shownValue(const QString &text, qint16 language) {
    const TextLanguage scope(language);
    return text.isEmpty() ? translate("WriteTexts", "(empty)") : text;
}

QList<ChangeLine> changeLines(const ImageChanges &changes, qint16 language) {
    const TextLanguage scope(language);
    QList<ChangeLine> lines;
    for (const ChannelChange &c : changes.channels)
        lines << ChangeLine{channelLabel(c.channel, language) + QLatin1Char(' ') +
                                channelFieldName(c.column, language),
                            shownValue(c.before, language), shownValue(c.after, language)};
    for (const SettingChange &c : changes.settings) {
        ChangeLine line{settingName(c.field, c.entry, language),
                        settingValueText(c.field, c.beforeNumber, c.beforeText, c.beforeValid,
                                         c.beforeBytes, language),
                        settingValueText(c.field, c.afterNumber, c.afterText, c.afterValid,
                                         c.afterBytes, language)};
        // The same value in other bytes (00 and FF are both no digit):
        // the bytes tell the change.
        if (line.before == line.after) {
            const QString bytes = translate("WriteTexts", " (%1)");
            line.before += bytes.arg(hexBytes(c.beforeBytes));
            line.after += bytes.arg(hexBytes(c.afterBytes));
        }
        lines << line;
    }
    for (const ByteChange &b : changes.bytes) {
        const QString address =
            QStringLiteral("0x") +
            QStringLiteral("%1").arg(b.address, 4, 16, QLatin1Char('0')).toUpper();
        QString field =
            translate("WriteTexts", "%1 byte(s) at %2").arg(b.before.size()).arg(address);
        if (b.channel > 0)
            field = channelLabel(b.channel, language) + translate("WriteTexts", " (not in use), ") +
                    field;
        lines << ChangeLine{field, hexBytes(b.before), hexBytes(b.after)};
    }
    return lines;
}

QStringList changeTexts(const ImageChanges &changes, qint16 language) {
    const TextLanguage scope(language);
    QStringList texts;
    for (const ChangeLine &line : changeLines(changes, language))
        texts << line.field + translate("WriteTexts", ": ") + line.before + arrow() + line.after;
    return texts;
}

QString warningText(const WriteWarning &w, int dataBand, bool bandOverride, qint16 language) {
    const TextLanguage scope(language);
    const QString where = w.channel > 0 ? channelLabel(w.channel, language) + QLatin1Char(' ') +
                                              channelFieldName(w.column, language)
                                        : QString();
    switch (w.kind) {
    case WriteWarningKind::BandMismatch:
        return translate("WriteTexts", "The radio's band is %1, the data's %2: %3")
            .arg(w.value, bandText(dataBand),
                 bandOverride ? translate("WriteTexts", "you will be asked before the first block.")
                              : translate("WriteTexts", "the write will be refused."));
    case WriteWarningKind::UnknownBand:
        return translate("WriteTexts", "The radio reports a band code outside the known ranges.");
    case WriteWarningKind::OutsideBand:
        return translate("WriteTexts", "%1 %2 lies outside the radio's band.").arg(where, w.value);
    case WriteWarningKind::ToneWithoutTx:
        return translate("WriteTexts", "%1 is %2 on a channel without TX frequency.")
            .arg(where, w.value);
    case WriteWarningKind::NotHeld:
        return translate("WriteTexts", "%1: the radio cannot hold the value %2.")
            .arg(where, shownValue(w.value, language));
    case WriteWarningKind::SettingNotHeld: {
        const QString name = settingName(w.field, w.entry, language);
        return translate("WriteTexts", "%1: the radio cannot hold the value %2.")
            .arg(name, shownValue(w.value, language));
    }
    case WriteWarningKind::PowerLevel: {
        const QString name = captionAt(w.column == 0 ? QStringLiteral("Form2/Frame1")
                                                     : QStringLiteral("Form2/Frame2"),
                                       language);
        return translate("WriteTexts", "%1 is %2, above %3, the most the radio takes.")
            .arg(name, w.value)
            .arg(kMaxPowerLevel);
    }
    }
    return QString();
}

QStringList warningTexts(const WriteFlow &flow, bool bandOverride, qint16 language) {
    QStringList texts;
    for (const WriteWarning &w : flow.warnings())
        texts << warningText(w, flow.writeBand(), bandOverride, language);
    return texts;
}

QString previewSummary(const ImageChanges &changes, qint16 language) {
    const TextLanguage scope(language);
    if (changes.isEmpty())
        return translate("WriteTexts",
                         "The radio already holds exactly these contents: there is nothing to "
                         "write.");
    return translate("WriteTexts", "The write changes %1 item(s) (old value → new value):")
        .arg(changes.count());
}

QString writeOutcomeText(const WriteFlow &flow, WriteFlowOutcome outcome, qint16 language) {
    const TextLanguage scope(language);
    const QString backup = backupPath(flow.backup().path);
    switch (outcome) {
    case WriteFlowOutcome::Verified:
        if (flow.restoring())
            return translate("WriteTexts",
                             "The backup was written back to the radio, read back and checked.");
        return translate("WriteTexts", "Write frequency success! Read back and checked: the radio "
                                       "holds what was written. Backup of its old contents: %1")
            .arg(backup);
    case WriteFlowOutcome::Written:
        return translate("WriteTexts", "Write frequency success! (not read back to check) Backup "
                                       "of the old contents: %1")
            .arg(backup);
    case WriteFlowOutcome::VerifyFailed:
        return translate("WriteTexts", "Write check failed: the radio does not hold what was "
                                       "written (%1 item(s) differ).")
            .arg(flow.differences().count());
    case WriteFlowOutcome::Cancelled:
        if (flow.changes().isEmpty())
            return translate("WriteTexts",
                             "The radio already holds these contents; nothing was written.");
        return translate("WriteTexts", "Write cancelled; nothing was written to the radio.");
    case WriteFlowOutcome::DryRun:
        return translate("WriteTexts", "Dry run: nothing was written to the radio.");
    case WriteFlowOutcome::BackupFailed:
        return backupFailureMessage(flow.backup(), true, language);
    case WriteFlowOutcome::BandRefused:
    case WriteFlowOutcome::Declined:
        return linkText(LinkText::BandRefused, language);
    case WriteFlowOutcome::TimedOut:
    case WriteFlowOutcome::NotStarted:
        switch (flow.failedStep()) {
        case WriteFlowStep::Write:
            return translate("WriteTexts", "The write was cut off: the radio may be partly "
                                           "written. Write again, or write the backup %1 "
                                           "back.")
                .arg(backup);
        case WriteFlowStep::VerifyRead:
            return translate("WriteTexts",
                             "Written, but the radio could not be read back to check it.");
        default:
            return translate("WriteTexts",
                             "Nothing was written: the radio could not be read before the write.");
        }
    }
    return QString();
}

QString restoreQuestion(const WriteFlow &flow, qint16 language) {
    const TextLanguage scope(language);
    const QString path = QDir::toNativeSeparators(flow.backup().path);
    return translate("WriteTexts", "Write the backup taken before the write back to the "
                                   "radio?\n%1")
        .arg(path);
}

QString verifyFailureMessage(const WriteFlow &flow, qint16 language) {
    const TextLanguage scope(language);
    // A long list is cut short; the status line gives the number.
    constexpr int kShownLines = 20;
    QStringList lines = changeTexts(flow.differences(), language);
    const int more = int(lines.size()) - kShownLines;
    if (more > 0) {
        lines = lines.mid(0, kShownLines);
        lines << translate("WriteTexts", "... and %1 more").arg(more);
    }
    const QString heading =
        translate("WriteTexts",
                  "The radio does not hold what was written. These differ (written → read back):");
    return heading + QLatin1Char('\n') + lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
           restoreQuestion(flow, language);
}

QString readOutcomeText(const BackupSaveResult &backup, qint16 language) {
    const TextLanguage scope(language);
    if (!backup.ok)
        return linkText(LinkText::ReadSuccess, language) + QLatin1Char(' ') +
               backupFailureMessage(backup, false, language);
    return translate("WriteTexts", "Read frequency success! Backup: %1")
        .arg(backupPath(backup.path));
}
