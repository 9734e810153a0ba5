#include "image/jsonform.h"

#include "model/bands.h"
#include "model/celltexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <iterator>

const char kJsonFormatName[] = "VQ-740 editor state";

namespace {

const char *const kChannelKeys[kColumnCount] = {"CH",           "RX frequency", "RX QT/DQT",
                                                "TX frequency", "TX QT/DQT",    "Power",
                                                "BCLO",         "W/N",          "Scan Add"};

// An integer setting: its JSON name, its place in the state and its range.
struct IntField {
    const char *name;
    int SettingsStore::*member;
    int min;
    int max;
};

const IntField kOptionalInts[] = {
    {"PTT ID", &SettingsStore::pttId, 0, 2},
    {"VOX Function", &SettingsStore::voxFunction, 0, 1},
    {"VOX Gain Level", &SettingsStore::voxGainLevel, 0, 10},
    {"VOX Delay time", &SettingsStore::voxDelayTime, 0, 5},
    {"VOX Proceed Tone", &SettingsStore::voxProceedTone, 0, 1},
    {"Duplicate", &SettingsStore::duplicate, 0, 1},
    {"Priority", &SettingsStore::priority, 0, 2},
    {"Priority Channel", &SettingsStore::priorityChannel, 1, 16},
    {"Look Back Time A", &SettingsStore::lookBackTimeA, 0, 91},
    {"Look Back Time B", &SettingsStore::lookBackTimeB, 0, 91},
    {"Revert channel", &SettingsStore::revertChannel, 0, 3},
    {"Cancel Operation", &SettingsStore::cancelOperation, 0, 1},
    {"VOX Inhibit On Reveive", &SettingsStore::voxInhibitOnReveive, 0, 1},
    {"DTMF Rate", &SettingsStore::dtmfRate, 0, 3},
    {"First Digit Time", &SettingsStore::firstDigitTime, 0, 3},
    {"First Digit Delay", &SettingsStore::firstDigitDelay, 0, 2559},
    {"Star and Hash Tone", &SettingsStore::starAndHashTone, 0, 3},
    {"D Key Setting", &SettingsStore::dKeySetting, 0, 16},
    {"DTMF Sidetone", &SettingsStore::dtmfSidetone, 0, 1},
    {"carried digit", &SettingsStore::carriedDigit, 0, 9},
    {"Auto Reset Timer", &SettingsStore::autoResetTimer, 0, 15},
};

struct TextField {
    const char *name;
    QString SettingsStore::*member;
    int maxLength;
};

const TextField kOptionalTexts[] = {
    {"ID Code", &SettingsStore::idCode, 10},
    {"PTT ID Start Code", &SettingsStore::pttIdStartCode, 16},
    {"PTT ID End Code", &SettingsStore::pttIdEndCode, 16},
};

const TextField kSecondsTexts[] = {
    {"Dropout delay time", &SettingsStore::dropoutDelayTime, 5},
    {"TX Dwell time", &SettingsStore::txDwellTime, 5},
};

struct FunctionField {
    const char *name;
    int FunctionSettings::*member;
    int min;
    int max;
};

const FunctionField kFunctionFields[] = {
    {"Voice Notice", &FunctionSettings::voiceNotice, 0, kVoiceNoticeItems - 1},
    {"Time-out Timer", &FunctionSettings::timeoutTimer, -1, kTimeoutTimerItems - 1},
    {"TOT Pre-Alert", &FunctionSettings::totPreAlert, 0, kTotPreAlertItems - 1},
    {"Squelch Level", &FunctionSettings::squelchLevel, 0, kSquelchLevelItems - 1},
    {"Battery Save", &FunctionSettings::batterySave, 0, kBatterySaveItems - 1},
    {"Beep", &FunctionSettings::beep, 0, kBeepItems - 1},
};

const QRegularExpression &frequencyForm() {
    static const QRegularExpression re(QStringLiteral("^([0-9A-F]{3}\\.[0-9A-F]{5})?$"));
    return re;
}

const QRegularExpression &toneForm() {
    static const QRegularExpression re(
        QStringLiteral("^(Off|D[0-7]{1,3}[NI]|[0-9]{0,4}\\.[0-9])?$"));
    return re;
}

// The reader keeps the first error and the path of the field it is in.
class Reader {
public:
    QString error;

