#include "editor/frequencyentry.h"
#include "model/bands.h"
#include "model/channeltable.h"
#include "model/editorstate.h"
#include "tests/support/recordingmessageport.h"

#include <QLocale>
#include <QtTest>

namespace {
constexpr qint16 kChinese = 0;
constexpr qint16 kEnglish = 1;

BandLimits limitsOf(const QString &range) {
    return bandLimitsOfText(range);
}

// Channel `row` in use with English texts: RX/TX 146.50000, tones 88.5 and
// D023N, Power Low, BCLO Carrier, W/N Narrow, Scan Add No.
void fillChannel(ChannelTable &table, int row) {
    table.setCell(row, ColRxFrequency, QStringLiteral("146.50000"));
    table.setCell(row, ColTxFrequency, QStringLiteral("146.50000"));
    table.setCell(row, ColRxTone, QStringLiteral("88.5"));
    table.setCell(row, ColTxTone, QStringLiteral("D023N"));
    table.setOption(row, ColPower, 0, kEnglish);
    table.setOption(row, ColBclo, 1, kEnglish);
    table.setOption(row, ColWn, 0, kEnglish);
    table.setOption(row, ColScanAdd, 0, kEnglish);
}

QStringList rowCells(const ChannelTable &table, int row) {
    QStringList cells;
    for (int c = 0; c < kColumnCount; ++c)
        cells << table.cell(row, c);
    return cells;
}
} // namespace

class TestFrequencyEntry : public QObject {
    Q_OBJECT
private slots:
    void keyFilter_data();
    void keyFilter();
    void check_data();
    void check();
    void newChannelGetsDefaults_data();
    void newChannelGetsDefaults();
    void existingChannelKeepsTx();
    void decodedChannelWithoutTxGetsDefaults();
    void emptyRxDeletesChannel();
    void emptyTxChangesNothing();
    void notANumberChangesNothing_data();
    void notANumberChangesNothing();
    void outOfBandShowsMessage_data();
    void outOfBandShowsMessage();
    void txNeverStartsAChannel();
    void cellsOutsideFrequencyColumnsUntouched_data();
    void cellsOutsideFrequencyColumnsUntouched();
    void selectedBandOfState();
    void pointIsSeparatorInAnyLocale();
};

void TestFrequencyEntry::keyFilter_data() {
    QTest::addColumn<QChar>("c");
    QTest::addColumn<bool>("accepted");
    for (char d = '0'; d <= '9'; ++d)
        QTest::addRow("digit %c", d) << QChar(QLatin1Char(d)) << true;
    QTest::newRow("point") << QChar(QLatin1Char('.')) << true;
    QTest::newRow("backspace") << QChar(QLatin1Char('\b')) << true;
    QTest::newRow("comma") << QChar(QLatin1Char(',')) << false;
    QTest::newRow("minus") << QChar(QLatin1Char('-')) << false;
    QTest::newRow("letter e") << QChar(QLatin1Char('e')) << false;
    QTest::newRow("blank") << QChar(QLatin1Char(' ')) << false;
    QTest::newRow("carriage return") << QChar(QLatin1Char('\r')) << false;
    QTest::newRow("full-width digit") << QChar(0xFF11) << false;
    QTest::newRow("Arabic-Indic digit") << QChar(0x0661) << false;
}

void TestFrequencyEntry::keyFilter() {
    QFETCH(QChar, c);
    QFETCH(bool, accepted);
    QCOMPARE(isFrequencyKey(c), accepted);
}

