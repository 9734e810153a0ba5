#include "image/channelrecord.h"

#include "image/tonewords.h"
#include "model/bcdfrequency.h"
#include "model/celltexts.h"
#include "model/channeltable.h"
#include "model/layout.h"

#include <QString>

namespace {

// A record before its columns are written: the option bits clear, the
// bits around them fixed (F0, C0, FC, FF); the frequencies and tones
// overwrite bytes 0 to 11.
QByteArray recordFrame() {
    return QByteArray::fromHex("FFFFFFFFFFFFFFFFFFFFFFFFF0C0FCFF");
}

bool isBlank(const uchar *b) {
    return b[0] == 0xFF && b[1] == 0xFF && b[2] == 0xFF && b[3] == 0xFF;
}

} // namespace

void ChannelRecord::decode(ChannelTable &table, int channel, const uchar *image, qint16 language) {
    if (isBlank(image + columnBytes(ColRxFrequency, channel).offset)) {
        for (int c = ColRxFrequency; c < kColumnCount; ++c)
            table.setCell(channel, c, QString());
        return;
    }
    const QString off = offCaption(language);
    for (int c = 0; c < kColumnCount; ++c) {
        const ColumnBytes bytes = columnBytes(c, channel);
        const uchar *b = image + bytes.offset;
        switch (columnKind(c)) {
        case ColumnKind::Number:
            break;
        case ColumnKind::Frequency:
            table.setCell(channel, c, isBlank(b) ? QString() : frequencyTextOfBytes(b));
            break;
        case ColumnKind::Tone:
            table.setCell(channel, c, toneTextOfWord(quint16(b[0] | (b[1] << 8)), off));
            break;
        case ColumnKind::Option:
            table.setOption(channel, c, (b[0] & bytes.mask) ? 1 : 0, language);
            break;
        }
    }
    // No TX tone on a channel without TX frequency is an empty cell.
    if (table.cell(channel, ColTxFrequency).isEmpty() && table.cell(channel, ColTxTone) == off)
        table.setCell(channel, ColTxTone, QString());
}

void ChannelRecord::encode(const ChannelTable &table, int channel, qint16 language,
                           QByteArray &image) {
    image.replace(channelRecordOffset(channel), Layout::kChannelRecordSize, recordFrame());
    const QString off = offCaption(language);
    for (int c = 0; c < kColumnCount; ++c) {
        const ColumnBytes bytes = columnBytes(c, channel);
        const QString cell = table.cell(channel, c);
        switch (columnKind(c)) {
        case ColumnKind::Number:
            break;
        case ColumnKind::Frequency:
            image.replace(
                bytes.offset, bytes.count,
                QByteArray::fromHex(frequencyBytesOfText(cell).toLatin1()).left(bytes.count));
            break;
        case ColumnKind::Tone: {
            const quint16 word = toneWordOfText(cell, off);
            image[bytes.offset] = char(word & 0xFF);
            image[bytes.offset + 1] = char(word >> 8);
            break;
        }
        case ColumnKind::Option: {
            // An empty cell (a channel not in use) is written as an empty
            // record holds it: its record bit set, its Scan Add bit clear.
            const bool item1 = cell.isEmpty() ? columnField(c).place == ColumnPlace::Record
                                              : cell != optionText(c, 0, language);
            const uchar kept = uchar(image.at(bytes.offset)) & uchar(~bytes.mask);
            image[bytes.offset] = char(kept | (item1 ? bytes.mask : 0));
            break;
        }
        }
    }
}
