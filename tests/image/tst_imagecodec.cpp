#include "tests/support/imagebuilder.h"

#include "image/imagecodec.h"
#include "image/jsonform.h"
#include "model/bcdfrequency.h"
#include "model/layout.h"

#include <QtTest>

namespace {

QString hexAt(const QString &image, int offset, int length) {
    return image.mid(offset * 2, length * 2);
}

// Decodes bytes into a start-up state in the given language.
EditorState decoded(const QByteArray &bytes, qint16 language = 1) {
    EditorState state = startUpState(language);
    if (!DecodeImage(state, imageFromBytes(bytes)))
        qFatal("image was refused");
    return state;
}

QByteArray withBytes(QByteArray image, int offset, const QByteArray &bytes) {
    image.replace(offset, bytes.size(), bytes);
    return image;
}

} // namespace

class TestImageCodec : public QObject {
    Q_OBJECT
private slots:
    void startUpImage_data();
    void startUpImage();
    void channelRecordWorkedExample();
    void toneWords_data();
    void toneWords();
    void frequencyFields_data();
    void frequencyFields();
    void optionBits_data();
    void optionBits();
    void settingsRanges_data();
    void settingsRanges();
    void characterFields_data();
    void characterFields();
    void allFFImage();
    void txFrequencyBlank();
    void bandAndIdentity_data();
    void bandAndIdentity();
    void refusesShortOrMalformedImage_data();
    void refusesShortOrMalformedImage();
    void encodeKeepsSizeWhateverTheEditorHolds_data();
    void encodeKeepsSizeWhateverTheEditorHolds();
    void decodeRestoresGeneratedState();
    void decodeThenEncodeIsStable();
    void radioContentsComeBackByteForByte();
    void decodeLeavesDebugWriteMode();
};

void TestImageCodec::startUpImage_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("hex");
    const QString emptyRecord = QStringLiteral("FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF");
    QTest::newRow("channel 1 empty") << 0x000 << emptyRecord;
    QTest::newRow("channel 16 empty") << 0x0F0 << emptyRecord;
    QTest::newRow("DTMF settings") << 0x100 << "0001000101010000FFFFFFFFFF";
    QTest::newRow("keys PF1 10 PF2 0") << 0x10D << "0A00FF";
    QTest::newRow("ID Code empty") << 0x110 << "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
    QTest::newRow("function settings") << 0x11F << "0106010100040101010101010101FFFFFF";
    QTest::newRow("PTT ID Start Code 1") << 0x130 << "31FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
    QTest::newRow("PTT ID End Code 2") << 0x140 << "32FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
    QTest::newRow("scan settings") << 0x150 << "000101010100000000FF";
    QTest::newRow("scan add none") << 0x16E << "0000FFFFFF";
    QTest::newRow("power levels") << 0x173 << "3FFFFFFFFF00FF";
    QTest::newRow("identity block") << 0x1A8 << "4B3734303333F8FFFF";
    QTest::newRow("auto-dial code 1") << 0x1F0 << "31FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
    QTest::newRow("auto-dial code 8") << 0x260 << "38FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
    QTest::newRow("test frequency 1") << 0x270 << "FFFFFFFFFFFFFFFF";
    QTest::newRow("tail") << 0x32F
                          << "FF51582D37343033FFFFFFFFFF33FFFFFF34373331383235308888888888888888";
}

void TestImageCodec::startUpImage() {
    QFETCH(int, offset);
    QFETCH(QString, hex);
    const QString image = EncodeImage(startUpState());
    QCOMPARE(image.size(), Layout::kImageSize * 2);
    QCOMPARE(hexAt(image, offset, hex.size() / 2), hex);
}

