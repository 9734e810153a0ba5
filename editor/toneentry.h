// Entry of RX and TX tones into the channel table through the tone selector
// Combo8: the characters it accepts, a pick from the tone list, and the
// commit of a typed CTCSS frequency when it loses the focus.
#pragma once

#include <QString>
#include <QtGlobal>

class ChannelTable;

// Characters Combo8 accepts as typed input: "0" to "9", the point and
// Backspace for a CTCSS frequency, and D, N and I (either case) for a DCS
// code typed ahead. Off can only be picked from the list.
bool isToneKey(QChar c);

// The tone list position of a DCS code typed ahead: "D023N", "d754i", or
// "D023" for normal polarity. -1 for any other text, and for a code that is
// none of the radio's 105 ("D028N", "D7N").
int typedDcsEntry(const QString &typed);

// Position of a text in the tone list of the given language, or -1 when the
// text is no entry of it ("Off" is entry 0 in English, "D023I" entry 156).
int toneListPosition(const QString &text, qint16 language);

// The cell text of a typed CTCSS frequency: the number at the start of the
// text, when it lies between 67.0 and 254.1 Hz inclusive, written with one
// decimal (rounded half up: "100" gives "100.0", "88.45" gives "88.5").
// Empty for anything else ("66.9", "254.2", "", "."), which is refused.
QString ctcssCellText(const QString &typed);

// What a tone cell's tooltip says of a tone the tone list lacks ("not in
// the radio's tone list") or of a word kept exactly as read; empty for
// Off, a listed tone and every other text.
QString toneNote(const QString &text, qint16 language);

// Writes entry `position` of the tone list into the RX (column 2) or TX
// (column 4) tone cell of a channel in use; entry 0 writes the Off caption of
// the language. Returns false, changing nothing, for a position outside the
// list, another column or a channel not in use.
bool pickTone(ChannelTable &table, int row, int column, int position, qint16 language);

// What the commit on focus loss did to the cell.
enum class ToneOutcome {
    Unchanged, // a DCS code or Off (already written by the pick), or refused
    Written,   // the cell got the CTCSS text
};

struct ToneCommit {
    ToneOutcome outcome = ToneOutcome::Unchanged;
    QString text; // the text written, when Written
};

// The commit run when Combo8 loses the focus, with `editText` its edit text
// and `selectedEntry` the tone list position it shows (-1 for none). A text
// beginning with "D" or the Off entry leaves the cell as it is; a CTCSS
// frequency within 67.0 to 254.1 Hz is written with one decimal; a DCS code
// typed ahead writes that entry of the list; any other value is refused
// silently and the cell keeps its text.
ToneCommit commitTone(ChannelTable &table, int row, int column, const QString &editText,
                      int selectedEntry);
