// The frequency ranges of the band selector, their band codes and limits.
#pragma once

#include <QString>

constexpr int kBandCount = 7;
constexpr int kBand136To174 = 5; // the range whose model identity is K7402

// Text of a band selector position ("400-470MHz" ... "600-720MHz").
QString bandText(int position);

// Band code byte of a position (0x33, 0x21, 0x43, 0x63, 0x53, 0x01, 0x73).
int bandCode(int position);

// Position of a band code byte, or -1 for a code outside the table.
int bandPositionOfCode(int code);

// Position of a band text, or -1.
int bandPositionOfText(const QString &text);

struct BandLimits {
    int lower = 0; // whole MHz, inclusive
    int upper = 0;
};

// Limits taken from a range text: characters 1-3 and 5-7 as numbers.
BandLimits bandLimitsOfText(const QString &text);
