// Tone words: the 16-bit QT/DQT value of a channel's receive or transmit
// tone, and the cell text it stands for.
//
//   FFFF                 no tone (Off)
//   0x2800 + code        DCS code, normal polarity ("D023N": code = octal 023)
//   0xA800 + code        DCS code, inverted polarity ("D023I")
//   anything else        CTCSS, the frequency in tenths of a hertz (88.5 = 0x0375)
#pragma once

#include <QString>
#include <QtGlobal>

constexpr quint16 kNoTone = 0xFFFF;

// The cell text of a tone word. A word the radio's tone list does not hold
// reads as Off (`offText`), like FFFF: a DCS word whose code (its low nine
// bits) is none of the 105 codes, or a CTCSS word outside 67.0 to 254.1 Hz.
// A DCS word of a known code always gives its three octal digits (2013
// reads D023N), so that what is read is written back the same.
QString toneTextOfWord(quint16 word, const QString &offText);

// The tone word of a cell text: FFFF for an empty cell or Off; a DCS text
// gives its base word plus the code of its three digits (nine bits); a
// CTCSS text gives its value in tenths of a hertz, exactly.
quint16 toneWordOfText(const QString &text, const QString &offText);