void TestImageCodec::channelRecordWorkedExample() {
    for (qint16 language : {0, 1}) {
        EditorState st = startUpState(language);
        ChannelTable &t = st.channels;
        t.setCell(1, ColRxFrequency, QStringLiteral("146.12500"));
        t.setCell(1, ColTxFrequency, QStringLiteral("146.72500"));
        t.setCell(1, ColRxTone, QStringLiteral("88.5"));
        t.setCell(1, ColTxTone, QStringLiteral("D023N"));
        t.setOption(1, ColPower, 1, language);
        t.setOption(1, ColBclo, 0, language);
        t.setOption(1, ColWn, 1, language);
        t.setOption(1, ColScanAdd, 1, language);
        const QString image = EncodeImage(st);
        QCOMPARE(hexAt(image, 0, 16), QStringLiteral("002561140025671475031328F0F0FCFF"));
        QCOMPARE(hexAt(image, 0x16E, 2), QStringLiteral("0100"));
        EditorState back = startUpState(language);
        QVERIFY(DecodeImage(back, image));
        QVERIFY(back.channels == st.channels);
    }
}

void TestImageCodec::toneWords_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("D754I") << fromHex("ECA9") << "D754I";
    QTest::newRow("D023N") << fromHex("1328") << "D023N";
    QTest::newRow("D023I") << fromHex("13A8") << "D023I";
    QTest::newRow("67.0") << fromHex("9E02") << "67.0";
    QTest::newRow("254.1") << fromHex("ED09") << "254.1";
    QTest::newRow("88.5") << fromHex("7503") << "88.5";
    QTest::newRow("100.0") << fromHex("E803") << "100.0";
    QTest::newRow("typed 100.3") << fromHex("EB03") << "100.3";
    QTest::newRow("Off") << fromHex("FFFF") << "Off";
    // Tones a radio may hold that the tone list lacks read as themselves.
    QTest::newRow("DCS D221N") << fromHex("9128") << "D221N";
    QTest::newRow("DCS code 0") << fromHex("0028") << "D000N";
    QTest::newRow("DCS code 777 inverted") << fromHex("FFA9") << "D777I";
    QTest::newRow("CTCSS 300.0") << fromHex("B80B") << "300.0";
    QTest::newRow("just below 67.0") << fromHex("9D02") << "66.9";
    QTest::newRow("just above 254.1") << fromHex("EE09") << "254.2";
    QTest::newRow("lowest CTCSS word") << fromHex("0001") << "25.6";
    QTest::newRow("highest CTCSS word") << fromHex("FF0F") << "409.5";
    // Words without a text that comes back the same are kept as read.
    QTest::newRow("DCS without bit 11") << fromHex("1320") << "[2013]";
    QTest::newRow("DCS with bits 9 and 10") << fromHex("132E") << "[2E13]";
    QTest::newRow("DCS inverted without bit 11") << fromHex("ECA1") << "[A1EC]";
    QTest::newRow("CTCSS below 1 Hz") << fromHex("0500") << "[0005]";
    QTest::newRow("CTCSS zero") << fromHex("0000") << "[0000]";
    QTest::newRow("CTCSS 10.0 Hz") << fromHex("6400") << "[0064]";
    QTest::newRow("just below the lowest CTCSS word") << fromHex("FF00") << "[00FF]";
    QTest::newRow("four digits before the point") << fromHex("3412") << "[1234]";
    QTest::newRow("largest CTCSS word") << fromHex("FEFF") << "[FFFE]";
}

void TestImageCodec::toneWords() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QByteArray image = startUpImageBytes();
    image = withBytes(image, 0, fromHex("00256114 00256114"));
    image = withBytes(image, 8, bytes + bytes);
    const EditorState st = decoded(image);
    QCOMPARE(st.channels.cell(1, ColRxTone), text);
    QCOMPARE(st.channels.cell(1, ColTxTone), text);
    // Every word is written back as it was read.
    const QByteArray out = bytesFromImage(EncodeImage(st));
    QCOMPARE(out.mid(8, 4).toHex().toUpper(), (bytes + bytes).toHex().toUpper());
}

