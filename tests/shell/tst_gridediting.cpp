// Editing the channel table in the main window as a user does it: mouse
// presses and keys on Grid1, the in-place editors laid over its cells, and
// what the window's commands do with a value still being typed.
#include "editor/celleditors.h"
#include "editor/channelgrid.h"
#include "editor/frequencyeditor.h"
#include "editor/optionselectors.h"
#include "editor/toneselector.h"
#include "mainwindowfixture.h"
#include "shell/filecommands.h"
#include "shell/form1.h"
#include "shell/radiolinkpart.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {
// Channel records as the radio stores them (16 bytes, frequencies in BCD of
// 10 Hz, least significant byte first; tones Off FFFF; BCLO Off F0; High and
// Wide F0).
const QByteArray kRecord146_5 = QByteArray::fromHex("0000651400006514FFFFFFFFF0F0FCFF");
const QByteArray kRecord446_5 = QByteArray::fromHex("0000654400006544FFFFFFFFF0F0FCFF");
constexpr int kScanAddBitmap = 0x16E; // channels 1-8, then 9-16, bit (c-1) mod 8

QString beyondRange(bool chinese) {
    return chinese ? QStringLiteral("超出频段范围") : QStringLiteral("Beyond the frequency range");
}

QStringList itemsOf(const QComboBox *combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}
} // namespace

