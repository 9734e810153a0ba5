#include "image/tonewords.h"

#include "model/celltexts.h"
#include "model/hexhelpers.h"
#include "model/tonelist.h"

namespace {

constexpr quint16 kDcsNormal = 0x2800;
constexpr quint16 kDcsInverted = 0xA800;
// Bits 9 to 11 of a DCS word: 100 in every word a DCS text gives.
constexpr quint16 kDcsFlagBits = 0x0E00;
constexpr quint16 kDcsFlag = 0x0800;
// The CTCSS words whose text gives the same word back: a frequency of
// three or four digits in tenths of a hertz (25.6 to 409.5 Hz).
constexpr quint16 kLowestCtcssWord = 0x0100;
constexpr quint16 kHighestCtcssWord = 0x0FFF;
constexpr int kLowestTypedTone = 670; // 67.0 Hz, in tenths
constexpr int kHighestTypedTone = 2541;

bool isDcsWord(quint16 word) {
    const int top = word >> 12;
    return top == 0x2 || top == 0xA;
}

QString keptText(quint16 word) {
    return QStringLiteral("[%1]").arg(word, 4, 16, QLatin1Char('0')).toUpper();
}

// The word of a kept text "[2013]"; false for any other text.
bool keptWord(const QString &text, quint16 *word) {
    if (text.size() != 6 || !text.startsWith(QLatin1Char('[')) || !text.endsWith(QLatin1Char(']')))
        return false;
    for (int i = 1; i <= 4; ++i) {
        const ushort c = text.at(i).unicode();
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    }
    *word = quint16(text.mid(1, 4).toUInt(nullptr, 16));
    return true;
}

} // namespace

QString toneTextOfWord(quint16 word, const QString &offText) {
    if (word == kNoTone)
        return offText;
    if (isDcsWord(word)) {
        if ((word & kDcsFlagBits) != kDcsFlag)
            return keptText(word);
        return QLatin1Char('D') + QStringLiteral("%1").arg(word & 0x1FF, 3, 8, QLatin1Char('0')) +
               ((word >> 12) == 0x2 ? QLatin1Char('N') : QLatin1Char('I'));
    }
    if (word < kLowestCtcssWord || word > kHighestCtcssWord)
        return keptText(word);
    return QStringLiteral("%1.%2").arg(word / 10).arg(word % 10);
}

quint16 toneWordOfText(const QString &text, const QString &offText) {
    if (text.isEmpty() || text == offText)
        return kNoTone;
    quint16 kept = 0;
    if (keptWord(text, &kept))
        return kept;
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

bool isRadioToneText(const QString &text) {
    if (text.isEmpty() || isOffText(text))
        return true;
    const QString off = offCaption(1);
    const quint16 word = toneWordOfText(text, off);
    return word != kNoTone && toneTextOfWord(word, off) == text;
}

ToneTextKind toneTextKind(const QString &text) {
    if (text.isEmpty() || isOffText(text))
        return ToneTextKind::Off;
    if (!isRadioToneText(text))
        return ToneTextKind::NotATone;
    if (text.startsWith(QLatin1Char('[')))
        return ToneTextKind::Kept;
    if (text.startsWith(QLatin1Char('D')))
        return dcsCodes().contains(text.mid(1, 3)) ? ToneTextKind::Listed : ToneTextKind::Unlisted;
    const int tenths = toneWordOfText(text, QString());
    return tenths >= kLowestTypedTone && tenths <= kHighestTypedTone ? ToneTextKind::Listed
                                                                     : ToneTextKind::Unlisted;
}
