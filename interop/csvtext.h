// Comma-separated text as spreadsheets and CHIRP write it (RFC 4180 with
// the leniencies of Python's csv module): fields in double quotes may hold
// commas, line ends and doubled quotes; records end with CRLF, LF or a bare
// CR; a byte order mark at the start is skipped.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct CsvRecord {
    QStringList fields; // empty for a blank line
    int fileLine = 0;   // the line of the file the record starts on (from 1)
};

// Splits decoded text into records. A quote inside an unquoted field is an
// ordinary character; text after a closing quote joins the field, as
// Python's reader does. A quoted field left open at the end of the text
// ends there.
QList<CsvRecord> readCsvRecords(const QString &text, QChar separator = QLatin1Char(','));

// One record with minimal quoting: a field is quoted when it holds the
// separator, a quote or a line end, and its quotes are doubled. No line end.
QString csvRecordText(const QStringList &fields, QChar separator = QLatin1Char(','));

enum class CsvEncoding {
    Utf8,
    Utf16LittleEndian,
    Utf16BigEndian,
    CodePage1252,
};

// The text of a file, a leading byte order mark dropped. CHIRP writes
// UTF-8. A file with the byte order mark of UTF-16, as spreadsheets save
// "Unicode text", or whose first characters are ASCII in UTF-16 (every
// second byte zero) is read as UTF-16. Bytes that are not UTF-8 are read as
// Windows code page 1252, as CHIRP for Windows wrote its files before
// 2023. `encoding` tells which.
QString decodeCsvBytes(const QByteArray &bytes, CsvEncoding *encoding = nullptr);
