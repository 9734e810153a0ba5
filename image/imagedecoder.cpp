#include "image/imagecodec.h"
#include "model/bands.h"
#include "model/celltexts.h"
#include "model/hexhelpers.h"
#include "model/layout.h"

namespace {

QString hex2(uchar b) {
    return HexByte(static_cast<int>(b));
}

// Bit n (0 = least significant) of a byte, tested on its bit string.
int bitOf(uchar b, int n) {
    return HexToBits(hex2(b)).at(7 - n) == QLatin1Char('0') ? 0 : 1;
}

// Characters of a character field, skipping unset (FF) bytes.
QString charactersOf(const uchar *bytes, int length) {
    QString text;
    for (int i = 0; i < length; ++i)
        if (bytes[i] != 0xFF)
            text += QChar(static_cast<ushort>(bytes[i]));
    return text;
}

void decodeChannel(ChannelTable &table, int row, const uchar *r, qint16 language) {
    if (r[0] == 0xFF && r[1] == 0xFF && r[2] == 0xFF && r[3] == 0xFF) {
        for (int c = ColRxFrequency; c <= ColScanAdd; ++c)
            table.setCell(row, c, QString());
        return;
    }
    const QString off = offCaption(language);
    table.setCell(row, ColRxFrequency, frequencyTextOfBytes(r));
    const bool noTx = r[4] == 0xFF && r[5] == 0xFF && r[6] == 0xFF && r[7] == 0xFF;
    table.setCell(row, ColTxFrequency, noTx ? QString() : frequencyTextOfBytes(r + 4));
    table.setCell(row, ColRxTone, toneTextOfWord(hex2(r[9]) + hex2(r[8]), off));
    const QString txWord = hex2(r[11]) + hex2(r[10]);
    if (txWord == QLatin1String("FFFF"))
        table.setCell(row, ColTxTone, noTx ? QString() : off);
    else
        table.setCell(row, ColTxTone, toneTextOfWord(txWord, off));
    table.setOption(row, ColBclo, bitOf(r[12], 3), language);
    table.setOption(row, ColWn, bitOf(r[13], 4), language);
    table.setOption(row, ColPower, bitOf(r[13], 5), language);
}

// Applies a settings byte when it is below `limit`.
void applyBelow(int &field, uchar v, int limit) {
    if (v < limit)
        field = v;
}

} // namespace

QString frequencyTextOfBytes(const uchar *b) {
    const QString b2 = hex2(b[2]);
    return hex2(b[3]) + b2.at(0) + QLatin1Char('.') + b2.at(1) + hex2(b[1]) + hex2(b[0]);
}

