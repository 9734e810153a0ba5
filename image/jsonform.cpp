#include "image/jsonform.h"

#include "image/imagecodec.h"
#include "image/tonewords.h"
#include "model/bands.h"
#include "model/celltexts.h"
#include "model/quotedvalue.h"
#include "model/settingfields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>

const char kJsonFormatName[] = "VQ-740 editor state";

namespace {

// The key of a channel's column.
QString channelKey(int column) {
    return QLatin1String(columnField(column).key);
}

// The sections of the settings, in the order of the table of fields.
QStringList settingGroups() {
    QStringList groups;
    for (int i = 0; i < settingFieldCount(); ++i) {
        const QString g = QLatin1String(settingFieldAt(i).group);
        if (!groups.contains(g))
            groups << g;
    }
    return groups;
}

QList<const SettingField *> fieldsOf(const QString &group) {
    QList<const SettingField *> fields;
    for (int i = 0; i < settingFieldCount(); ++i)
        if (group == QLatin1String(settingFieldAt(i).group))
            fields << &settingFieldAt(i);
    return fields;
}

// A section whose every field has several entries is a list of numbered
// rows (the Test Frequency table); the others are objects of fields.
int rowsOf(const QString &group) {
    int rows = 0;
    for (const SettingField *f : fieldsOf(group)) {
        if (f->count == 1)
            return 0;
        rows = f->count;
    }
    return rows;
}

const QString kRowKey = QStringLiteral("Channel");

// A bad value as a message quotes it: a text as the user's value, a
// number as the number, anything else as its JSON.
QString quotedJson(const QJsonValue &v) {
    if (v.isString())
        return quotedValue(v.toString());
    if (v.isDouble())
        return QString::number(v.toDouble(), 'g', 12);
    const QByteArray compact = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return quotedValue(QString::fromUtf8(compact.mid(1, compact.size() - 2)));
}

const QRegularExpression &frequencyForm() {
    static const QRegularExpression re(QStringLiteral("^([0-9A-F]{3}\\.[0-9A-F]{5})?$"));
    return re;
}

// The reader keeps the first error and the path of the field it is in.
class Reader {
public:
    QString error;

    // The first error: "Keys / PF1: ...", or only what is wrong when it
    // is the document's own.
    bool fail(const QString &field, const QString &what) {
        if (error.isEmpty())
            error = field.isEmpty() ? what : QStringLiteral("%1: %2").arg(field, what);
        return false;
    }

    // An unknown key is the user's text, quoted where it is found.
    bool checkKeys(const QJsonObject &obj, const QString &where, const QSet<QString> &known) {
        for (auto it = obj.begin(); it != obj.end(); ++it)
            if (!known.contains(it.key()))
                return fail(where, QStringLiteral("unknown field %1").arg(quotedValue(it.key())));
        return true;
    }

    // A section that is present must be an object.
    bool section(const QJsonObject &root, const QString &name, QJsonObject *out) {
        const QJsonValue v = root.value(name);
        if (v.isUndefined())
            return true;
        if (!v.isObject())
            return fail(name, QStringLiteral("must be an object"));
        *out = v.toObject();
        return true;
    }

    bool readNumber(const QJsonValue &v, const QString &field, const SettingField &f, int *out) {
        const double d = v.toDouble();
        if (!v.isDouble() || std::floor(d) != d)
            return fail(field, QStringLiteral("%1 must be a whole number").arg(quotedJson(v)));
        if (d < -1e9 || d > 1e9 || !fieldKeepsNumber(f, int(d)))
            return fail(field, QStringLiteral("%1 is not a value the radio keeps (%2)")
                                   .arg(quotedJson(v), fieldRangeText(f)));
        *out = int(d);
        return true;
    }