void TestFrequencyEntry::check_data() {
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("cellText");

    const int inBand = int(FrequencyCheck::InBand);
    const int outOfBand = int(FrequencyCheck::OutOfBand);
    const int notANumber = int(FrequencyCheck::NotANumber);
    const QString vhf = QStringLiteral("136-174MHz");
    const QString uhf = QStringLiteral("400-470MHz");

    // The worked values of the 136-174 MHz range.
    QTest::newRow("146.1") << vhf << "146.1" << inBand << "146.10000";
    QTest::newRow("146.123 onto 5 kHz") << vhf << "146.123" << inBand << "146.12000";
    QTest::newRow("146.107 onto 6.25 kHz") << vhf << "146.107" << inBand << "146.10625";
    QTest::newRow("146.00625 on the step") << vhf << "146.00625" << inBand << "146.00625";
    QTest::newRow("174 upper limit") << vhf << "174" << inBand << "174.00000";
    QTest::newRow("174.001 above") << vhf << "174.001" << outOfBand << "";
    QTest::newRow("135.9 below") << vhf << "135.9" << outOfBand << "";
    QTest::newRow("136 lower limit") << vhf << "136" << inBand << "136.00000";

    // Limits compared exactly, not after rounding.
    QTest::newRow("400 accepted") << uhf << "400" << inBand << "400.00000";
    QTest::newRow("470 accepted") << uhf << "470" << inBand << "470.00000";
    QTest::newRow("470.00001 refused") << uhf << "470.00001" << outOfBand << "";
    QTest::newRow("470.000004 refused though it rounds to 470")
        << uhf << "470.000004" << outOfBand << "";
    QTest::newRow("399.999996 refused though it rounds to 400")
        << uhf << "399.999996" << outOfBand << "";
    QTest::newRow("469.999996 rounds up to 470") << uhf << "469.999996" << inBand << "470.00000";
    QTest::newRow("470.000000 with zeros") << uhf << "470.000000" << inBand << "470.00000";

    // Rounding to 10 Hz before the snap.
    QTest::newRow("446.006245 rounds to 446.00625") << uhf << "446.006245" << inBand << "446.00625";
    QTest::newRow("446.006244 rounds down, then snaps")
        << uhf << "446.006244" << inBand << "446.00500";
    QTest::newRow("446.00999 snaps down to 6.25 kHz")
        << uhf << "446.00999" << inBand << "446.00625";
    QTest::newRow("446.09999 snaps down by less than 5 kHz")
        << uhf << "446.09999" << inBand << "446.09500";

    // Forms of a number.
    QTest::newRow("trailing point") << uhf << "446." << inBand << "446.00000";
    QTest::newRow("leading zeros") << uhf << "00446.5" << inBand << "446.50000";
    QTest::newRow("point first is below the band") << uhf << ".5" << outOfBand << "";
    QTest::newRow("no 3-digit MHz form: 1000") << uhf << "1000" << outOfBand << "";
    QTest::newRow("no 3-digit MHz form: 45") << uhf << "45" << outOfBand << "";
    QTest::newRow("very long number")
        << uhf << "44612345678901234567890123456789" << outOfBand << "";
    QTest::newRow("very long fraction")
        << uhf << "446.1234567890123456789012345678901" << inBand << "446.12000";
    QTest::newRow("two points") << uhf << "1.2.3" << notANumber << "";
    QTest::newRow("lone point") << uhf << "." << notANumber << "";
    QTest::newRow("empty") << uhf << "" << int(FrequencyCheck::Empty) << "";
    QTest::newRow("letters") << uhf << "446.5a" << notANumber << "";
}

void TestFrequencyEntry::check() {
    QFETCH(QString, range);
    QFETCH(QString, typed);
    QFETCH(int, check);
    QFETCH(QString, cellText);
    QString text;
    QCOMPARE(int(checkFrequencyText(typed, limitsOf(range), &text)), check);
    if (check == int(FrequencyCheck::InBand))
        QCOMPARE(text, cellText);
}

void TestFrequencyEntry::newChannelGetsDefaults_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("English") << int(kEnglish)
                             << QStringList{"07",   "146.50000", "Off",  "146.50000", "Off",
                                            "High", "Off",       "Wide", "Yes"};
    QTest::newRow("Chinese") << int(kChinese)
                             << QStringList{"07", "146.50000", "关闭", "146.50000", "关闭",
                                            "高", "关闭",      "宽带", "有"};
}

void TestFrequencyEntry::newChannelGetsDefaults() {
    QFETCH(int, language);
    QFETCH(QStringList, expected);
    ChannelTable table;
    RecordingMessagePort port;
    const FrequencyCommit result =
        commitFrequency(table, 7, ColRxFrequency, QStringLiteral("146.5"),
                        limitsOf(QStringLiteral("136-174MHz")), qint16(language), &port);
    QCOMPARE(int(result.outcome), int(FrequencyOutcome::Written));
    QVERIFY(result.newChannel);
    QCOMPARE(result.text, QStringLiteral("146.50000"));
    QCOMPARE(rowCells(table, 7), expected);
    QCOMPARE(table.optionIndex(7, ColPower), 1);
    QCOMPARE(table.optionIndex(7, ColBclo), 0);
    QCOMPARE(table.optionIndex(7, ColWn), 1);
    QCOMPARE(table.optionIndex(7, ColScanAdd), 1);
    QVERIFY(port.shown.isEmpty());
    QVERIFY(!table.inUse(6));
    QVERIFY(!table.inUse(8));
}

