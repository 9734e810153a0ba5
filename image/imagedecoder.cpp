#include "image/channelrecord.h"
#include "image/imagecodec.h"
#include "model/bands.h"
#include "model/layout.h"
#include "model/settingfields.h"

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

    // Every channel: its record and its Scan Add bit.
    for (int c = 1; c <= kChannelCount; ++c)
        ChannelRecord::decode(state.channels, c, b, lang);

    // Every radio-wide setting, each only when its bytes lie in its range.
    for (int i = 0; i < settingFieldCount(); ++i) {
        const SettingField &f = settingFieldAt(i);
        for (int k = 0; k < f.count; ++k)
            decodeFieldEntry(f, b + f.offset + k * f.stride, state, k);
    }

    // Band: the accepted band first, so that no question is asked.
    const int band = bandPositionOfCode(b[Layout::kBandCode]);
    if (band >= 0) {
        state.acceptedBand = band;
        state.bandPosition = band;
    }
    return true;
}
