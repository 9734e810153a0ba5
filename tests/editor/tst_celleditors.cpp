// The in-place editors driven as a user drives them: keys and focus changes
// through QTest, on a plain widget standing in for the grid.
#include "editor/celleditors.h"
#include "editor/frequencyeditor.h"
#include "editor/optionselectors.h"
#include "editor/toneselector.h"
#include "model/channeltable.h"
#include "model/editorstate.h"
#include "tests/support/recordingmessageport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
constexpr qint16 kChinese = 0;
constexpr qint16 kEnglish = 1;
const int kWidths[kColumnCount] = {33, 89, 67, 89, 67, 53, 57, 67, 60};
constexpr int kRowHeight = 20;

// Cell rectangles of the stand-in grid: a header row, then 16 channel rows.
QRect cellRect(int row, int column) {
    int x = 0;
    for (int c = 0; c < column; ++c)
        x += kWidths[c];
    return QRect(x, row * kRowHeight, kWidths[column], kRowHeight);
}
} // namespace

class TestCellEditors : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void frequencyKeyFilter_data();
    void frequencyKeyFilter();
    void frequencyPasteAndInputMethodFiltered();
    void frequencyContextMenuPasteFiltered();
    void enterCommitsNewChannel();
    void focusLossCommits();
    void escapeLeavesCell();
    void backspaceThenEnterDeletesChannel();
    void outOfBandMessageShownOnce_data();
    void outOfBandMessageShownOnce();

    void toneListEntries();
    void toneTypedWhileListIsDown();
    void toneLettersNeverAppear();
    void toneTypeAhead_data();
    void toneTypeAhead();
    void tonePickWritesAtOnce();
    void toneFocusLossCommits_data();
    void toneFocusLossCommits();
    void toneEscapeLeavesCell();
    void toneArrowKeysOpenTheList();

    void optionSelectorItems();
    void optionOpenSelectsIndexWithoutCommit();
    void optionPickCommits();
    void optionFocusLossWritesNothing();
    void optionEnterPicksShownItem();

    void clickWithoutRequestOpensNothing();
    void clickOnEmptyChannelOpensRxFrequency();
    void clickOnChannelNumberOpensNothing();
    void clickElsewhereCommitsOpenEditor();
    void retranslateKeepsCountAndSelection();
    void wholeChannelFromTheKeyboard();

private:
    // Channel 2 in use: 446.00625 both ways, tones Off / D754N, High, Off,
    // Wide, Yes.
    void fillChannel2();
    // The grid click on a cell after a left press.
    void click(int row, int column) {
        m_editors->requestOpen();
        m_editors->gridClick(row, column);
    }
    QWidget *focused() const { return QApplication::focusWidget(); }
    void typeInto(const QString &keys) { QTest::keyClicks(focused(), keys); }
    void press(Qt::Key key) { QTest::keyClick(focused(), key); }

    std::unique_ptr<QWidget> m_window;
    QWidget *m_grid = nullptr;
    QLineEdit *m_other = nullptr; // another control of the window
    EditorState m_state;
    RecordingMessagePort m_port;
    CellEditors *m_editors = nullptr;
};

void TestCellEditors::init() {
    m_state = EditorState();
    m_state.language = kEnglish;
    m_state.bandPosition = 0; // 400-470MHz
    m_port = RecordingMessagePort();
    m_window = std::make_unique<QWidget>();
    m_window->resize(700, 420);
    m_grid = new QWidget(m_window.get());
    m_grid->setObjectName(QStringLiteral("Grid1"));
    m_grid->setFocusPolicy(Qt::StrongFocus);
    m_grid->setGeometry(0, 0, 560, 17 * kRowHeight);
    m_other = new QLineEdit(m_window.get());
    m_other->setGeometry(0, 380, 200, 24);
    m_editors = new CellEditors(m_state, &m_port, m_grid, cellRect, m_grid);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_grid->setFocus();
}

void TestCellEditors::cleanup() {
    m_window.reset();
}

