#include "model/settingfields.h"

#include "model/bcdfrequency.h"
#include "model/editorstate.h"
#include "model/hexhelpers.h"
#include "model/layout.h"

#include <QRegularExpression>

#include <cmath>
#include <iterator>

namespace {

// A field whose value is a number of the state, and one whose value is a
// text (or one of several texts).
#define NUMBER(expr) [](EditorState &s) -> int & { return expr; }, nullptr
#define TEXT(expr) nullptr, [](EditorState &s, int) -> QString & { return expr; }
#define TEXTS(expr) nullptr, [](EditorState &s, int k) -> QString & { return expr; }

using C = FieldCodec;
using K = FieldControl;

const char kFunctions[] = "Functions Setting";
const char kOptional[] = "Optional Function";
const char kKeys[] = "Keys";
const char kEmbedded[] = "Embedded Information";
const char kDebug[] = "Debug Parameters";
const char kTests[] = "Test Frequency";

// clang-format off
const SettingField kFields[] = {
    // group, name, offset, codec, min, max, start-up, start-up text, window, control, caption, kind,
    // count, stride, value
    {kFunctions, "Voice Notice", 0x11F, C::Index, 0, 2, 1, nullptr, "Form1", "Combo2", "Form1/Label4", K::ListIndex, 1, 0, NUMBER(s.functions.voiceNotice)},
    {kFunctions, "Time-out Timer", 0x120, C::IndexPlusOne, -1, 39, 5, nullptr, "Form1", "Combo3", "Form1/Label5", K::ListIndex, 1, 0, NUMBER(s.functions.timeoutTimer)},
    {kFunctions, "TOT Pre-Alert", 0x121, C::Index, 0, 10, 1, nullptr, "Form1", "Combo4", "Form1/Label1", K::ListIndex, 1, 0, NUMBER(s.functions.totPreAlert)},
    {kFunctions, "Squelch Level", 0x124, C::Index, 0, 9, 4, nullptr, "Form1", "Combo9", "Form1/Label6", K::ListIndex, 1, 0, NUMBER(s.functions.squelchLevel)},
    {kFunctions, "Battery Save", 0x125, C::Index, 0, 1, 1, nullptr, "Form1", "Combo6", "Form1/Label7", K::ListIndex, 1, 0, NUMBER(s.functions.batterySave)},
    {kFunctions, "Beep", 0x126, C::Index, 0, 1, 1, nullptr, "Form1", "Combo7", "Form1/Label8", K::ListIndex, 1, 0, NUMBER(s.functions.beep)},

    {kOptional, "PTT ID", 0x122, C::Index, 0, 2, 1, nullptr, "Form5", "Combo4", "Form5/Label4", K::ListIndex, 1, 0, NUMBER(s.store.pttId)},
    {kOptional, "VOX Function", 0x129, C::Index, 0, 1, 1, nullptr, "Form5", "Combo6", "Form5/Label8", K::ListIndex, 1, 0, NUMBER(s.store.voxFunction)},
    {kOptional, "VOX Gain Level", 0x12A, C::Index, 0, 10, 1, nullptr, "Form5", "Combo7", "Form5/Label10", K::ListIndex, 1, 0, NUMBER(s.store.voxGainLevel)},
    {kOptional, "VOX Delay time", 0x12B, C::Index, 0, 5, 1, nullptr, "Form5", "Combo8", "Form5/Label9", K::ListIndex, 1, 0, NUMBER(s.store.voxDelayTime)},
    {kOptional, "VOX Proceed Tone", 0x12C, C::Index, 0, 1, 1, nullptr, "Form5", "Combo9", "Form5/Label7", K::ListIndex, 1, 0, NUMBER(s.store.voxProceedTone)},
    {kOptional, "Duplicate", 0x12E, C::Bit, 0, 1, 1, nullptr, "Form5", "Combo10", "Form5/Label11", K::ListIndex, 1, 0, NUMBER(s.store.duplicate)},
    {kOptional, "Priority", 0x150, C::Index, 0, 2, 0, nullptr, "Form5", "Combo11", "Form5/Label14", K::ListIndex, 1, 0, NUMBER(s.store.priority)},
    {kOptional, "Priority Channel", 0x151, C::Index, 1, 16, 1, nullptr, "Form5", "Combo12", "Form5/Label15", K::ListNumber, 1, 0, NUMBER(s.store.priorityChannel)},
    {kOptional, "Look Back Time A", 0x152, C::FfEmpty, 0, 91, 1, nullptr, "Form5", "Combo13", "Form5/Label17", K::ListIndex, 1, 0, NUMBER(s.store.lookBackTimeA)},
    {kOptional, "Look Back Time B", 0x153, C::FfEmpty, 0, 91, 1, nullptr, "Form5", "Combo14", "Form5/Label16", K::ListIndex, 1, 0, NUMBER(s.store.lookBackTimeB)},
    {kOptional, "Revert channel", 0x154, C::Index, 0, 3, 1, nullptr, "Form5", "Combo15", "Form5/Label18", K::ListIndex, 1, 0, NUMBER(s.store.revertChannel)},
    {kOptional, "ID Code", Layout::kIdCode, C::Characters, 0, Layout::kIdCodeLength, 0, "", "Form5", "Text1", "Form5/Label1", K::Text, 1, 0, TEXT(s.store.idCode)},
    {kOptional, "PTT ID Start Code", Layout::kPttIdStartCode, C::Characters, 0, Layout::kPttIdCodeLength, 0, "1", "Form5", "Text3", "Form5/Label2", K::Text, 1, 0, TEXT(s.store.pttIdStartCode)},
    {kOptional, "PTT ID End Code", Layout::kPttIdEndCode, C::Characters, 0, Layout::kPttIdCodeLength, 0, "2", "Form5", "Text4", "Form5/Label3", K::Text, 1, 0, TEXT(s.store.pttIdEndCode)},
    {kOptional, "Dropout delay time", 0x155, C::Seconds, 0, 300, 0, "", "Form5", "Text5", "Form5/Label19", K::Text, 1, 0, TEXT(s.store.dropoutDelayTime)},
    {kOptional, "TX Dwell time", 0x157, C::Seconds, 0, 300, 0, "", "Form5", "Text6", "Form5/Label20", K::Text, 1, 0, TEXT(s.store.txDwellTime)},
    {kOptional, "Cancel Operation", 0x127, C::Index, 0, 1, 1, nullptr, "Form5", "Check3", "Form5/Check3", K::Check, 1, 0, NUMBER(s.store.cancelOperation)},
    {kOptional, "VOX Inhibit On Reveive", 0x128, C::Index, 0, 1, 1, nullptr, "Form5", "Check4", "Form5/Check4", K::Check, 1, 0, NUMBER(s.store.voxInhibitOnReveive)},
    {kOptional, "DTMF Rate", 0x100, C::Index, 0, 3, 0, nullptr, "Form5", "Combo0", "Form5/Label21", K::ListIndex, 1, 0, NUMBER(s.store.dtmfRate)},
    {kOptional, "First Digit Time", 0x101, C::Index, 0, 3, 1, nullptr, "Form5", "Combo16", "Form5/Label22", K::ListIndex, 1, 0, NUMBER(s.store.firstDigitTime)},
    {kOptional, "First Digit Delay", 0x102, C::Tens, 100, 1000, 0, nullptr, "", "", "Form5/Label23", K::None, 1, 0, NUMBER(s.store.firstDigitDelay)},
    {kOptional, "Star and Hash Tone", 0x103, C::Index, 0, 3, 1, nullptr, "Form5", "Combo17", "Form5/Label24", K::ListIndex, 1, 0, NUMBER(s.store.starAndHashTone)},
    {kOptional, "D Key Setting", 0x104, C::Index, 0, 16, 1, nullptr, "Form5", "Combo19", "Form5/Label25", K::ListIndex, 1, 0, NUMBER(s.store.dKeySetting)},
    {kOptional, "DTMF Sidetone", 0x105, C::Index, 0, 1, 1, nullptr, "Form5", "Combo20", "Form5/Label26", K::ListIndex, 1, 0, NUMBER(s.store.dtmfSidetone)},
    {kOptional, "carried digit", 0x106, C::Digit, 0, 9, 0, nullptr, "", "", "", K::None, 1, 0, NUMBER(s.store.carriedDigit)},
    {kOptional, "Auto Reset Timer", 0x107, C::Index, 0, 15, 0, nullptr, "Form5", "Combo21", "Form5/Label27", K::ListIndex, 1, 0, NUMBER(s.store.autoResetTimer)},
    {kOptional, "Auto-dial Memory", Layout::kAutoDialMemory, C::DialCharacters, 0, Layout::kAutoDialLength, 0, "%n", "Form5", "mfgrid1", "Form5/mfgrid1:1", K::Rows, kAutoDialCodes, Layout::kAutoDialLength, TEXTS(s.store.autoDialMemory[k])},

    {kKeys, "PF1", 0x10D, C::Index, 0, 11, 10, nullptr, "Form6", "Combo1", "Form6/Label1", K::ListIndex, 1, 0, NUMBER(s.store.pf1)},
    {kKeys, "PF2", 0x10E, C::Index, 0, 11, 0, nullptr, "Form6", "Combo2", "Form6/Label2", K::ListIndex, 1, 0, NUMBER(s.store.pf2)},

    {kEmbedded, "Embedded Information line 1", Layout::kEmbeddedLine1, C::Characters, 0, Layout::kEmbeddedLength, 0, "", "Form7", "Text1", "", K::Text, 1, 0, TEXT(s.store.embeddedLine1)},
    {kEmbedded, "Embedded Information line 2", Layout::kEmbeddedLine2, C::Characters, 0, Layout::kEmbeddedLength, 0, "", "Form7", "Text2", "", K::Text, 1, 0, TEXT(s.store.embeddedLine2)},

    {kDebug, "TX-High Power", Layout::kTxHighPower, C::Raw, 0, 255, 63, nullptr, "Form2", "Slider1", "Form2/Frame1", K::Slider, 1, 0, NUMBER(s.store.txHighPower)},
    {kDebug, "TX-Low Power", Layout::kTxLowPower, C::Raw, 0, 255, 0, nullptr, "Form2", "Slider3", "Form2/Frame2", K::Slider, 1, 0, NUMBER(s.store.txLowPower)},

    {kTests, "RX Frequency", Layout::kTestFrequencies, C::Frequency, 0, 0, 0, "", "Form4", "mfgrid1", "Form4/mfgrid1:1", K::Rows, kTestFrequencyRows, 8, TEXTS(s.store.testRx[k])},
    {kTests, "TX Frequency", Layout::kTestFrequencies + 4, C::Frequency, 0, 0, 0, "", "Form4", "mfgrid1", "Form4/mfgrid1:2", K::Rows, kTestFrequencyRows, 8, TEXTS(s.store.testTx[k])},
};
// clang-format on

#undef NUMBER
#undef TEXT
#undef TEXTS

QByteArray oneByte(int value) {
    // A value without a byte (a list without selection, anything outside
    // 0-255) is written FF, so the field keeps its width.
    return QByteArray(1, char(value >= 0 && value <= 0xFF ? value : 0xFF));
}

QByteArray characterBytes(const QString &text, int length, bool zeroAs3A) {
    QByteArray out(length, char(0xFF));
    for (int i = 0; i < length && i < text.size(); ++i) {
        const ushort code = text.at(i).unicode();
        // A character wider than a byte is written "?": the fields after it
        // never move.
        out[i] = zeroAs3A && code == '0' ? char(0x3A) : char(code <= 0xFF ? code : '?');
    }
    return out;
}

QString charactersOf(const uchar *bytes, int length, bool zeroAs3A) {
    QString text;
    for (int i = 0; i < length; ++i) {
        if (bytes[i] == 0xFF)
            continue;
        text += zeroAs3A && bytes[i] == 0x3A ? QChar(QLatin1Char('0'))
                                             : QChar(static_cast<ushort>(bytes[i]));
    }
    return text;
}

// The value of a seconds text as a whole number; an empty text is 0.
int wholeSeconds(const QString &text) {
    const double v = std::nearbyint(leadingNumber(text));
    return static_cast<int>(qBound(0.0, v, 65535.0));
}

bool numberCodecApplies(const SettingField &f, int v, int *value) {
    switch (f.codec) {
    case FieldCodec::Index:
        if (v < f.min || v > f.max)
            return false;
        *value = v;
        return true;
    case FieldCodec::IndexPlusOne:
        if (v > f.max + 1)
            return false;
        *value = v - 1;
        return true;
    case FieldCodec::Tens:
        if (v * 10 < f.min || v * 10 > f.max)
            return false;
        *value = v * 10;
        return true;
    case FieldCodec::Digit:
        if (v == 0x00 || v == 0xFF)
            *value = 0;
        else if (v >= '0' && v <= '9')
            *value = v - '0';
        else
            return false;
        return true;
    case FieldCodec::FfEmpty:
        if (v == 0xFF) {
            *value = 0;
            return true;
        }
        if (v > f.max)
            return false;
        *value = v;
        return true;
    case FieldCodec::Bit:
        *value = v & 1;
        return true;
    case FieldCodec::Raw:
        *value = v;
        return true;
    default:
        return false;
    }
}

QByteArray numberBytes(const SettingField &f, int v) {
    switch (f.codec) {
    case FieldCodec::IndexPlusOne:
        return oneByte(v + 1);
    case FieldCodec::Tens:
        return oneByte(v / 10);
    case FieldCodec::Digit:
        return v == 0 ? QByteArray(1, '\0') : characterBytes(QString::number(v).left(1), 1, false);
    case FieldCodec::FfEmpty:
        return v == 0 ? QByteArray(1, char(0xFF)) : oneByte(v);
    case FieldCodec::Bit:
        return QByteArray(1, char(v == 0 ? 0xFE : 0xFF));
    default:
        return oneByte(v);
    }
}

QByteArray textBytes(const SettingField &f, const QString &text) {
    switch (f.codec) {
    case FieldCodec::Seconds: {
        const int n = wholeSeconds(text);
        QByteArray out(2, '\0');
        out[0] = char(n & 0xFF);
        out[1] = char(n >> 8);
        return out;
    }
    case FieldCodec::Characters:
        return characterBytes(text, f.max, false);
    case FieldCodec::DialCharacters:
        return characterBytes(text, f.max, true);
    case FieldCodec::Frequency:
        return QByteArray::fromHex(frequencyBytesOfText(text).toLatin1());
    default:
        return QByteArray();
    }
}

bool textCodecApplies(const SettingField &f, const uchar *b, QString *value) {
    switch (f.codec) {
    case FieldCodec::Seconds: {
        const int n = b[0] | (b[1] << 8);
        if (n < f.min || n > f.max)
            return false;
        *value = QString::number(n);
        return true;
    }
    case FieldCodec::Characters:
        *value = charactersOf(b, f.max, false);
        return true;
    case FieldCodec::DialCharacters:
        *value = charactersOf(b, f.max, true);
        return true;
    case FieldCodec::Frequency: {
        const bool blank = b[0] == 0xFF && b[1] == 0xFF && b[2] == 0xFF && b[3] == 0xFF;
        *value = blank ? QString() : frequencyTextOfBytes(b);
        return true;
    }
    default:
        return false;
    }
}

} // namespace