    bool fail(const QString &field, const QString &what) {
        if (error.isEmpty())
            error = QStringLiteral("%1: %2").arg(field, what);
        return false;
    }

    bool checkKeys(const QJsonObject &obj, const QString &where, const QSet<QString> &known) {
        for (auto it = obj.begin(); it != obj.end(); ++it)
            if (!known.contains(it.key()))
                return fail(where.isEmpty() ? it.key() : where + QLatin1String(" / ") + it.key(),
                            QStringLiteral("unknown field"));
        return true;
    }

    bool readInt(const QJsonObject &obj, const QString &where, const char *name, int min, int max,
                 int *out) {
        const QString key = QString::fromLatin1(name);
        if (!obj.contains(key))
            return true;
        const QString field = where + QLatin1String(" / ") + key;
        const QJsonValue v = obj.value(key);
        const double d = v.toDouble();
        if (!v.isDouble() || std::floor(d) != d)
            return fail(field, QStringLiteral("must be a whole number"));
        if (d < min || d > max)
            return fail(field, QStringLiteral("%1 is outside its list (%2 to %3)")
                                   .arg(QString::number(d, 'g', 12))
                                   .arg(min)
                                   .arg(max));
        *out = static_cast<int>(d);
        return true;
    }

    bool readText(const QJsonObject &obj, const QString &where, const QString &key, QString *out) {
        if (!obj.contains(key))
            return true;
        const QJsonValue v = obj.value(key);
        if (!v.isString())
            return fail(where + QLatin1String(" / ") + key, QStringLiteral("must be a text"));
        *out = v.toString();
        return true;
    }

    // A character field: one byte per character, at most `maxLength`.
    bool readCharacters(const QJsonObject &obj, const QString &where, const QString &key,
                        int maxLength, QString *out) {
        QString text = *out;
        if (!readText(obj, where, key, &text))
            return false;
        const QString field = where + QLatin1String(" / ") + key;
        if (text.size() > maxLength)
            return fail(field,
                        QStringLiteral("\"%1\" is too long for its field (%2 characters at most)")
                            .arg(text)
                            .arg(maxLength));
        for (QChar c : text)
            if (c.unicode() > 0xFE)
                return fail(field,
                            QStringLiteral("the character '%1' does not fit one byte").arg(c));
        *out = text;
        return true;
    }

    bool readPattern(const QJsonObject &obj, const QString &where, const QString &key,
                     const QRegularExpression &form, const QString &what, QString *out) {
        QString text = *out;
        if (!readText(obj, where, key, &text))
            return false;
        if (!form.match(text).hasMatch())
            return fail(where + QLatin1String(" / ") + key,
                        QStringLiteral("\"%1\" %2").arg(text, what));
        *out = text;
        return true;
    }
};

} // namespace

QJsonObject channelToJson(const ChannelTable &t, int row) {
    QJsonObject ch;
    ch.insert(QLatin1String(kChannelKeys[0]), row);
    for (int c = ColRxFrequency; c <= ColTxTone; ++c) {
        QString text = t.cell(row, c);
        if ((c == ColRxTone || c == ColTxTone) && isOffText(text))
            text = QStringLiteral("Off");
        ch.insert(QLatin1String(kChannelKeys[c]), text);
    }
    // Option cells in English, whatever the language of the editor.
    for (int c = ColPower; c <= ColScanAdd; ++c) {
        const QString text = t.cell(row, c);
        QString neutral = text;
        for (int item = 0; item < 2; ++item)
            if (text == optionText(c, item, 0) || text == optionText(c, item, 1))
                neutral = optionText(c, item, 1);
        ch.insert(QLatin1String(kChannelKeys[c]), neutral);
    }
    return ch;
}