void TestCellEditors::fillChannel2() {
    ChannelTable &t = m_state.channels;
    t.setCell(2, ColRxFrequency, QStringLiteral("446.00625"));
    t.setCell(2, ColTxFrequency, QStringLiteral("446.00625"));
    t.setCell(2, ColRxTone, QStringLiteral("Off"));
    t.setCell(2, ColTxTone, QStringLiteral("D754N"));
    t.setOption(2, ColPower, 1, kEnglish);
    t.setOption(2, ColBclo, 0, kEnglish);
    t.setOption(2, ColWn, 1, kEnglish);
    t.setOption(2, ColScanAdd, 1, kEnglish);
}

void TestCellEditors::frequencyKeyFilter_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits and point") << "446.5"
                                      << "446.5";
    QTest::newRow("letters never appear") << "4a4b6.c5MHz"
                                          << "446.5";
    QTest::newRow("minus, comma and blank") << "-446,5 "
                                            << "4465";
    QTest::newRow("two points are typed") << "1.2.3"
                                          << "1.2.3";
}

void TestCellEditors::frequencyKeyFilter() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    click(5, ColRxFrequency);
    FrequencyEditor *text1 = m_editors->Text1();
    QCOMPARE(focused(), text1);
    typeInto(keys);
    QCOMPARE(text1->text(), shown);
}

void TestCellEditors::frequencyPasteAndInputMethodFiltered() {
    click(5, ColRxFrequency);
    FrequencyEditor *text1 = m_editors->Text1();
    QGuiApplication::clipboard()->setText(QStringLiteral("446.5 MHz"));
    QTest::keySequence(text1, QKeySequence::Paste);
    QCOMPARE(text1->text(), QStringLiteral("446.5"));

    text1->clear();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("4４6.5x")); // a full-width digit and a letter
    QApplication::sendEvent(text1, &commit);
    QCOMPARE(text1->text(), QStringLiteral("46.5"));
}

void TestCellEditors::frequencyContextMenuPasteFiltered() {
    click(5, ColRxFrequency);
    FrequencyEditor *text1 = m_editors->Text1();
    typeInto(QStringLiteral("44"));
    QGuiApplication::clipboard()->setText(QStringLiteral("x0.1 MHz"));
    bool pasted = false;
    // The menu pops up; its Paste command is chosen once it is shown.
    QTimer::singleShot(0, this, [&pasted] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith(QLatin1String("&Paste"))) {
                action->trigger();
                pasted = true;
            }
        }
        menu->close();
    });
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                text1->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(text1, &menuEvent);
    QTRY_VERIFY(pasted);
    QCOMPARE(text1->text(), QStringLiteral("440.1"));
    // The menu did not end the editing.
    QVERIFY(text1->isOpen());
    QVERIFY(text1->isVisible());
}

