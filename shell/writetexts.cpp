#include "shell/writetexts.h"

#include "dialogs/dialogcaptions.h"
#include "link/linktexts.h"
#include "model/bands.h"
#include "model/channeltable.h"
#include "model/settingfields.h"
#include "shell/captiontable.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

bool zh(qint16 language) {
    return language == 0;
}

QString pick(qint16 language, const char *chinese, const char *english) {
    return QString::fromUtf8(zh(language) ? chinese : english);
}

QString gridHeader(int column, qint16 language) {
    for (const CaptionRow &row : mainWindowCaptions())
        if (row.kind == CaptionKind::GridHeader && row.index == column)
            return row.text(language);
    return QString();
}

QString dialogText(const char *window, const char *control, qint16 language) {
    for (const DialogCaption &row : dialogCaptionTable())
        if (row.window == QLatin1String(window) && row.control == QLatin1String(control))
            return row.text(language);
    return QString();
}

QString hexBytes(const QByteArray &bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString arrow() {
    return QStringLiteral(" \u2192 ");
}

QString fileNameOf(const QString &path) {
    return QFileInfo(path).fileName();
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

// The caption of the window of a field that names it, found by its
// English text.
QString captionNaming(const SettingField &f, qint16 language) {
    const QString name = QLatin1String(f.name);
    const auto same = [&name](const QString &english) {
        return bareCaption(english).compare(name, Qt::CaseInsensitive) == 0;
    };
    if (QLatin1String(f.window) == QLatin1String("Form1")) {
        for (const CaptionRow &row : mainWindowCaptions())
            if (row.kind == CaptionKind::Caption && same(row.english))
                return bareCaption(row.text(language));
        return QString();
    }
    for (const DialogCaption &row : dialogCaptionTable())
        if (row.window == QLatin1String(f.window) &&
            (row.kind == DialogCaption::Text || row.kind == DialogCaption::GridHeader) &&
            same(row.english))
            return bareCaption(row.text(language));
    return QString();
}

// Chinese names of the settings no window caption names.
QString ownChineseName(const QString &name) {
    static const QHash<QString, QString> names{
        {QStringLiteral("ID Code"), QStringLiteral("ID 码")},
        {QStringLiteral("PTT ID Start Code"), QStringLiteral("PTT ID 开始码")},
        {QStringLiteral("PTT ID End Code"), QStringLiteral("PTT ID 结束码")},
        {QStringLiteral("DTMF Rate"), QStringLiteral("DTMF 速率")},
        {QStringLiteral("First Digit Time"), QStringLiteral("首位码时间")},
        {QStringLiteral("First Digit Delay"), QStringLiteral("首位码延时")},
        {QStringLiteral("Star and Hash Tone"), QStringLiteral("*和#键音")},
        {QStringLiteral("D Key Setting"), QStringLiteral("D 键设置")},
        {QStringLiteral("DTMF Sidetone"), QStringLiteral("DTMF 侧音")},
        {QStringLiteral("carried digit"), QStringLiteral("携带数字")},
        {QStringLiteral("Auto Reset Timer"), QStringLiteral("自动复位时间")},
        {QStringLiteral("Auto-dial Memory"), QStringLiteral("自动拨号存储")},
        {QStringLiteral("PF1"), QStringLiteral("PF1 键")},
        {QStringLiteral("PF2"), QStringLiteral("PF2 键")},
        {QStringLiteral("Embedded Information line 1"), QStringLiteral("嵌入信息第 1 行")},
        {QStringLiteral("Embedded Information line 2"), QStringLiteral("嵌入信息第 2 行")},
    };
    return names.value(name, name);
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
    QString name = captionNaming(f, language);
    if (name.isEmpty())
        name = zh(language) ? ownChineseName(QLatin1String(f.name)) : QLatin1String(f.name);
    if (f.count <= 1)
        return name;
    const QString number = QStringLiteral("%1").arg(entry + 1, 2, 10, QLatin1Char('0'));
    // A test frequency: its window's title, the row, the column.
    if (f.codec == FieldCodec::Frequency) {
        QString window;
        for (const DialogCaption &row : dialogCaptionTable())
            if (row.window == QLatin1String(f.window) && row.kind == DialogCaption::WindowTitle)
                window = row.text(language);
        return window + QLatin1Char(' ') + number + QLatin1Char(' ') + name;
    }
    return name + QLatin1Char(' ') + QString::number(entry + 1);
}

QString settingValueText(int field, int number, const QString &text, bool valid,
                         const QByteArray &bytes, qint16 language) {
    const SettingField &f = settingFieldAt(field);
    if (!valid)
        return zh(language) ? QStringLiteral("字节 %1").arg(hexBytes(bytes))
                            : QStringLiteral("byte(s) %1").arg(hexBytes(bytes));
    if (f.isText())
        return shownValue(text, language);
    switch (f.controlKind) {
    case FieldControl::ListIndex: {
        if (number == -1)
            return pick(language, "（无）", "(none)");
        const QStringList items = listItems(f, language);
        return number >= 0 && number < items.size() ? items.at(number) : QString::number(number);
    }
    case FieldControl::Check:
        return number ? pick(language, "勾选", "ticked") : pick(language, "不勾选", "not ticked");
    default:
        break;
    }
    if (f.codec == FieldCodec::Tens)
        return QStringLiteral("%1 ms").arg(number);
    return QString::number(number);
}

QString channelFieldName(int column, qint16 language) {
    const QString header = gridHeader(column, language);
    // Both tone columns are headed "QT/DQT": the list says which one.
    if (column == ColRxTone)
        return pick(language, "接收", "RX ") + header;
    if (column == ColTxTone)
        return pick(language, "发射", "TX ") + header;
    return header;
}

QString channelLabel(int channel, qint16 language) {
    const QString number = QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0'));
    return gridHeader(ColNumber, language) + QLatin1Char(' ') + number;
}

QString shownValue(const QString &text, qint16 language) {
    return text.isEmpty() ? pick(language, "（空）", "(empty)") : text;
}

QList<ChangeLine> changeLines(const ImageChanges &changes, qint16 language) {
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
            line.before += QStringLiteral(" (%1)").arg(hexBytes(c.beforeBytes));
            line.after += QStringLiteral(" (%1)").arg(hexBytes(c.afterBytes));
        }
        lines << line;
    }
    for (const ByteChange &b : changes.bytes) {
        const QString address =
            QStringLiteral("0x") +
            QStringLiteral("%1").arg(b.address, 4, 16, QLatin1Char('0')).toUpper();
        QString field =
            zh(language) ? QStringLiteral("地址 %1 起 %2 个字节").arg(address).arg(b.before.size())
                         : QStringLiteral("%1 byte(s) at %2").arg(b.before.size()).arg(address);
        if (b.channel > 0)
            field = channelLabel(b.channel, language) +
                    pick(language, "（未使用）", " (not in use), ") + field;
        lines << ChangeLine{field, hexBytes(b.before), hexBytes(b.after)};
    }
    return lines;
}

