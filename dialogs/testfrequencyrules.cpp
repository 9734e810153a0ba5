#include "dialogs/testfrequencyrules.h"

#include "model/hexhelpers.h"

namespace {

// Cuts a plain decimal text after the given number of decimals, so that a
// frequency is only ever brought down.
QString truncatedDecimals(const QString &text, int decimals) {
    const int point = text.indexOf(QLatin1Char('.'));
    if (point < 0 || text.size() - point - 1 <= decimals)
        return text;
    return text.left(point + 1 + decimals);
}

} // namespace

bool testFrequencyUnits(const QString &text, qint64 *units) {
    const QString t = text.trimmed();
    if (!isDecimalNumber(t)) {
        *units = 0;
        return true;
    }
    qint64 value = 0;
    if (!decimalToUnits(truncatedDecimals(t, 5), 5, &value) || value >= kTestFrequencyLimit)
        return false;
    *units = value;
    return true;
}

TestFrequencyRow afterRxEdit(const TestFrequencyRow &before, const QString &typed) {
    if (typed.trimmed().isEmpty())
        return TestFrequencyRow();
    qint64 f = 0;
    if (!testFrequencyUnits(typed, &f))
        return before;
    const qint64 r5 = RealMod(kStep5kHz, f);
    const qint64 r6 = RealMod(kStep6250Hz, f);
    const QString rx = unitsToMHzText(r5 >= r6 ? f - r6 : f - r5);
    return TestFrequencyRow{rx, rx};
}

TestFrequencyRow afterTxEdit(const TestFrequencyRow &before, const QString &typed) {
    if (typed.trimmed().isEmpty())
        return TestFrequencyRow{before.rx, before.rx};
    qint64 t = 0;
    if (!testFrequencyUnits(typed, &t))
        return before;
    qint64 rx = 0;
    if (!testFrequencyUnits(before.rx, &rx))
        rx = 1; // an RX text without a four-byte form is on no 6.25 kHz step
    const qint64 step = RealMod(kStep6250Hz, rx) == 0 ? kStep6250Hz : kStep5kHz;
    return TestFrequencyRow{before.rx, unitsToMHzText(t - RealMod(step, t))};
}

bool txEditAllowed(const TestFrequencyRow &row) {
    return !row.rx.isEmpty();
}
