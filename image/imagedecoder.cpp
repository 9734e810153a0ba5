#include "image/channelrecord.h"
#include "image/imagecodec.h"
#include "image/tonewords.h"
#include "model/bands.h"
#include "model/bcdfrequency.h"
#include "model/celltexts.h"
#include "model/layout.h"
#include "model/settingfields.h"

namespace {

void decodeChannel(ChannelTable &table, int row, const ChannelRecord &r, qint16 language) {
    if (r.isEmpty()) {
        for (int c = ColRxFrequency; c <= ColScanAdd; ++c)
            table.setCell(row, c, QString());
        return;
    }
    const QString off = offCaption(language);
    const bool tx = r.hasTxFrequency();
    table.setCell(row, ColRxFrequency, frequencyTextOfBytes(r.rxFrequency()));
    table.setCell(row, ColTxFrequency, tx ? frequencyTextOfBytes(r.txFrequency()) : QString());
    table.setCell(row, ColRxTone, toneTextOfWord(r.rxTone(), off));
    // No TX tone on a channel without TX frequency is an empty cell.
    const QString txTone = toneTextOfWord(r.txTone(), off);
    table.setCell(row, ColTxTone, !tx && txTone == off ? QString() : txTone);
    table.setOption(row, ColBclo, r.bclo() ? 1 : 0, language);
    table.setOption(row, ColWn, r.wide() ? 1 : 0, language);
    table.setOption(row, ColPower, r.highPower() ? 1 : 0, language);
}

} // namespace

bool DecodeImage(EditorState &state, const QString &image) {
    if (image.size() < Layout::kDecodedSize * 2)
        return false;
    for (int i = 0; i < Layout::kDecodedSize * 2; ++i) {
        const ushort u = image.at(i).unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'F')))
            return false;
    }
    const QByteArray bytes = bytesFromImage(image.left(Layout::kDecodedSize * 2));
    const uchar *b = reinterpret_cast<const uchar *>(bytes.constData());
    const qint16 lang = state.language;

    // Every decode leaves debug write mode.
    state.debugWriteMode = false;

    for (int c = 1; c <= kChannelCount; ++c)
        decodeChannel(state.channels, c, ChannelRecord(b + (c - 1) * ChannelRecord::kSize), lang);

    // Every radio-wide setting, each only when its bytes lie in its range.
    for (int i = 0; i < settingFieldCount(); ++i) {
        const SettingField &f = settingFieldAt(i);
        for (int k = 0; k < f.count; ++k)
            decodeFieldEntry(f, b + f.offset + k * f.stride, state, k);
    }

    // Scan Add: bit (c - 1) mod 8 of the bitmap byte of channels 1-8 or 9-16.
    for (int c = 1; c <= kChannelCount; ++c) {
        if (!state.channels.inUse(c)) {
            state.channels.setCell(c, ColScanAdd, QString());
            continue;
        }
        const uchar bitmap = b[Layout::kScanAddBitmap + (c - 1) / 8];
        state.channels.setOption(c, ColScanAdd, (bitmap >> ((c - 1) % 8)) & 1, lang);
    }

    // Band: the accepted band first, so that no question is asked.
    const int band = bandPositionOfCode(b[Layout::kBandCode]);
    if (band >= 0) {
        state.acceptedBand = band;
        state.bandPosition = band;
    }
    return true;
}
