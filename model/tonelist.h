// The tone list of the tone selector: Off, 50 CTCSS tones, then the 105 DCS
// codes with normal polarity and the same codes with inverted polarity.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

constexpr int kToneListSize = 261;

// Entry at a position 0 to 260; entry 0 is the Off caption of the language.
QString toneListEntry(int position, qint16 language);

// All 261 entries in order, for filling the selector.
QStringList toneList(qint16 language);

// The 50 CTCSS tones as texts ("67.0" ... "254.1").
const QStringList &ctcssTones();

// The 105 DCS codes as three octal digits ("023" ... "754").
const QStringList &dcsCodes();
