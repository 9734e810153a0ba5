#include "image/imagecodec.h"
#include "model/bands.h"
#include "model/celltexts.h"
#include "model/hexhelpers.h"
#include "model/layout.h"

#include <QRegularExpression>

#include <climits>
#include <cmath>

namespace {

// One byte of a settings value. A value that has no byte (a list without
// selection, or anything outside 0-255) is written as FF so that the field
// keeps its width.
QString byteOf(int value) {
    return value >= 0 && value <= 0xFF ? HexByte(value) : QStringLiteral("FF");
}

QString repeated(const char *hex, int times) {
    return QString::fromLatin1(hex).repeated(times);
}

// One byte per character position; positions past the text are FF. A
// character whose code does not fit one byte is written as "?", so the
// fields after it never move.
QString characterField(const QString &text, int length, bool zeroAs3A = false) {
    QString out;
    for (int i = 0; i < length; ++i) {
        if (i >= text.size()) {
            out += QLatin1String("FF");
            continue;
        }
        const ushort code = text.at(i).unicode();
        if (zeroAs3A && code == '0')
            out += QLatin1String("3A");
        else
            out += HexByte(code <= 0xFF ? int(code) : int('?'));
    }
    return out;
}

// The value of a 16-bit seconds field as a whole number; an empty text is 0.
int wholeSeconds(const QString &text) {
    const double v = std::nearbyint(leadingNumber(text));
    return static_cast<int>(qBound(0.0, v, 65535.0));
}

QString channelRecord(const ChannelTable &t, int row, qint16 language) {
    const QString off = offCaption(language);
    QString rec = frequencyBytesOfText(t.cell(row, ColRxFrequency)) +
                  frequencyBytesOfText(t.cell(row, ColTxFrequency)) +
                  toneBytesOfText(t.cell(row, ColRxTone), off) +
                  toneBytesOfText(t.cell(row, ColTxTone), off);
    const bool bcloOff = t.cell(row, ColBclo) == optionText(ColBclo, 0, language);
    rec += BitsToHex(bcloOff ? QStringLiteral("11110000") : QStringLiteral("11111000"));
    const QChar wide =
        t.cell(row, ColWn) == optionText(ColWn, 0, language) ? QLatin1Char('0') : QLatin1Char('1');
    const QChar high = t.cell(row, ColPower) == optionText(ColPower, 0, language)
                           ? QLatin1Char('0')
                           : QLatin1Char('1');
    rec += BitsToHex(QStringLiteral("11") + high + wide + QStringLiteral("0000"));
    rec += BitsToHex(QStringLiteral("11111100")) + QStringLiteral("FF");
    return rec;
}

QString scanAddByte(const ChannelTable &t, int firstRow, qint16 language) {
    QString bits;
    for (int row = firstRow + 7; row >= firstRow; --row) {
        const QString cell = t.cell(row, ColScanAdd);
        const bool no = cell.isEmpty() || cell == optionText(ColScanAdd, 0, language);
        bits += no ? QLatin1Char('0') : QLatin1Char('1');
    }
    return BitsToHex(bits);
}

} // namespace

QString frequencyBytesOfText(const QString &text) {
    static const QRegularExpression cellForm(QStringLiteral("^[0-9A-F]{3}\\.[0-9A-F]{5}$"));
    if (text.isEmpty())
        return QStringLiteral("FFFFFFFF");
    QString digits;
    if (cellForm.match(text).hasMatch()) {
        digits = text.left(3) + text.mid(4);
    } else {
        // Any other number (a test frequency below 100 MHz, say) is packed
        // by its value, so the field always keeps its four bytes.
        qint64 units = 0;
        if (!decimalToUnits(text, 5, &units) || units > 99999999)
            return QStringLiteral("FFFFFFFF");
        digits = QStringLiteral("%1").arg(units, 8, 10, QLatin1Char('0'));
    }
    return digits.mid(6, 2) + digits.mid(4, 2) + digits.mid(2, 2) + digits.mid(0, 2);
}

QString toneBytesOfText(const QString &text, const QString &offText) {
    if (text.isEmpty() || text == offText)
        return QStringLiteral("FFFF");
    const bool normal = text.startsWith(QLatin1Char('D')) && text.endsWith(QLatin1Char('N'));
    const bool inverted = text.startsWith(QLatin1Char('D')) && text.endsWith(QLatin1Char('I'));
    if (normal || inverted) {
        int n = 0;
        for (int i = 1; i <= 3; ++i) {
            const QChar c = i < text.size() ? text.at(i) : QChar();
            const int digit = c.unicode() >= '0' && c.unicode() <= '9' ? c.unicode() - '0' : 0;
            n = n * 8 + digit;
        }
        QString bits = HexToBits(HexByte(n));
        if (bits.size() > 9)
            bits = bits.right(9);
        while (bits.size() < 9)
            bits.prepend(QLatin1Char('0'));
        const QString h = BitsToHex(QStringLiteral("100") + bits);
        return h.mid(1, 2) + (normal ? QLatin1Char('2') : QLatin1Char('A')) + h.at(0);
    }
    const QString digits = (text.size() == 4 ? text.left(2) : text.left(3)) + text.right(1);
    const QString h = HexByte(leadingNumber(digits));
    return h.right(2) + QLatin1Char('0') + h.left(1);
}

