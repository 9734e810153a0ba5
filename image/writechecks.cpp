#include "image/writechecks.h"

#include "image/imagechanges.h"
#include "image/imagecodec.h"
#include "model/bands.h"
#include "model/celltexts.h"
#include "model/editorstate.h"
#include "model/hexhelpers.h"
#include "model/layout.h"
#include "model/settingfields.h"

#include <QRegularExpression>

namespace {

bool isFrequencyText(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^[0-9]{3}\\.[0-9]{5}$"));
    return form.match(text).hasMatch();
}

// A tone cell reads Off, or empty on a channel without TX frequency: the
// same tone word either way.
bool sameCell(int column, const QString &a, const QString &b) {
    const auto off = [](const QString &t) { return t.isEmpty() || isOffText(t); };
    return a == b || (isToneColumn(column) && off(a) && off(b));
}

// The state as the radio will hold it: encoded, then decoded over the
// start-up values, so that a value decoding would not apply shows.
EditorState asHeld(const EditorState &state) {
    EditorState held;
    held.language = state.language;
    held.loadStartUpValues();
    DecodeImage(held, EncodeImage(state));
    return held;
}

} // namespace

QList<WriteWarning> checkBeforeWrite(const EditorState &state, int radioBand) {
    QList<WriteWarning> warnings;
    if (radioBand < 0)
        warnings << WriteWarning{WriteWarningKind::UnknownBand, 0, 0, QString()};
    else if (radioBand != state.bandPosition)
        warnings << WriteWarning{WriteWarningKind::BandMismatch, 0, 0, bandText(radioBand)};

    const int band = radioBand >= 0 ? radioBand : state.bandPosition;
    const BandLimits limits = bandLimitsOfText(bandText(band));
    const qint64 lower = qint64(limits.lower) * 100000;
    const qint64 upper = qint64(limits.upper) * 100000;
    const EditorState held = asHeld(state);
    const ChannelTable &table = state.channels;
    for (int c = 1; c <= kChannelCount; ++c) {
        if (!table.inUse(c))
            continue;
        for (int column = ColNumber + 1; column < kColumnCount; ++column) {
            const QString text = table.cell(c, column);
            const bool frequency = isFrequencyColumn(column);
            const bool malformed = frequency && !text.isEmpty() && !isFrequencyText(text);
            if (malformed || !sameCell(column, held.channels.cell(c, column), text)) {
                warnings << WriteWarning{WriteWarningKind::NotHeld, c, column, text};
                continue;
            }
            qint64 units = 0;
            if (frequency && !text.isEmpty() && decimalToUnits(text, 5, &units) &&
                (units < lower || units > upper))
                warnings << WriteWarning{WriteWarningKind::OutsideBand, c, column, text};
        }
        const QString txTone = table.cell(c, ColTxTone);
        if (table.cell(c, ColTxFrequency).isEmpty() && !txTone.isEmpty() && !isOffText(txTone))
            warnings << WriteWarning{WriteWarningKind::ToneWithoutTx, c, ColTxTone, txTone};
    }
    // Settings a write sends whose value would not come back: the radio
    // would keep something else.
    const QList<AddressRange> ranges = writtenRanges(state.debugWriteMode);
    const auto written = [&ranges](int offset) {
        for (const AddressRange &r : ranges)
            if (r.contains(offset + Layout::kRadioBase))
                return true;
        return false;
    };
    for (int index = 0; index < settingFieldCount(); ++index) {
        const SettingField &f = settingFieldAt(index);
        for (int entry = 0; entry < f.count; ++entry) {
            if (!written(f.offset + entry * f.stride))
                continue;
            const bool kept = f.isText() ? fieldKeepsText(f, entry, textValue(f, state, entry))
                                         : fieldKeepsNumber(f, numberValue(f, state));
            if (kept)
                continue;
            WriteWarning w{WriteWarningKind::SettingNotHeld, 0, 0,
                           f.isText() ? textValue(f, state, entry)
                                      : QString::number(numberValue(f, state))};
            w.field = index;
            w.entry = entry;
            warnings << w;
        }
    }
    if (state.debugWriteMode) {
        const int levels[2] = {state.store.txHighPower, state.store.txLowPower};
        for (int which = 0; which < 2; ++which)
            if (levels[which] > kMaxPowerLevel)
                warnings << WriteWarning{WriteWarningKind::PowerLevel, 0, which,
                                         QString::number(levels[which])};
    }
    return warnings;
}