void TestImageCodec::frequencyFields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex");
    QTest::newRow("146.12500") << "146.12500"
                               << "00256114";
    QTest::newRow("438.00625") << "438.00625"
                               << "25068043";
    QTest::newRow("empty") << ""
                           << "FFFFFFFF";
    QTest::newRow("non-decimal digits kept") << "1A6.1250B"
                                             << "0B25611A";
    QTest::newRow("below 100 MHz by value") << "30.50000"
                                            << "00000503";
    QTest::newRow("zero") << "0.00000"
                          << "00000000";
    QTest::newRow("1000 MHz or more is blank") << "1234.50000"
                                               << "FFFFFFFF";
    QTest::newRow("not a number is blank") << "1.2.3"
                                           << "FFFFFFFF";
}

void TestImageCodec::frequencyFields() {
    QFETCH(QString, text);
    QFETCH(QString, hex);
    QCOMPARE(frequencyBytesOfText(text), hex);
    EditorState st = startUpState();
    st.store.testRx[3] = text;
    const QString image = EncodeImage(st);
    QCOMPARE(image.size(), Layout::kImageSize * 2);
    QCOMPARE(hexAt(image, 0x270 + 3 * 8, 4), hex);
}

void TestImageCodec::optionBits_data() {
    QTest::addColumn<QByteArray>("bytes");  // BCLO byte, power/bandwidth byte
    QTest::addColumn<QStringList>("texts"); // Power, BCLO, W/N in English
    QTest::addColumn<QByteArray>("reencoded");
    QTest::newRow("F0 F0") << fromHex("F0F0") << QStringList{"High", "Off", "Wide"}
                           << fromHex("F0F0");
    QTest::newRow("F8 C0") << fromHex("F8C0") << QStringList{"Low", "Carrier", "Narrow"}
                           << fromHex("F8C0");
    QTest::newRow("F8 D0") << fromHex("F8D0") << QStringList{"Low", "Carrier", "Wide"}
                           << fromHex("F8D0");
    QTest::newRow("F0 E0") << fromHex("F0E0") << QStringList{"High", "Off", "Narrow"}
                           << fromHex("F0E0");
    QTest::newRow("other bits ignored")
        << fromHex("0F2F") << QStringList{"High", "Carrier", "Narrow"} << fromHex("F8E0");
}

void TestImageCodec::optionBits() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, texts);
    QFETCH(QByteArray, reencoded);
    QByteArray image = withBytes(startUpImageBytes(), 0, fromHex("00256114"));
    image = withBytes(image, 12, bytes);
    const EditorState st = decoded(image);
    QCOMPARE(st.channels.cell(1, ColPower), texts.at(0));
    QCOMPARE(st.channels.cell(1, ColBclo), texts.at(1));
    QCOMPARE(st.channels.cell(1, ColWn), texts.at(2));
    QCOMPARE(bytesFromImage(EncodeImage(st)).mid(12, 2), reencoded);
    // Empty option cells encode like Carrier, High and Wide.
    EditorState blank = startUpState();
    blank.channels.setCell(1, ColRxFrequency, QStringLiteral("146.12500"));
    QCOMPARE(hexAt(EncodeImage(blank), 12, 2), QStringLiteral("F8F0"));
}

