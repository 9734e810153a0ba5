#include "editor/frequencyentry.h"

#include "model/celltexts.h"
#include "model/channeltable.h"
#include "model/decimaltext.h"
#include "model/editorstate.h"
#include "model/hexhelpers.h"
#include "model/messageport.h"
#include "model/texts.h"

using vq740::translate;

namespace {
constexpr int kFrequencyDecimals = 5; // cell texts are MHz in 10 Hz steps
} // namespace

bool isFrequencyKey(QChar c) {
    const ushort u = c.unicode();
    return (u >= '0' && u <= '9') || u == '.' || u == '\b';
}

QString beyondRangeMessage(qint16 language) {
    const TextLanguage scope(language);
    return translate("FrequencyEntry", "Beyond the frequency range");
}

FrequencyCheck checkFrequencyText(const QString &typed, const BandLimits &limits,
                                  QString *cellText) {
    if (typed.isEmpty())
        return FrequencyCheck::Empty;
    if (!isDecimalNumber(typed))
        return FrequencyCheck::NotANumber;
    // The typed value itself is held against the limits, before rounding:
    // 470.000001 lies above 470 even though it rounds to 470.00000.
    if (compareDecimalText(typed, QString::number(limits.lower)) < 0 ||
        compareDecimalText(typed, QString::number(limits.upper)) > 0)
        return FrequencyCheck::OutOfBand;
    qint64 units = 0;
    // Within whole-MHz limits the value always has few enough digits.
    if (!decimalToUnits(typed, kFrequencyDecimals, &units))
        return FrequencyCheck::OutOfBand;
    if (cellText)
        *cellText = snapFrequencyText(unitsToMHzText(units));
    return FrequencyCheck::InBand;
}

FrequencyCommit commitFrequency(ChannelTable &table, int row, int column, const QString &typed,
                                const BandLimits &limits, qint16 language, MessagePort *port) {
    FrequencyCommit result;
    if (row < 1 || row > kChannelCount || !isFrequencyColumn(column))
        return result;
    if (column == ColTxFrequency && !table.inUse(row))
        return result;

    QString text;
    switch (checkFrequencyText(typed, limits, &text)) {
    case FrequencyCheck::Empty:
        if (column == ColRxFrequency) {
            table.ClearNO(row);
            result.outcome = FrequencyOutcome::Cleared;
        }
        return result;
    case FrequencyCheck::NotANumber:
        return result;
    case FrequencyCheck::OutOfBand:
        if (port)
            port->show(beyondRangeMessage(language), MsgStyle::OkOnly, QString());
        result.outcome = FrequencyOutcome::OutOfBand;
        return result;
    case FrequencyCheck::InBand:
        break;
    }

    table.setCell(row, column, text);
    result.outcome = FrequencyOutcome::Written;
    result.text = text;
    if (column == ColRxFrequency && table.cell(row, ColTxFrequency).isEmpty()) {
        writeNewChannel(table, row, text, language);
        result.newChannel = true;
    }
    return result;
}

BandLimits selectedBandLimits(const EditorState &state) {
    return bandLimitsOfText(bandText(state.bandPosition));
}

FrequencyCommit commitFrequency(EditorState &state, int row, int column, const QString &typed,
                                MessagePort *port) {
    return commitFrequency(state.channels, row, column, typed, selectedBandLimits(state),
                           state.language, port);
}