QStringList changeTexts(const ImageChanges &changes, qint16 language) {
    QStringList texts;
    for (const ChangeLine &line : changeLines(changes, language))
        texts << line.field + pick(language, "：", ": ") + line.before + arrow() + line.after;
    return texts;
}

QString warningText(const WriteWarning &w, int dataBand, bool bandOverride, qint16 language) {
    const QString where = w.channel > 0 ? channelLabel(w.channel, language) + QLatin1Char(' ') +
                                              channelFieldName(w.column, language)
                                        : QString();
    switch (w.kind) {
    case WriteWarningKind::BandMismatch:
        if (zh(language))
            return QStringLiteral("对讲机频段为 %1，数据频段为 %2：%3")
                .arg(w.value, bandText(dataBand),
                     bandOverride ? QStringLiteral("写入第一块前将询问是否继续。")
                                  : QStringLiteral("写频将被拒绝。"));
        return QStringLiteral("The radio's band is %1, the data's %2: %3")
            .arg(w.value, bandText(dataBand),
                 bandOverride ? QStringLiteral("you will be asked before the first block.")
                              : QStringLiteral("the write will be refused."));
    case WriteWarningKind::UnknownBand:
        return pick(language, "对讲机报告了一个未知的频段代码。",
                    "The radio reports a band code outside the known ranges.");
    case WriteWarningKind::OutsideBand:
        return zh(language)
                   ? QStringLiteral("%1 %2 超出对讲机的频段。").arg(where, w.value)
                   : QStringLiteral("%1 %2 lies outside the radio's band.").arg(where, w.value);
    case WriteWarningKind::ToneWithoutTx:
        return zh(language) ? QStringLiteral("%1为 %2，但该信道没有发射频率。").arg(where, w.value)
                            : QStringLiteral("%1 is %2 on a channel without TX frequency.")
                                  .arg(where, w.value);
    case WriteWarningKind::NotHeld:
        return zh(language) ? QStringLiteral("%1：对讲机无法保存数值 %2。")
                                  .arg(where, shownValue(w.value, language))
                            : QStringLiteral("%1: the radio cannot hold the value %2.")
                                  .arg(where, shownValue(w.value, language));
    case WriteWarningKind::SettingNotHeld: {
        const QString name = settingName(w.field, w.entry, language);
        return zh(language) ? QStringLiteral("%1：对讲机无法保存数值 %2。")
                                  .arg(name, shownValue(w.value, language))
                            : QStringLiteral("%1: the radio cannot hold the value %2.")
                                  .arg(name, shownValue(w.value, language));
    }
    case WriteWarningKind::PowerLevel: {
        const QString name = dialogText("Form2", w.column == 0 ? "Frame1" : "Frame2", language);
        return zh(language) ? QStringLiteral("%1为 %2，超过对讲机允许的最大值 %3。")
                                  .arg(name, w.value)
                                  .arg(kMaxPowerLevel)
                            : QStringLiteral("%1 is %2, above %3, the most the radio takes.")
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
    if (changes.isEmpty())
        return pick(language, "对讲机中已是完全相同的数据：没有需要写入的内容。",
                    "The radio already holds exactly these contents: there is nothing to "
                    "write.");
    return zh(language)
               ? QStringLiteral("写频将改变以下 %1 项（原值 → 新值）：").arg(changes.count())
               : QStringLiteral("The write changes %1 item(s) (old value → new value):")
                     .arg(changes.count());
}

QString writeOutcomeText(const WriteFlow &flow, WriteFlowOutcome outcome, qint16 language) {
    const QString backup = fileNameOf(flow.backup().path);
    switch (outcome) {
    case WriteFlowOutcome::Verified:
        if (flow.restoring())
            return pick(language, "备份已写回对讲机，并已回读校验。",
                        "The backup was written back to the radio, read back and checked.");
        return zh(language)
                   ? QStringLiteral("写频成功！已回读校验，对讲机数据与写入一致。原数据备份：%1")
                         .arg(backup)
                   : QStringLiteral("Write frequency success! Read back and checked: the radio "
                                    "holds what was written. Backup of its old contents: %1")
                         .arg(backup);
    case WriteFlowOutcome::Written:
        return zh(language)
                   ? QStringLiteral("写频成功！（未回读校验）原数据备份：%1").arg(backup)
                   : QStringLiteral("Write frequency success! (not read back to check) Backup "
                                    "of the old contents: %1")
                         .arg(backup);
    case WriteFlowOutcome::VerifyFailed:
        return zh(language)
                   ? QStringLiteral("写频校验失败：对讲机数据与写入的不一致（%1 项不同）。")
                         .arg(flow.differences().count())
                   : QStringLiteral("Write check failed: the radio does not hold what was "
                                    "written (%1 item(s) differ).")
                         .arg(flow.differences().count());
    case WriteFlowOutcome::Cancelled:
        if (flow.changes().isEmpty())
            return pick(language, "对讲机中已是这些数据，未写入任何内容。",
                        "The radio already holds these contents; nothing was written.");
        return pick(language, "已取消写频，未向对讲机写入任何数据。",
                    "Write cancelled; nothing was written to the radio.");
    case WriteFlowOutcome::DryRun:
        return pick(language, "试运行：未向对讲机写入任何数据。",
                    "Dry run: nothing was written to the radio.");
    case WriteFlowOutcome::BackupFailed:
        return backupFailureMessage(flow.backup(), true, language);
    case WriteFlowOutcome::BandRefused:
    case WriteFlowOutcome::Declined:
        return linkText(LinkText::BandRefused, language);
    case WriteFlowOutcome::TimedOut:
    case WriteFlowOutcome::NotStarted:
        switch (flow.failedStep()) {
        case WriteFlowStep::Write:
            return zh(language) ? QStringLiteral("写频中断：对讲机可能只写入了一部分。请重新写频，"
                                                 "或写回备份 %1。")
                                      .arg(backup)
                                : QStringLiteral("The write was cut off: the radio may be partly "
                                                 "written. Write again, or write the backup %1 "
                                                 "back.")
                                      .arg(backup);
        case WriteFlowStep::VerifyRead:
            return pick(language, "已写频，但未能回读对讲机进行校验。",
                        "Written, but the radio could not be read back to check it.");
        default:
            return pick(language, "未写频：写频前读取对讲机时通信出错。",
                        "Nothing was written: the radio could not be read before the write.");
        }
    }
    return QString();
}

QString restoreQuestion(const WriteFlow &flow, qint16 language) {
    const QString path = QDir::toNativeSeparators(flow.backup().path);
    return zh(language) ? QStringLiteral("是否把写频前的备份写回对讲机？\n%1").arg(path)
                        : QStringLiteral("Write the backup taken before the write back to the "
                                         "radio?\n%1")
                              .arg(path);
}

QString verifyFailureMessage(const WriteFlow &flow, qint16 language) {
    // A long list is cut short; the status line gives the number.
    constexpr int kShownLines = 20;
    QStringList lines = changeTexts(flow.differences(), language);
    const int more = int(lines.size()) - kShownLines;
    if (more > 0) {
        lines = lines.mid(0, kShownLines);
        lines << (zh(language) ? QStringLiteral("……另有 %1 项").arg(more)
                               : QStringLiteral("... and %1 more").arg(more));
    }
    const QString heading =
        pick(language, "对讲机中的数据与写入的不一致。以下各项不同（写入值 → 回读值）：",
             "The radio does not hold what was written. These differ (written → read back):");
    return heading + QLatin1Char('\n') + lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
           restoreQuestion(flow, language);
}

QString readOutcomeText(const BackupSaveResult &backup, qint16 language) {
    if (!backup.ok)
        return linkText(LinkText::ReadSuccess, language) + QLatin1Char(' ') +
               backupFailureMessage(backup, false, language);
    return zh(language)
               ? QStringLiteral("读频成功！备份：%1").arg(fileNameOf(backup.path))
               : QStringLiteral("Read frequency success! Backup: %1").arg(fileNameOf(backup.path));
}
