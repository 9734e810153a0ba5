#include "image/imagechanges.h"

#include "image/imagecodec.h"
#include "model/channeltable.h"
#include "model/editorstate.h"
#include "model/layout.h"
#include "model/settingfields.h"

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

// The fields of channel `c`: the bytes of its record and its Scan Add bit.
QVector<ChannelField> channelFields(int c) {
    QVector<ChannelField> fields;
    for (int column = 0; column < kColumnCount; ++column) {
        const ColumnBytes bytes = columnBytes(column, c);
        if (bytes.count == 0)
            continue;
        ChannelField field{column, {}};
        for (int i = 0; i < bytes.count; ++i)
            field.bits << Bits{bytes.offset + i, bytes.mask};
        fields << field;
    }
    return fields;
}

// The value of one entry of a setting decoded from the image into
// `scratch` (which holds the start-up values for every field not yet
// looked at); false when decoding would not apply the bytes.
bool settingValue(const SettingField &f, const QByteArray &image, int entry, EditorState &scratch,
                  int *number, QString *text) {
    const int at = f.offset + entry * f.stride;
    const bool applied = decodeFieldEntry(
        f, reinterpret_cast<const uchar *>(image.constData()) + at, scratch, entry);
    if (f.isText())
        *text = textValue(f, scratch, entry);
    else
        *number = numberValue(f, scratch);
    return applied;
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
    const int r = channelRecordOffset(c);
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
            if (!used && columnField(field.column).place == ColumnPlace::Record)
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

    // The settings, entry by entry.
    EditorState oldScratch;
    oldScratch.loadStartUpValues();
    EditorState newScratch = oldScratch;
    for (int index = 0; index < settingFieldCount(); ++index) {
        const SettingField &f = settingFieldAt(index);
        // The Bit codec keeps its value in bit 0; the other bits are fixed.
        const quint8 mask = f.codec == FieldCodec::Bit ? 0x01 : 0xFF;
        for (int entry = 0; entry < f.count; ++entry) {
            const int at = f.offset + entry * f.stride;
            bool fieldCompared = false;
            bool changed = false;
            for (int i = at; i < at + f.width(); ++i) {
                claimed[i] |= mask;
                fieldCompared = fieldCompared || compared[i];
                changed = changed || differs(Bits{i, mask});
            }
            if (!fieldCompared)
                continue;
            SettingChange change;
            change.field = index;
            change.entry = entry;
            change.beforeValid = settingValue(f, before, entry, oldScratch, &change.beforeNumber,
                                              &change.beforeText);
            change.afterValid =
                settingValue(f, after, entry, newScratch, &change.afterNumber, &change.afterText);
            change.beforeBytes = before.mid(at, f.width());
            change.afterBytes = after.mid(at, f.width());
            const bool valueChanged = change.beforeNumber != change.afterNumber ||
                                      change.beforeText != change.afterText ||
                                      change.beforeValid != change.afterValid;
            if (changed || valueChanged)
                changes.settings << change;
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
