#include "interop/chirpmemory.h"

#include "model/decimaltext.h"
#include "model/hexhelpers.h"
#include "model/quotedvalue.h"
#include "model/texts.h"
#include "model/tonelist.h"

#include <climits>

using vq740::translate;

namespace {

const QStringList &duplexValues() {
    static const QStringList values = {QString(), QStringLiteral("+"), QStringLiteral("-"),
                                       QStringLiteral("split"), QStringLiteral("off")};
    return values;
}

const QStringList &toneModes() {
    static const QStringList values = {QString(),
                                       QStringLiteral("Tone"),
                                       QStringLiteral("TSQL"),
                                       QStringLiteral("DTCS"),
                                       QStringLiteral("DTCS-R"),
                                       QStringLiteral("TSQL-R"),
                                       QStringLiteral("Cross")};
    return values;
}

const QStringList &polarities() {
    static const QStringList values = {QStringLiteral("NN"), QStringLiteral("NR"),
                                       QStringLiteral("RN"), QStringLiteral("RR")};
    return values;
}

const QStringList &skipValues() {
    static const QStringList values = {QString(), QStringLiteral("S"), QStringLiteral("P")};
    return values;
}

bool isDigits(const QString &text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return true;
}

// Python's int() on a text: blanks around, an optional sign, digits.
bool parseInteger(const QString &text, qint64 *value) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'))) {
        negative = t.startsWith(QLatin1Char('-'));
        t.remove(0, 1);
    }
    if (!isDigits(t) || t.size() > 15)
        return false;
    *value = negative ? -t.toLongLong() : t.toLongLong();
    return true;
}

// A plain decimal number (Python's float() on the forms CHIRP writes):
// blanks around and an optional plus sign are allowed. Gives the number
// without its sign and blanks.
bool parseDecimal(const QString &text, QString *number) {
    QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('+')))
        t.remove(0, 1);
    if (!isDecimalNumber(t))
        return false;
    *number = t;
    return true;
}

QString listText(const QStringList &values) {
    QStringList shown;
    for (const QString &v : values)
        shown << (v.isEmpty() ? QStringLiteral("\"\"") : v);
    return shown.join(QStringLiteral(", "));
}

class RecordParser {
public:
    RecordParser(const ChirpHeader &header, const QStringList &fields, ChirpFieldError *error)
        : m_header(header), m_fields(fields), m_error(error) {}

    bool has(ChirpColumn c) const { return m_header.has(c); }
    QString text(ChirpColumn c) const {
        const int at = m_header.place.value(int(c), -1);
        return at >= 0 && at < m_fields.size() ? m_fields.at(at) : QString();
    }

    bool fail(ChirpColumn c, const QString &message) {
        if (m_error && !m_error->failed()) {
            m_error->column = c;
            m_error->message = QStringLiteral("[%1] %2").arg(chirpHeader().at(int(c)), message);
        }
        return false;
    }

    bool oneOf(ChirpColumn c, const QStringList &values, QString *out) {
        if (!has(c))
            return true;
        const QString v = text(c);
        if (!values.contains(v))
            return fail(c, translate("ChirpImport", "%1 is not one of %2")
                               .arg(quotedValue(v), listText(values)));
        *out = v;
        return true;
    }

    bool frequency(ChirpColumn c, qint64 *out) {
        if (!has(c))
            return true;
        if (!parseChirpFrequency(text(c), out))
            return fail(
                c, translate("ChirpImport", "%1 is not a frequency").arg(quotedValue(text(c))));
        return true;
    }

    bool toneFrequency(ChirpColumn c, QString *out) {
        if (!has(c))
            return true;
        QString number;
        if (!parseDecimal(text(c), &number))
            return fail(c,
                        translate("ChirpImport", "%1 is not a number").arg(quotedValue(text(c))));
        if (compareDecimalText(number, QStringLiteral("50")) <= 0 ||
            compareDecimalText(number, QStringLiteral("300")) >= 0)
            return fail(c, translate("ChirpImport", "%1 is not a tone between 50 and 300 Hz")
                               .arg(shownValue(number)));
        *out = number;
        return true;
    }

