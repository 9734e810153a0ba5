#include "tests/support/imagebuilder.h"

#include "image/imagecodec.h"
#include "model/layout.h"
#include "model/settingfields.h"
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
    st.bandPosition = st.acceptedBand = rng.bounded(7);

    // Every radio-wide setting from the table of fields: a value the radio
    // keeps, picked at random among them.
    const QString dtmf = QStringLiteral("0123456789ABCD*#");
    for (int i = 0; i < settingFieldCount(); ++i) {
        const SettingField &f = settingFieldAt(i);
        if (!f.isText()) {
            QList<int> values;
            for (int v = f.min; v <= f.max; ++v)
                if (fieldKeepsNumber(f, v))
                    values << v;
            values << f.startUp;
            setNumberValue(f, st, values.at(rng.bounded(int(values.size()))));
            continue;
        }
        for (int k = 0; k < f.count; ++k) {
            QString text;
            switch (f.codec) {
            case FieldCodec::Seconds:
                text = rng.bounded(8) == 0 ? QString() : QString::number(rng.bounded(301));
                break;
            case FieldCodec::Frequency:
                text = rng.bounded(3) == 0 ? QString() : frequency(rng);
                break;
            default: {
                // Codes as the keypad makes them, or any byte a radio may hold.
                const bool keypad = rng.bounded(2) == 0;
                const int n = rng.bounded(f.max + 1);
                while (text.size() < n) {
                    const QChar c = keypad ? dtmf.at(rng.bounded(dtmf.size()))
                                           : QChar(ushort(rng.bounded(0xFF)));
                    if (fieldKeepsText(f, k, text + c))
                        text += c;
                }
            }
            }
            setTextValue(f, st, k, text);
        }
    }
    return st;
}

QByteArray generatedStableImage(QRandomGenerator &rng, int band) {
    EditorState st = generatedState(rng, qint16(rng.bounded(2)));
    if (band >= 0)
        st.bandPosition = st.acceptedBand = band;
    QByteArray bytes = bytesFromImage(EncodeImage(st));
    for (int c = 0; c < kChannelCount; ++c) {
        char *rec = bytes.data() + c * Layout::kChannelRecordSize;
        if (!st.channels.inUse(c + 1))
            continue;
        // Any word at all: tones off the list, DCS words without bit 11,
        // CTCSS words below 25.6 Hz.
        for (int k = 8; k <= 10; k += 2)
            if (rng.bounded(2) == 0) {
                const quint32 word = rng.bounded(0x10000);
                rec[k] = static_cast<char>(word & 0xFF);
                rec[k + 1] = static_cast<char>(word >> 8);
            }
    }
    return bytes;
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
