#include "editor/toneentry.h"
#include "model/channeltable.h"
#include "model/tonelist.h"

#include <QtTest>

namespace {
constexpr qint16 kChinese = 0;
constexpr qint16 kEnglish = 1;

// Channel 3 in use, its RX tone holding `rxTone`.
ChannelTable tableWithRxTone(const QString &rxTone) {
    ChannelTable table;
    table.setCell(3, ColRxFrequency, QStringLiteral("446.00625"));
    table.setCell(3, ColTxFrequency, QStringLiteral("446.00625"));
    table.setCell(3, ColRxTone, rxTone);
    table.setCell(3, ColTxTone, QStringLiteral("Off"));
    return table;
}
} // namespace

class TestToneEntry : public QObject {
    Q_OBJECT
private slots:
    void keyFilter_data();
    void keyFilter();
    void listPositions_data();
    void listPositions();
    void ctcssText_data();
    void ctcssText();
    void typedToneCommit_data();
    void typedToneCommit();
    void dcsAndOffKept_data();
    void dcsAndOffKept();
    void pickWritesEntry_data();
    void pickWritesEntry();
    void pickRefused_data();
    void pickRefused();
    void everyCtcssEntryTypedGivesItsOwnText();
};

void TestToneEntry::keyFilter_data() {
    QTest::addColumn<QChar>("c");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("0") << QChar(QLatin1Char('0')) << true;
    QTest::newRow("9") << QChar(QLatin1Char('9')) << true;
    QTest::newRow("point") << QChar(QLatin1Char('.')) << true;
    QTest::newRow("backspace") << QChar(QLatin1Char('\b')) << true;
    // D, N and I type a DCS code ahead.
    QTest::newRow("D of a DCS code") << QChar(QLatin1Char('D')) << true;
    QTest::newRow("d") << QChar(QLatin1Char('d')) << true;
    QTest::newRow("N") << QChar(QLatin1Char('N')) << true;
    QTest::newRow("i") << QChar(QLatin1Char('i')) << true;
    QTest::newRow("X") << QChar(QLatin1Char('X')) << false;
    QTest::newRow("O of Off") << QChar(QLatin1Char('O')) << false;
    QTest::newRow("comma") << QChar(QLatin1Char(',')) << false;
}

void TestToneEntry::keyFilter() {
    QFETCH(QChar, c);
    QFETCH(bool, accepted);
    QCOMPARE(isToneKey(c), accepted);
}

void TestToneEntry::listPositions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("position");
    QTest::newRow("Off English") << "Off" << int(kEnglish) << 0;
    QTest::newRow("Off Chinese") << "关闭" << int(kChinese) << 0;
    QTest::newRow("Off of the other language") << "Off" << int(kChinese) << -1;
    QTest::newRow("D023I") << "D023I" << int(kEnglish) << 156;
    QTest::newRow("typed 100.3") << "100.3" << int(kEnglish) << -1;
    QTest::newRow("typed 100") << "100" << int(kEnglish) << -1;
}

void TestToneEntry::listPositions() {
    QFETCH(QString, text);
    QFETCH(int, language);
    QFETCH(int, position);
    QCOMPARE(toneListPosition(text, qint16(language)), position);
}

void TestToneEntry::ctcssText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cellText");
    QTest::newRow("88.5") << "88.5"
                          << "88.5";
    QTest::newRow("100") << "100"
                         << "100.0";
    QTest::newRow("67") << "67"
                        << "67.0";
    QTest::newRow("254.1") << "254.1"
                           << "254.1";
    QTest::newRow("100.3 not in the list") << "100.3"
                                           << "100.3";
    QTest::newRow("88.45 rounds half up") << "88.45"
                                          << "88.5";
    QTest::newRow("88.449 rounds down") << "88.449"
                                        << "88.4";
    QTest::newRow("254.05 rounds to the limit") << "254.05"
                                                << "254.1";
    QTest::newRow("leading zeros") << "088.5"
                                   << "88.5";
    QTest::newRow("trailing point") << "100."
                                    << "100.0";
    QTest::newRow("number at the start of 88.5.3") << "88.5.3"
                                                   << "88.5";
    QTest::newRow("66.9 below") << "66.9"
                                << "";
    QTest::newRow("66.99 below though it rounds to 67.0") << "66.99"
                                                          << "";
    QTest::newRow("254.2 above") << "254.2"
                                 << "";
    QTest::newRow("254.11 above though it rounds to 254.1") << "254.11"
                                                            << "";
    QTest::newRow("300 above") << "300"
                               << "";
    QTest::newRow("empty counts as 0") << ""
                                       << "";
    QTest::newRow("lone point counts as 0") << "."
                                            << "";
    QTest::newRow("very long number") << "1000000000000000000000000000"
                                      << "";
}

void TestToneEntry::ctcssText() {
    QFETCH(QString, typed);
    QFETCH(QString, cellText);
    QCOMPARE(ctcssCellText(typed), cellText);
}