    bool dcsCode(ChirpColumn c, int *out) {
        if (!has(c))
            return true;
        qint64 v = 0;
        const QString t = text(c).trimmed();
        if (!parseInteger(t, &v))
            return fail(c,
                        translate("ChirpImport", "%1 is not a number").arg(quotedValue(text(c))));
        const QString digits = QString::number(v);
        bool octal = v >= 0 && v <= 777;
        for (QChar d : digits)
            octal = octal && d.unicode() <= '7';
        if (!octal)
            return fail(c,
                        translate("ChirpImport", "%1 is not a DCS code").arg(quotedValue(text(c))));
        *out = static_cast<int>(v);
        return true;
    }

    bool decimal(ChirpColumn c, QString *out) {
        if (!has(c))
            return true;
        if (!parseDecimal(text(c), out))
            return fail(c,
                        translate("ChirpImport", "%1 is not a number").arg(quotedValue(text(c))));
        return true;
    }

private:
    const ChirpHeader &m_header;
    const QStringList &m_fields;
    ChirpFieldError *m_error;
};

} // namespace

const QStringList &chirpHeader() {
    static const QStringList header =
        QStringLiteral("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                       "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                       "RPT1CALL,RPT2CALL,DVCODE")
            .split(QLatin1Char(','));
    return header;
}

ChirpHeader readChirpHeader(const QStringList &fields) {
    ChirpHeader header;
    header.size = fields.size();
    for (int i = 0; i < fields.size(); ++i) {
        QString name = fields.at(i).trimmed();
        for (QChar q : {QLatin1Char('"'), QLatin1Char('\'')})
            if (name.size() >= 2 && name.startsWith(q) && name.endsWith(q))
                name = name.mid(1, name.size() - 2);
        const int column = chirpHeader().indexOf(name);
        if (column >= 0)
            header.place.insert(column, i);
        else if (!fields.at(i).isEmpty())
            header.unknown << fields.at(i);
    }
    return header;
}

ChirpMemory parseChirpRecord(const ChirpHeader &header, const QStringList &fields,
                             ChirpFieldError *error) {
    ChirpMemory m;
    ChirpFieldError scratch;
    ChirpFieldError *e = error ? error : &scratch;
    RecordParser p(header, fields, e);
    using C = ChirpColumn;

    if (p.has(C::Location)) {
        qint64 v = 0;
        if (p.text(C::Location).trimmed().isEmpty()) {
            p.fail(C::Location, translate("ChirpImport", "is empty"));
            return m;
        }
        if (!parseInteger(p.text(C::Location), &v) || v < INT_MIN || v > INT_MAX) {
            p.fail(C::Location, translate("ChirpImport", "%1 is not a number")
                                    .arg(quotedValue(p.text(C::Location))));
            return m;
        }
        m.location = static_cast<int>(v);
        m.hasLocation = true;
    }
    m.name = p.text(C::Name);
    if (!p.frequency(C::Frequency, &m.frequency) ||
        !p.oneOf(C::Duplex, duplexValues(), &m.duplex) || !p.frequency(C::Offset, &m.offset) ||
        !p.oneOf(C::Tone, toneModes(), &m.tone) || !p.toneFrequency(C::RToneFreq, &m.rToneFreq) ||
        !p.toneFrequency(C::CToneFreq, &m.cToneFreq) || !p.dcsCode(C::DtcsCode, &m.dtcsCode) ||
        !p.oneOf(C::DtcsPolarity, polarities(), &m.dtcsPolarity) ||
        !p.dcsCode(C::RxDtcsCode, &m.rxDtcsCode) ||
        !p.oneOf(C::CrossMode, chirpCrossModes(), &m.crossMode) ||
        !p.oneOf(C::Mode, chirpModes(), &m.mode) || !p.decimal(C::TStep, &m.tStep) ||
        !p.oneOf(C::Skip, skipValues(), &m.skip))
        return m;
    // A file with only one of the two tone columns uses it for both.
    if (p.has(C::RToneFreq) && !p.has(C::CToneFreq))
        m.cToneFreq = m.rToneFreq;
    else if (p.has(C::CToneFreq) && !p.has(C::RToneFreq))
        m.rToneFreq = m.cToneFreq;
    if (p.has(C::Power)) {
        if (!parseChirpPower(p.text(C::Power), &m.powerWatts)) {
            p.fail(C::Power, translate("ChirpImport", "%1 is not a power in watts")
                                 .arg(quotedValue(p.text(C::Power))));
            return m;
        }
        m.hasPower = true;
    }
    m.comment = p.text(C::Comment);
    for (C c : {C::Urcall, C::Rpt1call, C::Rpt2call, C::Dvcode})
        m.dstarFields = m.dstarFields || !p.text(c).trimmed().isEmpty();
    return m;
}

