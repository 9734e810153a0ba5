#include "shell/captiontable.h"

#include "dialogs/dialogcaptions.h"
#include "image/backups.h"
#include "model/celltexts.h"

namespace {
using K = CaptionKind;

CaptionRow row(const char *control, CaptionKind kind, int index, const char *zh, const char *en) {
    return {QString::fromLatin1(control), kind, index, QString::fromUtf8(zh),
            QString::fromUtf8(en)};
}

CaptionRow caption(const char *control, const char *zh, const char *en) {
    return row(control, K::Caption, 0, zh, en);
}

// Numbered list items: `zhFormat`/`enFormat` hold %1 for the number.
void addNumberedItems(QVector<CaptionRow> &rows, const char *control, int firstItem, int lastItem,
                      int numberOfItem0, int step, const char *zhFormat, const char *enFormat) {
    for (int item = firstItem; item <= lastItem; ++item) {
        const int n = numberOfItem0 + item * step;
        rows.append({QString::fromLatin1(control), K::ListItem, item,
                     QString::fromUtf8(zhFormat).arg(n), QString::fromUtf8(enFormat).arg(n)});
    }
}

QVector<CaptionRow> buildTable() {
    QVector<CaptionRow> t;
    // Title and menus.
    t << row("Form1", K::WindowTitle, 0, "VQ-740 对讲机编程软件 V1.20",
             "VQ-740 Radio Software V1.20");
    t << caption("mnuFile", "文件(&F)", "File(&F)") << caption("mnuNew", "新建(&N)", "New(&N)")
      << caption("mnuOpen", "打开(&O)", "Open(&O)") << caption("mnuAssave", "保存(&S)", "Save(&S)")
      << caption("mnuImport", "导入(&I)...", "Import(&I)...")
      << caption("mnuExport", "导出(&E)...", "Export(&E)...")
      << caption("mnuPrint", "打印(&P)...", "Print(&P)...")
      << caption("mnuExportPdf", "导出 PDF(&D)...", "Export PDF(&D)...")
      << caption("mnuBackups", "备份(&B)...", "Backups(&B)...")
      << caption("mnuQuit", "退出(&Q)", "Exit(&Q)") << caption("mnuEdit", "编辑(&E)", "Edit(&E)")
      << caption("mnuUndo", "撤销(&U)", "Undo(&U)") << caption("mnuRedo", "重做(&R)", "Redo(&R)")
      << caption("mnuCut", "剪切(&T)", "Cut(&T)") << caption("mnuCopy", "复制(&C)", "Copy(&C)")
      << caption("mnuPaste", "粘贴(&P)", "Paste(&P)")
      << caption("mnuDelete", "删除(&D)", "Delete(&D)")
      << caption("mnupro", "编程(&P)", "Programming(&P)")
      << caption("mnureadFre", "读频(&R)", "Read From Radio(&R)")
      << caption("mnuwriteFre", "写频(&W)", "Write To Radio(&W)")
      << caption("mnudtmf", "可选功能", "Optional function ")
      << caption("Key_enactment", "键设定", "Keys Assigment ")
      << caption("mnusetin", "嵌入信息", "Embedded Message")
      << caption("mnudebug", "调试(&D)", "Debug Parameters(&D)")
      << caption("mnutestfre", "测试频率", "Test Frequency")
      << caption("mnuset", "设置(&S)", "Settings(&S)") << caption("mnulock", "锁定(&L)", "Lock(&L)")
      << caption("mnucom", "通信端口(&V)", "Communication port(&V)")
      << caption("mnuLanguage", "语言选择(&L)", "Languages(&L)")
      << caption("mnuChinese", "中文", "Chinese") << caption("mnuEnglish", "英文", "English")
      << caption("mnuhelp", "帮助(&H)", "Help(&H)")
      << caption("mnumainhelp", "帮助主题  F1", "The help topic  F1 ")
      << caption("mnuabout", "关于", "About") << caption("mnutrace", "串口记录", "Serial trace");
    // The Communication port menu below COM1 to COM8.
    t << caption("mnucomNone", "（未找到串口设备）", "(no serial devices found)")
      << caption("mnucomOther", "其它端口...", "Other port...")
      << caption("mnucomFind", "查找写频线...", "Find my cable...");
    // Header row of the channel table.
    for (int c = 0; c < 9; ++c)
        t.append(
            {QStringLiteral("Grid1"), K::GridHeader, c, columnCaption(c, 0), columnCaption(c, 1)});
    // Tool tips of the toolbar; button 4 is a separator.
    t << row("Toolbar1", K::ToolTip, 1, "新建", "New")
      << row("Toolbar1", K::ToolTip, 2, "打开", "Open")
      << row("Toolbar1", K::ToolTip, 3, "保存", "Save")
      << row("Toolbar1", K::ToolTip, 5, "读频", "Read frequency")
      << row("Toolbar1", K::ToolTip, 6, "写频", "Write frequency");
    // Frames and labels.
    t << caption("Frame1", "机型选择", "Model")
      << caption("Frame2", "功能设置", "Functions Setting")
      << CaptionRow{QStringLiteral("Label2"), K::Caption, 0,
                    QStringLiteral("版权所有 © 2012 ") + makerName(0),
                    QStringLiteral("Copyright © 2012 ") + makerName(1)}
      << caption("Label3", "频段", "Range") << caption("Label4", "语言通知", "Voice Notice:")
      << caption("Label5", "发射超时", "Time-out Timer:")
      << caption("Label1", "发射超时预警", "TOT Pre-Alert:")
      << caption("Label6", "静噪等级", "Squelch Level:")
      << caption("Label7", "省电", "Battery Save:") << caption("Label8", "提示音", "Beep:")
      << caption("lblHelpHint", "按 F1 查看使用说明", "Press F1 for the user guide");
    // List items.
    t << row("Combo8", K::ListItem, 0, "关闭", "Off");
    const char *options[4][2][2] = {{{"低", "Low"}, {"高", "High"}},
                                    {{"关闭", "Off"}, {"载波", "Carrier"}},
                                    {{"窄带", "Narrow"}, {"宽带", "Wide"}},
                                    {{"无", "No"}, {"有", "Yes"}}};
    for (int e = 5; e <= 8; ++e)
        for (int item = 0; item < 2; ++item)
            t.append({QStringLiteral("Combo5_%1").arg(e), K::ListItem, item,
                      QString::fromUtf8(options[e - 5][item][0]),
                      QString::fromUtf8(options[e - 5][item][1])});
    t << row("Combo2", K::ListItem, 0, "关", "Off")
      << row("Combo2", K::ListItem, 1, "中文", "Chinese")
      << row("Combo2", K::ListItem, 2, "英文", "English");
    addNumberedItems(t, "Combo3", 0, 39, 15, 15, "%1 秒", "%1 S");
    t << row("Combo4", K::ListItem, 0, "关闭", "Off");
    addNumberedItems(t, "Combo4", 1, 10, 0, 1, "%1 秒", "%1 S");
    addNumberedItems(t, "Combo9", 0, 9, 0, 1, "%1 级", "Level %1");
    t << row("Combo6", K::ListItem, 0, "禁止", "Off") << row("Combo6", K::ListItem, 1, "使能", "On")
      << row("Combo7", K::ListItem, 0, "禁止", "Off")
      << row("Combo7", K::ListItem, 1, "使能", "On");
    // The preview before a write.
    t << caption("frmWritePreview", "写频预览", "Write To Radio: preview")
      << row("PreviewList", K::TableHeader, 0, "项目", "Item")
      << row("PreviewList", K::TableHeader, 1, "原值（对讲机）", "Old value (radio)")
      << row("PreviewList", K::TableHeader, 2, "新值（写入）", "New value (to write)")
      << caption("lblWarnings", "写入前请注意：", "Before writing, note:")
      << caption("cmdWrite", "写入(&W)", "&Write")
      << caption("cmdWriteAnyway", "仍然写入(&W)", "&Write anyway")
      << caption("cmdCancelWrite", "取消", "Cancel");
    // The Backups window.
    t << caption("frmBackups", "备份", "Backups")
      << caption("lblBackupFolder", "备份文件夹：", "Backup folder:")
      << caption("lblNoBackups", "还没有备份。每次读频和写频前都会自动备份。",
                 "No backups yet. Every read and every write makes one.")
      << row("BackupList", K::TableHeader, 0, "日期", "Date")
      << row("BackupList", K::TableHeader, 1, "类型", "Kind")
      << row("BackupList", K::TableHeader, 2, "频段", "Band")
      << caption("cmdOpenBackup", "打开(&O)", "&Open")
      << caption("cmdCloseBackups", "关闭", "Close");
    // The windows of Import and Print (made when they are shown).
    t << caption("ImportPlacement", "导入 CHIRP CSV", "Import CHIRP CSV")
      << caption("lblPlacement", "文件中的行如何放入 16 个信道？",
                 "How are the rows of the file placed into the 16 channels?")
      << caption("optByLocation", "按 Location 列（1 至 16）", "By their Location (1 to 16)")
      << caption("optSequential", "依次取前 16 个合适的行", "The first 16 rows that fit")
      << caption("ImportReport", "导入报告", "Import report")
      << caption("lblImportApply", "按“确定”导入这些信道，按“取消”不作任何改动。",
                 "OK imports these channels; Cancel changes nothing.")
      << caption("lblImportUnusable", "没有导入任何内容。", "Nothing is imported.")
      << caption("PrintOptions", "信道表", "Channel list")
      << caption("chkOmitEmpty", "省略空信道", "Omit empty channels")
      << caption("btnOk", "确定", "OK") << caption("btnCancel", "取消", "Cancel");
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
    QStringList chinese;
    QStringList english;
    for (const CaptionRow &row : mainWindowCaptions())
        if (row.control == control && row.kind == CaptionKind::ListItem) {
            chinese << row.chinese;
            english << row.english;
        }
    return chinese + english;
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
    return language == 0 ? QStringLiteral("未知频段") : band;
}

QString backupKindCaption(bool beforeWrite, qint16 language) {
    if (language == 0)
        return beforeWrite ? QStringLiteral("写频前") : QStringLiteral("读频");
    return beforeWrite ? QStringLiteral("Before write") : QStringLiteral("Read");
}