    bool readText(const QJsonValue &v, const QString &field, const SettingField &f, int entry,
                  QString *out) {
        if (!v.isString())
            return fail(field, QStringLiteral("%1 must be a text").arg(quotedJson(v)));
        const QString text = v.toString();
        if (!fieldKeepsText(f, entry, text))
            return fail(field, QStringLiteral("%1 is not a value the radio keeps (%2)")
                                   .arg(quotedValue(text), fieldRangeText(f)));
        *out = text;
        return true;
    }

    bool readString(const QJsonObject &obj, const QString &where, const QString &key,
                    QString *out) {
        if (!obj.contains(key))
            return true;
        const QJsonValue v = obj.value(key);
        if (!v.isString())
            return fail(where + QLatin1String(" / ") + key,
                        QStringLiteral("%1 must be a text").arg(quotedJson(v)));
        *out = v.toString();
        return true;
    }
};

// The item of an option cell in either language, or -1.
int optionItemOf(int column, const QString &text) {
    for (int item = 0; item < kOptionItems; ++item)
        if (text == optionText(column, item, 0) || text == optionText(column, item, 1))
            return item;
    return -1;
}

// The option cells in English, whatever the language of the editor.
QString neutralOption(int column, const QString &text) {
    const int item = optionItemOf(column, text);
    return item < 0 ? text : optionText(column, item, 1);
}

QString neutralCell(const ChannelTable &t, int row, int column) {
    const QString text = t.cell(row, column);
    if (isToneColumn(column) && isOffText(text))
        return QStringLiteral("Off");
    return isOptionColumn(column) ? neutralOption(column, text) : text;
}
} // namespace

