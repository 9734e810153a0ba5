// Conversion helpers shared by the memory image codec and the editors.
//
// The memory image is an upper-case hexadecimal string, two digits per byte.
// These helpers convert between hex digits, bit strings, bytes and words, snap
// frequencies onto the radio's channel step and compute the remainder used by
// the test frequency editor.
#pragma once

#include <QString>
#include <QtGlobal>

// Four bits per hex digit, most significant first. Lower-case a-f are
// accepted; any other character counts as 0.
QString HexToBits(const QString &hex);

// Pads the bit string with leading zeros to a multiple of four and returns
// one upper-case hex digit per four bits; "1" counts as one, anything else 0.
QString BitsToHex(const QString &bits);

// Upper-case hex of a number, at least two digits (3 digits for 256-4095).
// A real is rounded to the nearest integer (halves to even) first.
QString HexByte(double value);
QString HexByte(int value);

// Upper-case hex of a 16-bit value, at least four digits.
QString HexWord(int value);

// Brings a five-decimal frequency text down onto the nearer 5 kHz or
// 6.25 kHz step within its 100 kHz block, and returns it as a number.
// Text without four trailing digits is converted unchanged.
double SnapFrequency(const QString &frequencyText);

// The same snap on the text itself: returns the snapped frequency with five
// decimals (446.00999 gives 446.00625).
QString snapFrequencyText(const QString &frequencyText);

// Remainder of value over step for positive reals: value itself when it is
// below step, 0 when the quotient is exact, otherwise value - i*step for the
// largest whole i that leaves a remainder below step.
double RealMod(double step, double value);

// The same remainder in exact whole units (10 Hz when used on frequencies).
qint64 RealMod(qint64 step, qint64 value);

// Reads the number at the start of a text, as a leading-number parse with
// the point as decimal separator: "146.5x" gives 146.5, "" or "x" gives 0.
double leadingNumber(const QString &text);

// True when the text is a plain decimal number: digits with at most one
// point and at least one digit ("146.", ".5" and "146.125" are numbers,
// "1.2.3" and "." are not).
bool isDecimalNumber(const QString &text);

// Parses a plain decimal number into units of 10^-decimals, rounding half
// away from zero beyond the given decimals. Returns false when the text is
// not a plain decimal number or the value does not fit.
bool decimalToUnits(const QString &text, int decimals, qint64 *units);

// Formats a count of 10 Hz units as MHz with five decimals (14612500 gives
// "146.12500").
QString unitsToMHzText(qint64 units10Hz);
