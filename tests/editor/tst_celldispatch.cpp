#include "editor/celldispatch.h"
#include "editor/optionentry.h"
#include "model/channeltable.h"

#include <QtTest>

namespace {
constexpr qint16 kChinese = 0;
constexpr qint16 kEnglish = 1;

// Channels 1 and 2 in use, with English option texts.
ChannelTable tableInUse() {
    ChannelTable table;
    for (int row : {1, 2}) {
        table.setCell(row, ColRxFrequency, QStringLiteral("446.00625"));
        table.setCell(row, ColTxFrequency, QStringLiteral("446.00625"));
        table.setCell(row, ColRxTone, QStringLiteral("Off"));
        table.setCell(row, ColTxTone, QStringLiteral("Off"));
        table.setOption(row, ColPower, 1, kEnglish);
        table.setOption(row, ColBclo, 0, kEnglish);
        table.setOption(row, ColWn, 1, kEnglish);
        table.setOption(row, ColScanAdd, 1, kEnglish);
    }
    return table;
}
} // namespace

class TestCellDispatch : public QObject {
    Q_OBJECT
private slots:
    void tabStepsAlongTheRow_data();
    void tabStepsAlongTheRow();
    void pickOption_data();
    void pickOption();
    void pickOptionRefused_data();
    void pickOptionRefused();
    void dispatch_data();
    void dispatch();
    void clickWithoutRequestOpensNothing();
    void requestServesOneClick();
};

void TestCellDispatch::pickOption_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("Narrow for channel 2") << int(ColWn) << 0 << int(kEnglish) << "Narrow";
    QTest::newRow("窄带 for channel 2") << int(ColWn) << 0 << int(kChinese) << "窄带";
    QTest::newRow("Low") << int(ColPower) << 0 << int(kEnglish) << "Low";
    QTest::newRow("Carrier") << int(ColBclo) << 1 << int(kEnglish) << "Carrier";
    QTest::newRow("No") << int(ColScanAdd) << 0 << int(kEnglish) << "No";
    QTest::newRow("High again") << int(ColPower) << 1 << int(kEnglish) << "High";
}

void TestCellDispatch::pickOption() {
    QFETCH(int, column);
    QFETCH(int, item);
    QFETCH(int, language);
    QFETCH(QString, text);
    ChannelTable table = tableInUse();
    QVERIFY(::pickOption(table, 2, column, item, qint16(language)));
    QCOMPARE(table.cell(2, column), text);
    QCOMPARE(table.optionIndex(2, column), item);
    // Channel 1 and the other columns of channel 2 stay.
    QCOMPARE(table.cell(1, column), tableInUse().cell(1, column));
    for (int other = ColPower; other <= ColScanAdd; ++other)
        if (other != column)
            QCOMPARE(table.cell(2, other), tableInUse().cell(2, other));
}

void TestCellDispatch::pickOptionRefused_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("item");
    QTest::newRow("item 2") << 2 << int(ColWn) << 2;
    QTest::newRow("item -1") << 2 << int(ColWn) << -1;
    QTest::newRow("tone column") << 2 << int(ColRxTone) << 0;
    QTest::newRow("channel not in use") << 3 << int(ColWn) << 0;
    QTest::newRow("row 17") << 17 << int(ColWn) << 0;
}

void TestCellDispatch::pickOptionRefused() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, item);
    ChannelTable table = tableInUse();
    QVERIFY(!::pickOption(table, row, column, item, kEnglish));
    QVERIFY(table == tableInUse());
}

void TestCellDispatch::dispatch_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("editor");
    QTest::addColumn<int>("targetColumn");
    const int frequency = int(CellEditor::Frequency);
    const int tone = int(CellEditor::Tone);
    const int option = int(CellEditor::Option);
    const int none = int(CellEditor::None);
    // Channels 1 and 2 are in use, channel 4 is not.
    QTest::newRow("RX frequency") << 1 << 1 << frequency << 1;
    QTest::newRow("RX tone") << 1 << 2 << tone << 2;
    QTest::newRow("TX frequency") << 2 << 3 << frequency << 3;
    QTest::newRow("TX tone") << 2 << 4 << tone << 4;
    for (int column = ColPower; column <= ColScanAdd; ++column)
        QTest::addRow("option column %d", column) << 2 << column << option << column;
    QTest::newRow("channel number in use") << 1 << 0 << none << 0;
    for (int column = 0; column < kColumnCount; ++column)
        QTest::addRow("channel 4 not in use, column %d", column) << 4 << column << frequency << 1;
    QTest::newRow("channel 16 not in use, Power") << 16 << 5 << frequency << 1;
}

void TestCellDispatch::dispatch() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, editor);
    QFETCH(int, targetColumn);
    const ChannelTable table = tableInUse();
    OpenRequest request;
    request.set();
    const CellTarget target = dispatchGridClick(table, row, column, request);
    QCOMPARE(int(target.editor), editor);
    QCOMPARE(target.row, row);
    QCOMPARE(target.column, targetColumn);
    QVERIFY(!request.isSet());
}

void TestCellDispatch::clickWithoutRequestOpensNothing() {
    const ChannelTable table = tableInUse();
    OpenRequest request;
    for (int column = 0; column < kColumnCount; ++column)
        QCOMPARE(int(dispatchGridClick(table, 1, column, request).editor), int(CellEditor::None));
    // Cells outside channels 1-16 open nothing and still use up the request.
    for (int row : {0, 17}) {
        request.set();
        QCOMPARE(int(dispatchGridClick(table, row, 1, request).editor), int(CellEditor::None));
        QVERIFY(!request.isSet());
    }
}

void TestCellDispatch::requestServesOneClick() {
    const ChannelTable table = tableInUse();
    OpenRequest request;
    request.set();
    QCOMPARE(int(dispatchGridClick(table, 1, 5, request).editor), int(CellEditor::Option));
    QCOMPARE(int(dispatchGridClick(table, 1, 5, request).editor), int(CellEditor::None));
}

void TestCellDispatch::tabStepsAlongTheRow_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("nextRow");
    QTest::addColumn<int>("nextColumn");
    QTest::newRow("RX frequency to its tone") << 3 << 1 << 1 << 3 << 2;
    QTest::newRow("W/N to Scan Add") << 3 << 7 << 1 << 3 << 8;
    QTest::newRow("Scan Add to the next channel") << 3 << 8 << 1 << 4 << 1;
    QTest::newRow("back from TX frequency") << 3 << 3 << -1 << 3 << 2;
    QTest::newRow("back from RX frequency") << 3 << 1 << -1 << 2 << 8;
    QTest::newRow("last cell of the table stays") << 16 << 8 << 1 << 16 << 8;
    QTest::newRow("first cell of the table stays") << 1 << 1 << -1 << 1 << 1;
    // From the channel number (a channel in use opens no editor there).
    QTest::newRow("channel number onwards") << 5 << 0 << 1 << 5 << 1;
}

void TestCellDispatch::tabStepsAlongTheRow() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, step);
    QFETCH(int, nextRow);
    QFETCH(int, nextColumn);
    const CellTarget next = tabStep(row, column, step);
    QCOMPARE(next.row, nextRow);
    QCOMPARE(next.column, nextColumn);
}

QTEST_GUILESS_MAIN(TestCellDispatch)
#include "tst_celldispatch.moc"