void TestImageCodec::settingsRanges_data() {
    // A byte at an offset, which setting it should give, and the byte the
    // encoder writes back. Out-of-range bytes keep the start-up value.
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("reencoded");
    auto row = [](const char *name, int offset, const char *hex, const char *field, int value,
                  const char *re) {
        QTest::newRow(name) << offset << fromHex(hex) << QString::fromLatin1(field) << value
                            << fromHex(re);
    };
    row("Time-out Timer 0 gives no selection", 0x120, "00", "timeout", -1, "00");
    row("Time-out Timer 40 is 600 s", 0x120, "28", "timeout", 39, "28");
    row("Time-out Timer 41 ignored", 0x120, "29", "timeout", 5, "06");
    row("Voice Notice 3 ignored", 0x11F, "03", "voice", 1, "01");
    row("Squelch 9", 0x124, "09", "squelch", 9, "09");
    row("Squelch 10 ignored", 0x124, "0A", "squelch", 4, "04");
    row("TOT Pre-Alert 10", 0x121, "0A", "prealert", 10, "0A");
    row("Priority Channel 16", 0x151, "10", "prioch", 16, "10");
    row("Priority Channel 0 ignored", 0x151, "00", "prioch", 1, "01");
    row("Priority Channel 17 ignored", 0x151, "11", "prioch", 1, "01");
    row("First Digit Delay 10", 0x102, "0A", "fdd", 100, "0A");
    row("First Digit Delay 100", 0x102, "64", "fdd", 1000, "64");
    row("First Digit Delay 9 ignored", 0x102, "09", "fdd", 0, "00");
    row("First Digit Delay 101 ignored", 0x102, "65", "fdd", 0, "00");
    row("Look Back Time A FF is Empty", 0x152, "FF", "lbta", 0, "FF");
    row("Look Back Time A 00 is Empty", 0x152, "00", "lbta", 0, "FF");
    row("Look Back Time A 91", 0x152, "5B", "lbta", 91, "5B");
    row("Look Back Time A 92 ignored", 0x152, "5C", "lbta", 1, "01");
    row("Look Back Time B FF is Empty", 0x153, "FF", "lbtb", 0, "FF");
    row("carried digit 35", 0x106, "35", "carried", 5, "35");
    row("carried digit FF", 0x106, "FF", "carried", 0, "00");
    row("carried digit not a digit ignored", 0x106, "41", "carried", 0, "00");
    row("D Key Setting 16", 0x104, "10", "dkey", 16, "10");
    row("D Key Setting 17 ignored", 0x104, "11", "dkey", 1, "01");
    row("PF1 11", 0x10D, "0B", "pf1", 11, "0B");
    row("PF1 12 ignored", 0x10D, "0C", "pf1", 10, "0A");
    row("Duplicate FE", 0x12E, "FE", "dup", 0, "FE");
    row("Duplicate any odd byte", 0x12E, "01", "dup", 1, "FF");
    row("VOX Gain 10", 0x12A, "0A", "voxgain", 10, "0A");
    row("VOX Gain 11 ignored", 0x12A, "0B", "voxgain", 1, "01");
    row("Dropout 300", 0x155, "2C01", "dropout", 300, "2C01");
    row("Dropout 301 ignored", 0x155, "2D01", "dropout", -1, "0000");
    row("TX Dwell 0", 0x157, "0000", "dwell", 0, "0000");
    row("TX high power above 63 kept", 0x173, "C8", "high", 200, "C8");
    row("TX low power 42", 0x178, "2A", "low", 42, "2A");
}

void TestImageCodec::settingsRanges() {
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(QByteArray, reencoded);
    const EditorState st = decoded(withBytes(startUpImageBytes(), offset, bytes));
    const SettingsStore &s = st.store;
    const auto number = [](const QString &t) { return t.isEmpty() ? -1 : t.toInt(); };
    const QMap<QString, int> actual = {
        {"timeout", st.functions.timeoutTimer},
        {"voice", st.functions.voiceNotice},
        {"squelch", st.functions.squelchLevel},
        {"prealert", st.functions.totPreAlert},
        {"prioch", s.priorityChannel},
        {"fdd", s.firstDigitDelay},
        {"lbta", s.lookBackTimeA},
        {"lbtb", s.lookBackTimeB},
        {"carried", s.carriedDigit},
        {"dkey", s.dKeySetting},
        {"pf1", s.pf1},
        {"dup", s.duplicate},
        {"voxgain", s.voxGainLevel},
        {"dropout", number(s.dropoutDelayTime)},
        {"dwell", number(s.txDwellTime)},
        {"high", s.txHighPower},
        {"low", s.txLowPower},
    };
    QVERIFY(actual.contains(field));
    QCOMPARE(actual.value(field), value);
    QCOMPARE(bytesFromImage(EncodeImage(st)).mid(offset, reencoded.size()).toHex().toUpper(),
             reencoded.toHex().toUpper());
}