void TestFrequencyEntry::existingChannelKeepsTx() {
    ChannelTable table;
    const BandLimits vhf = limitsOf(QStringLiteral("136-174MHz"));
    commitFrequency(table, 7, ColRxFrequency, QStringLiteral("146.5"), vhf, kEnglish, nullptr);
    table.setOption(7, ColPower, 0, kEnglish);
    table.setCell(7, ColRxTone, QStringLiteral("88.5"));

    const FrequencyCommit result =
        commitFrequency(table, 7, ColRxFrequency, QStringLiteral("147"), vhf, kEnglish, nullptr);
    QCOMPARE(int(result.outcome), int(FrequencyOutcome::Written));
    QVERIFY(!result.newChannel);
    QCOMPARE(table.cell(7, ColRxFrequency), QStringLiteral("147.00000"));
    QCOMPARE(table.cell(7, ColTxFrequency), QStringLiteral("146.50000"));
    QCOMPARE(table.cell(7, ColRxTone), QStringLiteral("88.5"));
    QCOMPARE(table.cell(7, ColPower), QStringLiteral("Low"));
    QCOMPARE(table.optionIndex(7, ColPower), 0);

    // The TX frequency of a channel in use is written on its own.
    commitFrequency(table, 7, ColTxFrequency, QStringLiteral("150.0031"), vhf, kEnglish, nullptr);
    QCOMPARE(table.cell(7, ColTxFrequency), QStringLiteral("150.00000"));
    QCOMPARE(table.cell(7, ColRxFrequency), QStringLiteral("147.00000"));
}

void TestFrequencyEntry::decodedChannelWithoutTxGetsDefaults() {
    // A channel as decoding leaves it when its TX frequency is empty.
    ChannelTable table;
    fillChannel(table, 3);
    table.setCell(3, ColTxFrequency, QString());
    const FrequencyCommit result =
        commitFrequency(table, 3, ColRxFrequency, QStringLiteral("440.1"),
                        limitsOf(QStringLiteral("400-470MHz")), kEnglish, nullptr);
    QVERIFY(result.newChannel);
    QCOMPARE(rowCells(table, 3), (QStringList{"03", "440.10000", "Off", "440.10000", "Off", "High",
                                              "Off", "Wide", "Yes"}));
    QCOMPARE(table.optionIndex(3, ColBclo), 0);
    QCOMPARE(table.optionIndex(3, ColWn), 1);
}

void TestFrequencyEntry::emptyRxDeletesChannel() {
    ChannelTable table;
    for (int row = 6; row <= 8; ++row)
        fillChannel(table, row);
    const FrequencyCommit result =
        commitFrequency(table, 7, ColRxFrequency, QString(), limitsOf(QStringLiteral("136-174MHz")),
                        kEnglish, nullptr);
    QCOMPARE(int(result.outcome), int(FrequencyOutcome::Cleared));
    QCOMPARE(rowCells(table, 7), (QStringList{"07", "", "", "", "", "", "", "", ""}));
    for (int c = ColPower; c <= ColScanAdd; ++c)
        QCOMPARE(table.optionIndex(7, c), 0);
    QCOMPARE(table.cell(6, ColBclo), QStringLiteral("Carrier"));
    QCOMPARE(table.cell(8, ColRxFrequency), QStringLiteral("146.50000"));
}

void TestFrequencyEntry::emptyTxChangesNothing() {
    ChannelTable table;
    fillChannel(table, 7);
    const ChannelTable before = table;
    const FrequencyCommit result =
        commitFrequency(table, 7, ColTxFrequency, QString(), limitsOf(QStringLiteral("136-174MHz")),
                        kEnglish, nullptr);
    QCOMPARE(int(result.outcome), int(FrequencyOutcome::Unchanged));
    QVERIFY(table == before);
}

void TestFrequencyEntry::notANumberChangesNothing_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::newRow("RX 1.2.3") << int(ColRxFrequency) << "1.2.3";
    QTest::newRow("RX lone point") << int(ColRxFrequency) << ".";
    QTest::newRow("TX 146..5") << int(ColTxFrequency) << "146..5";
    QTest::newRow("TX lone point") << int(ColTxFrequency) << ".";
}

