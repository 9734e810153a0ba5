// Entry of RX and TX frequencies into the channel table: the characters the
// frequency editor Text1 accepts, and the commit run when it loses the focus.
#pragma once

#include "model/bands.h"

#include <QString>
#include <QtGlobal>

class ChannelTable;
class MessagePort;
struct EditorState;

// Characters Text1 accepts as typed input: "0" to "9", the point and
// Backspace. Everything else is discarded.
bool isFrequencyKey(QChar c);

// "超出频段范围" / "Beyond the frequency range", shown for a frequency
// outside the band limits.
QString beyondRangeMessage(qint16 language);

// How a typed frequency text stands against the band limits.
enum class FrequencyCheck {
    Empty,      // nothing typed
    NotANumber, // two or more points, or a point alone
    OutOfBand,  // a number below the lower or above the upper limit
    InBand,     // a number within the limits, both inclusive
};

// Tests a typed text against the band limits. For a number within them,
// `cellText` receives the value rounded to the nearest 10 Hz and brought
// down onto the 5 kHz or 6.25 kHz channel step, with five decimals
// ("146.107" gives "146.10625"). The point is the decimal separator whatever
// the system's regional settings say, and the limits are compared exactly.
FrequencyCheck checkFrequencyText(const QString &typed, const BandLimits &limits,
                                  QString *cellText = nullptr);

// What a frequency commit did to the channel table.
enum class FrequencyOutcome {
    Cleared,   // an empty RX frequency deleted the channel
    Unchanged, // empty TX text, a text that is not a number, or no such cell
    Written,   // the cell got the snapped frequency
    OutOfBand, // refused with the out-of-band message; the cell is unchanged
};

struct FrequencyCommit {
    FrequencyOutcome outcome = FrequencyOutcome::Unchanged;
    QString text;            // the text written, when Written
    bool newChannel = false; // the new-channel defaults were applied
};

// Commits the text typed into the RX (column 1) or TX (column 3) frequency
// cell of channel `row`: the step run when Text1 loses the focus.
// - Empty text: an RX cell deletes the channel (ClearNO); a TX cell keeps
//   its frequency.
// - Not a number: nothing changes, without a message.
// - Outside the band limits: "Beyond the frequency range" is shown through
//   `port` (OK button, empty title) and nothing changes.
// - Otherwise the snapped frequency is written. An RX frequency committed
//   into a channel whose TX cell is empty also writes the new-channel
//   defaults: TX equal to RX, both tones Off, Power High, BCLO Off, W/N Wide,
//   Scan Add Yes, in the given language. An existing channel keeps its TX.
// A TX frequency is never written into a channel that is not in use: a
// channel is started from its RX frequency.
FrequencyCommit commitFrequency(ChannelTable &table, int row, int column, const QString &typed,
                                const BandLimits &limits, qint16 language, MessagePort *port);

// The band limits of the range selected in the band selector.
BandLimits selectedBandLimits(const EditorState &state);

// The same commit on the editor state: its channel table, the limits of its
// selected range and its language flag.
FrequencyCommit commitFrequency(EditorState &state, int row, int column, const QString &typed,
                                MessagePort *port);