namespace {

bool channelFromJson(Reader &r, const QJsonValue &value, int row, qint16 language,
                     ChannelTable &t) {
    const QString where = QStringLiteral("Channels / %1").arg(row, 2, 10, QLatin1Char('0'));
    if (!value.isObject())
        return r.fail(where, QStringLiteral("must be an object"));
    const QJsonObject obj = value.toObject();
    QSet<QString> known;
    for (const char *k : kChannelKeys)
        known.insert(QLatin1String(k));
    if (!r.checkKeys(obj, where, known))
        return false;
    if (obj.contains(QLatin1String("CH")) && obj.value(QLatin1String("CH")).toDouble() != row)
        return r.fail(where + QLatin1String(" / CH"), QStringLiteral("must be %1").arg(row));
    QString cells[kColumnCount];
    for (int c = ColRxFrequency; c <= ColScanAdd; ++c) {
        const QString key = QLatin1String(kChannelKeys[c]);
        cells[c] = t.cell(row, c);
        if (c == ColRxFrequency || c == ColTxFrequency) {
            if (!r.readPattern(obj, where, key, frequencyForm(),
                               QStringLiteral("is not a frequency of the form 146.12500"),
                               &cells[c]))
                return false;
        } else if (c == ColRxTone || c == ColTxTone) {
            if (isOffText(cells[c]))
                cells[c] = QStringLiteral("Off");
            if (!r.readPattern(obj, where, key, toneForm(),
                               QStringLiteral("is not a tone (Off, 88.5, D023N or D023I)"),
                               &cells[c]))
                return false;
        } else {
            QString text = cells[c];
            if (!r.readText(obj, where, key, &text))
                return false;
            const QStringList allowed = {QString(), optionText(c, 0, 1), optionText(c, 1, 1),
                                         optionText(c, 0, 0), optionText(c, 1, 0)};
            if (!allowed.contains(text))
                return r.fail(where + QLatin1String(" / ") + key,
                              QStringLiteral("\"%1\" is not one of \"%2\", \"%3\" or empty")
                                  .arg(text, optionText(c, 0, 1), optionText(c, 1, 1)));
            cells[c] = text;
        }
    }
    if (cells[ColRxFrequency].isEmpty()) {
        for (int c = ColRxTone; c <= ColScanAdd; ++c)
            if (!cells[c].isEmpty())
                return r.fail(where,
                              QStringLiteral("a channel without RX frequency must have every "
                                             "other field empty"));
    }
    // Everything checked: write the cells in the editor's language.
    for (int c = ColRxFrequency; c <= ColScanAdd; ++c) {
        QString text = cells[c];
        if ((c == ColRxTone || c == ColTxTone) && text == QLatin1String("Off"))
            text = offCaption(language);
        if (c >= ColPower) {
            int index = 0;
            if (text == optionText(c, 1, 0) || text == optionText(c, 1, 1))
                index = 1;
            if (!text.isEmpty())
                text = optionText(c, index, language);
            t.setCell(row, c, text);
            t.setOptionIndex(row, c, index);
        } else {
            t.setCell(row, c, text);
        }
    }
    return true;
}

// The order in which fields are written: the format first, then the
// settings as the program shows them. Every field has its place here.
const char *const kFieldOrder[] = {"format",
                                   "version",
                                   "Range",
                                   "Channels",
                                   "CH",
                                   "RX frequency",
                                   "RX QT/DQT",
                                   "TX frequency",
                                   "TX QT/DQT",
                                   "Power",
                                   "BCLO",
                                   "W/N",
                                   "Scan Add",
                                   "Functions Setting",
                                   "Voice Notice",
                                   "Time-out Timer",
                                   "TOT Pre-Alert",
                                   "Squelch Level",
                                   "Battery Save",
                                   "Beep",
                                   "Optional Function",
                                   "PTT ID",
                                   "VOX Function",
                                   "VOX Gain Level",
                                   "VOX Delay time",
                                   "VOX Proceed Tone",
                                   "Duplicate",
                                   "Priority",
                                   "Priority Channel",
                                   "Look Back Time A",
                                   "Look Back Time B",
                                   "Revert channel",
                                   "ID Code",
                                   "PTT ID Start Code",
                                   "PTT ID End Code",
                                   "Dropout delay time",
                                   "TX Dwell time",
                                   "Cancel Operation",
                                   "VOX Inhibit On Reveive",
                                   "DTMF Rate",
                                   "First Digit Time",
                                   "First Digit Delay",
                                   "Star and Hash Tone",
                                   "D Key Setting",
                                   "DTMF Sidetone",
                                   "carried digit",
                                   "Auto Reset Timer",
                                   "Auto-dial Memory",
                                   "Keys",
                                   "PF1",
                                   "PF2",
                                   "Embedded Information",
                                   "Embedded Information line 1",
                                   "Embedded Information line 2",
                                   "Debug Parameters",
                                   "TX-High Power",
                                   "TX-Low Power",
                                   "Test Frequency",
                                   "Channel",
                                   "RX Frequency",
                                   "TX Frequency"};

int fieldRank(const QString &key) {
    for (int i = 0; i < int(std::size(kFieldOrder)); ++i)
        if (key == QLatin1String(kFieldOrder[i]))
            return i;
    return int(std::size(kFieldOrder));
}

// Writes JSON like QJsonDocument's indented form, but with the fields of
// each object in the program's order instead of alphabetical order.
void writeOrdered(QByteArray &out, const QJsonValue &value, int indent) {
    const QByteArray pad(indent + 4, ' ');
    if (value.isObject()) {
        const QJsonObject obj = value.toObject();
        QStringList keys = obj.keys();
        std::stable_sort(keys.begin(), keys.end(), [](const QString &a, const QString &b) {
            return fieldRank(a) < fieldRank(b);
        });
        out += "{\n";
        for (int i = 0; i < keys.size(); ++i) {
            out += pad;
            QByteArray key = QJsonDocument(QJsonArray{keys.at(i)}).toJson(QJsonDocument::Compact);
            out += key.mid(1, key.size() - 2) + ": ";
            writeOrdered(out, obj.value(keys.at(i)), indent + 4);
            out += i + 1 < keys.size() ? ",\n" : "\n";
        }
        out += QByteArray(indent, ' ') + "}";
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        out += "[\n";
        for (int i = 0; i < array.size(); ++i) {
            out += pad;
            writeOrdered(out, array.at(i), indent + 4);
            out += i + 1 < array.size() ? ",\n" : "\n";
        }
        out += QByteArray(indent, ' ') + "]";
    } else {
        const QByteArray scalar = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        out += scalar.mid(1, scalar.size() - 2);
    }
}

} // namespace

