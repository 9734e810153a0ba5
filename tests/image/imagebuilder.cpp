#include "imagebuilder.h"

#include "image/imagecodec.h"
#include "model/layout.h"
#include "model/tonelist.h"

EditorState startUpState(qint16 language) {
    EditorState state;
    state.language = language;
    state.loadStartUpValues();
    return state;
}

QByteArray startUpImageBytes() {
    return bytesFromImage(EncodeImage(startUpState()));
}

EditorState stateAfterRead(const QByteArray &memory, int band, qint16 language) {
    EditorState st = startUpState(language);
    DecodeImage(st, imageFromBytes(memory.mid(0x10, 0x400)));
    st.acceptedBand = band;
    st.bandPosition = band;
    return st;
}

QByteArray fromHex(const char *hex) {
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

namespace {

QString frequency(QRandomGenerator &rng) {
    const qint64 units = rng.bounded(13600000, 72000001);
    return QStringLiteral("%1.%2").arg(units / 100000).arg(units % 100000, 5, 10, QLatin1Char('0'));
}

QString characters(QRandomGenerator &rng, int maxLength, const QString &alphabet) {
    QString text;
    const int n = rng.bounded(maxLength + 1);
    for (int i = 0; i < n; ++i)
        text += alphabet.at(rng.bounded(alphabet.size()));
    return text;
}

} // namespace

EditorState generatedState(QRandomGenerator &rng, qint16 language) {
    EditorState st = startUpState(language);
    ChannelTable &t = st.channels;
    for (int row = 1; row <= kChannelCount; ++row) {
        if (rng.bounded(4) == 0)
            continue;
        t.setCell(row, ColRxFrequency, frequency(rng));
        const bool tx = rng.bounded(5) != 0;
        t.setCell(row, ColTxFrequency, tx ? frequency(rng) : QString());
        t.setCell(row, ColRxTone, toneListEntry(rng.bounded(kToneListSize), language));
        const int txTone = rng.bounded(kToneListSize);
        t.setCell(row, ColTxTone, !tx && txTone == 0 ? QString() : toneListEntry(txTone, language));
        for (int c = ColPower; c <= ColScanAdd; ++c)
            t.setOption(row, c, rng.bounded(2), language);
    }
    FunctionSettings &f = st.functions;
    f.voiceNotice = rng.bounded(kVoiceNoticeItems);
    f.timeoutTimer = rng.bounded(kTimeoutTimerItems + 1) - 1;
    f.totPreAlert = rng.bounded(kTotPreAlertItems);
    f.squelchLevel = rng.bounded(kSquelchLevelItems);
    f.batterySave = rng.bounded(kBatterySaveItems);
    f.beep = rng.bounded(kBeepItems);
    st.bandPosition = st.acceptedBand = rng.bounded(7);

    SettingsStore &s = st.store;
    const QString dtmf = QStringLiteral("0123456789ABCD*#");
    s.pttId = rng.bounded(3);
    s.voxFunction = rng.bounded(2);
    s.voxGainLevel = rng.bounded(11);
    s.voxDelayTime = rng.bounded(6);
    s.voxProceedTone = rng.bounded(2);
    s.duplicate = rng.bounded(2);
    s.priority = rng.bounded(3);
    s.priorityChannel = rng.bounded(1, 17);
    s.lookBackTimeA = rng.bounded(92);
    s.lookBackTimeB = rng.bounded(92);
    s.revertChannel = rng.bounded(4);
    s.idCode = characters(rng, 10, dtmf);
    s.pttIdStartCode = characters(rng, 16, dtmf);
    s.pttIdEndCode = characters(rng, 16, dtmf);
    s.dropoutDelayTime = QString::number(rng.bounded(301));
    s.txDwellTime = QString::number(rng.bounded(301));
    s.cancelOperation = rng.bounded(2);
    s.voxInhibitOnReveive = rng.bounded(2);
    s.dtmfRate = rng.bounded(4);
    s.firstDigitTime = rng.bounded(4);
    s.firstDigitDelay = rng.bounded(10, 101) * 10;
    s.starAndHashTone = rng.bounded(4);
    s.dKeySetting = rng.bounded(17);
    s.dtmfSidetone = rng.bounded(2);
    s.carriedDigit = rng.bounded(10);
    s.autoResetTimer = rng.bounded(16);
    for (QString &code : s.autoDialMemory)
        code = characters(rng, 16, dtmf);
    s.pf1 = rng.bounded(12);
    s.pf2 = rng.bounded(12);
    QString printable;
    for (ushort u = 0x20; u < 0x7F; ++u)
        printable += QChar(u);
    s.embeddedLine1 = characters(rng, 32, printable);
    s.embeddedLine2 = characters(rng, 32, printable + QStringLiteral("éü°"));
    s.txHighPower = rng.bounded(64);
    s.txLowPower = rng.bounded(64);
    for (int r = 0; r < kTestFrequencyRows; ++r) {
        if (rng.bounded(3) == 0)
            continue;
        s.testRx[r] = frequency(rng);
        s.testTx[r] = frequency(rng);
    }
    return st;
}

QByteArray generatedImage(QRandomGenerator &rng, int length) {
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = static_cast<char>(rng.bounded(256));
    // Make a share of the values typical rather than arbitrary.
    for (int c = 0; c < kChannelCount; ++c) {
        char *rec = bytes.data() + c * Layout::kChannelRecordSize;
        if (rng.bounded(3) == 0)
            memset(rec, 0xFF, 4);
        if (rng.bounded(3) == 0)
            memset(rec + 4, 0xFF, 4);
        // Tone words as the radio holds them: none, CTCSS (typed values
        // too) or DCS of either polarity.
        for (int k = 8; k <= 10; k += 2) {
            int word = 0xFFFF;
            switch (rng.bounded(4)) {
            case 1:
                word = rng.bounded(100, 0x2000);
                break;
            case 2:
                word = 0x2800 | rng.bounded(0x200);
                break;
            case 3:
                word = 0xA800 | rng.bounded(0x200);
                break;
            }
            rec[k] = static_cast<char>(word & 0xFF);
            rec[k + 1] = static_cast<char>(word >> 8);
        }
    }
    for (int i = Layout::kDtmf; i < Layout::kTestFrequencies; ++i)
        if (rng.bounded(2) == 0)
            bytes[i] = static_cast<char>(rng.bounded(20));
    return bytes;
}
