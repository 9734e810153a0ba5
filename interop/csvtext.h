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

// The text of a file in UTF-8 (a leading byte order mark dropped). Bytes
// that are not UTF-8 are read as Windows code page 1252 instead, as CHIRP
// for Windows wrote its files before 2023; `wasUtf8` tells which.
QString decodeCsvBytes(const QByteArray &bytes, bool *wasUtf8 = nullptr);