QByteArray stateToJson(const EditorState &state) {
    const SettingsStore &s = state.store;
    QJsonObject root;
    root.insert(QLatin1String("format"), QLatin1String(kJsonFormatName));
    root.insert(QLatin1String("version"), kJsonFormatVersion);
    root.insert(QLatin1String("Range"), bandText(state.bandPosition));

    QJsonArray channels;
    for (int row = 1; row <= kChannelCount; ++row)
        channels.append(channelToJson(state.channels, row));
    root.insert(QLatin1String("Channels"), channels);

    QJsonObject functions;
    for (const FunctionField &f : kFunctionFields)
        functions.insert(QLatin1String(f.name), state.functions.*(f.member));
    root.insert(QLatin1String("Functions Setting"), functions);

    QJsonObject optional;
    for (const IntField &f : kOptionalInts)
        optional.insert(QLatin1String(f.name), s.*(f.member));
    for (const TextField &f : kOptionalTexts)
        optional.insert(QLatin1String(f.name), s.*(f.member));
    for (const TextField &f : kSecondsTexts)
        optional.insert(QLatin1String(f.name), s.*(f.member));
    QJsonArray autoDial;
    for (const QString &code : s.autoDialMemory)
        autoDial.append(code);
    optional.insert(QLatin1String("Auto-dial Memory"), autoDial);
    root.insert(QLatin1String("Optional Function"), optional);

    root.insert(QLatin1String("Keys"),
                QJsonObject{{QLatin1String("PF1"), s.pf1}, {QLatin1String("PF2"), s.pf2}});
    root.insert(QLatin1String("Embedded Information"),
                QJsonObject{{QLatin1String("Embedded Information line 1"), s.embeddedLine1},
                            {QLatin1String("Embedded Information line 2"), s.embeddedLine2}});
    root.insert(QLatin1String("Debug Parameters"),
                QJsonObject{{QLatin1String("TX-High Power"), s.txHighPower},
                            {QLatin1String("TX-Low Power"), s.txLowPower}});
    QJsonArray tests;
    for (int r = 0; r < kTestFrequencyRows; ++r)
        tests.append(QJsonObject{{QLatin1String("Channel"), r + 1},
                                 {QLatin1String("RX Frequency"), s.testRx[r]},
                                 {QLatin1String("TX Frequency"), s.testTx[r]}});
    root.insert(QLatin1String("Test Frequency"), tests);
    QByteArray out;
    writeOrdered(out, root, 0);
    return out + "\n";
}