void TestCellEditors::enterCommitsNewChannel() {
    QSignalSpy changed(m_editors, &CellEditors::channelChanged);
    QSignalSpy finished(m_editors, &CellEditors::finished);
    click(7, ColRxFrequency);
    FrequencyEditor *text1 = m_editors->Text1();
    QVERIFY(text1->isVisible());
    QCOMPARE(text1->geometry(), cellRect(7, ColRxFrequency));
    typeInto(QStringLiteral("446.107"));
    press(Qt::Key_Return);
    QVERIFY(!text1->isVisible());
    QCOMPARE(focused(), m_grid);
    QCOMPARE(m_state.channels.cell(7, ColRxFrequency), QStringLiteral("446.10625"));
    QCOMPARE(m_state.channels.cell(7, ColTxFrequency), QStringLiteral("446.10625"));
    QCOMPARE(m_state.channels.cell(7, ColScanAdd), QStringLiteral("Yes"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 7);
    QCOMPARE(finished.count(), 1);
    QVERIFY(m_port.shown.isEmpty());
}

void TestCellEditors::focusLossCommits() {
    fillChannel2();
    click(2, ColTxFrequency);
    FrequencyEditor *text1 = m_editors->Text1();
    QCOMPARE(text1->text(), QStringLiteral("446.00625"));
    QCOMPARE(text1->selectedText(), text1->text()); // typing replaces it
    typeInto(QStringLiteral("440"));
    m_other->setFocus();
    QVERIFY(!text1->isVisible());
    QCOMPARE(m_state.channels.cell(2, ColTxFrequency), QStringLiteral("440.00000"));
    QCOMPARE(m_state.channels.cell(2, ColRxFrequency), QStringLiteral("446.00625"));
    QCOMPARE(focused(), m_other);
}

void TestCellEditors::escapeLeavesCell() {
    fillChannel2();
    const ChannelTable before = m_state.channels;
    QSignalSpy changed(m_editors, &CellEditors::channelChanged);
    click(2, ColRxFrequency);
    typeInto(QStringLiteral("447"));
    press(Qt::Key_Escape);
    QVERIFY(!m_editors->Text1()->isVisible());
    QCOMPARE(focused(), m_grid);
    QVERIFY(m_state.channels == before);
    QCOMPARE(changed.count(), 0);
}

void TestCellEditors::backspaceThenEnterDeletesChannel() {
    fillChannel2();
    click(2, ColRxFrequency);
    press(Qt::Key_Backspace); // the whole text is selected
    QCOMPARE(m_editors->Text1()->text(), QString());
    press(Qt::Key_Enter);
    QVERIFY(!m_state.channels.inUse(2));
    QCOMPARE(m_state.channels.cell(2, ColTxTone), QString());
}

void TestCellEditors::outOfBandMessageShownOnce_data() {
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("Enter") << true;
    QTest::newRow("focus loss") << false;
}

void TestCellEditors::outOfBandMessageShownOnce() {
    QFETCH(bool, byEnter);
    fillChannel2();
    const ChannelTable before = m_state.channels;
    click(2, ColRxFrequency);
    typeInto(QStringLiteral("470.00001"));
    if (byEnter)
        press(Qt::Key_Return);
    else
        m_other->setFocus();
    QCOMPARE(m_port.shown.size(), 1);
    QCOMPARE(m_port.shown.at(0).text, QStringLiteral("Beyond the frequency range"));
    QCOMPARE(m_port.shown.at(0).flags, MsgStyle::OkOnly);
    QCOMPARE(m_port.shown.at(0).title, QString());
    QVERIFY(m_state.channels == before);
    QVERIFY(!m_editors->Text1()->isVisible());
    QCOMPARE(focused(), m_grid);
}

void TestCellEditors::toneListEntries() {
    ToneSelector *combo8 = m_editors->Combo8();
    QCOMPARE(combo8->objectName(), QStringLiteral("Combo8"));
    QCOMPARE(combo8->count(), 261);
    QCOMPARE(combo8->itemText(0), QStringLiteral("Off"));
    QCOMPARE(combo8->itemText(1), QStringLiteral("67.0"));
    QCOMPARE(combo8->itemText(50), QStringLiteral("254.1"));
    QCOMPARE(combo8->itemText(51), QStringLiteral("D023N"));
    QCOMPARE(combo8->itemText(155), QStringLiteral("D754N"));
    QCOMPARE(combo8->itemText(156), QStringLiteral("D023I"));
    QCOMPARE(combo8->itemText(260), QStringLiteral("D754I"));
}

void TestCellEditors::toneTypedWhileListIsDown() {
    fillChannel2();
    click(2, ColRxTone);
    ToneSelector *combo8 = m_editors->Combo8();
    QVERIFY(combo8->isVisible());
    QCOMPARE(combo8->geometry(), cellRect(2, ColRxTone));
    QVERIFY(combo8->view()->isVisible());
    QCOMPARE(combo8->currentText(), QStringLiteral("Off"));
    typeInto(QStringLiteral("88.5"));
    QVERIFY(!combo8->view()->isVisible());
    QCOMPARE(combo8->currentText(), QStringLiteral("88.5"));
    QCOMPARE(combo8->count(), 261);
    press(Qt::Key_Return);
    QVERIFY(!combo8->isVisible());
    QCOMPARE(focused(), m_grid);
    QCOMPARE(m_state.channels.cell(2, ColRxTone), QStringLiteral("88.5"));
    QCOMPARE(combo8->count(), 261); // typed values never join the list
}

void TestCellEditors::toneLettersNeverAppear() {
    fillChannel2();
    click(2, ColRxTone);
    ToneSelector *combo8 = m_editors->Combo8();
    // Only digits, the point and the letters of a DCS code are typed.
    typeInto(QStringLiteral("1x0o0fF"));
    QCOMPARE(combo8->currentText(), QStringLiteral("100"));
    typeInto(QStringLiteral("abc"));
    QCOMPARE(combo8->currentText(), QStringLiteral("100"));
    press(Qt::Key_Enter);
    QCOMPARE(m_state.channels.cell(2, ColRxTone), QStringLiteral("100.0"));
}

void TestCellEditors::toneTypeAhead_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");
    QTest::newRow("D023N") << "D023N"
                           << "D023N";
    QTest::newRow("d754i") << "d754i"
                           << "D754I";
    QTest::newRow("D023 normal") << "D023"
                                 << "D023N";
    QTest::newRow("unknown code refused") << "D028N"
                                          << "Off";
    QTest::newRow("CTCSS still typed") << "88.5"
                                       << "88.5";
}