QString EncodeImage(const EditorState &state) {
    const SettingsStore &s = state.store;
    const FunctionSettings &f = state.functions;
    const qint16 lang = state.language;
    QString img;
    img.reserve(Layout::kImageSize * 2);

    // 1. Channel records.
    for (int row = 1; row <= kChannelCount; ++row)
        img += channelRecord(state.channels, row, lang);

    // 2. DTMF settings.
    img += byteOf(s.dtmfRate) + byteOf(s.firstDigitTime) + byteOf(s.firstDigitDelay / 10) +
           byteOf(s.starAndHashTone) + byteOf(s.dKeySetting) + byteOf(s.dtmfSidetone);
    img += s.carriedDigit == 0 ? QStringLiteral("00")
                               : characterField(QString::number(s.carriedDigit).left(1), 1);
    img += byteOf(s.autoResetTimer) + repeated("FF", 5);

    // 3. Keys.
    img += byteOf(s.pf1) + byteOf(s.pf2) + QStringLiteral("FF");

    // 4. ID Code.
    img += characterField(s.idCode, Layout::kIdCodeLength) + repeated("FF", 5);

    // 5. Function settings.
    img += byteOf(f.voiceNotice) + byteOf(f.timeoutTimer + 1) + byteOf(f.totPreAlert) +
           byteOf(s.pttId) + QStringLiteral("00") + byteOf(f.squelchLevel) + byteOf(f.batterySave) +
           byteOf(f.beep) + byteOf(s.cancelOperation) + byteOf(s.voxInhibitOnReveive) +
           byteOf(s.voxFunction) + byteOf(s.voxGainLevel) + byteOf(s.voxDelayTime) +
           byteOf(s.voxProceedTone) + QStringLiteral("FF");
    img += BitsToHex(QStringLiteral("1111111") +
                     (s.duplicate == 0 ? QLatin1Char('0') : QLatin1Char('1')));
    img += QStringLiteral("FF");

    // 6. PTT ID codes.
    img += characterField(s.pttIdStartCode, Layout::kPttIdCodeLength) +
           characterField(s.pttIdEndCode, Layout::kPttIdCodeLength);

    // 7. Scan settings.
    img += byteOf(s.priority) + byteOf(s.priorityChannel);
    img += s.lookBackTimeA == 0 ? QStringLiteral("FF") : byteOf(s.lookBackTimeA);
    img += s.lookBackTimeB == 0 ? QStringLiteral("FF") : byteOf(s.lookBackTimeB);
    img += byteOf(s.revertChannel);
    for (const QString *t : {&s.dropoutDelayTime, &s.txDwellTime}) {
        const QString w = HexWord(wholeSeconds(*t));
        img += w.mid(2, 2) + w.mid(0, 2);
    }
    img += repeated("FF", 21);

    // 8. Scan Add bitmap.
    img += scanAddByte(state.channels, 1, lang) + scanAddByte(state.channels, 9, lang);

    // 9. Transmit power levels.
    img += repeated("FF", 3) + byteOf(s.txHighPower) + repeated("FF", 4) + byteOf(s.txLowPower) +
           repeated("FF", 47);

    // 10. Identity block.
    const bool k7402 = bandText(state.bandPosition) == QLatin1String("136-174MHz");
    const QString code = byteOf(bandCode(state.bandPosition));
    img += (k7402 ? QStringLiteral("4B37343032") : QStringLiteral("4B37343033")) + code +
           QStringLiteral("F8FF") + repeated("FF", 64);

    // 11. Auto-dial Memory.
    for (int k = 0; k < kAutoDialCodes; ++k)
        img += characterField(s.autoDialMemory[k], Layout::kAutoDialLength, true);

    // 12. Test frequencies.
    for (int r = 0; r < kTestFrequencyRows; ++r)
        img += frequencyBytesOfText(s.testRx[r]) + frequencyBytesOfText(s.testTx[r]);

    // 13. Embedded information.
    img += characterField(s.embeddedLine1, Layout::kEmbeddedLength) +
           characterField(s.embeddedLine2, Layout::kEmbeddedLength);

    // 14. Tail.
    img += (k7402 ? QStringLiteral("51582D37343032") : QStringLiteral("51582D37343033")) +
           repeated("FF", 5) + code + repeated("FF", 3) + QStringLiteral("3437333138323530") +
           repeated("88", 8);

    Q_ASSERT(img.size() == Layout::kImageSize * 2);
    return img;
}

QString imageFromBytes(const QByteArray &bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QByteArray bytesFromImage(const QString &image) {
    return QByteArray::fromHex(image.toLatin1());
}
