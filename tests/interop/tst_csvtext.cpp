// The CSV reader and writer: quotes, doubled quotes, separators and line
// ends inside quotes, CRLF / LF / CR, blank lines, byte order mark, and the
// line each record starts on; the text of UTF-8, UTF-16 and code page 1252.
#include "interop/csvtext.h"

#include <QStringEncoder>
#include <QTest>

Q_DECLARE_METATYPE(QList<QStringList>)
Q_DECLARE_METATYPE(CsvEncoding)

class TestCsvText : public QObject {
    Q_OBJECT
private slots:
    void readsRecords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("records");
        QTest::addColumn<QList<int>>("lines");
        using L = QList<QStringList>;
        QTest::newRow("CRLF") << "a,b\r\nc,d\r\n" << L{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2};
        QTest::newRow("LF, no end") << "a,b\nc,d" << L{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2};
        QTest::newRow("bare CR") << "a,b\rc,d\r" << L{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2};
        QTest::newRow("CR CR LF gives blank records")
            << "a,b\r\r\nc,d\r\r\n"
            << L{{"a", "b"}, {}, {"c", "d"}, {}} << QList<int>{1, 2, 3, 4};
        QTest::newRow("BOM") << QString(QChar(0xFEFF)) + "Location,Name\n1,x"
                             << L{{"Location", "Name"}, {"1", "x"}} << QList<int>{1, 2};
        QTest::newRow("quoted comma and quote") << "\"a,b\",\"say \"\"hi\"\"\",c\n"
                                                << L{{"a,b", "say \"hi\"", "c"}} << QList<int>{1};
        QTest::newRow("newline in quotes, next record's line")
            << "1,\"two\r\nlines\",3\r\n4,5,6\r\n"
            << L{{"1", "two\r\nlines", "3"}, {"4", "5", "6"}} << QList<int>{1, 3};
        QTest::newRow("empty fields") << ",,\n" << L{{"", "", ""}} << QList<int>{1};
        QTest::newRow("quote inside an unquoted field") << "ab\"c,d\n"
                                                        << L{{"ab\"c", "d"}} << QList<int>{1};
        QTest::newRow("text after a closing quote joins") << "\"ab\"c,d\n"
                                                          << L{{"abc", "d"}} << QList<int>{1};
        QTest::newRow("open quote runs to the end")
            << "\"ab,c\nd" << L{{"ab,c\nd"}} << QList<int>{1};
        QTest::newRow("quoted empty field") << "\"\"\n" << L{{""}} << QList<int>{1};
        QTest::newRow("nothing") << "" << L{} << QList<int>{};
    }
    void readsRecords() {
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, records);
        QFETCH(QList<int>, lines);
        const QList<CsvRecord> read = readCsvRecords(text);
        QList<QStringList> fields;
        QList<int> starts;
        for (const CsvRecord &r : read) {
            fields << r.fields;
            starts << r.fileLine;
        }
        QCOMPARE(fields, records);
        QCOMPARE(starts, lines);
    }

    void writesMinimalQuoting_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringList{"1", "", "146.520000"} << "1,,146.520000";
        QTest::newRow("comma") << QStringList{"a,b", "c"} << "\"a,b\",c";
        QTest::newRow("quote") << QStringList{"say \"hi\""} << "\"say \"\"hi\"\"\"";
        QTest::newRow("line end") << QStringList{"two\nlines", "x"} << "\"two\nlines\",x";
        QTest::newRow("lone empty field") << QStringList{""} << "\"\"";
    }
    void writesMinimalQuoting() {
        QFETCH(QStringList, fields);
        QFETCH(QString, text);
        QCOMPARE(csvRecordText(fields), text);
        // What is written reads back as it was.
        QCOMPARE(readCsvRecords(text + "\r\n").first().fields, fields);
    }

    void tabSeparated() {
        const QStringList cells = {"01", "146.52000", "Off", "a\tb"};
        const QString text = csvRecordText(cells, QLatin1Char('\t'));
        QCOMPARE(text, QString("01\t146.52000\tOff\t\"a\tb\""));
        QCOMPARE(readCsvRecords(text, QLatin1Char('\t')).first().fields, cells);
    }

    void decodesUtf8Utf16OrCodePage1252_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<CsvEncoding>("encoding");
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xEF\xBB\xBFN\xC3\xA9", 6) << "Né" << CsvEncoding::Utf8;
        // "é" and "€" as Windows CHIRP wrote them before 2023.
        QTest::newRow("code page 1252")
            << QByteArray("N\xE9 \x80", 4) << "Né €" << CsvEncoding::CodePage1252;
        const QString header = "Location,Frequency\r\n1,146.52 €";
        auto utf16 = [&header](QStringConverter::Encoding e, bool bom) {
            QStringEncoder encoder(e, bom ? QStringConverter::Flag::WriteBom
                                          : QStringConverter::Flag::Default);
            return QByteArray(encoder.encode(header));
        };
        QTest::newRow("UTF-16 LE with BOM")
            << utf16(QStringConverter::Utf16LE, true) << header << CsvEncoding::Utf16LittleEndian;
        QTest::newRow("UTF-16 BE with BOM")
            << utf16(QStringConverter::Utf16BE, true) << header << CsvEncoding::Utf16BigEndian;
        QTest::newRow("UTF-16 LE without BOM")
            << utf16(QStringConverter::Utf16LE, false) << header << CsvEncoding::Utf16LittleEndian;
        QTest::newRow("UTF-16 BE without BOM")
            << utf16(QStringConverter::Utf16BE, false) << header << CsvEncoding::Utf16BigEndian;
        QTest::newRow("bytes of a data file")
            << QByteArray("\x00\x00\x65\x14", 4) << QString::fromLatin1("\0\0e\x14", 4)
            << CsvEncoding::Utf8;
    }
    void decodesUtf8Utf16OrCodePage1252() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(CsvEncoding, encoding);
        CsvEncoding found = CsvEncoding::Utf8;
        QCOMPARE(decodeCsvBytes(bytes, &found), text);
        QCOMPARE(found, encoding);
    }
};

QTEST_APPLESS_MAIN(TestCsvText)
#include "tst_csvtext.moc"
