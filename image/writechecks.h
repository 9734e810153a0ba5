// What is looked at before any block goes to a radio: the radio's band
// against the data's, channels outside the radio's band, a TX tone on a
// channel without TX frequency, and values the radio cannot hold (a value
// that does not come back the same from the image, a power level above 63).
#pragma once

#include <QList>
#include <QString>

struct EditorState;

enum class WriteWarningKind {
    BandMismatch,   // the radio reports another band than the data's
    UnknownBand,    // the radio reports a band code outside the table
    OutsideBand,    // a frequency outside the radio's band
    ToneWithoutTx,  // a TX tone on a channel with no TX frequency
    NotHeld,        // a channel value that does not come back the same
    PowerLevel,     // a TX power level above 63 (written in debug write mode)
    SettingNotHeld, // a setting whose value does not come back the same
};

struct WriteWarning {
    WriteWarningKind kind;
    int channel = 0; // 1 to 16 for channel warnings, 0 otherwise
    int column = 0;  // ChannelColumn; for PowerLevel 0 high, 1 low
    QString value;   // the cell text, band text, level or setting value concerned
    int field = -1;  // SettingNotHeld: the index in the settings table
    int entry = 0;   // and the entry of a field with several
    bool operator==(const WriteWarning &o) const {
        return kind == o.kind && channel == o.channel && column == o.column && value == o.value &&
               field == o.field && entry == o.entry;
    }
};

// The warnings for writing `state` to a radio of band position `radioBand`
// (-1: the radio's band code lies outside the table).
QList<WriteWarning> checkBeforeWrite(const EditorState &state, int radioBand);

// The highest TX power level the radio takes.
constexpr int kMaxPowerLevel = 63;
