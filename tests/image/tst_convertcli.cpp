#include "tests/support/imagebuilder.h"
#include "tests/support/testfiles.h"

#include "image/imagecodec.h"
#include "image/jsonform.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString err;
    QString out;
};

// The tool in an English locale: its messages follow LANG unless --lang
// says otherwise.
Run cli(const QStringList &args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VQ740_CLI), args);
    p.waitForFinished(30000);
    // Windows ends the tool's lines with CR LF: compared as LF.
    const auto text = [](const QByteArray &bytes) {
        return QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    };
    return {p.exitCode(), text(p.readAllStandardError()), text(p.readAllStandardOutput())};
}

} // namespace

class TestConvertCli : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }
    void datToDatIsOpenThenSave_data();
    void datToDatIsOpenThenSave();
    void jsonRoundTripGivesSameBytes();
    void refusesUnusableInput_data();
    void refusesUnusableInput();
    void usageErrors_data();
    void usageErrors();
    void overwritesLongerFileWhole();
    void helpAndVersionOfEveryCommand_data();
    void helpAndVersionOfEveryCommand();
    void chineseMessages();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestConvertCli::datToDatIsOpenThenSave_data() {
    QTest::addColumn<QByteArray>("input");
    QRandomGenerator rng(11);
    QTest::newRow("start-up image") << startUpImageBytes();
    QTest::newRow("all FF 848 bytes") << QByteArray(0x350, '\xFF');
    QTest::newRow("read from a radio, 1024 bytes") << generatedImage(rng, 0x400);
    QTest::newRow("exactly 0x330 bytes") << generatedImage(rng, 0x330);
    QTest::newRow("generated 848 bytes") << generatedImage(rng, 0x350);
}

void TestConvertCli::datToDatIsOpenThenSave() {
    QFETCH(QByteArray, input);
    QVERIFY(writeFile(path("in.DAT"), input));
    const Run run = cli({"convert", path("in.DAT"), path("out.dat")});
    QCOMPARE(run.status, 0);
    // What the program does: start, open (decode), save (encode).
    EditorState st = startUpState();
    QVERIFY(DecodeImage(st, imageFromBytes(input.left(850))));
    const QByteArray expected = bytesFromImage(EncodeImage(st));
    QCOMPARE(readFile(path("out.dat")).size(), 848);
    QCOMPARE(readFile(path("out.dat")).toHex(), expected.toHex());
}

void TestConvertCli::jsonRoundTripGivesSameBytes() {
    QRandomGenerator rng(12);
    for (int i = 0; i < 5; ++i) {
        QVERIFY(writeFile(path("in.dat"), generatedImage(rng, 0x400)));
        QCOMPARE(cli({"convert", path("in.dat"), path("direct.dat")}).status, 0);
        QCOMPARE(cli({"convert", path("in.dat"), path("state.JSON")}).status, 0);
        QCOMPARE(cli({"convert", path("state.JSON"), path("back.dat")}).status, 0);
        QCOMPARE(cli({"convert", path("state.JSON"), path("again.json")}).status, 0);
        QCOMPARE(readFile(path("back.dat")), readFile(path("direct.dat")));
        QCOMPARE(readFile(path("again.json")), readFile(path("state.JSON")));
    }
}

