// What a write changes in a radio: two memory images compared over the
// address ranges a write sends, field by field. Channel fields are named by
// channel and column and carry their cell texts before and after; settings
// are the fields of the settings table (model/settingfields.h) with their
// values before and after; bytes in those ranges that no field holds (the
// identity block, constants, unused bytes, the record of a channel in use
// on neither side) are listed as runs of bytes.
//
// A field counts as changed when its bits differ, or when its decoded value
// does (a channel coming into use shows every cell it gains).
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// Radio addresses, both ends included.
struct AddressRange {
    int first = 0;
    int last = 0;
    bool contains(int address) const { return address >= first && address <= last; }
    bool operator==(const AddressRange &o) const { return first == o.first && last == o.last; }
};

// The ranges a write sends: 0x0010-0x017F, 0x0180-0x018F in debug write
// mode, 0x01B8-0x01C7 and 0x0200-0x035F.
QList<AddressRange> writtenRanges(bool debugWriteMode);

struct ChannelChange {
    int channel = 0; // 1 to 16
    int column = 0;  // ChannelColumn: 1 RX frequency ... 8 Scan Add
    QString before;  // cell texts, empty for an empty cell
    QString after;
    bool operator==(const ChannelChange &o) const {
        return channel == o.channel && column == o.column && before == o.before && after == o.after;
    }
};

struct SettingChange {
    int field = 0; // index in the settings table
    int entry = 0; // 0, or the entry of a field with several (auto-dial codes, test frequencies)
    // The values decoding gives: a number or a text, by the field's kind.
    // A value whose bytes decoding would not apply is not `valid`; its
    // bytes tell what the radio holds.
    int beforeNumber = 0;
    int afterNumber = 0;
    QString beforeText;
    QString afterText;
    bool beforeValid = true;
    bool afterValid = true;
    QByteArray beforeBytes;
    QByteArray afterBytes;
    bool operator==(const SettingChange &o) const {
        return field == o.field && entry == o.entry && beforeBytes == o.beforeBytes &&
               afterBytes == o.afterBytes && beforeNumber == o.beforeNumber &&
               afterNumber == o.afterNumber && beforeText == o.beforeText &&
               afterText == o.afterText;
    }
};

struct ByteChange {
    int address = 0; // radio address of the first byte of the run
    int channel = 0; // the channel whose record holds the run, 0 for none
    QByteArray before;
    QByteArray after;
    bool operator==(const ByteChange &o) const {
        return address == o.address && channel == o.channel && before == o.before &&
               after == o.after;
    }
};

struct ImageChanges {
    QList<ChannelChange> channels; // by channel, then column
    QList<SettingChange> settings; // in the order of the settings table
    QList<ByteChange> bytes;       // by address
    bool isEmpty() const { return channels.isEmpty() && settings.isEmpty() && bytes.isEmpty(); }
    int count() const { return int(channels.size() + settings.size() + bytes.size()); }
};

// Compares two images (bytes from radio address 0x0010 on; a shorter image
// counts as FF beyond its end) over the given ranges. Cell texts are those
// decoding gives in the language given.
ImageChanges compareImages(const QByteArray &before, const QByteArray &after,
                           const QList<AddressRange> &ranges, qint16 language);
