// The columns of the channel table, one row per column: the kind of value
// it holds, its key in the JSON form, its captions, the items of an option
// column, the widest value it shows, its width on screen, the bytes of the
// memory image that hold it and what a new channel holds in it. The grid
// and its in-place editors, the codec, the change list, the JSON form, the
// clipboard, CHIRP import and export and the printed list all read this
// table, so a new column is one row here, plus a codec when it holds a new
// kind of value.
#pragma once

#include "model/layout.h"

#include <QtGlobal>

#include <array>
#include <iterator>

class ChannelTable;
class QString;

// The columns in the order of the grid and of the rows below.
enum ChannelColumn {
    ColNumber = 0,
    ColRxFrequency = 1,
    ColRxTone = 2,
    ColTxFrequency = 3,
    ColTxTone = 4,
    ColPower = 5,
    ColBclo = 6,
    ColWn = 7,
    ColScanAdd = 8,
};

// What a column holds: how its cells are edited, checked and coded.
enum class ColumnKind {
    Number,    // the channel number "01" to "16"; no editor, no bytes
    Frequency, // DDD.DDDDD, typed into Text1; four BCD bytes, FFFFFFFF = none
    Tone,      // Off, 88.5, D023N, D023I or a word kept as read ("[2013]"),
               // chosen in Combo8; a 16-bit tone word, low byte first
    Option,    // item 0 or 1, picked in Combo5(column); one bit, set for item 1
};

// Where the bytes of a column lie in the memory image.
enum class ColumnPlace {
    None,    // nowhere: the channel number is where the record lies
    Record,  // the channel's record: the bytes of its kind from `byte`, the bits `mask`
    ScanAdd, // bit (c - 1) mod 8 of byte (c - 1) / 8 of the Scan Add bitmap
};

// Items of every option column's list.
constexpr int kOptionItems = 2;

struct ColumnField {
    ChannelColumn column;
    ColumnKind kind;
    // The key in the JSON form, and the source text of the column's name in
    // a change list (context "ChangeList"; in English the key itself).
    const char *key;
    const char *caption;             // the grid's header (context "ChannelColumns")
    const char *items[kOptionItems]; // option columns: each item (context "ChannelColumns")
    // The widest value the column shows in either language, besides the
    // Off caption of a tone column and the items of an option column.
    const char *widestValue;
    int twips; // width on screen: the columns keep these proportions
    ColumnPlace place;
    int byte;    // Record: first byte in the channel record
    quint8 mask; // Record: the bits of its bytes that hold it
    int newItem; // option columns: the item a new channel gets
};

// clang-format off
inline constexpr ColumnField kColumnFields[] = {
    // column, kind, key, caption, items, widest value, twips, place, byte, mask, new item
    {ColNumber, ColumnKind::Number, QT_TRANSLATE_NOOP("ChangeList", "CH"), QT_TRANSLATE_NOOP("ChannelColumns", "CH"), {}, "16", 500, ColumnPlace::None, 0, 0x00, 0},
    {ColRxFrequency, ColumnKind::Frequency, QT_TRANSLATE_NOOP("ChangeList", "RX frequency"), QT_TRANSLATE_NOOP("ChannelColumns", "RX frequency"), {}, "446.00625", 1330, ColumnPlace::Record, 0, 0xFF, 0},
    {ColRxTone, ColumnKind::Tone, QT_TRANSLATE_NOOP("ChangeList", "RX QT/DQT"), QT_TRANSLATE_NOOP("ChannelColumns", "QT/DQT"), {}, "D023N", 1000, ColumnPlace::Record, 8, 0xFF, 0},
    {ColTxFrequency, ColumnKind::Frequency, QT_TRANSLATE_NOOP("ChangeList", "TX frequency"), QT_TRANSLATE_NOOP("ChannelColumns", "TX frequency"), {}, "446.00625", 1330, ColumnPlace::Record, 4, 0xFF, 0},
    {ColTxTone, ColumnKind::Tone, QT_TRANSLATE_NOOP("ChangeList", "TX QT/DQT"), QT_TRANSLATE_NOOP("ChannelColumns", "QT/DQT"), {}, "D023N", 1000, ColumnPlace::Record, 10, 0xFF, 0},
    {ColPower, ColumnKind::Option, QT_TRANSLATE_NOOP("ChangeList", "Power"), QT_TRANSLATE_NOOP("ChannelColumns", "Power"), {QT_TRANSLATE_NOOP("ChannelColumns", "Low"), QT_TRANSLATE_NOOP("ChannelColumns", "High")}, nullptr, 800, ColumnPlace::Record, 13, 0x20, 1},
    {ColBclo, ColumnKind::Option, QT_TRANSLATE_NOOP("ChangeList", "BCLO"), QT_TRANSLATE_NOOP("ChannelColumns", "BCLO"), {QT_TRANSLATE_NOOP("ChannelColumns", "Off"), QT_TRANSLATE_NOOP("ChannelColumns", "Carrier")}, nullptr, 850, ColumnPlace::Record, 12, 0x08, 0},
    {ColWn, ColumnKind::Option, QT_TRANSLATE_NOOP("ChangeList", "W/N"), QT_TRANSLATE_NOOP("ChannelColumns", "W/N"), {QT_TRANSLATE_NOOP("ChannelColumns", "Narrow"), QT_TRANSLATE_NOOP("ChannelColumns", "Wide")}, nullptr, 1000, ColumnPlace::Record, 13, 0x10, 1},
    {ColScanAdd, ColumnKind::Option, QT_TRANSLATE_NOOP("ChangeList", "Scan Add"), QT_TRANSLATE_NOOP("ChannelColumns", "Scan Add"), {QT_TRANSLATE_NOOP("ChannelColumns", "No"), QT_TRANSLATE_NOOP("ChannelColumns", "Yes")}, nullptr, 900, ColumnPlace::ScanAdd, 0, 0x00, 1},
};
// clang-format on