QJsonObject channelToJson(const ChannelTable &t, int row) {
    QJsonObject ch;
    ch.insert(channelKey(ColNumber), row);
    for (int c = ColNumber + 1; c < kColumnCount; ++c)
        ch.insert(channelKey(c), neutralCell(t, row, c));
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
    for (int c = 0; c < kColumnCount; ++c)
        known.insert(channelKey(c));
    if (!r.checkKeys(obj, where, known))
        return false;
    const QString number = channelKey(ColNumber);
    if (obj.contains(number) && obj.value(number).toDouble() != row)
        return r.fail(where + QLatin1String(" / ") + number, QStringLiteral("must be %1").arg(row));
    QString cells[kColumnCount];
    for (int c = ColNumber + 1; c < kColumnCount; ++c) {
        const QString key = channelKey(c);
        const QString field = where + QLatin1String(" / ") + key;
        cells[c] = neutralCell(t, row, c);
        if (!r.readString(obj, where, key, &cells[c]))
            return false;
        const QString &text = cells[c];
        switch (columnKind(c)) {
        case ColumnKind::Frequency:
            if (!frequencyForm().match(text).hasMatch())
                return r.fail(field, QStringLiteral("%1 is not a frequency of the form 146.12500")
                                         .arg(quotedValue(text)));
            break;
        case ColumnKind::Tone:
            if (!text.isEmpty() && !isRadioToneText(text))
                return r.fail(field, QStringLiteral("%1 is not a tone of the radio (Off, a CTCSS "
                                                    "tone such as 88.5, a DCS code such as "
                                                    "D023N or D023I, or a tone word kept as "
                                                    "read such as [2013])")
                                         .arg(quotedValue(text)));
            break;
        case ColumnKind::Option:
            if (!text.isEmpty() && optionItemOf(c, text) < 0)
                return r.fail(
                    field, QStringLiteral("%1 is not one of \"%2\", \"%3\" or empty")
                               .arg(quotedValue(text), optionText(c, 0, 1), optionText(c, 1, 1)));
            break;
        case ColumnKind::Number:
            break;
        }
    }
    if (cells[ColRxFrequency].isEmpty()) {
        for (int c = ColRxFrequency + 1; c < kColumnCount; ++c)
            if (!cells[c].isEmpty())
                return r.fail(where,
                              QStringLiteral("a channel without RX frequency must have every "
                                             "other field empty"));
    }
    // Everything checked: write the cells in the editor's language.
    for (int c = ColNumber + 1; c < kColumnCount; ++c) {
        QString text = cells[c];
        if (isToneColumn(c) && text == QLatin1String("Off"))
            text = offCaption(language);
        if (isOptionColumn(c)) {
            const int index = std::max(optionItemOf(c, text), 0);
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

// Channels must come back from the radio as they were given: a TX tone
// without TX frequency, an empty option of a channel in use and the like
// cannot be kept.
bool channelsSurviveTheImage(Reader &r, const EditorState &next) {
    EditorState back = next;
    DecodeImage(back, EncodeImage(next));
    for (int row = 1; row <= kChannelCount; ++row)
        for (int c = ColNumber + 1; c < kColumnCount; ++c) {
            const QString given = neutralCell(next.channels, row, c);
            const QString kept = neutralCell(back.channels, row, c);
            if (given != kept)
                return r.fail(QStringLiteral("Channels / %1 / %2")
                                  .arg(row, 2, 10, QLatin1Char('0'))
                                  .arg(channelKey(c)),
                              QStringLiteral("%1 cannot be kept by the radio: it reads back as %2")
                                  .arg(quotedValue(given), quotedValue(kept)));
        }
    return true;
}

bool readGroup(Reader &r, const QJsonObject &root, const QString &group, EditorState &next) {
    const QList<const SettingField *> fields = fieldsOf(group);
    const int rows = rowsOf(group);
    if (rows > 0) {
        if (!root.contains(group))
            return true;
        const QJsonValue v = root.value(group);
        const QJsonArray list = v.toArray();
        if (!v.isArray() || list.size() != rows)
            return r.fail(group, QStringLiteral("must list %1 rows").arg(rows));
        QSet<QString> known{kRowKey};
        for (const SettingField *f : fields)
            known.insert(QLatin1String(f->name));
        for (int k = 0; k < rows; ++k) {
            const QString where =
                QStringLiteral("%1 / %2").arg(group).arg(k + 1, 2, 10, QLatin1Char('0'));
            if (!list.at(k).isObject())
                return r.fail(where, QStringLiteral("must be an object"));
            const QJsonObject row = list.at(k).toObject();
            if (!r.checkKeys(row, where, known))
                return false;
            if (row.contains(kRowKey) && row.value(kRowKey).toDouble() != k + 1)
                return r.fail(where + QLatin1String(" / ") + kRowKey,
                              QStringLiteral("must be %1").arg(k + 1));
            for (const SettingField *f : fields) {
                const QString key = QLatin1String(f->name);
                if (!row.contains(key))
                    continue;
                QString text;
                if (!r.readText(row.value(key), where + QLatin1String(" / ") + key, *f, k, &text))
                    return false;
                setTextValue(*f, next, k, text);
            }
        }
        return true;
    }

    QJsonObject obj;
    if (!r.section(root, group, &obj))
        return false;
    QSet<QString> known;
    for (const SettingField *f : fields)
        known.insert(QLatin1String(f->name));
    if (!r.checkKeys(obj, group, known))
        return false;
    for (const SettingField *f : fields) {
        const QString key = QLatin1String(f->name);
        if (!obj.contains(key))
            continue;
        const QString field = group + QLatin1String(" / ") + key;
        const QJsonValue v = obj.value(key);
        if (!f->isText()) {
            int number = 0;
            if (!r.readNumber(v, field, *f, &number))
                return false;
            setNumberValue(*f, next, number);
        } else if (f->count == 1) {
            QString text;
            if (!r.readText(v, field, *f, 0, &text))
                return false;
            setTextValue(*f, next, 0, text);
        } else {
            const QJsonArray list = v.toArray();
            if (!v.isArray() || list.size() != f->count)
                return r.fail(field, QStringLiteral("must list %1 codes").arg(f->count));
            for (int k = 0; k < f->count; ++k) {
                QString text;
                if (!r.readText(list.at(k), field + QStringLiteral(" / %1").arg(k + 1), *f, k,
                                &text))
                    return false;
                setTextValue(*f, next, k, text);
            }
        }
    }
    return true;
}

QJsonValue groupToJson(const QString &group, const EditorState &state) {
    const QList<const SettingField *> fields = fieldsOf(group);
    const int rows = rowsOf(group);
    if (rows > 0) {
        QJsonArray list;
        for (int k = 0; k < rows; ++k) {
            QJsonObject row{{kRowKey, k + 1}};
            for (const SettingField *f : fields)
                row.insert(QLatin1String(f->name), textValue(*f, state, k));
            list.append(row);
        }
        return list;
    }
    QJsonObject obj;
    for (const SettingField *f : fields) {
        const QString key = QLatin1String(f->name);
        if (!f->isText()) {
            obj.insert(key, numberValue(*f, state));
        } else if (f->count == 1) {
            obj.insert(key, textValue(*f, state));
        } else {
            QJsonArray list;
            for (int k = 0; k < f->count; ++k)
                list.append(textValue(*f, state, k));
            obj.insert(key, list);
        }
    }
    return obj;
}

// The order in which fields are written: the format first, then the
// channels and the settings as the program shows them.
int fieldRank(const QString &key) {
    static const QStringList order = [] {
        QStringList keys{QStringLiteral("format"), QStringLiteral("version"),
                         QStringLiteral("Range"), QStringLiteral("Channels")};
        for (int c = 0; c < kColumnCount; ++c)
            keys << channelKey(c);
        for (const QString &group : settingGroups()) {
            keys << group;
            if (rowsOf(group) > 0)
                keys << kRowKey;
            for (const SettingField *f : fieldsOf(group))
                keys << QLatin1String(f->name);
        }
        return keys;
    }();
    const int i = order.indexOf(key);
    return i < 0 ? order.size() : i;
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
    // The values as the data file keeps them: what a save and an open give.
    EditorState kept = state;
    DecodeImage(kept, EncodeImage(state));

    QJsonObject root;
    root.insert(QLatin1String("format"), QLatin1String(kJsonFormatName));
    root.insert(QLatin1String("version"), kJsonFormatVersion);
    root.insert(QLatin1String("Range"), bandText(kept.bandPosition));
    QJsonArray channels;
    for (int row = 1; row <= kChannelCount; ++row)
        channels.append(channelToJson(kept.channels, row));
    root.insert(QLatin1String("Channels"), channels);
    for (const QString &group : settingGroups())
        root.insert(group, groupToJson(group, kept));
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
    auto finish = [&]() {
        *error = r.error;
        return false;
    };

    QSet<QString> known{QStringLiteral("format"), QStringLiteral("version"),
                        QStringLiteral("Range"), QStringLiteral("Channels")};
    for (const QString &group : settingGroups())
        known.insert(group);
    if (!r.checkKeys(root, QString(), known))
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
        const QJsonValue v = root.value(QLatin1String("Range"));
        const int pos = v.isString() ? bandPositionOfText(v.toString()) : -1;
        if (pos < 0) {
            r.fail(QStringLiteral("Range"),
                   QStringLiteral("%1 is not a frequency range of the radio").arg(quotedJson(v)));
            return finish();
        }
        next.bandPosition = pos;
        next.acceptedBand = pos;
    }

    if (root.contains(QLatin1String("Channels"))) {
        const QJsonValue v = root.value(QLatin1String("Channels"));
        const QJsonArray channels = v.toArray();
        if (!v.isArray() || channels.size() != kChannelCount) {
            r.fail(QStringLiteral("Channels"), QStringLiteral("must list 16 channels"));
            return finish();
        }
        for (int row = 1; row <= kChannelCount; ++row)
            if (!channelFromJson(r, channels.at(row - 1), row, next.language, next.channels))
                return finish();
        if (!channelsSurviveTheImage(r, next))
            return finish();
    }

    for (const QString &group : settingGroups())
        if (!readGroup(r, root, group, next))
            return finish();

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