void TestFrequencyEntry::notANumberChangesNothing() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    ChannelTable table;
    fillChannel(table, 2);
    const ChannelTable before = table;
    RecordingMessagePort port;
    const FrequencyCommit result = commitFrequency(
        table, 2, column, typed, limitsOf(QStringLiteral("136-174MHz")), kEnglish, &port);
    QCOMPARE(int(result.outcome), int(FrequencyOutcome::Unchanged));
    QVERIFY(table == before);
    QVERIFY(port.shown.isEmpty());
}

void TestFrequencyEntry::outOfBandShowsMessage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("English RX 174.001") << int(kEnglish) << int(ColRxFrequency) << "174.001"
                                        << "Beyond the frequency range";
    QTest::newRow("Chinese TX 135.9") << int(kChinese) << int(ColTxFrequency) << "135.9"
                                      << "超出频段范围";
    QTest::newRow("flag 2 shows English") << 2 << int(ColRxFrequency) << "446"
                                          << "Beyond the frequency range";
}

void TestFrequencyEntry::outOfBandShowsMessage() {
    QFETCH(int, language);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    ChannelTable table;
    fillChannel(table, 9);
    const ChannelTable before = table;
    RecordingMessagePort port;
    const FrequencyCommit result = commitFrequency(
        table, 9, column, typed, limitsOf(QStringLiteral("136-174MHz")), qint16(language), &port);
    QCOMPARE(int(result.outcome), int(FrequencyOutcome::OutOfBand));
    QVERIFY(table == before);
    QCOMPARE(port.shown.size(), 1);
    QCOMPARE(port.shown.at(0).text, message);
    QCOMPARE(port.shown.at(0).flags, MsgStyle::OkOnly);
    QCOMPARE(port.shown.at(0).title, QString());
}

void TestFrequencyEntry::txNeverStartsAChannel() {
    ChannelTable table;
    const ChannelTable before = table;
    const FrequencyCommit result =
        commitFrequency(table, 4, ColTxFrequency, QStringLiteral("146.5"),
                        limitsOf(QStringLiteral("136-174MHz")), kEnglish, nullptr);
    QCOMPARE(int(result.outcome), int(FrequencyOutcome::Unchanged));
    QVERIFY(table == before);
}

void TestFrequencyEntry::cellsOutsideFrequencyColumnsUntouched_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("tone column") << 5 << int(ColRxTone);
    QTest::newRow("channel number") << 5 << int(ColNumber);
    QTest::newRow("header row") << 0 << int(ColRxFrequency);
    QTest::newRow("row 17") << 17 << int(ColRxFrequency);
}

void TestFrequencyEntry::cellsOutsideFrequencyColumnsUntouched() {
    QFETCH(int, row);
    QFETCH(int, column);
    ChannelTable table;
    fillChannel(table, 5);
    const ChannelTable before = table;
    for (const QString &typed : {QStringLiteral("146.5"), QString()})
        QCOMPARE(int(commitFrequency(table, row, column, typed,
                                     limitsOf(QStringLiteral("136-174MHz")), kEnglish, nullptr)
                         .outcome),
                 int(FrequencyOutcome::Unchanged));
    QVERIFY(table == before);
}

void TestFrequencyEntry::selectedBandOfState() {
    EditorState state;
    state.language = kEnglish;
    RecordingMessagePort port;
    state.bandPosition = bandPositionOfText(QStringLiteral("136-174MHz"));
    QCOMPARE(int(commitFrequency(state, 1, ColRxFrequency, QStringLiteral("446"), &port).outcome),
             int(FrequencyOutcome::OutOfBand));
    state.bandPosition = bandPositionOfText(QStringLiteral("400-470MHz"));
    QCOMPARE(int(commitFrequency(state, 1, ColRxFrequency, QStringLiteral("446"), &port).outcome),
             int(FrequencyOutcome::Written));
    QCOMPARE(state.channels.cell(1, ColPower), QStringLiteral("High"));
    QCOMPARE(port.shown.size(), 1);
}

void TestFrequencyEntry::pointIsSeparatorInAnyLocale() {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QString text;
    const FrequencyCheck check =
        checkFrequencyText(QStringLiteral("446.5"), limitsOf(QStringLiteral("400-470MHz")), &text);
    QLocale::setDefault(saved);
    QCOMPARE(int(check), int(FrequencyCheck::InBand));
    QCOMPARE(text, QStringLiteral("446.50000"));
}

QTEST_GUILESS_MAIN(TestFrequencyEntry)
#include "tst_frequencyentry.moc"
