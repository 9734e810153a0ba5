// Tone words: the 16-bit QT/DQT value of a channel's receive or transmit
// tone, and the cell text it stands for.
//
//   FFFF                   no tone (Off)
//   0x2800 + code          DCS code, normal polarity ("D023N": code = octal 023)
//   0xA800 + code          DCS code, inverted polarity ("D023I")
//   0x0100 to 0x0FFF       CTCSS, the frequency in tenths of a hertz
//                          (88.5 = 0x0375, 300.0 = 0x0BB8)
//
// Every word of these forms reads as its text and is written back from that
// text as the same word, whether or not the tone selector's list holds it
// (D221N and 300.0 are tones a radio may use). Any other word (a DCS word
// with bits 9 to 11 other than 100, a CTCSS word below 0x0100 or above
// 0x0FFF) has no text that comes back as the same word: it reads as the
// word itself in brackets ("[2013]") and that text is written back as
// exactly that word, until the cell is changed.
#pragma once

#include <QString>
#include <QtGlobal>

constexpr quint16 kNoTone = 0xFFFF;

// The cell text of a tone word: `offText` for FFFF, "D023N", "88.5", or
// "[2013]" for a word kept as it is.
QString toneTextOfWord(quint16 word, const QString &offText);

// The tone word of a cell text: FFFF for an empty cell or Off; a DCS text
// gives its base word plus the code of its three digits (nine bits); a
// CTCSS text gives its value in tenths of a hertz, exactly; a kept word
// ("[2013]") gives that word.
quint16 toneWordOfText(const QString &text, const QString &offText);

// What a tone cell's text is, for showing it.
enum class ToneTextKind {
    Off,      // empty or Off
    Listed,   // an entry of the tone list, or a typed CTCSS of 67.0-254.1 Hz
    Unlisted, // a tone the radio holds that the tone list lacks (D221N, 300.0)
    Kept,     // a word kept exactly as it was read ("[2013]")
    NotATone, // no text a tone word gives
};
ToneTextKind toneTextKind(const QString &text);

// True when a text is one the radio holds: the text of some tone word
// (either Off caption, "D221N", "300.0", "[2013]"), or empty.
bool isRadioToneText(const QString &text);