bool parseChirpFrequency(const QString &text, qint64 *hertz) {
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        *hertz = 0;
        return true;
    }
    if (t.endsWith(QLatin1String(" MHz")))
        return parseChirpFrequency(t.section(QLatin1Char(' '), 0, 0), hertz);
    if (t.endsWith(QLatin1String(" kHz"))) {
        qint64 khz = 0;
        if (!parseInteger(t.section(QLatin1Char(' '), 0, 0), &khz))
            return false;
        *hertz = khz * 1000;
        return true;
    }
    const int point = t.indexOf(QLatin1Char('.'));
    if (point < 0) {
        qint64 mhz = 0;
        if (!parseInteger(t, &mhz) || mhz > 1000000 || mhz < -1000000)
            return false;
        *hertz = mhz * 1000000;
        return true;
    }
    const QString whole = t.left(point);
    const QString fraction = t.mid(point + 1);
    if (fraction.size() > 6 || (!fraction.isEmpty() && !isDigits(fraction)))
        return false;
    // The sign belongs to the whole value: "-0.6" is -600000 Hz.
    const bool negative = whole.trimmed().startsWith(QLatin1Char('-'));
    qint64 mhz = 0;
    if (!whole.isEmpty() && (!parseInteger(whole, &mhz) || mhz > 1000000 || mhz < -1000000))
        return false;
    const qint64 sub =
        fraction.isEmpty() ? 0 : fraction.leftJustified(6, QLatin1Char('0')).toLongLong();
    *hertz = negative ? mhz * 1000000 - sub : mhz * 1000000 + sub;
    return true;
}

QString chirpFrequencyText(qint64 hertz) {
    return QStringLiteral("%1.%2")
        .arg(hertz / 1000000)
        .arg(hertz % 1000000, 6, 10, QLatin1Char('0'));
}

bool parseChirpPower(const QString &text, QString *watts) {
    QString t = text.trimmed();
    if (t.endsWith(QLatin1Char('W')) || t.endsWith(QLatin1Char('w')))
        t = t.left(t.size() - 1).trimmed();
    if (!isDecimalNumber(t))
        return false;
    *watts = t;
    return true;
}

const QStringList &chirpModes() {
    static const QStringList modes =
        QStringLiteral("WFM FM NFM AM NAM DV USB LSB CW RTTY DIG PKT NCW NCWR CWR P25 Auto RTTYR "
                       "FSK FSKR DMR DN NXDN")
            .split(QLatin1Char(' '));
    return modes;
}

const QStringList &chirpCrossModes() {
    static const QStringList modes =
        QStringLiteral("Tone->Tone DTCS-> ->DTCS Tone->DTCS DTCS->Tone ->Tone DTCS->DTCS Tone->")
            .split(QLatin1Char(' '));
    return modes;
}

const QStringList &chirpCtcssTones() {
    static const QStringList tones = [] {
        QStringList list = ctcssTones();
        list.replace(list.indexOf(QStringLiteral("199.9")), QStringLiteral("199.5"));
        return list;
    }();
    return tones;
}

const QStringList &chirpDcsCodes() {
    static const QStringList codes = [] {
        QStringList list = dcsCodes();
        list.removeAll(QStringLiteral("645"));
        return list;
    }();
    return codes;
}