void TestConvertCli::refusesUnusableInput_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("short data file") << "short.dat" << QByteArray(0x32F, '\xFF') << "too short";
    QTest::newRow("empty data file") << "empty.dat" << QByteArray() << "too short";
    QTest::newRow("missing file") << "" << QByteArray() << "cannot be read";
    QByteArray bad = stateToJson(startUpState());
    bad.replace("\"VOX Gain Level\": 1", "\"VOX Gain Level\": 12");
    QTest::newRow("json index outside list") << "bad.json" << bad << "VOX Gain Level";
    QTest::newRow("not json") << "x.json" << QByteArray("hello") << "not valid JSON";
    // Values the data file cannot keep are refused rather than lost.
    const QJsonObject start = QJsonDocument::fromJson(stateToJson(startUpState())).object();
    auto with = [&start](const char *section, const char *key, const QJsonValue &v) {
        QJsonObject root = start;
        if (!key) {
            root[QLatin1String(section)] = v;
        } else {
            QJsonObject inner = root[QLatin1String(section)].toObject();
            inner[QLatin1String(key)] = v;
            root[QLatin1String(section)] = inner;
        }
        return QJsonDocument(root).toJson();
    };
    QTest::newRow("dropout 400 s")
        << "a.json" << with("Optional Function", "Dropout delay time", "400")
        << "Dropout delay time";
    QTest::newRow("first digit delay 2559")
        << "b.json" << with("Optional Function", "First Digit Delay", 2559) << "First Digit Delay";
    QTest::newRow("keys as text") << "c.json" << with("Keys", nullptr, "PF1")
                                  << "Keys: must be an object";
    QTest::newRow("debug parameters null")
        << "d.json" << with("Debug Parameters", nullptr, QJsonValue()) << "Debug Parameters";
}

void TestConvertCli::refusesUnusableInput() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString in = name.isEmpty() ? path("missing.dat") : path(name);
    if (!name.isEmpty())
        QVERIFY(writeFile(in, content));
    for (const char *out : {"out.dat", "out.json", "in-place.dat"}) {
        const Run run = cli({"convert", in, path(out)});
        QCOMPARE(run.status, 4);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(path(out)));
    }
}

void TestConvertCli::usageErrors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no command") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"frobnicate"};
    QTest::newRow("one file") << QStringList{"convert", "a.dat"};
    QTest::newRow("unknown extension") << QStringList{"convert", "a.dat", "b.txt"};
    QTest::newRow("bad language") << QStringList{"--lang", "fr", "convert", "a.dat", "b.dat"};
    QTest::newRow("bad language after the command")
        << QStringList{"convert", "a.dat", "b.dat", "--lang=fr"};
    QTest::newRow("unknown option") << QStringList{"convert", "--fast", "a.dat", "b.dat"};
    QTest::newRow("option before the command") << QStringList{"--port", "COM1", "read"};
}

void TestConvertCli::usageErrors() {
    QFETCH(QStringList, args);
    QCOMPARE(cli(args).status, 64);
}

void TestConvertCli::helpAndVersionOfEveryCommand_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    QTest::newRow("version") << QStringList{"--version"} << "vq740-cli 1.20\n";
    QTest::newRow("help") << QStringList{"--help"} << "Commands:";
    for (const char *command : {"convert", "read", "write"}) {
        QTest::addRow("%s --help", command)
            << QStringList{command, "--help"}
            << QStringLiteral("Usage: vq740-cli %1 ").arg(QLatin1String(command));
        QTest::addRow("%s --version", command)
            << QStringList{"--lang", "zh", command, "--version"} << "vq740-cli 1.20\n";
    }
}

void TestConvertCli::helpAndVersionOfEveryCommand() {
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    const Run run = cli(args);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains(expected), qPrintable(run.out));
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
}

void TestConvertCli::overwritesLongerFileWhole() {
    QVERIFY(writeFile(path("in.dat"), startUpImageBytes()));
    QVERIFY(writeFile(path("out.dat"), QByteArray(4000, 'x')));
    QCOMPARE(cli({"convert", path("in.dat"), path("out.dat")}).status, 0);
    QCOMPARE(readFile(path("out.dat")), startUpImageBytes());
}

void TestConvertCli::chineseMessages() {
    QVERIFY(writeFile(path("short.dat"), QByteArray(10, 'x')));
    const Run run = cli({"--lang", "zh", "convert", path("short.dat"), path("o.dat")});
    QCOMPARE(run.status, 4);
    QVERIFY2(run.err.contains(QStringLiteral("太短")), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestConvertCli)
#include "tst_convertcli.moc"
