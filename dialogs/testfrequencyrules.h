// Rules of the Test Frequency dialog: how a typed RX or TX frequency is
// brought onto a channel step and how the TX frequency follows the RX one.
// No band limits apply here. Frequencies are worked in whole 10 Hz units,
// so every result is exact.
#pragma once

#include <QString>
#include <QtGlobal>

// The two texts of one row of the test frequency table.
struct TestFrequencyRow {
    QString rx;
    QString tx;

    bool operator==(const TestFrequencyRow &o) const { return rx == o.rx && tx == o.tx; }
};

// The 5 kHz and 6.25 kHz channel steps in 10 Hz units.
constexpr qint64 kStep5kHz = 500;
constexpr qint64 kStep6250Hz = 625;
// 1000 MHz in 10 Hz units: a test frequency must stay below it to have the
// radio's four-byte BCD form.
constexpr qint64 kTestFrequencyLimit = 100000000;

// The number a cell text stands for, in 10 Hz units (MHz with five
// decimals; further decimals are cut off, never rounded up). A text that is
// not a plain decimal number counts as 0. Returns false when the number is
// 1000 MHz or more.
bool testFrequencyUnits(const QString &text, qint64 *units);

// The row after the user typed `typed` into its RX cell: an empty text
// empties the row; otherwise the frequency is lowered onto the nearer of
// the 5 kHz and 6.25 kHz steps below it, written with five decimals, and
// copied into TX. A frequency of 1000 MHz or more is refused: the row is
// returned unchanged.
TestFrequencyRow afterRxEdit(const TestFrequencyRow &before, const QString &typed);

// The row after the user typed `typed` into its TX cell: an empty text
// takes the RX text; otherwise the frequency is lowered onto the step of
// the RX frequency (6.25 kHz when RX lies on it, 5 kHz otherwise). A
// frequency of 1000 MHz or more is refused: the row is returned unchanged.
TestFrequencyRow afterTxEdit(const TestFrequencyRow &before, const QString &typed);

// A TX cell can be edited only while its row has an RX frequency.
bool txEditAllowed(const TestFrequencyRow &row);
