#include "interop/csvtext.h"

#include <QStringDecoder>

#include <algorithm>

namespace {
constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kCr = QLatin1Char('\r');
constexpr QChar kLf = QLatin1Char('\n');

// Characters 0x80-0x9F of code page 1252; the undefined ones stay as they are.
const char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromCp1252(const QByteArray &bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<uchar>(c);
        text +=
            b >= 0x80 && b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar(static_cast<char16_t>(b));
    }
    return text;
}

// UTF-16 by its byte order mark, or by ASCII text in its first 16
// characters (the start of the header): every second byte zero and the
// others not. Utf8 for any other file.
CsvEncoding utf16Of(const QByteArray &bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return CsvEncoding::Utf16LittleEndian;
    if (bytes.startsWith("\xFE\xFF"))
        return CsvEncoding::Utf16BigEndian;
    const qsizetype probe = std::min<qsizetype>(bytes.size(), 32) & ~qsizetype(1);
    if (probe < 4)
        return CsvEncoding::Utf8;
    bool little = true;
    bool big = true;
    for (qsizetype i = 0; i < probe; i += 2) {
        const bool firstZero = bytes.at(i) == 0;
        const bool secondZero = bytes.at(i + 1) == 0;
        little = little && !firstZero && secondZero;
        big = big && firstZero && !secondZero;
    }
    return little ? CsvEncoding::Utf16LittleEndian
           : big  ? CsvEncoding::Utf16BigEndian
                  : CsvEncoding::Utf8;
}
} // namespace

QList<CsvRecord> readCsvRecords(const QString &text, QChar separator) {
    QList<CsvRecord> records;
    int i = 0;
    const int n = text.size();
    if (n > 0 && text.at(0) == QChar(0xFEFF))
        i = 1;
    int line = 1;
    while (i < n) {
        CsvRecord record;
        record.fileLine = line;
        QString field;
        bool fieldStarted = false; // the record has at least one field
        bool quoted = false;       // inside quotes
        for (;;) {
            if (i >= n) {
                if (fieldStarted || !field.isEmpty())
                    record.fields << field;
                break;
            }
            const QChar c = text.at(i);
            if (quoted) {
                if (c == kQuote) {
                    if (i + 1 < n && text.at(i + 1) == kQuote) {
                        field += kQuote;
                        i += 2;
                    } else {
                        quoted = false;
                        ++i;
                    }
                    continue;
                }
                if (c == kLf || (c == kCr && !(i + 1 < n && text.at(i + 1) == kLf)))
                    ++line;
                field += c;
                ++i;
                continue;
            }
            if (c == separator) {
                record.fields << field;
                field.clear();
                fieldStarted = true;
                ++i;
                continue;
            }
            if (c == kCr || c == kLf) {
                if (fieldStarted || !field.isEmpty())
                    record.fields << field;
                i += c == kCr && i + 1 < n && text.at(i + 1) == kLf ? 2 : 1;
                ++line;
                break;
            }
            if (c == kQuote && field.isEmpty()) {
                quoted = true;
                fieldStarted = true;
                ++i;
                continue;
            }
            field += c;
            ++i;
        }
        records << record;
    }
    return records;
}

QString csvRecordText(const QStringList &fields, QChar separator) {
    QStringList out;
    out.reserve(fields.size());
    for (const QString &field : fields) {
        if (field.contains(separator) || field.contains(kQuote) || field.contains(kCr) ||
            field.contains(kLf)) {
            QString quoted = field;
            quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            out << kQuote + quoted + kQuote;
        } else {
            out << field;
        }
    }
    // A record of one empty field is written as "" so that it is not a blank line.
    if (fields.size() == 1 && fields.first().isEmpty())
        return QStringLiteral("\"\"");
    return out.join(separator);
}

QString decodeCsvBytes(const QByteArray &bytes, CsvEncoding *encoding) {
    CsvEncoding found = utf16Of(bytes);
    QString text;
    if (found == CsvEncoding::Utf8) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes);
        if (utf8.hasError()) {
            found = CsvEncoding::CodePage1252;
            text = fromCp1252(bytes);
        }
    } else {
        QStringDecoder utf16(found == CsvEncoding::Utf16LittleEndian ? QStringDecoder::Utf16LE
                                                                     : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        text = utf16.decode(bytes);
    }
    if (!text.isEmpty() && text.at(0) == QChar(0xFEFF))
        text.remove(0, 1);
    if (encoding)
        *encoding = found;
    return text;
}