void TestImageCodec::characterFields_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("reencoded");
    QTest::newRow("ID Code of 3 characters")
        << 0x110 << fromHex("313233FFFFFFFFFFFFFF") << "123" << fromHex("313233FFFFFFFFFFFFFF");
    QTest::newRow("ID Code with a gap")
        << 0x110 << fromHex("41FF42FFFFFFFFFFFF43") << "ABC" << fromHex("414243FFFFFFFFFFFFFF");
    QTest::newRow("auto-dial 3A is 0") << 0x1F0 << fromHex("313A32FFFFFFFFFFFFFFFFFFFFFFFFFF")
                                       << "102" << fromHex("313A32FFFFFFFFFFFFFFFFFFFFFFFFFF");
    QTest::newRow("auto-dial 30 reads 0 too")
        << 0x1F0 << fromHex("30FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF") << "0"
        << fromHex("3AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");
    QTest::newRow("embedded line with a gap")
        << 0x2F0 << fromHex("48FF49") << "HI" << fromHex("4849FF");
    QTest::newRow("embedded Latin-1 byte")
        << 0x2F0 << fromHex("E9") << QString(QChar(0xE9)) << fromHex("E9FF");
}

void TestImageCodec::characterFields() {
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, reencoded);
    const EditorState st = decoded(withBytes(startUpImageBytes(), offset, bytes));
    const QMap<int, QString> actual = {{0x110, st.store.idCode},
                                       {0x1F0, st.store.autoDialMemory[0]},
                                       {0x2F0, st.store.embeddedLine1}};
    QCOMPARE(actual.value(offset), text);
    QCOMPARE(bytesFromImage(EncodeImage(st)).mid(offset, reencoded.size()).toHex().toUpper(),
             reencoded.toHex().toUpper());
}

void TestImageCodec::allFFImage() {
    EditorState before = generatedState(*QRandomGenerator::global(), 1);
    EditorState st = before;
    QVERIFY(DecodeImage(st, QString(Layout::kDecodedSize * 2, QLatin1Char('F'))));
    for (int row = 1; row <= kChannelCount; ++row)
        for (int c = ColRxFrequency; c <= ColScanAdd; ++c)
            QVERIFY(st.channels.cell(row, c).isEmpty());
    QVERIFY(st.functions == before.functions);
    QCOMPARE(st.bandPosition, before.bandPosition);
    QVERIFY(st.store.idCode.isEmpty());
    QVERIFY(st.store.pttIdStartCode.isEmpty());
    QVERIFY(st.store.pttIdEndCode.isEmpty());
    for (const QString &code : st.store.autoDialMemory)
        QVERIFY(code.isEmpty());
    QVERIFY(st.store.embeddedLine1.isEmpty() && st.store.embeddedLine2.isEmpty());
    for (int r = 0; r < kTestFrequencyRows; ++r)
        QVERIFY(st.store.testRx[r].isEmpty() && st.store.testTx[r].isEmpty());
    QCOMPARE(st.store.duplicate, 1);
    QCOMPARE(st.store.lookBackTimeA, 0);
    QCOMPARE(st.store.txHighPower, 255);
    QCOMPARE(EncodeImage(st).size(), Layout::kImageSize * 2);
}

