// Exact arithmetic on plain decimal texts ("146.125", "88.5", ".5"), so that
// typed frequencies and tones are compared with their limits digit by digit
// instead of through binary floating point.
#pragma once

#include <QString>

// The number at the start of a text, as text: digits with at most one point
// ("88.5.3" gives "88.5", "100." gives "100.", "x" and "" give ""). Leading
// blanks are skipped.
QString leadingDecimalText(const QString &text);

// Compares two plain decimal numbers (see isDecimalNumber) exactly: -1 when
// a < b, 0 when equal, 1 when a > b. "0146.50" equals "146.5".
int compareDecimalText(const QString &a, const QString &b);