QString toneTextOfWord(const QString &word, const QString &offText) {
    if (word == QLatin1String("FFFF"))
        return offText;
    const QChar first = word.at(0);
    if (first == QLatin1Char('2') || first == QLatin1Char('A')) {
        const int code = word.mid(1).toInt(nullptr, 16);
        const QString octal = QString::number(code, 8).right(3);
        return QLatin1Char('D') + octal +
               (first == QLatin1Char('2') ? QLatin1Char('N') : QLatin1Char('I'));
    }
    const QString s = QString::number(word.toInt(nullptr, 16));
    return s.left(s.size() - 1) + QLatin1Char('.') + s.right(1);
}

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
    SettingsStore &s = state.store;
    FunctionSettings &f = state.functions;
    const qint16 lang = state.language;

    // 1. Every decode leaves debug write mode.
    state.debugWriteMode = false;

    // 2. Channels.
    for (int c = 1; c <= kChannelCount; ++c)
        decodeChannel(state.channels, c, b + (c - 1) * Layout::kChannelRecordSize, lang);

    // 3. DTMF settings.
    const uchar *d = b + Layout::kDtmf;
    applyBelow(s.dtmfRate, d[0], 4);
    applyBelow(s.firstDigitTime, d[1], 4);
    if (d[2] > 9 && d[2] < 101)
        s.firstDigitDelay = d[2] * 10;
    applyBelow(s.starAndHashTone, d[3], 4);
    applyBelow(s.dKeySetting, d[4], 17);
    applyBelow(s.dtmfSidetone, d[5], 2);
    if (d[6] == 0x00 || d[6] == 0xFF)
        s.carriedDigit = 0;
    else if (d[6] >= '0' && d[6] <= '9')
        s.carriedDigit = d[6] - '0';
    applyBelow(s.autoResetTimer, d[7], 16);

    // 4. Keys.
    applyBelow(s.pf1, b[Layout::kKeys], 12);
    applyBelow(s.pf2, b[Layout::kKeys + 1], 12);

    // 5. ID Code.
    s.idCode = charactersOf(b + Layout::kIdCode, Layout::kIdCodeLength);

    // 6. Main window lists and PTT ID.
    const uchar *fs = b + Layout::kFunctionSettings;
    applyBelow(f.voiceNotice, fs[0], kVoiceNoticeItems);
    if (fs[1] < kTimeoutTimerItems + 1)
        f.timeoutTimer = fs[1] - 1;
    applyBelow(f.totPreAlert, fs[2], kTotPreAlertItems);
    applyBelow(s.pttId, fs[3], 3);
    applyBelow(f.squelchLevel, fs[5], kSquelchLevelItems);
    applyBelow(f.batterySave, fs[6], kBatterySaveItems);
    applyBelow(f.beep, fs[7], kBeepItems);

    // 7. Optional functions.
    applyBelow(s.cancelOperation, fs[8], 2);
    applyBelow(s.voxInhibitOnReveive, fs[9], 2);
    applyBelow(s.voxFunction, fs[10], 2);
    applyBelow(s.voxGainLevel, fs[11], 11);
    applyBelow(s.voxDelayTime, fs[12], 6);
    applyBelow(s.voxProceedTone, fs[13], 2);
    s.duplicate = fs[15] & 1;

    // 8. PTT ID codes.
    s.pttIdStartCode = charactersOf(b + Layout::kPttIdStartCode, Layout::kPttIdCodeLength);
    s.pttIdEndCode = charactersOf(b + Layout::kPttIdEndCode, Layout::kPttIdCodeLength);

    // 9. Scan settings. An unset Look Back Time byte (FF) is the entry
    // "Empty", which is how such a time is stored.
    const uchar *sc = b + Layout::kScanSettings;
    applyBelow(s.priority, sc[0], 3);
    if (sc[1] > 0 && sc[1] < 17)
        s.priorityChannel = sc[1];
    for (int k = 0; k < 2; ++k) {
        int &lookBack = k == 0 ? s.lookBackTimeA : s.lookBackTimeB;
        const uchar v = sc[2 + k];
        if (v == 0xFF)
            lookBack = 0;
        else
            applyBelow(lookBack, v, 92);
    }
    applyBelow(s.revertChannel, sc[4], 4);
    const int dropout = sc[5] | (sc[6] << 8);
    if (dropout < 301)
        s.dropoutDelayTime = QString::number(dropout);
    const int dwell = sc[7] | (sc[8] << 8);
    if (dwell < 301)
        s.txDwellTime = QString::number(dwell);

    // 10. Scan Add.
    for (int c = 1; c <= kChannelCount; ++c) {
        if (!state.channels.inUse(c)) {
            state.channels.setCell(c, ColScanAdd, QString());
            continue;
        }
        const uchar bitmap = b[Layout::kScanAddBitmap + (c - 1) / 8];
        state.channels.setOption(c, ColScanAdd, bitOf(bitmap, (c - 1) % 8), lang);
    }

    // 11. Transmit power levels, as they stand.
    s.txHighPower = b[Layout::kTxHighPower];
    s.txLowPower = b[Layout::kTxLowPower];

    // 12. Band: the accepted band first, so that no question is asked.
    const int band = bandPositionOfCode(b[Layout::kBandCode]);
    if (band >= 0) {
        state.acceptedBand = band;
        state.bandPosition = band;
    }

    // 13. Auto-dial Memory: 3A is the digit 0.
    for (int k = 0; k < kAutoDialCodes; ++k) {
        const uchar *code = b + Layout::kAutoDialMemory + k * Layout::kAutoDialLength;
        QString text;
        for (int i = 0; i < Layout::kAutoDialLength; ++i) {
            if (code[i] == 0xFF)
                continue;
            text += code[i] == 0x3A ? QChar(QLatin1Char('0')) : QChar(static_cast<ushort>(code[i]));
        }
        s.autoDialMemory[k] = text;
    }

    // 14. Test frequencies.
    for (int r = 0; r < kTestFrequencyRows; ++r) {
        const uchar *pair = b + Layout::kTestFrequencies + r * 8;
        for (int k = 0; k < 2; ++k) {
            const uchar *f4 = pair + 4 * k;
            const bool blank = f4[0] == 0xFF && f4[1] == 0xFF && f4[2] == 0xFF && f4[3] == 0xFF;
            (k == 0 ? s.testRx[r] : s.testTx[r]) = blank ? QString() : frequencyTextOfBytes(f4);
        }
    }

    // 15. Embedded information.
    s.embeddedLine1 = charactersOf(b + Layout::kEmbeddedLine1, Layout::kEmbeddedLength);
    s.embeddedLine2 = charactersOf(b + Layout::kEmbeddedLine2, Layout::kEmbeddedLength);
    return true;
}