void TestImageCodec::txFrequencyBlank() {
    // Valid RX, TX blank: TX tone FFFF shows nothing, RX tone FFFF shows Off.
    QByteArray image =
        withBytes(startUpImageBytes(), 0, fromHex("00256114 FFFFFFFF FFFF FFFF F0F0"));
    EditorState st = decoded(image, 0);
    QCOMPARE(st.channels.cell(1, ColTxFrequency), QString());
    QCOMPARE(st.channels.cell(1, ColTxTone), QString());
    QCOMPARE(st.channels.cell(1, ColRxTone), QStringLiteral("关闭"));
    QCOMPARE(st.channels.cell(1, ColPower), QStringLiteral("高"));
    // A TX tone other than FFFF is shown even without TX frequency, and kept.
    image = withBytes(image, 10, fromHex("7503"));
    st = decoded(image);
    QCOMPARE(st.channels.cell(1, ColTxTone), QStringLiteral("88.5"));
    QCOMPARE(hexAt(EncodeImage(st), 0, 12), QStringLiteral("00256114FFFFFFFFFFFF7503"));
}

void TestImageCodec::bandAndIdentity_data() {
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("identity");
    QTest::addColumn<QString>("second");
    QTest::newRow("33") << fromHex("33") << 0 << "4B37343033"
                        << "51582D37343033";
    QTest::newRow("21") << fromHex("21") << 1 << "4B37343033"
                        << "51582D37343033";
    QTest::newRow("01 is 136-174") << fromHex("01") << 5 << "4B37343032"
                                   << "51582D37343032";
    QTest::newRow("73 is 600-720") << fromHex("73") << 6 << "4B37343033"
                                   << "51582D37343033";
    QTest::newRow("unknown keeps band") << fromHex("99") << 3 << "4B37343033"
                                        << "51582D37343033";
}

void TestImageCodec::bandAndIdentity() {
    QFETCH(QByteArray, code);
    QFETCH(int, position);
    QFETCH(QString, identity);
    QFETCH(QString, second);
    EditorState st = startUpState();
    st.bandPosition = st.acceptedBand = 3;
    QVERIFY(
        DecodeImage(st, imageFromBytes(withBytes(startUpImageBytes(), Layout::kBandCode, code))));
    QCOMPARE(st.bandPosition, position);
    QCOMPARE(st.acceptedBand, position);
    const QString image = EncodeImage(st);
    QCOMPARE(hexAt(image, 0x1A8, 5), identity);
    QCOMPARE(hexAt(image, 0x330, 7), second);
    QCOMPARE(hexAt(image, 0x1AD, 1), hexAt(image, 0x33C, 1));
}

void TestImageCodec::refusesShortOrMalformedImage_data() {
    QTest::addColumn<QString>("image");
    const QString good = imageFromBytes(startUpImageBytes());
    QTest::newRow("empty") << QString();
    QTest::newRow("one byte short") << good.left(Layout::kDecodedSize * 2 - 2);
    QTest::newRow("lower case") << good.toLower();
    QTest::newRow("not hex") << QString(good).replace(40, 1, QLatin1Char('G'));
}

void TestImageCodec::refusesShortOrMalformedImage() {
    QFETCH(QString, image);
    QRandomGenerator rng(7);
    EditorState st = generatedState(rng, 1);
    const QString before = EncodeImage(st);
    QVERIFY(!DecodeImage(st, image));
    QCOMPARE(EncodeImage(st), before);
}

void TestImageCodec::encodeKeepsSizeWhateverTheEditorHolds_data() {
    QTest::addColumn<QString>("embedded");
    QTest::addColumn<QString>("autoDial");
    QTest::addColumn<QString>("expectLine");
    QTest::newRow("wide characters") << QStringLiteral("中文AB") << "1"
                                     << "3F3F4142FF";
    QTest::newRow("too long") << QString(40, QLatin1Char('x')) << QString(20, QLatin1Char('9'))
                              << QString("78").repeated(5);
}

