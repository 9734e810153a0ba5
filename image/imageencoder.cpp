#include "image/channelrecord.h"
#include "image/imagecodec.h"
#include "model/bands.h"
#include "model/layout.h"
#include "model/settingfields.h"

namespace {

QByteArray hexBytes(const char *hex) {
    return QByteArray::fromHex(hex);
}

} // namespace

QString EncodeImage(const EditorState &state) {
    // Every byte that holds no field is FF, except the fixed 00 in the
    // function settings and the constants of the identity and the tail.
    QByteArray img(Layout::kImageSize, char(0xFF));
    img[Layout::kFunctionSettings + 4] = '\0';

    for (int row = 1; row <= kChannelCount; ++row)
        ChannelRecord::encode(state.channels, row, state.language, img);

    for (int i = 0; i < settingFieldCount(); ++i) {
        const SettingField &f = settingFieldAt(i);
        for (int k = 0; k < f.count; ++k)
            img.replace(f.offset + k * f.stride, f.width(), encodeFieldEntry(f, state, k));
    }

    // Identity: K7402 and QX-7402 for the 136-174 MHz range, K7403 and
    // QX-7403 for every other; the band code twice.
    const bool k7402 = bandText(state.bandPosition) == QLatin1String("136-174MHz");
    const int code = bandCode(state.bandPosition);
    const char band = char(code >= 0 && code <= 0xFF ? code : 0xFF);
    img.replace(Layout::kIdentityBlock, 8,
                hexBytes(k7402 ? "4B37343032" : "4B37343033") + band + hexBytes("F8FF"));
    img.replace(Layout::kSecondIdentity, 7, hexBytes(k7402 ? "51582D37343032" : "51582D37343033"));
    img[Layout::kBandCodeRepeated] = band;
    img.replace(0x340, 16, hexBytes("34373331383235308888888888888888"));

    Q_ASSERT(img.size() == Layout::kImageSize);
    return imageFromBytes(img);
}

QString imageFromBytes(const QByteArray &bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QByteArray bytesFromImage(const QString &image) {
    return QByteArray::fromHex(image.toLatin1());
}
