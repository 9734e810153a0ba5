#include "image/imagechanges.h"

#include "image/imagecodec.h"
#include "model/channeltable.h"
#include "model/editorstate.h"
#include "model/layout.h"

#include <QVector>

namespace {

// Image bytes of one field and the bits of each it holds.
struct Bits {
    int offset; // image offset
    quint8 mask;
};

struct ChannelField {
    int column;
    QVector<Bits> bits;
};

// The fields of channel `c`'s record and its Scan Add bit.
QVector<ChannelField> channelFields(int c) {
    const int r = Layout::kChannelRecords + (c - 1) * Layout::kChannelRecordSize;
    const auto span = [r](int from, int count) {
        QVector<Bits> bits;
        for (int i = 0; i < count; ++i)
            bits << Bits{r + from + i, 0xFF};
        return bits;
    };
    const int scanByte = Layout::kScanAddBitmap + (c - 1) / 8;
    const quint8 scanBit = quint8(1u << ((c - 1) % 8));
    return {{ColRxFrequency, span(0, 4)}, {ColRxTone, span(8, 2)},
            {ColTxFrequency, span(4, 4)}, {ColTxTone, span(10, 2)},
            {ColPower, {{r + 13, 0x20}}}, {ColBclo, {{r + 12, 0x08}}},
            {ColWn, {{r + 13, 0x10}}},    {ColScanAdd, {{scanByte, scanBit}}}};
}

QByteArray padded(const QByteArray &image) {
    QByteArray bytes = image.left(Layout::kImageSize);
    if (bytes.size() < Layout::kImageSize)
        bytes.append(QByteArray(Layout::kImageSize - bytes.size(), '\xFF'));
    return bytes;
}

EditorState decoded(const QByteArray &bytes, qint16 language) {
    EditorState state;
    state.language = language;
    state.loadStartUpValues();
    DecodeImage(state, imageFromBytes(bytes));
    return state;
}

bool inRecord(int offset, int c) {
    const int r = Layout::kChannelRecords + (c - 1) * Layout::kChannelRecordSize;
    return offset >= r && offset < r + Layout::kChannelRecordSize;
}

// The channel whose record or Scan Add bit an image byte belongs to (for
// the bitmap bytes: none, as they hold eight channels).
int channelOfOffset(int offset) {
    if (offset < Layout::kChannelRecords ||
        offset >= Layout::kChannelRecords + kChannelCount * Layout::kChannelRecordSize)
        return 0;
    return (offset - Layout::kChannelRecords) / Layout::kChannelRecordSize + 1;
}

} // namespace

QList<AddressRange> writtenRanges(bool debugWriteMode) {
    QList<AddressRange> ranges{{0x0010, 0x017F}};
    if (debugWriteMode)
        ranges << AddressRange{0x0180, 0x018F};
    ranges << AddressRange{0x01B8, 0x01C7} << AddressRange{0x0200, 0x035F};
    return ranges;
}

ImageChanges compareImages(const QByteArray &beforeImage, const QByteArray &afterImage,
                           const QList<AddressRange> &ranges, qint16 language) {
    const QByteArray before = padded(beforeImage);
    const QByteArray after = padded(afterImage);
    QVector<bool> compared(Layout::kImageSize, false);
    for (const AddressRange &range : ranges)
        for (int a = range.first; a <= range.last; ++a)
            if (a - Layout::kRadioBase >= 0 && a - Layout::kRadioBase < Layout::kImageSize)
                compared[a - Layout::kRadioBase] = true;
    const auto differs = [&](const Bits &b) {
        return compared[b.offset] &&
               ((quint8(before.at(b.offset)) ^ quint8(after.at(b.offset))) & b.mask) != 0;
    };

    ImageChanges changes;
    // The bits named fields hold; what they leave over is listed as bytes.
    QVector<quint8> claimed(Layout::kImageSize, 0);
    const EditorState old = decoded(before, language);
    const EditorState now = decoded(after, language);
    for (int c = 1; c <= kChannelCount; ++c) {
        const bool used = old.channels.inUse(c) || now.channels.inUse(c);
        for (const ChannelField &field : channelFields(c)) {
            bool fieldCompared = false;
            bool changed = false;
            for (const Bits &b : field.bits) {
                fieldCompared = fieldCompared || compared[b.offset];
                changed = changed || differs(b);
            }
            // A channel in use on neither side has no fields to show; its
            // record is listed as bytes. Its Scan Add bit lives in the
            // bitmap and is claimed all the same.
            if (!used && field.column != ColScanAdd)
                continue;
            for (const Bits &b : field.bits)
                claimed[b.offset] |= b.mask;
            if (!used || !fieldCompared)
                continue;
            const QString was = old.channels.cell(c, field.column);
            const QString is = now.channels.cell(c, field.column);
            if (changed || was != is)
                changes.channels << ChannelChange{c, field.column, was, is};
        }
    }

    // Runs of bytes no field holds, split where a channel record ends.
    ByteChange run;
    bool open = false;
    for (int i = 0; i <= Layout::kImageSize; ++i) {
        const bool change = i < Layout::kImageSize && compared[i] &&
                            ((quint8(before.at(i)) ^ quint8(after.at(i))) & ~claimed[i]) != 0;
        const int channel = i < Layout::kImageSize ? channelOfOffset(i) : 0;
        if (open &&
            (!change || channel != run.channel || (run.channel && !inRecord(i, run.channel)))) {
            changes.bytes << run;
            open = false;
        }
        if (!change)
            continue;
        if (!open) {
            run = ByteChange{i + Layout::kRadioBase, channel, QByteArray(), QByteArray()};
            open = true;
        }
        run.before.append(before.at(i));
        run.after.append(after.at(i));
    }
    return changes;
}
