#include "tests/support/imagebuilder.h"

#include "image/imagecodec.h"
#include "image/jsonform.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

// Sets a value at a path like "Optional Function|VOX Gain Level" or
// "Channels|3|Power" in a JSON document.
QJsonValue setAt(QJsonValue node, QStringList path, const QJsonValue &value) {
    if (path.isEmpty())
        return value;
    const QString key = path.takeFirst();
    if (node.isArray()) {
        QJsonArray array = node.toArray();
        const int index = key.toInt();
        array[index] = setAt(array.at(index), path, value);
        return array;
    }
    QJsonObject obj = node.toObject();
    obj[key] = setAt(obj.value(key), path, value);
    return obj;
}

QByteArray edited(const QByteArray &json, const QString &path, const QJsonValue &value) {
    const QJsonValue root = setAt(QJsonDocument::fromJson(json).object(), path.split('|'), value);
    return QJsonDocument(root.toObject()).toJson();
}

} // namespace

class TestJsonForm : public QObject {
    Q_OBJECT
private slots:
    void roundTripIsLossless();
    void roundTripOfDecodedOddities();
    void everyAcceptedStateSurvivesTheImage();
    void refusesWhatTheRadioCannotKeep_data();
    void refusesWhatTheRadioCannotKeep();
    void quotesAtMostFortyCharacters_data();
    void quotesAtMostFortyCharacters();
    void languageNeutral();
    void formatAndVersionComeFirst();
    void refusesBadValues_data();
    void refusesBadValues();
    void refusesMalformedDocuments_data();
    void refusesMalformedDocuments();
};

void TestJsonForm::roundTripIsLossless() {
    QRandomGenerator rng(99);
    for (int i = 0; i < 100; ++i) {
        const EditorState st = generatedState(rng, i % 2);
        EditorState back = startUpState(1 - i % 2);
        QString error;
        QVERIFY2(stateFromJson(stateToJson(st), back, &error), qPrintable(error));
        QCOMPARE(EncodeImage(back), EncodeImage(st));
    }
}

void TestJsonForm::roundTripOfDecodedOddities() {
    QRandomGenerator rng(5);
    for (int i = 0; i < 100; ++i) {
        EditorState st = startUpState();
        QVERIFY(DecodeImage(st, imageFromBytes(generatedImage(rng, 0x400))));
        EditorState back = startUpState();
        QString error;
        QVERIFY2(stateFromJson(stateToJson(st), back, &error), qPrintable(error));
        QCOMPARE(EncodeImage(back), EncodeImage(st));
    }
}

void TestJsonForm::everyAcceptedStateSurvivesTheImage() {
    // Whatever the reader accepts comes back the same through a data file:
    // encode, decode onto a fresh start, write the JSON form again.
    QRandomGenerator rng(4242);
    for (int i = 0; i < 200; ++i) {
        const QByteArray json = stateToJson(generatedState(rng, i % 2));
        EditorState accepted = startUpState(1 - i % 2);
        QString error;
        QVERIFY2(stateFromJson(json, accepted, &error), qPrintable(error));
        EditorState back = startUpState(i % 2);
        QVERIFY(DecodeImage(back, EncodeImage(accepted)));
        QCOMPARE(stateToJson(back), json);
    }
}

void TestJsonForm::refusesWhatTheRadioCannotKeep_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("field");
    QTest::newRow("dropout 400 s") << "Optional Function|Dropout delay time" << QJsonValue("400")
                                   << "Optional Function / Dropout delay time";
    QTest::newRow("dropout with leading zero")
        << "Optional Function|Dropout delay time" << QJsonValue("030")
        << "Optional Function / Dropout delay time";
    QTest::newRow("first digit delay 2559")
        << "Optional Function|First Digit Delay" << QJsonValue(2559)
        << "Optional Function / First Digit Delay";
    QTest::newRow("first digit delay 105")
        << "Optional Function|First Digit Delay" << QJsonValue(105)
        << "Optional Function / First Digit Delay";
    QTest::newRow("priority channel 0") << "Optional Function|Priority Channel" << QJsonValue(0)
                                        << "Optional Function / Priority Channel";
    QTest::newRow("carried digit 10") << "Optional Function|carried digit" << QJsonValue(10)
                                      << "Optional Function / carried digit";
    QTest::newRow("auto-dial colon") << "Optional Function|Auto-dial Memory|0" << QJsonValue("1:2")
                                     << "Optional Function / Auto-dial Memory / 1";
    QTest::newRow("keys as text") << "Keys" << QJsonValue("PF1") << "Keys";
    QTest::newRow("debug parameters null")
        << "Debug Parameters" << QJsonValue() << "Debug Parameters";
    QTest::newRow("optional function list")
        << "Optional Function" << QJsonValue(QJsonArray{}) << "Optional Function";
    QTest::newRow("range as number") << "Range" << QJsonValue(400) << "Range";
    QTest::newRow("test frequency 30.50000")
        << "Test Frequency|0|RX Frequency" << QJsonValue("30.50000")
        << "Test Frequency / 01 / RX Frequency";
    QTest::newRow("test frequency FFF.FFFFF")
        << "Test Frequency|0|RX Frequency" << QJsonValue("FFF.FFFFF")
        << "Test Frequency / 01 / RX Frequency";
    for (const char *tone :
         {"D7N", "9999.9", ".5", "88.50", "066.9", "D0231N", "[2813]", "[20G3]", "10.0"})
        QTest::addRow("tone %s", tone)
            << "Channels|0|RX QT/DQT" << QJsonValue(tone) << "Channels / 01 / RX QT/DQT";
    QTest::newRow("TX tone without TX frequency")
        << "Channels|0|TX frequency" << QJsonValue("") << "Channels / 01 / TX QT/DQT";
    QTest::newRow("empty option of a channel in use")
        << "Channels|0|BCLO" << QJsonValue("") << "Channels / 01 / BCLO";
}

