#include "model/bands.h"

#include "model/hexhelpers.h"

namespace {
const char *const kBandTexts[kBandCount] = {"400-470MHz", "200-260MHz", "400-430MHz", "370-390MHz",
                                            "350-370MHz", "136-174MHz", "600-720MHz"};
const int kBandCodes[kBandCount] = {0x33, 0x21, 0x43, 0x63, 0x53, 0x01, 0x73};
} // namespace

QString bandText(int position) {
    if (position < 0 || position >= kBandCount)
        return QString();
    return QString::fromLatin1(kBandTexts[position]);
}

int bandCode(int position) {
    if (position < 0 || position >= kBandCount)
        return 0xFF;
    return kBandCodes[position];
}

int bandPositionOfCode(int code) {
    for (int i = 0; i < kBandCount; ++i)
        if (kBandCodes[i] == code)
            return i;
    return -1;
}

int bandPositionOfText(const QString &text) {
    for (int i = 0; i < kBandCount; ++i)
        if (text == QLatin1String(kBandTexts[i]))
            return i;
    return -1;
}

BandLimits bandLimitsOfText(const QString &text) {
    BandLimits limits;
    limits.lower = static_cast<int>(leadingNumber(text.mid(0, 3)));
    limits.upper = static_cast<int>(leadingNumber(text.mid(4, 3)));
    return limits;
}