bool stateFromJson(const QByteArray &json, EditorState &state, QString *error) {
    Reader r;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull() || !doc.isObject()) {
        *error = parseError.error != QJsonParseError::NoError
                     ? QStringLiteral("not valid JSON (%1 at offset %2)")
                           .arg(parseError.errorString())
                           .arg(parseError.offset)
                     : QStringLiteral("not a JSON object");
        return false;
    }
    const QJsonObject root = doc.object();
    EditorState next = state;
    SettingsStore &s = next.store;

    auto finish = [&]() {
        *error = r.error;
        return false;
    };
    if (!r.checkKeys(root, QString(),
                     {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("Range"),
                      QStringLiteral("Channels"), QStringLiteral("Functions Setting"),
                      QStringLiteral("Optional Function"), QStringLiteral("Keys"),
                      QStringLiteral("Embedded Information"), QStringLiteral("Debug Parameters"),
                      QStringLiteral("Test Frequency")}))
        return finish();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(kJsonFormatName)) {
        r.fail(QStringLiteral("format"),
               QStringLiteral("must be \"%1\"").arg(QLatin1String(kJsonFormatName)));
        return finish();
    }
    if (root.value(QLatin1String("version")).toDouble() != kJsonFormatVersion) {
        r.fail(QStringLiteral("version"), QStringLiteral("must be %1").arg(kJsonFormatVersion));
        return finish();
    }

    if (root.contains(QLatin1String("Range"))) {
        const QString text = root.value(QLatin1String("Range")).toString();
        const int pos = bandPositionOfText(text);
        if (pos < 0) {
            r.fail(QStringLiteral("Range"),
                   QStringLiteral("\"%1\" is not a frequency range of the radio").arg(text));
            return finish();
        }
        next.bandPosition = pos;
        next.acceptedBand = pos;
    }

    if (root.contains(QLatin1String("Channels"))) {
        const QJsonArray channels = root.value(QLatin1String("Channels")).toArray();
        if (!root.value(QLatin1String("Channels")).isArray() || channels.size() != kChannelCount) {
            r.fail(QStringLiteral("Channels"), QStringLiteral("must list 16 channels"));
            return finish();
        }
        for (int row = 1; row <= kChannelCount; ++row)
            if (!channelFromJson(r, channels.at(row - 1), row, next.language, next.channels))
                return finish();
    }

    const QString fsName = QStringLiteral("Functions Setting");
    const QJsonObject fs = root.value(fsName).toObject();
    QSet<QString> fsKeys;
    for (const FunctionField &f : kFunctionFields)
        fsKeys.insert(QLatin1String(f.name));
    if (!r.checkKeys(fs, fsName, fsKeys))
        return finish();
    for (const FunctionField &f : kFunctionFields)
        if (!r.readInt(fs, fsName, f.name, f.min, f.max, &(next.functions.*(f.member))))
            return finish();

    const QString ofName = QStringLiteral("Optional Function");
    const QJsonObject of = root.value(ofName).toObject();
    QSet<QString> ofKeys{QStringLiteral("Auto-dial Memory")};
    for (const IntField &f : kOptionalInts)
        ofKeys.insert(QLatin1String(f.name));
    for (const TextField &f : kOptionalTexts)
        ofKeys.insert(QLatin1String(f.name));
    for (const TextField &f : kSecondsTexts)
        ofKeys.insert(QLatin1String(f.name));
    if (!r.checkKeys(of, ofName, ofKeys))
        return finish();
    for (const IntField &f : kOptionalInts)
        if (!r.readInt(of, ofName, f.name, f.min, f.max, &(s.*(f.member))))
            return finish();
    for (const TextField &f : kOptionalTexts)
        if (!r.readCharacters(of, ofName, QLatin1String(f.name), f.maxLength, &(s.*(f.member))))
            return finish();
    static const QRegularExpression seconds(QStringLiteral("^[0-9]{0,5}$"));
    for (const TextField &f : kSecondsTexts) {
        QString *text = &(s.*(f.member));
        if (!r.readPattern(of, ofName, QLatin1String(f.name), seconds,
                           QStringLiteral("is not a whole number of seconds"), text))
            return finish();
        if (!text->isEmpty() && text->toInt() > 65535) {
            r.fail(ofName + QLatin1String(" / ") + QLatin1String(f.name),
                   QStringLiteral("%1 is more than 65535 seconds").arg(*text));
            return finish();
        }
    }
    if (of.contains(QLatin1String("Auto-dial Memory"))) {
        const QJsonValue v = of.value(QLatin1String("Auto-dial Memory"));
        const QJsonArray codes = v.toArray();
        if (!v.isArray() || codes.size() != kAutoDialCodes) {
            r.fail(ofName + QLatin1String(" / Auto-dial Memory"),
                   QStringLiteral("must list 8 codes"));
            return finish();
        }
        for (int k = 0; k < kAutoDialCodes; ++k) {
            const QJsonObject one{{QStringLiteral("%1").arg(k + 1), codes.at(k)}};
            if (!r.readCharacters(one, ofName + QLatin1String(" / Auto-dial Memory"),
                                  QString::number(k + 1), 16, &s.autoDialMemory[k]))
                return finish();
        }
    }

    const QString keysName = QStringLiteral("Keys");
    const QJsonObject keys = root.value(keysName).toObject();
    if (!r.checkKeys(keys, keysName, {QStringLiteral("PF1"), QStringLiteral("PF2")}) ||
        !r.readInt(keys, keysName, "PF1", 0, 11, &s.pf1) ||
        !r.readInt(keys, keysName, "PF2", 0, 11, &s.pf2))
        return finish();

    const QString eiName = QStringLiteral("Embedded Information");
    const QJsonObject ei = root.value(eiName).toObject();
    const QString line1 = QStringLiteral("Embedded Information line 1");
    const QString line2 = QStringLiteral("Embedded Information line 2");
    if (!r.checkKeys(ei, eiName, {line1, line2}) ||
        !r.readCharacters(ei, eiName, line1, 32, &s.embeddedLine1) ||
        !r.readCharacters(ei, eiName, line2, 32, &s.embeddedLine2))
        return finish();

    const QString dpName = QStringLiteral("Debug Parameters");
    const QJsonObject dp = root.value(dpName).toObject();
    if (!r.checkKeys(dp, dpName,
                     {QStringLiteral("TX-High Power"), QStringLiteral("TX-Low Power")}) ||
        !r.readInt(dp, dpName, "TX-High Power", 0, 255, &s.txHighPower) ||
        !r.readInt(dp, dpName, "TX-Low Power", 0, 255, &s.txLowPower))
        return finish();

    if (root.contains(QLatin1String("Test Frequency"))) {
        const QJsonValue v = root.value(QLatin1String("Test Frequency"));
        const QJsonArray rows = v.toArray();
        if (!v.isArray() || rows.size() != kTestFrequencyRows) {
            r.fail(QStringLiteral("Test Frequency"), QStringLiteral("must list 16 rows"));
            return finish();
        }
        for (int i = 0; i < kTestFrequencyRows; ++i) {
            const QString where =
                QStringLiteral("Test Frequency / %1").arg(i + 1, 2, 10, QLatin1Char('0'));
            const QJsonObject row = rows.at(i).toObject();
            const QString what = QStringLiteral("is not a frequency of the form 446.00625");
            if (!rows.at(i).isObject()) {
                r.fail(where, QStringLiteral("must be an object"));
                return finish();
            }
            if (!r.checkKeys(row, where,
                             {QStringLiteral("Channel"), QStringLiteral("RX Frequency"),
                              QStringLiteral("TX Frequency")}) ||
                !r.readPattern(row, where, QStringLiteral("RX Frequency"), frequencyForm(), what,
                               &s.testRx[i]) ||
                !r.readPattern(row, where, QStringLiteral("TX Frequency"), frequencyForm(), what,
                               &s.testTx[i]))
                return finish();
        }
    }

    state = next;
    error->clear();
    return true;
}

bool channelFromJson(const QJsonValue &value, int row, qint16 language, ChannelTable &table,
                     QString *error) {
    Reader r;
    ChannelTable next = table;
    if (!channelFromJson(r, value, row, language, next)) {
        if (error)
            *error = r.error;
        return false;
    }
    table = next;
    return true;
}