void TestToneEntry::typedToneCommit_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("written");
    // Accepted values replace whatever the cell held.
    QTest::newRow("88.5 over Off") << "Off"
                                   << "88.5"
                                   << "88.5" << true;
    QTest::newRow("100 over D023N") << "D023N"
                                    << "100"
                                    << "100.0" << true;
    QTest::newRow("67 over 88.5") << "88.5"
                                  << "67"
                                  << "67.0" << true;
    QTest::newRow("254.1 over Off") << "Off"
                                    << "254.1"
                                    << "254.1" << true;
    QTest::newRow("88.5 over 88.5") << "88.5"
                                    << "88.5"
                                    << "88.5" << true;
    // A DCS code typed ahead: its list entry, normal polarity by default.
    QTest::newRow("D023N over Off") << "Off"
                                    << "D023N"
                                    << "D023N" << true;
    QTest::newRow("d754i over 88.5") << "88.5"
                                     << "d754i"
                                     << "D754I" << true;
    QTest::newRow("D023 is normal") << "D754N"
                                    << "D023"
                                    << "D023N" << true;
    QTest::newRow("D645N, the code CHIRP lacks") << "Off"
                                                 << "D645N"
                                                 << "D645N" << true;
    // Refused values leave it as it was.
    for (const char *before : {"Off", "88.5", "D023N"})
        for (const char *typed :
             {"66.9", "254.2", "300", "", ".", "D7N", "D028N", "D02", "DN", "D0233N"})
            QTest::addRow("%s over %s", typed, before) << before << typed << before << false;
}

void TestToneEntry::typedToneCommit() {
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(bool, written);
    ChannelTable table = tableWithRxTone(before);
    const ToneCommit result =
        commitTone(table, 3, ColRxTone, typed, toneListPosition(typed, kEnglish));
    QCOMPARE(table.cell(3, ColRxTone), after);
    QCOMPARE(result.outcome == ToneOutcome::Written, written);
    QCOMPARE(table.cell(3, ColTxTone), QStringLiteral("Off"));
}

void TestToneEntry::dcsAndOffKept_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("language");
    QTest::newRow("D754N") << "D754N" << int(kEnglish);
    QTest::newRow("D023I") << "D023I" << int(kEnglish);
    QTest::newRow("Off") << "Off" << int(kEnglish);
    QTest::newRow("关闭") << "关闭" << int(kChinese);
}

void TestToneEntry::dcsAndOffKept() {
    // Opening the selector on the cell and leaving it without a change.
    QFETCH(QString, cell);
    QFETCH(int, language);
    ChannelTable table = tableWithRxTone(cell);
    const ChannelTable before = table;
    const ToneCommit result =
        commitTone(table, 3, ColRxTone, cell, toneListPosition(cell, qint16(language)));
    QCOMPARE(int(result.outcome), int(ToneOutcome::Unchanged));
    QVERIFY(table == before);
}

void TestToneEntry::pickWritesEntry_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("D023I for the RX tone") << int(ColRxTone) << 156 << int(kEnglish) << "D023I";
    QTest::newRow("D754N for the TX tone") << int(ColTxTone) << 155 << int(kEnglish) << "D754N";
    QTest::newRow("Off in English") << int(ColRxTone) << 0 << int(kEnglish) << "Off";
    QTest::newRow("Off in Chinese") << int(ColTxTone) << 0 << int(kChinese) << "关闭";
    QTest::newRow("67.0") << int(ColRxTone) << 1 << int(kEnglish) << "67.0";
    QTest::newRow("D754I, the last") << int(ColRxTone) << 260 << int(kChinese) << "D754I";
}

void TestToneEntry::pickWritesEntry() {
    QFETCH(int, column);
    QFETCH(int, position);
    QFETCH(int, language);
    QFETCH(QString, text);
    ChannelTable table = tableWithRxTone(QStringLiteral("88.5"));
    table.setCell(3, ColTxTone, QStringLiteral("100.0"));
    QVERIFY(pickTone(table, 3, column, position, qint16(language)));
    QCOMPARE(table.cell(3, column), text);
    // The focus loss after the pick runs the commit on the picked text and
    // leaves it as it is.
    commitTone(table, 3, column, text, position);
    QCOMPARE(table.cell(3, column), text);
}

void TestToneEntry::pickRefused_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("position");
    QTest::newRow("position -1") << 3 << int(ColRxTone) << -1;
    QTest::newRow("position 261") << 3 << int(ColRxTone) << 261;
    QTest::newRow("frequency column") << 3 << int(ColRxFrequency) << 1;
    QTest::newRow("channel not in use") << 4 << int(ColRxTone) << 1;
    QTest::newRow("row 0") << 0 << int(ColRxTone) << 1;
}

void TestToneEntry::pickRefused() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, position);
    ChannelTable table = tableWithRxTone(QStringLiteral("88.5"));
    const ChannelTable before = table;
    QVERIFY(!pickTone(table, row, column, position, kEnglish));
    QVERIFY(table == before);
    // A typed tone is not written there either (outside the list, the
    // position does not matter to a typed value).
    if (position >= 0 && position < kToneListSize) {
        QCOMPARE(int(commitTone(table, row, column, QStringLiteral("100"), -1).outcome),
                 int(ToneOutcome::Unchanged));
        QVERIFY(table == before);
    }
}

void TestToneEntry::everyCtcssEntryTypedGivesItsOwnText() {
    for (int position = 1; position <= ctcssTones().size(); ++position) {
        const QString entry = toneListEntry(position, kEnglish);
        QCOMPARE(ctcssCellText(entry), entry);
        const QString withoutDecimal =
            entry.endsWith(QLatin1String(".0")) ? entry.chopped(2) : entry;
        QCOMPARE(ctcssCellText(withoutDecimal), entry);
    }
}

QTEST_GUILESS_MAIN(TestToneEntry)
#include "tst_toneentry.moc"