void TestCellEditors::toneTypeAhead() {
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    fillChannel2();
    click(2, ColRxTone);
    typeInto(typed);
    press(Qt::Key_Enter);
    QCOMPARE(m_state.channels.cell(2, ColRxTone), cell);
    QVERIFY(!m_editors->Combo8()->isOpen());
}

void TestCellEditors::tonePickWritesAtOnce() {
    fillChannel2();
    QSignalSpy changed(m_editors, &CellEditors::channelChanged);
    click(2, ColRxTone);
    ToneSelector *combo8 = m_editors->Combo8();
    QAbstractItemView *list = combo8->view();
    QVERIFY(list->isVisible());
    list->setCurrentIndex(combo8->model()->index(156, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!combo8->isVisible());
    QCOMPARE(focused(), m_grid);
    QCOMPARE(m_state.channels.cell(2, ColRxTone), QStringLiteral("D023I"));
    QCOMPARE(changed.count(), 1);
}

void TestCellEditors::toneFocusLossCommits_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    // Channel 2 holds Off (RX) and D754N (TX).
    QTest::newRow("100 over Off") << int(ColRxTone) << "100"
                                  << "100.0";
    QTest::newRow("67 over D754N") << int(ColTxTone) << "67"
                                   << "67.0";
    QTest::newRow("66.9 refused") << int(ColRxTone) << "66.9"
                                  << "Off";
    QTest::newRow("254.2 refused") << int(ColTxTone) << "254.2"
                                   << "D754N";
    QTest::newRow("D754N left unchanged") << int(ColTxTone) << ""
                                          << "D754N";
    QTest::newRow("Off left unchanged") << int(ColRxTone) << ""
                                        << "Off";
}

void TestCellEditors::toneFocusLossCommits() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    fillChannel2();
    click(2, column);
    ToneSelector *combo8 = m_editors->Combo8();
    if (!typed.isEmpty())
        typeInto(typed);
    else
        press(Qt::Key_Escape); // closes the list only
    QVERIFY(combo8->isVisible());
    m_other->setFocus();
    QVERIFY(!combo8->isVisible());
    QCOMPARE(m_state.channels.cell(2, column), after);
}

void TestCellEditors::toneEscapeLeavesCell() {
    fillChannel2();
    const ChannelTable before = m_state.channels;
    click(2, ColTxTone);
    ToneSelector *combo8 = m_editors->Combo8();
    press(Qt::Key_Down); // moves the highlight in the list only
    press(Qt::Key_Escape);
    QVERIFY(combo8->isVisible());
    QVERIFY(!combo8->view()->isVisible());
    typeInto(QStringLiteral("100"));
    press(Qt::Key_Escape);
    QVERIFY(!combo8->isVisible());
    QCOMPARE(focused(), m_grid);
    QVERIFY(m_state.channels == before);
}

void TestCellEditors::toneArrowKeysOpenTheList() {
    fillChannel2();
    click(2, ColTxTone);
    ToneSelector *combo8 = m_editors->Combo8();
    press(Qt::Key_Escape);
    QVERIFY(!combo8->view()->isVisible());
    press(Qt::Key_Down);
    QVERIFY(combo8->view()->isVisible());
    QVERIFY(combo8->isVisible());
    QCOMPARE(m_state.channels.cell(2, ColTxTone), QStringLiteral("D754N"));
}

