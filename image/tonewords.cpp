#include "image/tonewords.h"

#include "model/hexhelpers.h"
#include "model/tonelist.h"

namespace {

constexpr quint16 kDcsNormal = 0x2800;
constexpr quint16 kDcsInverted = 0xA800;
constexpr int kLowestTypedTone = 670; // 67.0 Hz, in tenths
constexpr int kHighestTypedTone = 2541;

bool isDcsWord(quint16 word) {
    const int top = word >> 12;
    return top == 0x2 || top == 0xA;
}

} // namespace

QString toneTextOfWord(quint16 word, const QString &offText) {
    if (word == kNoTone)
        return offText;
    if (isDcsWord(word)) {
        const QString code = QStringLiteral("%1").arg(word & 0x1FF, 3, 8, QLatin1Char('0'));
        if (!dcsCodes().contains(code))
            return offText;
        return QLatin1Char('D') + code +
               ((word >> 12) == 0x2 ? QLatin1Char('N') : QLatin1Char('I'));
    }
    if (word < kLowestTypedTone || word > kHighestTypedTone)
        return offText;
    return QStringLiteral("%1.%2").arg(word / 10).arg(word % 10);
}

quint16 toneWordOfText(const QString &text, const QString &offText) {
    if (text.isEmpty() || text == offText)
        return kNoTone;
    const bool normal = text.startsWith(QLatin1Char('D')) && text.endsWith(QLatin1Char('N'));
    const bool inverted = text.startsWith(QLatin1Char('D')) && text.endsWith(QLatin1Char('I'));
    if (normal || inverted) {
        // Characters 2 to 4 are the octal digits; only nine bits are kept.
        int code = 0;
        for (int i = 1; i <= 3; ++i) {
            const ushort c = i < text.size() ? text.at(i).unicode() : 0;
            code = code * 8 + (c >= '0' && c <= '9' ? c - '0' : 0);
        }
        return quint16((normal ? kDcsNormal : kDcsInverted) | (code & 0x1FF));
    }
    qint64 tenths = 0;
    if (!decimalToUnits(text, 1, &tenths) || tenths < 0 || tenths >= kNoTone ||
        isDcsWord(quint16(tenths)))
        return kNoTone;
    return quint16(tenths);
}
