#include "interop/chirpexport.h"

#include "interop/chirpmemory.h"
#include "interop/chirptones.h"
#include "interop/csvtext.h"
#include "model/editorstate.h"
#include "model/hexhelpers.h"
#include "model/texts.h"
#include "model/tonelist.h"

using vq740::translate;

namespace {
constexpr qint64 kSplitAboveHertz = 70000000; // CHIRP's split_to_offset

QString channelLabel(int row) {
    return translate("ChirpExport", "Channel %1").arg(row, 2, 10, QLatin1Char('0'));
}

bool hertzOfCell(const QString &cell, qint64 *hertz) {
    qint64 units = 0;
    if (!isDecimalNumber(cell) || !decimalToUnits(cell, 5, &units))
        return false;
    *hertz = units * 10;
    return true;
}

// A warning for a tone CHIRP's standard lists do not hold; empty if none.
QString toneWarning(const ToneValue &tone, const QString &side) {
    if (tone.kind == ToneKind::Ctcss && !chirpCtcssTones().contains(tone.ctcss)) {
        if (tone.ctcss == QLatin1String("199.9"))
            return translate("ChirpExport", "%1 199.9 Hz: CHIRP's tone list has 199.5 instead")
                .arg(side);
        return translate("ChirpExport", "%1 %2 Hz is not in CHIRP's tone list")
            .arg(side, tone.ctcss);
    }
    if (tone.kind == ToneKind::Dcs && !chirpDcsCodes().contains(tone.dcsCode)) {
        return translate("ChirpExport", "%1 DCS %2 is not in CHIRP's DCS code list")
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
    // The warnings and notes are in the language of the state.
    const TextLanguage scope(state.language);
    const ChannelTable &t = state.channels;
    ChirpExport out;
    QStringList lines;
    lines << chirpHeader().join(QLatin1Char(','));
    QStringList bcloChannels;
    QStringList toneWarnings;
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!t.inUse(row))
            continue;
        const QString label = channelLabel(row);
        qint64 rx = 0;
        qint64 tx = 0;
        const QString txCell = t.cell(row, ColTxFrequency);
        if (!hertzOfCell(t.cell(row, ColRxFrequency), &rx) ||
            (!txCell.isEmpty() && !hertzOfCell(txCell, &tx))) {
            out.warnings << translate("ChirpExport", "%1 is not exported: its frequency %2 / %3 is "
                                                     "not a number.")
                                .arg(label, t.cell(row, ColRxFrequency), txCell);
            continue;
        }
        ChirpTones tones;
        if (!toneOfCell(t.cell(row, ColRxTone), &tones.rx) ||
            !toneOfCell(t.cell(row, ColTxTone), &tones.tx)) {
            out.warnings << translate("ChirpExport",
                                      "%1 is not exported: its tones %2 / %3 are not "
                                      "tones.")
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
        const QString rxSide = translate("ChirpExport", "RX tone");
        const QString txSide = translate("ChirpExport", "TX tone");
        for (const ToneValue *side : {&tones.rx, &tones.tx})
            if (side->kind == ToneKind::Kept)
                out.warnings << translate("ChirpExport",
                                          "%1: %2 %3 is a tone word kept as read, which CHIRP "
                                          "has no form for: it is left out.")
                                    .arg(label, side == &tones.rx ? rxSide : txSide, side->kept);
        for (const QString &w : {toneWarning(tones.rx, rxSide), toneWarning(tones.tx, txSide)})
            if (!w.isEmpty())
                problems << w;
        if (!importable(tones.rx) || !importable(tones.tx))
            problems << translate("ChirpExport",
                                  "this program refuses the row when importing it back");
        if (!problems.isEmpty())
            toneWarnings << QStringLiteral("%1: %2").arg(label,
                                                         problems.join(QStringLiteral("; ")));
    }
    if (!toneWarnings.isEmpty()) {
        out.warnings << translate("ChirpExport",
                                  "Modern CHIRP reads these values but refuses them when "
                                  "copying into a radio with the standard tone lists; "
                                  "CHIRP 20221106 (Debian 12) drops these rows when "
                                  "reading the file:");
        out.warnings << toneWarnings;
    }
    if (out.rows == 0)
        out.warnings << translate("ChirpExport",
                                  "No channel is in use: the file holds only the header, "
                                  "which CHIRP refuses with \"No channels found\".");
    if (!bcloChannels.isEmpty())
        out.notes << translate("ChirpExport",
                               "CHIRP files have no BCLO column: the Carrier setting of "
                               "channels %1 is not carried.")
                         .arg(bcloChannels.join(QStringLiteral(", ")));
    out.bytes = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    return out;
}
