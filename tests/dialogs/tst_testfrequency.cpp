// The Test Frequency dialog driven through its real grid.
#include "dialogfixture.h"

#include "dialogs/testfrequencydialog.h"
#include "dialogs/testfrequencygrid.h"
#include "image/imagecodec.h"
#include "model/layout.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QModelIndex cell(TestFrequencyGrid *grid, int row, int column) {
    return grid->model()->index(row, column);
}

// Clicks a cell and returns its editor, or null when no edit started.
QLineEdit *clickCell(TestFrequencyGrid *grid, int row, int column) {
    const QRect r = grid->visualRect(cell(grid, row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    return qobject_cast<QLineEdit *>(grid->indexWidget(cell(grid, row, column)));
}

// Types a text into a cell as a user does: click, replace, Enter.
bool typeIntoCell(TestFrequencyGrid *grid, int row, int column, const QString &text) {
    QLineEdit *editor = clickCell(grid, row, column);
    if (!editor)
        return false;
    editor->selectAll();
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The edit is committed once the event loop runs.
    const bool closed =
        QTest::qWaitFor([&] { return !grid->indexWidget(cell(grid, row, column)); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return closed;
}

} // namespace

class TestTestFrequency : public QObject {
    Q_OBJECT
private slots:
    void startUpGrid_data();
    void startUpGrid();
    void editsThroughTheGrid_data();
    void editsThroughTheGrid();
    void txEditRefusedWithoutRx();
    void enterKeepsTheDialogOpen();
    void escapeRevertsTheCellThenCancels();
    void cancelKeepsTypedTextOkStoresIt();
    void closeBoxHidesWithoutStoring();
    void decodeRefreshesTheGrid();
    void typedFrequencyReachesTheImage();
};

void TestTestFrequency::startUpGrid_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Chinese") << 0 << "测试频率" << QStringList{"频道", "接收频率", "发射频率"}
                             << "确定"
                             << "取消";
    QTest::newRow("English") << 1 << "Test Frequency"
                             << QStringList{"Channel", "RX Frequency", "TX Frequency"} << "OK"
                             << "Cancel";
}

void TestTestFrequency::startUpGrid() {
    QFETCH(int, language);
    QFETCH(QString, title);
    QFETCH(QStringList, headers);
    QFETCH(QString, ok);
    QFETCH(QString, cancel);
    DialogFixture f{qint16(language)};
    auto *form = f.find<Form4>("Form4");
    QVERIFY(form);
    QVERIFY(form->isHidden());
    QCOMPARE(form->windowTitle(), title);
    QCOMPARE(form->Command1->text(), ok);
    QCOMPARE(form->Command2->text(), cancel);
    TestFrequencyGrid *grid = form->mfgrid1;
    QCOMPARE(grid->objectName(), QStringLiteral("mfgrid1"));
    QCOMPARE(grid->rowCount(), 16);
    QCOMPARE(grid->columnCount(), 3);
    for (int c = 0; c < 3; ++c)
        QCOMPARE(grid->horizontalHeaderItem(c)->text(), headers.at(c));
    for (int r = 0; r < 16; ++r) {
        QCOMPARE(grid->item(r, 0)->text(), QStringLiteral("%1").arg(r + 1, 2, 10, QChar('0')));
        QVERIFY(grid->item(r, 1)->text().isEmpty());
        QVERIFY(grid->item(r, 2)->text().isEmpty());
    }
}

void TestTestFrequency::editsThroughTheGrid_data() {
    QTest::addColumn<QStringList>("edits"); // "column:text", in order, all on row 3
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::newRow("RX 446.1") << QStringList{"1:446.1"} << "446.10000"
                              << "446.10000";
    QTest::newRow("RX 446.007") << QStringList{"1:446.007"} << "446.00625"
                                << "446.00625";
    QTest::newRow("RX 446.0125") << QStringList{"1:446.0125"} << "446.01250"
                                 << "446.01250";
    QTest::newRow("TX 446.0032 on RX 446.00625")
        << QStringList{"1:446.00625", "2:446.0032"} << "446.00625"
        << "446.00000";
    QTest::newRow("TX 446.0132 on RX 446.01000")
        << QStringList{"1:446.01", "2:446.0132"} << "446.01000"
        << "446.01000";
    QTest::newRow("TX emptied") << QStringList{"1:446.1", "2:"} << "446.10000"
                                << "446.10000";
    QTest::newRow("RX emptied") << QStringList{"1:446.1", "1:"} << ""
                                << "";
    QTest::newRow("RX overwrites TX") << QStringList{"1:446.1", "2:446.2", "1:446.3"} << "446.30000"
                                      << "446.30000";
    QTest::newRow("no band check") << QStringList{"1:30.5"} << "30.50000"
                                   << "30.50000";
    QTest::newRow("not a number") << QStringList{"1:abc"} << "0.00000"
                                  << "0.00000";
    QTest::newRow("1000 MHz keeps the row")
        << QStringList{"1:446.1", "2:446.2", "1:1000"} << "446.10000"
        << "446.20000";
}

void TestTestFrequency::editsThroughTheGrid() {
    QFETCH(QStringList, edits);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    DialogFixture f;
    f.dialogs->showTestFrequency();
    auto *form = f.find<Form4>("Form4");
    QVERIFY(form->isVisible());
    for (const QString &edit : edits) {
        const int column = edit.section(QLatin1Char(':'), 0, 0).toInt();
        QVERIFY2(typeIntoCell(form->mfgrid1, 2, column, edit.section(QLatin1Char(':'), 1)),
                 qPrintable(edit));
    }
    QCOMPARE(form->mfgrid1->item(2, 1)->text(), rx);
    QCOMPARE(form->mfgrid1->item(2, 2)->text(), tx);
}

void TestTestFrequency::txEditRefusedWithoutRx() {
    DialogFixture f;
    f.dialogs->showTestFrequency();
    auto *form = f.find<Form4>("Form4");
    QVERIFY(!clickCell(form->mfgrid1, 5, 2));
    QTest::keyClicks(form->mfgrid1, QStringLiteral("446"));
    QVERIFY(!form->mfgrid1->indexWidget(cell(form->mfgrid1, 5, 2)));
    QVERIFY(form->mfgrid1->item(5, 2)->text().isEmpty());
    // Once the row has an RX frequency, its TX cell can be edited.
    QVERIFY(typeIntoCell(form->mfgrid1, 5, 1, QStringLiteral("446.1")));
    QVERIFY(typeIntoCell(form->mfgrid1, 5, 2, QStringLiteral("446.2")));
    QCOMPARE(form->mfgrid1->item(5, 2)->text(), QStringLiteral("446.20000"));
}

void TestTestFrequency::enterKeepsTheDialogOpen() {
    DialogFixture f;
    f.dialogs->showTestFrequency();
    auto *form = f.find<Form4>("Form4");
    QVERIFY(typeIntoCell(form->mfgrid1, 0, 1, QStringLiteral("446.1")));
    QTest::keyClick(form->mfgrid1, Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(form->isVisible());
    QVERIFY(f.state.store.testRx[0].isEmpty());
}

void TestTestFrequency::escapeRevertsTheCellThenCancels() {
    DialogFixture f;
    f.dialogs->showTestFrequency();
    auto *form = f.find<Form4>("Form4");
    QVERIFY(typeIntoCell(form->mfgrid1, 0, 1, QStringLiteral("446.1")));
    QLineEdit *editor = clickCell(form->mfgrid1, 0, 1);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("150"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(!form->mfgrid1->indexWidget(cell(form->mfgrid1, 0, 1)));
    QVERIFY(form->isVisible());
    QCOMPARE(form->mfgrid1->item(0, 1)->text(), QStringLiteral("446.10000"));
    QTest::keyClick(form->mfgrid1, Qt::Key_Escape);
    QVERIFY(form->isHidden());
    QVERIFY(f.state.store.testRx[0].isEmpty());
}

void TestTestFrequency::cancelKeepsTypedTextOkStoresIt() {
    DialogFixture f;
    f.dialogs->showTestFrequency();
    auto *form = f.find<Form4>("Form4");
    QVERIFY(typeIntoCell(form->mfgrid1, 2, 1, QStringLiteral("446.007")));
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    QVERIFY(form->isHidden());
    QVERIFY(f.state.store.testRx[2].isEmpty());
    QVERIFY(f.state.store.testTx[2].isEmpty());

    f.dialogs->showTestFrequency();
    QCOMPARE(form->mfgrid1->item(2, 1)->text(), QStringLiteral("446.00625"));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QVERIFY(form->isHidden());
    QCOMPARE(f.state.store.testRx[2], QStringLiteral("446.00625"));
    QCOMPARE(f.state.store.testTx[2], QStringLiteral("446.00625"));
    for (int r = 0; r < 16; ++r)
        if (r != 2)
            QVERIFY(f.state.store.testRx[r].isEmpty() && f.state.store.testTx[r].isEmpty());
}

void TestTestFrequency::closeBoxHidesWithoutStoring() {
    DialogFixture f;
    f.dialogs->showTestFrequency();
    auto *form = f.find<Form4>("Form4");
    QVERIFY(typeIntoCell(form->mfgrid1, 0, 1, QStringLiteral("446.1")));
    QVERIFY(!form->close());
    QVERIFY(form->isHidden());
    QVERIFY(f.state.store.testRx[0].isEmpty());
    f.dialogs->showTestFrequency();
    QCOMPARE(form->mfgrid1->item(0, 1)->text(), QStringLiteral("446.10000"));
}

void TestTestFrequency::decodeRefreshesTheGrid() {
    DialogFixture f;
    auto *form = f.find<Form4>("Form4");
    // Row 1: RX 146.12500, TX none; row 16: RX 446.00625, TX 446.10000.
    QByteArray image =
        startUpImageWith(Layout::kTestFrequencies, QByteArray::fromHex("00256114FFFFFFFF"));
    image.replace(Layout::kTestFrequencies + 15 * 8, 8, QByteArray::fromHex("2506604400006144"));
    QVERIFY(f.decode(image));
    QCOMPARE(form->mfgrid1->item(0, 1)->text(), QStringLiteral("146.12500"));
    QCOMPARE(form->mfgrid1->item(0, 2)->text(), QString());
    QCOMPARE(form->mfgrid1->item(15, 1)->text(), QStringLiteral("446.00625"));
    QCOMPARE(form->mfgrid1->item(15, 2)->text(), QStringLiteral("446.10000"));
}

void TestTestFrequency::typedFrequencyReachesTheImage() {
    DialogFixture f;
    f.dialogs->showTestFrequency();
    auto *form = f.find<Form4>("Form4");
    QVERIFY(typeIntoCell(form->mfgrid1, 0, 1, QStringLiteral("30.5")));
    QVERIFY(typeIntoCell(form->mfgrid1, 1, 1, QStringLiteral("446.007")));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    const QByteArray bytes = bytesFromImage(EncodeImage(f.state));
    QCOMPARE(bytes.mid(Layout::kTestFrequencies, 16).toHex().toUpper(),
             QByteArray("00000503000005032506604425066044"));
}

QTEST_MAIN(TestTestFrequency)
#include "tst_testfrequency.moc"