class TestGridEditing : public QObject {
    Q_OBJECT
private slots:
    void leftPressOpensTheEditorOverTheCell_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("editor");
        QTest::newRow("RX frequency") << int(ColRxFrequency) << "Text1";
        QTest::newRow("RX tone") << int(ColRxTone) << "Combo8";
        QTest::newRow("TX frequency") << int(ColTxFrequency) << "Text1";
        QTest::newRow("TX tone") << int(ColTxTone) << "Combo8";
        QTest::newRow("Power") << int(ColPower) << "Combo5_5";
        QTest::newRow("BCLO") << int(ColBclo) << "Combo5_6";
        QTest::newRow("W/N") << int(ColWn) << "Combo5_7";
        QTest::newRow("Scan Add") << int(ColScanAdd) << "Combo5_8";
    }
    void leftPressOpensTheEditorOverTheCell() {
        QFETCH(int, column);
        QFETCH(QString, editor);
        Window w;
        w.fillChannel2();
        w.press(2, column);
        QWidget *open = w.openEditor();
        QVERIFY(open);
        QCOMPARE(open->objectName(), editor);
        QVERIFY(open->isVisible());
        // Exactly over the cell, on screen as in the grid's own terms.
        const QRect cell = w.grid()->cellRect(2, column);
        QCOMPARE(open->size(), cell.size());
        QCOMPARE(open->mapToGlobal(QPoint(0, 0)),
                 w.grid()->viewport()->mapToGlobal(cell.topLeft()));
        QCOMPARE(w.current(), w.grid()->model()->index(1, column));
        // The frequency box takes the keys; a list drops down.
        if (auto *combo = qobject_cast<QComboBox *>(open))
            QVERIFY(combo->view()->isVisible());
        else
            QCOMPARE(QApplication::focusWidget(), open);
        QCOMPARE(w.grid()->selectionModel()->selectedIndexes().size(), 1);
    }

    void listStaysDownAfterThePressThatOpenedIt_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("picked");
        QTest::newRow("tone") << int(ColRxTone) << 1 << "67.0";
        QTest::newRow("Power") << int(ColPower) << 0 << "低";
    }
    void listStaysDownAfterThePressThatOpenedIt() {
        QFETCH(int, column);
        QFETCH(int, entry);
        QFETCH(QString, picked);
        Window w;
        w.fillChannel2();
        const QString before = w.cell(2, column);
        // Through the window system, so that the open list gets the release
        // as it does on screen.
        QWindow *window = w.form->windowHandle();
        const QPoint at = w.grid()->viewport()->mapTo(w.form.get(), w.centre(2, column));
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        auto *combo = qobject_cast<QComboBox *>(w.openEditor());
        QVERIFY(combo);
        QVERIFY(combo->view()->isVisible());
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        QVERIFY(combo->view()->isVisible());
        QCOMPARE(w.cell(2, column), before);
        // A click on an entry of the list picks it.
        QAbstractItemView *list = combo->view();
        const QModelIndex index = list->model()->index(entry, 0);
        const QRect item = list->visualRect(index);
        const QPoint global =
            list->viewport()->mapToGlobal(item.topLeft() + QPoint(4, item.height() / 2));
        QTest::mouseClick(window, Qt::LeftButton, {}, w.form->mapFromGlobal(global));
        QVERIFY(!w.openEditor());
        QCOMPARE(w.cell(2, column), picked);
    }

    void clickIntoAChannelNotInUse_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Power of empty 04") << 4 << int(ColPower) << true;
        QTest::newRow("TX tone of empty 04") << 4 << int(ColTxTone) << true;
        QTest::newRow("number 04 of empty channel") << 4 << int(ColNumber) << true;
        QTest::newRow("number 02 of channel in use") << 2 << int(ColNumber) << false;
    }
    void clickIntoAChannelNotInUse() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, opens);
        Window w;
        w.fillChannel2();
        w.press(row, column);
        if (!opens) {
            QVERIFY(!w.openEditor());
            QCOMPARE(QApplication::focusWidget(), w.grid());
            return;
        }
        // Its RX frequency opens, and the selection moves there.
        FrequencyEditor *text1 = w.editors()->Text1();
        QCOMPARE(w.openEditor(), text1);
        QCOMPARE(text1->geometry(), w.grid()->cellRect(row, ColRxFrequency));
        QCOMPARE(w.current(), w.grid()->model()->index(row - 1, ColRxFrequency));
        QCOMPARE(QApplication::focusWidget(), text1);
    }

    void rightPressOnlyTakesTheFocus() {
        Window w;
        w.fillChannel2();
        w.grid()->selectCell(2, ColTxFrequency);
        w.form->findChild<QComboBox *>("Combo9")->setFocus();
        for (int column : {ColRxFrequency, ColPower, ColNumber}) {
            w.press(2, column, Qt::RightButton);
            QVERIFY(!w.openEditor());
            QCOMPARE(QApplication::focusWidget(), w.grid());
            QCOMPARE(w.current(), w.grid()->model()->index(1, ColTxFrequency));
            QVERIFY(!QApplication::activePopupWidget());
        }
    }

    void enterOpensTheSelectedCell_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }
    void enterOpensTheSelectedCell() {
        QFETCH(int, key);
        Window w;
        w.fillChannel2();
        w.grid()->selectCell(2, ColRxFrequency);
        w.keys(Qt::Key_Right, 2); // the arrows move the selection only
        QVERIFY(!w.openEditor());
        w.key(key);
        QCOMPARE(w.openEditor(), w.editors()->Text1());
        QCOMPARE(w.editors()->Text1()->geometry(), w.grid()->cellRect(2, ColTxFrequency));
        QCOMPARE(w.editors()->Text1()->text(), QString("446.00625"));
    }

    void noClickWithoutAPressOrEnter() {
        Window w;
        w.fillChannel2();
        // A click the program makes, a release without a press, typing.
        emit w.grid()->gridClick(2, ColTxFrequency);
        QTest::mouseRelease(w.grid()->viewport(), Qt::LeftButton, {}, w.centre(2, ColPower));
        w.type("12");
        QVERIFY(!w.openEditor());
        // A drag from a cell selects no range and leaves the editor on its cell.
        w.press(2, ColTxFrequency);
        QMouseEvent drag(QEvent::MouseMove, w.centre(5, ColWn), w.centre(5, ColWn), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.grid()->viewport(), &drag);
        QCOMPARE(w.current(), w.grid()->model()->index(1, ColTxFrequency));
        QCOMPARE(w.grid()->selectionModel()->selectedIndexes().size(), 1);
        // Keys the frequency box does not use leave the selection alone.
        w.key(Qt::Key_Down);
        QCOMPARE(w.current(), w.grid()->model()->index(1, ColTxFrequency));
        QCOMPARE(w.openEditor(), w.editors()->Text1());
    }

    void wholeChannelFromTheKeyboard_data() {
        QTest::addColumn<bool>("english");
        QTest::newRow("Chinese") << false;
        QTest::newRow("English") << true;
    }
    void wholeChannelFromTheKeyboard() {
        QFETCH(bool, english);
        Window w(english);
        w.boxes.answers = {MsgResult::Ok};
        w.get<QComboBox>("Combo1")->setCurrentIndex(5); // 136-174MHz
        QCOMPARE(w.state().acceptedBand, 5);
        w.grid()->setFocus(Qt::TabFocusReason);
        w.keys(Qt::Key_Down, 6);
        w.key(Qt::Key_Return); // channel 7 is empty: its RX frequency opens
        QCOMPARE(w.openEditor(), w.editors()->Text1());
        w.type("146.5");
        w.key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.grid());
        // Each cell in turn: open with Enter, move in its list, Enter.
        const QList<QList<int>> steps = {{}, // RX tone: Off is highlighted
                                         {}, // TX frequency: keeps 146.50000
                                         {}, // TX tone
                                         {Qt::Key_Up, Qt::Key_Down},  // Power: Low, then High
                                         {Qt::Key_Down, Qt::Key_Up},  // BCLO: Carrier, then Off
                                         {Qt::Key_Up, Qt::Key_Down},  // W/N
                                         {Qt::Key_Up, Qt::Key_Down}}; // Scan Add
        for (const QList<int> &moves : steps) {
            w.key(Qt::Key_Right);
            w.key(Qt::Key_Return);
            QVERIFY(w.openEditor());
            for (int move : moves)
                w.key(move);
            w.key(Qt::Key_Return);
            QVERIFY(!w.openEditor());
            QCOMPARE(QApplication::focusWidget(), w.grid());
        }
        QStringList shown;
        for (int c = 1; c < kColumnCount; ++c)
            shown << w.cell(7, c);
        const QStringList expected =
            english
                ? QStringList{"146.50000", "Off", "146.50000", "Off", "High", "Off", "Wide", "Yes"}
                : QStringList{"146.50000", "关闭", "146.50000", "关闭", "高", "关闭", "宽带", "有"};
        QCOMPARE(shown, expected);
        // Escape leaves a cell as it was.
        w.key(Qt::Key_Return);
        w.key(Qt::Key_Up);
        w.key(Qt::Key_Escape);
        w.key(Qt::Key_Escape);
        QVERIFY(!w.openEditor());
        QCOMPARE(w.cell(7, ColScanAdd), english ? QString("Yes") : QString("有"));

        const QString path = w.dir.filePath("ch7.DAT");
        w.chooser.paths = {path};
        w.form->findChild<QAction *>("mnuAssave")->trigger();
        const QByteArray saved = readFile(path);
        QCOMPARE(saved.size(), 0x350);
        QCOMPARE(saved.mid(6 * 16, 16).toHex().toUpper(), kRecord146_5.toHex().toUpper());
        QCOMPARE(quint8(saved.at(kScanAddBitmap)), quint8(0x40));
        QCOMPARE(quint8(saved.at(kScanAddBitmap + 1)), quint8(0x00));
    }

    void outOfBandMessageAppearsOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter") << "enter";
        QTest::newRow("press on another cell") << "press";
        QTest::newRow("Save") << "save";
        QTest::newRow("English") << "english";
    }
    void outOfBandMessageAppearsOnce() {
        QFETCH(QString, how);
        Window w;
        // The box is really shown: it takes the focus from the editor.
        QStringList shown;
        bool tookFocus = false;
        setMsgBoxPresenter([&](QMessageBox &box, quint32) {
            shown << box.text();
            box.show();
            if (QTest::qWaitForWindowActive(&box))
                tookFocus = tookFocus || QApplication::focusWidget() != w.editors()->Text1();
            box.hide();
            return int(MsgResult::Ok);
        });
        w.fillChannel2();
        const ChannelTable before = w.state().channels;
        w.press(2, ColRxFrequency);
        w.type("470.00001");
        if (how == "enter") {
            w.key(Qt::Key_Return);
        } else if (how == "press") {
            w.press(2, ColBclo);
        } else if (how == "save") {
            w.chooser.paths = {w.dir.filePath("a.DAT")};
            w.get("mnuAssave")->trigger();
        } else {
            w.form->findChild<QAction *>("mnuEnglish")->trigger();
        }
        QCOMPARE(shown.count(beyondRange(true)), 1);
        QVERIFY(tookFocus);
        QCOMPARE(w.state().channels.cell(2, ColRxFrequency), before.cell(2, ColRxFrequency));
        QVERIFY(!w.editors()->Text1()->isOpen());
    }

    void lockClosesTheEditorAndOpensNothing() {
        Window w;
        w.fillChannel2();
        w.press(3, ColPower);
        w.type("446.5");
        QAction *lock = w.form->findChild<QAction *>("mnulock");
        lock->trigger();
        // The value being typed was stored, not lost.
        QCOMPARE(w.cell(3, ColRxFrequency), QString("446.50000"));
        QVERIFY(!w.openEditor());
        QVERIFY(!w.grid()->isEnabled());
        w.press(2, ColTxFrequency);
        w.grid()->selectCell(2, ColPower);
        QTest::keyClick(w.grid(), Qt::Key_Return);
        w.editors()->requestOpen();
        w.editors()->gridClick(2, ColRxTone);
        QVERIFY(!w.openEditor());
        lock->trigger();
        w.press(2, ColTxFrequency);
        QCOMPARE(w.openEditor(), w.editors()->Text1());
    }

    void languageSwitchRecaptionsEditorsAndCells() {
        Window w;
        w.fillChannel2();
        const auto optionItems = [&w](int column) {
            w.press(2, column);
            const QStringList items = itemsOf(w.editors()->Combo5(column));
            w.key(Qt::Key_Escape);
            w.key(Qt::Key_Escape);
            return items;
        };
        QCOMPARE(optionItems(ColPower), (QStringList{"低", "高"}));
        // A frequency being typed is stored before the captions change.
        w.press(2, ColTxFrequency);
        w.type("447");
        w.form->findChild<QAction *>("mnuEnglish")->trigger();
        QVERIFY(!w.openEditor());
        QCOMPARE(w.cell(2, ColTxFrequency), QString("447.00000"));
        QCOMPARE(w.cell(2, ColRxTone), QString("Off"));
        QCOMPARE(w.cell(2, ColPower), QString("High"));
        QCOMPARE(optionItems(ColPower), (QStringList{"Low", "High"}));
        QCOMPARE(optionItems(ColBclo), (QStringList{"Off", "Carrier"}));
        QCOMPARE(optionItems(ColWn), (QStringList{"Narrow", "Wide"}));
        QCOMPARE(optionItems(ColScanAdd), (QStringList{"No", "Yes"}));
        w.press(2, ColRxTone);
        QCOMPARE(w.editors()->Combo8()->itemText(0), QString("Off"));
        QCOMPARE(w.editors()->Combo8()->currentText(), QString("Off"));
        QCOMPARE(w.editors()->Combo8()->count(), 261);
        w.key(Qt::Key_Return); // picks Off
        QCOMPARE(w.cell(2, ColRxTone), QString("Off"));
        w.form->findChild<QAction *>("mnuChinese")->trigger();
        QCOMPARE(optionItems(ColScanAdd), (QStringList{"无", "有"}));
        QCOMPARE(w.editors()->Combo8()->itemText(0), QString("关闭"));
        QCOMPARE(w.cell(2, ColRxTone), QString("关闭"));
    }

    void editorsStartInTheSavedLanguage() {
        Window w(true);
        QCOMPARE(itemsOf(w.editors()->Combo5(ColWn)), (QStringList{"Narrow", "Wide"}));
        QCOMPARE(w.editors()->Combo8()->itemText(0), QString("Off"));
    }

    void saveAndWriteStoreTheValueBeingTyped() {
        Window w;
        w.press(3, ColRxFrequency);
        w.type("446.5");
        const QString path = w.dir.filePath("typed.DAT");
        w.chooser.paths = {path};
        w.get("Toolbar1_3")->trigger();
        QVERIFY(!w.openEditor());
        QCOMPARE(readFile(path).mid(2 * 16, 16).toHex(), kRecord446_5.toHex());

        // Write sees the value too: the table is complete when it is handed on.
        QString atWrite;
        connect(w.get<RadioLinkPart>("radioLinkPart"), &RadioLinkPart::writeRequested, this,
                [&] { atWrite = w.state().channels.cell(3, ColTxFrequency); });
        w.press(3, ColTxFrequency);
        w.type("447");
        w.get("Toolbar1_6")->trigger();
        QCOMPARE(atWrite, QString("447.00000"));
    }

    void replacingTheTableDropsTheEditor_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("band change OK") << "band" << int(MsgResult::Ok) << true;
        QTest::newRow("band change Cancel") << "band" << int(MsgResult::Cancel) << false;
        QTest::newRow("New OK") << "new" << int(MsgResult::Ok) << true;
        QTest::newRow("New Cancel") << "new" << int(MsgResult::Cancel) << false;
    }
    void replacingTheTableDropsTheEditor() {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        Window w;
        w.fillChannel2();
        w.press(2, ColRxFrequency);
        w.type("450");
        w.boxes.answers = {answer};
        if (command == "band")
            w.get<QComboBox>("Combo1")->setCurrentIndex(2); // 400-430MHz
        else
            w.get("Toolbar1_1")->trigger();
        QCOMPARE(w.boxes.boxes.size(), 1);
        if (replaced) {
            QVERIFY(!w.openEditor());
            // Leaving the editor later brings nothing back.
            w.form->findChild<QComboBox *>("Combo9")->setFocus();
            QCOMPARE(w.cell(2, ColRxFrequency), QString());
            QVERIFY(w.boxes.boxes.size() == 1);
            return;
        }
        // Cancel keeps the editor and the typed value.
        QCOMPARE(w.openEditor(), w.editors()->Text1());
        QCOMPARE(w.editors()->Text1()->text(), QString("450"));
        w.editors()->Text1()->setFocus();
        w.key(Qt::Key_Return);
        QCOMPARE(w.cell(2, ColRxFrequency), QString("450.00000"));
        QCOMPARE(w.cell(2, ColTxFrequency), QString("446.00625"));
    }

    void openedFileClosesTheEditor() {
        Window w;
        const QString path = w.dir.filePath("empty.DAT");
        w.chooser.paths = {path};
        w.get("mnuAssave")->trigger(); // a table without channels
        w.fillChannel2();
        w.press(2, ColTxFrequency);
        w.type("451");
        // The unsaved edits are asked about, with the editor still open;
        // Cancel keeps it, Discard goes on to the file dialog.
        w.boxes.answers = {MsgResult::Cancel, MsgResult::No, MsgResult::No};
        w.get("mnuOpen")->trigger();
        QCOMPARE(w.openEditor(), w.editors()->Text1());
        w.get("mnuOpen")->trigger(); // no file chosen: the editor stays
        QCOMPARE(w.openEditor(), w.editors()->Text1());
        w.chooser.paths = {path};
        w.get("mnuOpen")->trigger();
        QVERIFY(!w.openEditor());
        w.form->findChild<QComboBox *>("Combo9")->setFocus();
        QVERIFY(!w.state().channels.inUse(2));
    }

    void editorFollowsItsCellWhenTheWindowIsResized() {
        Window w;
        w.fillChannel2();
        w.press(2, ColTxTone);
        w.key(Qt::Key_Escape); // the list closes, the selector stays
        ToneSelector *combo8 = w.editors()->Combo8();
        const QRect before = combo8->geometry();
        w.form->resize(w.form->width() + 240, w.form->height() + 40);
        QTRY_VERIFY(w.grid()->cellRect(2, ColTxTone) != before);
        QTRY_COMPARE(combo8->geometry(), w.grid()->cellRect(2, ColTxTone));
        QVERIFY(combo8->isOpen());
    }
};

QTEST_MAIN(TestGridEditing)
#include "tst_gridediting.moc"