int SettingField::width() const {
    switch (codec) {
    case FieldCodec::Seconds:
        return 2;
    case FieldCodec::Characters:
    case FieldCodec::DialCharacters:
        return max;
    case FieldCodec::Frequency:
        return 4;
    default:
        return 1;
    }
}

int settingFieldCount() {
    return int(std::size(kFields));
}

const SettingField &settingFieldAt(int index) {
    return kFields[index];
}

const SettingField *findSettingField(const QString &group, const QString &name) {
    for (const SettingField &f : kFields)
        if (group == QLatin1String(f.group) && name == QLatin1String(f.name))
            return &f;
    return nullptr;
}

int numberValue(const SettingField &field, const EditorState &state) {
    return field.number(const_cast<EditorState &>(state));
}

QString textValue(const SettingField &field, const EditorState &state, int entry) {
    return field.text(const_cast<EditorState &>(state), entry);
}

void setNumberValue(const SettingField &field, EditorState &state, int value) {
    field.number(state) = value;
}

void setTextValue(const SettingField &field, EditorState &state, int entry, const QString &value) {
    field.text(state, entry) = value;
}

QString startUpText(const SettingField &field, int entry) {
    const QString text = QLatin1String(field.startUpText ? field.startUpText : "");
    return text == QLatin1String("%n") ? QString::number(entry + 1) : text;
}