void TestCellEditors::optionSelectorItems() {
    const QStringList names = {"Combo5_5", "Combo5_6", "Combo5_7", "Combo5_8"};
    const QList<QStringList> items = {
        {"Low", "High"}, {"Off", "Carrier"}, {"Narrow", "Wide"}, {"No", "Yes"}};
    for (int column = ColPower; column <= ColScanAdd; ++column) {
        OptionSelector *selector = m_editors->Combo5(column);
        QVERIFY(selector);
        QCOMPARE(selector->objectName(), names.at(column - ColPower));
        QCOMPARE(m_grid->findChild<QComboBox *>(names.at(column - ColPower)), selector);
        QVERIFY(!selector->isEditable());
        QStringList shown;
        for (int i = 0; i < selector->count(); ++i)
            shown << selector->itemText(i);
        QCOMPARE(shown, items.at(column - ColPower));
    }
    QVERIFY(!m_editors->Combo5(ColRxTone));
}

void TestCellEditors::optionOpenSelectsIndexWithoutCommit() {
    fillChannel2();
    m_state.channels.setOption(2, ColWn, 0, kEnglish);
    QSignalSpy changed(m_editors, &CellEditors::channelChanged);
    OptionSelector *selector = m_editors->Combo5(ColWn);
    // Selecting an item of the hidden selector is no pick.
    selector->setCurrentIndex(1);
    click(2, ColWn);
    QVERIFY(selector->isVisible());
    QCOMPARE(selector->geometry(), cellRect(2, ColWn));
    QVERIFY(selector->view()->isVisible());
    QCOMPARE(selector->currentIndex(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_state.channels.cell(2, ColWn), QStringLiteral("Narrow"));
}

void TestCellEditors::optionPickCommits() {
    fillChannel2();
    QSignalSpy changed(m_editors, &CellEditors::channelChanged);
    QSignalSpy finished(m_editors, &CellEditors::finished);
    click(2, ColWn);
    OptionSelector *selector = m_editors->Combo5(ColWn);
    QCOMPARE(selector->currentText(), QStringLiteral("Wide"));
    press(Qt::Key_Up);
    press(Qt::Key_Return);
    QVERIFY(!selector->isVisible());
    QCOMPARE(focused(), m_grid);
    QCOMPARE(m_state.channels.cell(2, ColWn), QStringLiteral("Narrow"));
    QCOMPARE(m_state.channels.optionIndex(2, ColWn), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(finished.count(), 1);
}

void TestCellEditors::optionFocusLossWritesNothing() {
    fillChannel2();
    const ChannelTable before = m_state.channels;
    click(2, ColPower);
    OptionSelector *selector = m_editors->Combo5(ColPower);
    QCOMPARE(selector->currentText(), QStringLiteral("High"));
    press(Qt::Key_Up); // highlights Low in the list
    press(Qt::Key_Escape);
    QVERIFY(selector->isVisible());
    m_other->setFocus();
    QVERIFY(!selector->isVisible());
    QVERIFY(m_state.channels == before);
}

void TestCellEditors::optionEnterPicksShownItem() {
    fillChannel2();
    click(2, ColBclo);
    OptionSelector *selector = m_editors->Combo5(ColBclo);
    press(Qt::Key_Escape); // the list closes, the selector stays
    QVERIFY(selector->isVisible());
    m_state.channels.setCell(2, ColBclo, QStringLiteral("stale"));
    press(Qt::Key_Return);
    QVERIFY(!selector->isVisible());
    QCOMPARE(m_state.channels.cell(2, ColBclo), QStringLiteral("Off"));
    QCOMPARE(m_state.channels.optionIndex(2, ColBclo), 0);
}

void TestCellEditors::clickWithoutRequestOpensNothing() {
    fillChannel2();
    for (int column = 0; column < kColumnCount; ++column) {
        QCOMPARE(int(m_editors->gridClick(2, column).editor), int(CellEditor::None));
        QVERIFY(!m_editors->openEditor());
    }
    QCOMPARE(focused(), m_grid);
}

void TestCellEditors::clickOnEmptyChannelOpensRxFrequency() {
    QSignalSpy moved(m_editors, &CellEditors::currentCellChanged);
    click(4, ColPower);
    FrequencyEditor *text1 = m_editors->Text1();
    QCOMPARE(m_editors->openEditor(), text1);
    QVERIFY(!m_editors->Combo5(ColPower)->isVisible());
    QCOMPARE(text1->geometry(), cellRect(4, ColRxFrequency));
    QCOMPARE(text1->row(), 4);
    QCOMPARE(text1->column(), int(ColRxFrequency));
    QCOMPARE(m_editors->currentRow(), 4);
    QCOMPARE(m_editors->currentColumn(), int(ColRxFrequency));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0), (QList<QVariant>{4, int(ColRxFrequency)}));
    QVERIFY(!m_editors->openRequested());
}