void TestImageCodec::encodeKeepsSizeWhateverTheEditorHolds() {
    QFETCH(QString, embedded);
    QFETCH(QString, autoDial);
    QFETCH(QString, expectLine);
    EditorState st = startUpState();
    st.store.embeddedLine1 = embedded;
    st.store.idCode = embedded;
    st.store.autoDialMemory[0] = autoDial;
    st.store.dropoutDelayTime = QStringLiteral("99999");
    st.store.txHighPower = 1000;
    st.functions.timeoutTimer = -1;
    st.store.pttId = -1;
    const QString image = EncodeImage(st);
    QCOMPARE(image.size(), Layout::kImageSize * 2);
    QCOMPARE(hexAt(image, 0x2F0, expectLine.size() / 2), expectLine);
    QCOMPARE(hexAt(image, 0x310, 1), QStringLiteral("FF"));
    QCOMPARE(hexAt(image, 0x11A, 5), QStringLiteral("FFFFFFFFFF"));
    QCOMPARE(hexAt(image, 0x155, 2), QStringLiteral("FFFF"));
    QCOMPARE(hexAt(image, 0x173, 1), QStringLiteral("FF"));
    QCOMPARE(hexAt(image, 0x122, 1), QStringLiteral("FF"));
    QCOMPARE(hexAt(image, 0x340, 8), QStringLiteral("3437333138323530"));
}

void TestImageCodec::decodeRestoresGeneratedState() {
    QRandomGenerator rng(2026);
    for (int i = 0; i < 200; ++i) {
        const qint16 language = i % 2;
        const EditorState st = generatedState(rng, language);
        EditorState back = startUpState(language);
        QVERIFY(DecodeImage(back, EncodeImage(st)));
        QVERIFY2(back.channels == st.channels, qPrintable(QString::number(i)));
        QVERIFY2(back.store == st.store, qPrintable(QString::number(i)));
        QVERIFY(back.functions == st.functions);
        QCOMPARE(back.bandPosition, st.bandPosition);
    }
}

void TestImageCodec::decodeThenEncodeIsStable() {
    QRandomGenerator rng(740);
    for (int i = 0; i < 300; ++i) {
        const int length = i % 3 == 0 ? Layout::kRadioImageSize : Layout::kImageSize;
        EditorState st = startUpState(i % 2);
        QVERIFY(DecodeImage(st, imageFromBytes(generatedImage(rng, length))));
        const QString once = EncodeImage(st);
        QCOMPARE(once.size(), Layout::kImageSize * 2);
        // Decoding what was encoded gives the same state again, so saving
        // it a second time gives the same bytes.
        EditorState again = startUpState(i % 2);
        QVERIFY(DecodeImage(again, once));
        QVERIFY2(again.channels == st.channels, qPrintable(QString::number(i)));
        QVERIFY2(again.store == st.store, qPrintable(QString::number(i)));
        QVERIFY(again.functions == st.functions);
        QCOMPARE(again.bandPosition, st.bandPosition);
        QCOMPARE(EncodeImage(again), once);
    }
}

void TestImageCodec::radioContentsComeBackByteForByte() {
    // What a radio may hold, odd tone words included, comes back the same
    // through the editor and through the JSON form.
    QRandomGenerator rng(1818);
    for (int i = 0; i < 300; ++i) {
        const QByteArray bytes = generatedStableImage(rng);
        EditorState st = startUpState(i % 2);
        QVERIFY(DecodeImage(st, imageFromBytes(bytes)));
        QCOMPARE(bytesFromImage(EncodeImage(st)).toHex(), bytes.toHex());
        EditorState back = startUpState(1 - i % 2);
        QString error;
        QVERIFY2(stateFromJson(stateToJson(st), back, &error), qPrintable(error));
        QCOMPARE(bytesFromImage(EncodeImage(back)).toHex(), bytes.toHex());
    }
}

void TestImageCodec::decodeLeavesDebugWriteMode() {
    EditorState st = startUpState();
    st.debugWriteMode = true;
    QVERIFY(DecodeImage(st, EncodeImage(st)));
    QVERIFY(!st.debugWriteMode);
}

QTEST_APPLESS_MAIN(TestImageCodec)
#include "tst_imagecodec.moc"