void setStartUpSettings(EditorState &state) {
    for (const SettingField &f : kFields) {
        if (!f.isText()) {
            setNumberValue(f, state, f.startUp);
            continue;
        }
        for (int k = 0; k < f.count; ++k)
            setTextValue(f, state, k, startUpText(f, k));
    }
}

QByteArray encodeFieldEntry(const SettingField &field, const EditorState &state, int entry) {
    return field.isText() ? textBytes(field, textValue(field, state, entry))
                          : numberBytes(field, numberValue(field, state));
}

bool decodeFieldEntry(const SettingField &field, const uchar *bytes, EditorState &state,
                      int entry) {
    if (field.isText()) {
        QString value;
        if (!textCodecApplies(field, bytes, &value))
            return false;
        setTextValue(field, state, entry, value);
        return true;
    }
    int value = 0;
    if (!numberCodecApplies(field, bytes[0], &value))
        return false;
    setNumberValue(field, state, value);
    return true;
}

bool fieldKeepsNumber(const SettingField &field, int value) {
    if (value == field.startUp)
        return true;
    const QByteArray bytes = numberBytes(field, value);
    int back = 0;
    return numberCodecApplies(field, uchar(bytes.at(0)), &back) && back == value;
}

bool fieldKeepsText(const SettingField &field, int entry, const QString &value) {
    if (value == startUpText(field, entry))
        return true;
    const QByteArray bytes = textBytes(field, value);
    QString back;
    return textCodecApplies(field, reinterpret_cast<const uchar *>(bytes.constData()), &back) &&
           back == value;
}

QString fieldRangeText(const SettingField &f) {
    switch (f.codec) {
    case FieldCodec::Tens:
        return QStringLiteral("%1 to %2 in steps of 10").arg(f.min).arg(f.max);
    case FieldCodec::Seconds:
        return QStringLiteral("a whole number of seconds from %1 to %2, without leading zeros")
            .arg(f.min)
            .arg(f.max);
    case FieldCodec::Characters:
        return QStringLiteral("at most %1 characters of one byte each").arg(f.max);
    case FieldCodec::DialCharacters:
        return QStringLiteral("at most %1 characters of one byte each, not ':'").arg(f.max);
    case FieldCodec::Frequency:
        return QStringLiteral("a frequency of the form 446.00625, or empty");
    default:
        return QStringLiteral("%1 to %2").arg(f.min).arg(f.max);
    }
}

bool sameSettings(const EditorState &a, const EditorState &b) {
    for (const SettingField &f : kFields)
        for (int k = 0; k < f.count; ++k)
            if (encodeFieldEntry(f, a, k) != encodeFieldEntry(f, b, k))
                return false;
    return true;
}