void TestCellEditors::clickOnChannelNumberOpensNothing() {
    fillChannel2();
    click(2, ColNumber);
    QVERIFY(!m_editors->openEditor());
    QVERIFY(!m_editors->openRequested());
    click(4, ColNumber); // channel 4 is not in use
    QCOMPARE(m_editors->openEditor(), m_editors->Text1());
}

void TestCellEditors::clickElsewhereCommitsOpenEditor() {
    fillChannel2();
    click(2, ColTxFrequency);
    typeInto(QStringLiteral("445"));
    // The grid takes the focus on a left press, then the click follows.
    m_grid->setFocus();
    click(2, ColRxTone);
    QCOMPARE(m_state.channels.cell(2, ColTxFrequency), QStringLiteral("445.00000"));
    QCOMPARE(m_editors->openEditor(), m_editors->Combo8());

    // A click that comes while the editor still has the focus commits too.
    m_editors->Combo8()->hidePopup();
    typeInto(QStringLiteral("77"));
    click(2, ColScanAdd);
    QCOMPARE(m_state.channels.cell(2, ColRxTone), QStringLiteral("77.0"));
    QCOMPARE(m_editors->openEditor(), m_editors->Combo5(ColScanAdd));
}

void TestCellEditors::retranslateKeepsCountAndSelection() {
    ToneSelector *combo8 = m_editors->Combo8();
    OptionSelector *bclo = m_editors->Combo5(ColBclo);
    combo8->setCurrentIndex(40);
    bclo->setCurrentIndex(1);
    m_editors->retranslate(kChinese);
    QCOMPARE(combo8->itemText(0), QStringLiteral("关闭"));
    QCOMPARE(combo8->count(), 261);
    QCOMPARE(combo8->currentIndex(), 40);
    QCOMPARE(bclo->itemText(0), QStringLiteral("关闭"));
    QCOMPARE(bclo->itemText(1), QStringLiteral("载波"));
    QCOMPARE(bclo->count(), 2);
    QCOMPARE(bclo->currentIndex(), 1);
    QCOMPARE(m_editors->Combo5(ColScanAdd)->itemText(1), QStringLiteral("有"));
    m_editors->retranslate(kEnglish);
    QCOMPARE(combo8->itemText(0), QStringLiteral("Off"));
    QCOMPARE(bclo->itemText(1), QStringLiteral("Carrier"));
}

void TestCellEditors::wholeChannelFromTheKeyboard() {
    // Enter on a selected cell opens its editor, Enter commits it.
    const auto enterOn = [this](int row, int column) {
        m_editors->requestOpen();
        m_editors->gridClick(row, column);
    };
    enterOn(5, ColRxFrequency);
    typeInto(QStringLiteral("446.00625"));
    press(Qt::Key_Return);
    enterOn(5, ColTxFrequency);
    typeInto(QStringLiteral("441.5"));
    press(Qt::Key_Return);
    enterOn(5, ColRxTone);
    typeInto(QStringLiteral("88.5"));
    press(Qt::Key_Return);
    enterOn(5, ColTxTone);
    press(Qt::Key_End); // the last entry of the list: D754I
    press(Qt::Key_Return);
    enterOn(5, ColPower);
    press(Qt::Key_Up);
    press(Qt::Key_Return);
    enterOn(5, ColBclo);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QCOMPARE(focused(), m_grid);
    const ChannelTable &t = m_state.channels;
    QStringList cells;
    for (int c = 0; c < kColumnCount; ++c)
        cells << t.cell(5, c);
    QCOMPARE(cells, (QStringList{"05", "446.00625", "88.5", "441.50000", "D754I", "Low", "Carrier",
                                 "Wide", "Yes"}));
    QCOMPARE(t.optionIndex(5, ColPower), 0);
    QCOMPARE(t.optionIndex(5, ColBclo), 1);
    QVERIFY(!m_editors->openEditor());
}

QTEST_MAIN(TestCellEditors)
#include "tst_celleditors.moc"
