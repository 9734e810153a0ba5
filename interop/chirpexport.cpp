#include "interop/chirpexport.h"

#include "interop/channelvalues.h"
#include "interop/chirpmemory.h"
#include "interop/chirptones.h"
#include "interop/csvtext.h"
#include "model/editorstate.h"
#include "model/hexhelpers.h"
#include "model/tonelist.h"

namespace {
constexpr qint64 kSplitAboveHertz = 70000000; // CHIRP's split_to_offset

QString channelLabel(int row, qint16 language) {
    return zhEn(language, QStringLiteral("信道 %1").arg(row, 2, 10, QLatin1Char('0')),
                QStringLiteral("Channel %1").arg(row, 2, 10, QLatin1Char('0')));
}

bool hertzOfCell(const QString &cell, qint64 *hertz) {
    qint64 units = 0;
    if (!isDecimalNumber(cell) || !decimalToUnits(cell, 5, &units))
        return false;
    *hertz = units * 10;
    return true;
}

// A warning for a tone CHIRP's standard lists do not hold; empty if none.
QString toneWarning(const ToneValue &tone, const QString &side, qint16 language) {
    if (tone.kind == ToneKind::Ctcss && !chirpCtcssTones().contains(tone.ctcss)) {
        if (tone.ctcss == QLatin1String("199.9"))
            return zhEn(language, QStringLiteral("%1 199.9 Hz：CHIRP 的亚音频表中是 199.5"),
                        QStringLiteral("%1 199.9 Hz: CHIRP's tone list has 199.5 instead"))
                .arg(side);
        return zhEn(language, QStringLiteral("%1 %2 Hz 不在 CHIRP 的亚音频表中"),
                    QStringLiteral("%1 %2 Hz is not in CHIRP's tone list"))
            .arg(side, tone.ctcss);
    }
    if (tone.kind == ToneKind::Dcs && !chirpDcsCodes().contains(tone.dcsCode)) {
        return zhEn(language, QStringLiteral("%1 D%2 不在 CHIRP 的数字亚音频表中"),
                    QStringLiteral("%1 DCS %2 is not in CHIRP's DCS code list"))
            .arg(side, tone.dcsCode);
    }
    return QString();
}

// Tones the radio's own import would not take back.
bool importable(const ToneValue &tone) {
    if (tone.kind == ToneKind::Dcs)
        return dcsCodes().contains(tone.dcsCode);
    return true;
}
} // namespace