constexpr int kColumnCount = int(std::size(kColumnFields));

// The row of a column; column 0 for a number outside the table.
constexpr const ColumnField &columnField(int column) {
    return kColumnFields[column >= 0 && column < kColumnCount ? column : 0];
}

// Bytes a value of each kind takes.
constexpr int kindBytes(ColumnKind kind) {
    switch (kind) {
    case ColumnKind::Frequency:
        return 4;
    case ColumnKind::Tone:
        return 2;
    case ColumnKind::Option:
        return 1;
    case ColumnKind::Number:
        break;
    }
    return 0;
}

// Row c is column c; only the channel number has no bytes; a column in the
// record lies within it and holds no bit another column holds; an option
// column has its items and gives a new channel one of them.
constexpr bool columnRowsFit() {
    for (int c = 0; c < kColumnCount; ++c) {
        const ColumnField &f = kColumnFields[c];
        if (f.column != c || (f.kind == ColumnKind::Number) != (f.place == ColumnPlace::None))
            return false;
        if (f.kind == ColumnKind::Option &&
            (!f.items[kOptionItems - 1] || f.newItem < 0 || f.newItem >= kOptionItems))
            return false;
        if (f.place == ColumnPlace::Record &&
            f.byte + kindBytes(f.kind) > Layout::kChannelRecordSize)
            return false;
        for (int other = 0; other < c; ++other) {
            const ColumnField &g = kColumnFields[other];
            if (f.place == ColumnPlace::Record && g.place == ColumnPlace::Record &&
                f.byte < g.byte + kindBytes(g.kind) && g.byte < f.byte + kindBytes(f.kind) &&
                (f.mask & g.mask))
                return false;
        }
    }
    return true;
}
static_assert(columnRowsFit(), "a row of the table of columns does not fit");

// The kind of a column; a number outside the table is no column (Number).
constexpr ColumnKind columnKind(int column) {
    return column >= 0 && column < kColumnCount ? kColumnFields[column].kind : ColumnKind::Number;
}
constexpr bool isFrequencyColumn(int column) {
    return columnKind(column) == ColumnKind::Frequency;
}
constexpr bool isToneColumn(int column) {
    return columnKind(column) == ColumnKind::Tone;
}
constexpr bool isOptionColumn(int column) {
    return columnKind(column) == ColumnKind::Option;
}

// The widths of all columns in twips, and their sum.
constexpr std::array<int, kColumnCount> columnTwips() {
    std::array<int, kColumnCount> twips{};
    for (int c = 0; c < kColumnCount; ++c)
        twips[c] = kColumnFields[c].twips;
    return twips;
}
constexpr int totalColumnTwips() {
    int sum = 0;
    for (int c = 0; c < kColumnCount; ++c)
        sum += kColumnFields[c].twips;
    return sum;
}

// The option item a new channel gets in every column (0 outside the
// option columns).
using ColumnItems = std::array<int, kColumnCount>;
constexpr ColumnItems newChannelItems() {
    ColumnItems items{};
    for (int c = 0; c < kColumnCount; ++c)
        items[c] = kColumnFields[c].kind == ColumnKind::Option ? kColumnFields[c].newItem : 0;
    return items;
}

// The image offset of the record of channel `channel` (1 to 16).
constexpr int channelRecordOffset(int channel) {
    return Layout::kChannelRecords + (channel - 1) * Layout::kChannelRecordSize;
}

// The image bytes that hold a column of channel `channel` (1 to 16): the
// first, how many, and the bits of each that belong to the column.
struct ColumnBytes {
    int offset;
    int count;
    quint8 mask;
};
constexpr ColumnBytes columnBytes(int column, int channel) {
    const ColumnField &f = columnField(column);
    switch (f.place) {
    case ColumnPlace::Record:
        return {channelRecordOffset(channel) + f.byte, kindBytes(f.kind), f.mask};
    case ColumnPlace::ScanAdd:
        return {Layout::kScanAddBitmap + (channel - 1) / 8, 1, quint8(1u << ((channel - 1) % 8))};
    case ColumnPlace::None:
        break;
    }
    return {0, 0, 0x00};
}

// Writes what a new channel holds, started from its RX frequency `rx`:
// every frequency `rx`, every tone Off and every option its new-channel
// item, in the given language.
void writeNewChannel(ChannelTable &table, int row, const QString &rx, qint16 language);