void TestJsonForm::refusesWhatTheRadioCannotKeep() {
    QFETCH(QString, path);
    QFETCH(QJsonValue, value);
    QFETCH(QString, field);
    EditorState base = startUpState();
    for (const auto &[c, text] : {std::pair{ColRxFrequency, "446.00625"},
                                  {ColTxFrequency, "446.00625"},
                                  {ColRxTone, "Off"},
                                  {ColTxTone, "Off"}})
        base.channels.setCell(1, c, QLatin1String(text));
    for (int c = ColPower; c <= ColScanAdd; ++c)
        base.channels.setOption(1, c, 1, 1);
    const QByteArray json = edited(stateToJson(base), path, value);
    EditorState st = startUpState();
    const QString before = EncodeImage(st);
    QString error;
    QVERIFY(!stateFromJson(json, st, &error));
    QVERIFY2(error.startsWith(field + QLatin1String(":")), qPrintable(error));
    QCOMPARE(EncodeImage(st), before);
}

void TestJsonForm::quotesAtMostFortyCharacters_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("quoted"); // the value or key as the message quotes it
    const QString longText = QString(39, QLatin1Char('A')) + QStringLiteral("BCDEFGHIJKLMNOP") +
                             QString(200, QLatin1Char('Z'));
    QTest::newRow("long text") << "Optional Function|ID Code" << QJsonValue(longText)
                               << "\"" + longText.left(40) + "...\"";
    const QString longKey(1000000, QLatin1Char('k'));
    QTest::newRow("long unknown key")
        << longKey << QJsonValue(1) << "\"" + longKey.left(40) + "...\"";
    QTest::newRow("long unknown key in a section")
        << "Keys|" + longKey << QJsonValue(1) << "\"" + longKey.left(40) + "...\"";
    const QString smiles = QString(QStringLiteral("😀")).repeated(41);
    QTest::newRow("characters beyond 16 bits count once")
        << "Optional Function|ID Code" << QJsonValue(smiles) << "\"" + smiles.left(80) + "...\"";
    QTest::newRow("terminal escapes")
        << "Optional Function|ID Code" << QJsonValue("\x1B[31mRED\x1B[0m\a\b")
        << "\"\\x1B[31mRED\\x1B[0m\\x07\\x08\"";
    QTest::newRow("NUL, C1, line separator and right-to-left override in a key")
        << QStringLiteral("a\u0000b\u009Bc\u2028d\u202Ee\\") << QJsonValue(1)
        << "\"a\\x00b\\x9Bc\\u2028d\\u202Ee\\\\\"";
}

void TestJsonForm::quotesAtMostFortyCharacters() {
    QFETCH(QString, path);
    QFETCH(QJsonValue, value);
    QFETCH(QString, quoted);
    const QByteArray json = edited(stateToJson(startUpState()), path, value);
    EditorState st = startUpState();
    QString error;
    QVERIFY(!stateFromJson(json, st, &error));
    QVERIFY2(error.contains(quoted), qPrintable(error));
    QVERIFY2(error.size() < 200, qPrintable(error.left(200)));
    for (QChar c : error)
        QVERIFY2(c.category() != QChar::Other_Control && c.category() != QChar::Other_Format &&
                     c.category() != QChar::Separator_Line,
                 qPrintable(error));
}

void TestJsonForm::languageNeutral() {
    EditorState zh = startUpState(0);
    zh.channels.setCell(1, ColRxFrequency, QStringLiteral("146.50000"));
    zh.channels.setCell(1, ColRxTone, QStringLiteral("关闭"));
    for (int c = ColPower; c <= ColScanAdd; ++c)
        zh.channels.setOption(1, c, c % 2, 0);
    EditorState en = zh;
    en.language = 1;
    en.channels.SetGrid1Text(1);
    QCOMPARE(stateToJson(zh), stateToJson(en));
    const QJsonObject ch = QJsonDocument::fromJson(stateToJson(zh))["Channels"][0].toObject();
    QCOMPARE(ch["RX QT/DQT"].toString(), QStringLiteral("Off"));
    QCOMPARE(ch["Power"].toString(), QStringLiteral("High"));
    QCOMPARE(ch["BCLO"].toString(), QStringLiteral("Off"));
}

