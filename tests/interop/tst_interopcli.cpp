// vq740-cli convert with CHIRP CSV files in and out, and vq740-cli print.
#include "chirprows.h"
#include "image/imagecodec.h"
#include "image/jsonform.h"
#include "interop/chirpexport.h"
#include "tests/support/imagebuilder.h"
#include "tests/support/testfiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run {
    int status = -1;
    QString err;
};

Run cli(const QStringList &args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    // English messages unless --lang says otherwise.
    env.remove("LC_ALL");
    env.remove("LC_MESSAGES");
    env.insert("LANG", "C.UTF-8");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VQ740_CLI), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

// The words of a text, in order of their characters: what a search of the
// text finds, whatever the line breaks.
QStringList sortedWords(const QString &text) {
    QStringList words = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    words.sort();
    return words;
}

// The texts of the HTML page's body, each element's apart.
QString htmlText(const QString &html) {
    QString text = html.section("<body>", 1);
    text.replace(QRegularExpression("<[^>]*>"), " ");
    return text.replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&amp;", "&");
}

// The text layer of a PDF as pdftotext reads it; empty when it cannot.
QString pdfText(const QString &pdftotext, const QString &path) {
    QProcess p;
    p.start(pdftotext, {"-layout", "-enc", "UTF-8", path, "-"});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The page count of a PDF written by Qt: the /Count of its page tree.
int pdfPages(const QByteArray &pdf) {
    const QRegularExpression count(QStringLiteral("/Type /Pages[^>]*/Count (\\d+)"));
    const QRegularExpressionMatch m = count.match(QString::fromLatin1(pdf));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
} // namespace

class TestInteropCli : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void importsIntoTheGivenBand_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("channel1");
        QTest::addColumn<QString>("channel2");
        QTest::newRow("136-174 by location") << QStringList{"--band", "136-174MHz"} << "146.52000"
                                             << "";
        QTest::newRow("136-174 in order")
            << QStringList{"--band", "136-174", "--placement", "sequential"} << "146.52000"
            << "160.22000";
    }
    void importsIntoTheGivenBand() {
        QFETCH(QStringList, options);
        QFETCH(QString, channel1);
        QFETCH(QString, channel2);
        writeFile(path("in.csv"),
                  chirpFile({chirpRow(), chirpRow({{"Location", "20"}, {"Frequency", "160.2225"}}),
                             chirpRow({{"Location", "3"}, {"Mode", "AM"}})}));
        const Run run = cli(QStringList{"convert", path("in.csv"), path("out.json")} + options);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains("Line 4: [Mode] mode AM"), qPrintable(run.err));
        EditorState st = startUpState();
        QString error;
        QVERIFY(stateFromJson(readFile(path("out.json")), st, &error));
        QCOMPARE(st.bandPosition, 5);
        QCOMPARE(st.channels.cell(1, ColRxFrequency), channel1);
        QCOMPARE(st.channels.cell(2, ColRxFrequency), channel2);
    }

    void unusableCsvWritesNothing_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("no row fits 400-470")
            << chirpFile({chirpRow()}) << "No row fits the radio in the range 400-470MHz";
        QTest::newRow("not CHIRP") << QByteArray("hello\r\n") << "This is not a CHIRP channel list";
        QTest::newRow("terminal escapes in a value")
            << chirpFile({chirpRow({{"Frequency", "\x1B[31mRED\x1B[0m\a"}})})
            << "Line 2: [Frequency] \"\\x1B[31mRED\\x1B[0m\\x07\" is not a frequency";
    }
    void unusableCsvWritesNothing() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QVERIFY(writeFile(path("in.csv"), file));
        const Run run = cli({"convert", path("in.csv"), path("out.DAT")});
        QCOMPARE(run.status, 4);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!run.err.contains(QChar(0x1B)) && !run.err.contains(QChar(0x07)));
        QVERIFY(!QFile::exists(path("out.DAT")));
    }

    void exportsTheDataFile() {
        QRandomGenerator rng(5);
        const QByteArray image = generatedImage(rng, 0x350);
        QVERIFY(writeFile(path("in.DAT"), image));
        const Run run = cli({"convert", path("in.DAT"), path("out.CSV")});
        QCOMPARE(run.status, 0);
        EditorState st = startUpState();
        QVERIFY(DecodeImage(st, imageFromBytes(image)));
        const ChirpExport expected = exportChirpCsv(st);
        QCOMPARE(readFile(path("out.CSV")), expected.bytes);
        for (const QString &w : expected.warnings + expected.notes)
            QVERIFY2(run.err.contains(w), qPrintable(w));
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("bad placement")
            << QStringList{"convert", "a.csv", "b.dat", "--placement", "random"};
        QTest::newRow("bad band") << QStringList{"convert", "a.csv", "b.dat", "--band",
                                                 "100-200MHz"};
        QTest::newRow("band for a data file")
            << QStringList{"convert", "a.dat", "b.csv", "--band", "136-174"};
        QTest::newRow("print to txt") << QStringList{"print", "a.dat", "b.txt"};
        QTest::newRow("print from csv") << QStringList{"print", "a.csv", "b.pdf"};
    }
    void usageErrors() {
        QFETCH(QStringList, args);
        QCOMPARE(cli(args).status, 64);
    }

    void printsPdfAndHtml_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << "en"
                                 << "VQ-740 Channel List";
        QTest::newRow("Chinese") << "zh"
                                 << "VQ-740 信道表";
    }
    void printsPdfAndHtml() {
        QFETCH(QString, lang);
        QFETCH(QString, title);
        EditorState st = startUpState(1);
        st.channels.setCell(1, ColRxFrequency, "446.00625");
        st.channels.setCell(1, ColTxFrequency, "446.00625");
        st.channels.setCell(1, ColRxTone, "Off");
        st.channels.setCell(1, ColTxTone, "D023N");
        QVERIFY(writeFile(path("in.json"), stateToJson(st)));
        const QDate before = QDate::currentDate();
        Run run = cli({"--lang", lang, "print", path("in.json"), path("out.pdf")});
        QCOMPARE(run.status, 0);
        const QByteArray pdf = readFile(path("out.pdf"));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdfPages(pdf), 1);
        run = cli({"--lang", lang, "print", path("in.json"), path("out.html")});
        QCOMPARE(run.status, 0);
        QString html = QString::fromUtf8(readFile(path("out.html")));
        QVERIFY(html.contains("<h1>" + title + "</h1>"));
        QVERIFY(html.contains("<td align=\"center\">D023N</td>"));

        // The page's text layer holds the document's words character for
        // character (and the page number): every digit, no ligature, no
        // CJK radical for an ideograph, no caption broken inside a word.
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF's text is not compared");
        QString pdfWords = pdfText(pdftotext, path("out.pdf"));
        QString htmlWords = htmlText(html) + " 1";
        // Prints on either side of midnight give the same date here.
        for (QString *text : {&pdfWords, &htmlWords})
            text->replace(QDate::currentDate().toString(Qt::ISODate), before.toString(Qt::ISODate));
        QCOMPARE(sortedWords(pdfWords), sortedWords(htmlWords));

        run = cli({"--lang", lang, "print", path("in.json"), path("out.html"), "--omit-empty"});
        QCOMPARE(run.status, 0);
        html = QString::fromUtf8(readFile(path("out.html")));
        QVERIFY(html.contains("<td align=\"center\">D023N</td>"));
        QVERIFY(!html.contains("<td align=\"center\">02</td>"));
    }

    void printOfAMissingFileFails() {
        const Run run = cli({"print", path("missing.DAT"), path("missing.pdf")});
        QCOMPARE(run.status, 4);
        QVERIFY(!QFile::exists(path("missing.pdf")));
    }

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestInteropCli)
#include "tst_interopcli.moc"