ChirpExport exportChirpCsv(const EditorState &state) {
    const qint16 language = state.language;
    const ChannelTable &t = state.channels;
    ChirpExport out;
    QStringList lines;
    lines << chirpHeader().join(QLatin1Char(','));
    QStringList bcloChannels;
    QStringList toneWarnings;
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!t.inUse(row))
            continue;
        const QString label = channelLabel(row, language);
        qint64 rx = 0;
        qint64 tx = 0;
        const QString txCell = t.cell(row, ColTxFrequency);
        if (!hertzOfCell(t.cell(row, ColRxFrequency), &rx) ||
            (!txCell.isEmpty() && !hertzOfCell(txCell, &tx))) {
            out.warnings << zhEn(language, QStringLiteral("%1 未导出：频率 %2 / %3 不是数字。"),
                                 QStringLiteral("%1 is not exported: its frequency %2 / %3 is "
                                                "not a number."))
                                .arg(label, t.cell(row, ColRxFrequency), txCell);
            continue;
        }
        ChirpTones tones;
        if (!toneOfCell(t.cell(row, ColRxTone), &tones.rx) ||
            !toneOfCell(t.cell(row, ColTxTone), &tones.tx)) {
            out.warnings << zhEn(language, QStringLiteral("%1 未导出：亚音频 %2 / %3 无法识别。"),
                                 QStringLiteral("%1 is not exported: its tones %2 / %3 are not "
                                                "tones."))
                                .arg(label, t.cell(row, ColRxTone), t.cell(row, ColTxTone));
            continue;
        }
        ChirpMemory m;
        m.location = row;
        m.frequency = rx;
        if (txCell.isEmpty()) {
            m.duplex = QStringLiteral("off");
            m.offset = 0;
        } else if (qAbs(tx - rx) > kSplitAboveHertz) {
            m.duplex = QStringLiteral("split");
            m.offset = tx;
        } else {
            m.duplex = tx > rx ? QStringLiteral("+") : tx < rx ? QStringLiteral("-") : QString();
            m.offset = qAbs(tx - rx);
        }
        tonesToChirp(tones, &m);
        const qint64 units = rx / 10;
        const bool on5k = units % 500 == 0;
        const bool on625 = units % 625 == 0;
        QStringList fields;
        fields << QString::number(row) << QString() << chirpFrequencyText(m.frequency) << m.duplex
               << chirpFrequencyText(m.offset) << m.tone << m.rToneFreq << m.cToneFreq
               << QStringLiteral("%1").arg(m.dtcsCode, 3, 10, QLatin1Char('0')) << m.dtcsPolarity
               << QStringLiteral("%1").arg(m.rxDtcsCode, 3, 10, QLatin1Char('0')) << m.crossMode
               << (t.optionIndex(row, ColWn) == 0 ? QStringLiteral("NFM") : QStringLiteral("FM"))
               << (on625 && !on5k ? QStringLiteral("6.25") : QStringLiteral("5.00"))
               << (t.optionIndex(row, ColScanAdd) == 0 ? QStringLiteral("S") : QString())
               << (t.optionIndex(row, ColPower) == 0 ? QStringLiteral("1.0W")
                                                     : QStringLiteral("5.0W"))
               << QString() << QString() << QString() << QString() << QString();
        lines << csvRecordText(fields);
        ++out.rows;
        if (t.optionIndex(row, ColBclo) == 1)
            bcloChannels << QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
        QStringList problems;
        const QString rxSide =
            zhEn(language, QStringLiteral("接收亚音频"), QStringLiteral("RX tone"));
        const QString txSide =
            zhEn(language, QStringLiteral("发射亚音频"), QStringLiteral("TX tone"));
        for (const ToneValue *side : {&tones.rx, &tones.tx})
            if (side->kind == ToneKind::Kept)
                out.warnings << zhEn(language,
                                     QStringLiteral("%1：%2 %3 是按读出原样保留的亚音频字，CHIRP "
                                                    "没有对应的写法，导出时略去。"),
                                     QStringLiteral(
                                         "%1: %2 %3 is a tone word kept as read, which CHIRP "
                                         "has no form for: it is left out."))
                                    .arg(label, side == &tones.rx ? rxSide : txSide, side->kept);
        for (const QString &w :
             {toneWarning(tones.rx, rxSide, language), toneWarning(tones.tx, txSide, language)})
            if (!w.isEmpty())
                problems << w;
        if (!importable(tones.rx) || !importable(tones.tx))
            problems << zhEn(language, QStringLiteral("本程序再导入时也会拒绝此行"),
                             QStringLiteral("this program refuses the row when importing it back"));
        if (!problems.isEmpty())
            toneWarnings << QStringLiteral("%1: %2").arg(label,
                                                         problems.join(QStringLiteral("; ")));
    }
    if (!toneWarnings.isEmpty()) {
        out.warnings << zhEn(
            language,
            QStringLiteral("新版 CHIRP 能读出以下数值，但复制到使用标准亚音频表的电台时会拒绝；"
                           "CHIRP 20221106（Debian 12）读文件时会丢弃这些行："),
            QStringLiteral("Modern CHIRP reads these values but refuses them when "
                           "copying into a radio with the standard tone lists; "
                           "CHIRP 20221106 (Debian 12) drops these rows when "
                           "reading the file:"));
        out.warnings << toneWarnings;
    }
    if (out.rows == 0)
        out.warnings << zhEn(
            language,
            QStringLiteral("没有使用中的信道：文件只有标题行，CHIRP 会报告“No channels found”。"),
            QStringLiteral("No channel is in use: the file holds only the header, "
                           "which CHIRP refuses with \"No channels found\"."));
    if (!bcloChannels.isEmpty())
        out.notes << zhEn(language,
                          QStringLiteral(
                              "CHIRP 的文件没有 BCLO（禁发）项：信道 %1 的“载波”设置不会带出。"),
                          QStringLiteral("CHIRP files have no BCLO column: the Carrier setting of "
                                         "channels %1 is not carried."))
                         .arg(bcloChannels.join(QStringLiteral(", ")));
    out.bytes = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    return out;
}