void TestJsonForm::formatAndVersionComeFirst() {
    const QByteArray json = stateToJson(startUpState());
    QVERIFY2(json.startsWith("{\n    \"format\": \"VQ-740 editor state\",\n    \"version\": 1,\n"),
             json.left(80).constData());
    // Channel fields in the order of the channel table's columns.
    const int rx = json.indexOf("\"RX frequency\"");
    QVERIFY(json.indexOf("\"CH\"") < rx && rx < json.indexOf("\"RX QT/DQT\"") &&
            json.indexOf("\"W/N\"") < json.indexOf("\"Scan Add\""));
}

void TestJsonForm::refusesBadValues_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("field");
    QTest::newRow("frequency out of form")
        << "Channels|0|RX frequency" << QJsonValue("146.1") << "Channels / 01 / RX frequency";
    QTest::newRow("unknown tone") << "Channels|2|TX QT/DQT" << QJsonValue("88.55")
                                  << "Channels / 03 / TX QT/DQT";
    QTest::newRow("DCS digit 8") << "Channels|2|RX QT/DQT" << QJsonValue("D028N")
                                 << "Channels / 03 / RX QT/DQT";
    QTest::newRow("unknown option")
        << "Channels|0|Power" << QJsonValue("Medium") << "Channels / 01 / Power";
    QTest::newRow("index outside list") << "Optional Function|VOX Gain Level" << QJsonValue(11)
                                        << "Optional Function / VOX Gain Level";
    QTest::newRow("negative index") << "Functions Setting|Squelch Level" << QJsonValue(-1)
                                    << "Functions Setting / Squelch Level";
    QTest::newRow("Time-out Timer 40") << "Functions Setting|Time-out Timer" << QJsonValue(40)
                                       << "Functions Setting / Time-out Timer";
    QTest::newRow("not a whole number") << "Keys|PF1" << QJsonValue(1.5) << "Keys / PF1";
    QTest::newRow("text instead of number") << "Keys|PF2" << QJsonValue("3") << "Keys / PF2";
    QTest::newRow("ID Code too long") << "Optional Function|ID Code" << QJsonValue("12345678901")
                                      << "Optional Function / ID Code";
    QTest::newRow("embedded too long")
        << "Embedded Information|Embedded Information line 2" << QJsonValue(QString(33, 'a'))
        << "Embedded Information / Embedded Information line 2";
    QTest::newRow("character wider than a byte")
        << "Embedded Information|Embedded Information line 1" << QJsonValue(QStringLiteral("中"))
        << "Embedded Information / Embedded Information line 1";
    QTest::newRow("auto-dial too long")
        << "Optional Function|Auto-dial Memory|3" << QJsonValue(QString(17, '1'))
        << "Optional Function / Auto-dial Memory / 4";
    QTest::newRow("seconds not a number") << "Optional Function|TX Dwell time" << QJsonValue("1.5")
                                          << "Optional Function / TX Dwell time";
    QTest::newRow("power above a byte") << "Debug Parameters|TX-High Power" << QJsonValue(256)
                                        << "Debug Parameters / TX-High Power";
    QTest::newRow("unknown range") << "Range" << QJsonValue("144-148MHz") << "Range";
    QTest::newRow("test frequency out of form")
        << "Test Frequency|5|TX Frequency" << QJsonValue("30.5")
        << "Test Frequency / 06 / TX Frequency";
    QTest::newRow("misspelt setting")
        << "Optional Function|VOX Gain level" << QJsonValue(1) << "Optional Function";
    QTest::newRow("half-empty channel")
        << "Channels|4|Power" << QJsonValue("High") << "Channels / 05";
}

void TestJsonForm::refusesBadValues() {
    QFETCH(QString, path);
    QFETCH(QJsonValue, value);
    QFETCH(QString, field);
    const QByteArray json = edited(stateToJson(startUpState()), path, value);
    QRandomGenerator rng(3);
    EditorState st = generatedState(rng, 1);
    const QString before = EncodeImage(st);
    QString error;
    QVERIFY(!stateFromJson(json, st, &error));
    QVERIFY2(error.startsWith(field + QLatin1String(":")), qPrintable(error));
    QCOMPARE(EncodeImage(st), before);
}

void TestJsonForm::refusesMalformedDocuments_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("not JSON") << QByteArray("{\"format\": ");
    QTest::newRow("array") << QByteArray("[]");
    QTest::newRow("other format") << QByteArray("{\"format\": \"x\", \"version\": 1}");
    QTest::newRow("other version")
        << QByteArray("{\"format\": \"VQ-740 editor state\", \"version\": 2}");
    QTest::newRow("15 channels") << edited(stateToJson(startUpState()), "Channels", QJsonArray{});
}

void TestJsonForm::refusesMalformedDocuments() {
    QFETCH(QByteArray, json);
    EditorState st = startUpState();
    QString error;
    QVERIFY(!stateFromJson(json, st, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_APPLESS_MAIN(TestJsonForm)
#include "tst_jsonform.moc"
