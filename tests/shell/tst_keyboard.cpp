// Keyboard and layout comfort of the main window, driven as a user does
// it: the Functions Setting lists show their longest item in either
// language, Tab walks Range, Functions Setting and the channel table, Tab
// out of a cell editor moves along the row, the focus is in the table
// again after the lock, and the option windows open beside the main window and come back
// where the user left them.
#include "editor/frequencyeditor.h"
#include "mainwindowfixture.h"
#include "shell/captiontable.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleOptionComboBox>

namespace {

const char *const kFunctionLists[] = {"Combo2", "Combo3", "Combo9", "Combo6", "Combo7"};

QAction *action(Window &w, const char *name) {
    return w.form->findChild<QAction *>(QLatin1String(name));
}

// The room a list has for the text of its current item.
int textRoom(QComboBox *combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    return combo->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
        .width();
}

void switchTo(Window &w, qint16 language) {
    QAction *item = action(w, language == 0 ? "mnuChinese" : "mnuEnglish");
    QVERIFY(item);
    item->trigger();
    QCoreApplication::processEvents();
}

QString focusName() {
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void functionListsShowTheirLongestItem_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QList<int>>("switches");
        QTest::newRow("Chinese") << false << QList<int>{};
        QTest::newRow("English") << true << QList<int>{};
        QTest::newRow("Chinese to English") << false << QList<int>{1};
        QTest::newRow("English to Chinese") << true << QList<int>{0};
        QTest::newRow("there and back") << false << QList<int>{1, 0, 1};
    }

    void functionListsShowTheirLongestItem() {
        QFETCH(bool, english);
        QFETCH(QList<int>, switches);
        Window w(english);
        for (int language : switches)
            switchTo(w, qint16(language));
        for (const char *name : kFunctionLists) {
            auto *combo = w.form->findChild<QComboBox *>(QLatin1String(name));
            QVERIFY(combo);
            // Every item of the list, as it reads now: the list is wide
            // enough for each of them.
            for (int i = 0; i < combo->count(); ++i) {
                const QString text = combo->itemText(i);
                QVERIFY2(combo->fontMetrics().horizontalAdvance(text) <= textRoom(combo),
                         qPrintable(QStringLiteral("%1 item %2 \"%3\" is cut off")
                                        .arg(QLatin1String(name))
                                        .arg(i)
                                        .arg(text)));
            }
        }
    }

    void tabWalksRangeFunctionsAndTable_data() {
        QTest::addColumn<bool>("english");
        QTest::newRow("Chinese") << false;
        QTest::newRow("English") << true;
    }

    void tabWalksRangeFunctionsAndTable() {
        QFETCH(bool, english);
        Window w(english);
        w.get<QComboBox>("Combo1")->setFocus(Qt::TabFocusReason);
        QStringList order{focusName()};
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << focusName();
        }
        QCOMPARE(order, QStringList({"Combo1", "Combo2", "Combo3", "Combo9", "Combo6", "Combo7",
                                     "Grid1", "Combo1"}));
        // And back.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(focusName(), QStringLiteral("Grid1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(focusName(), QStringLiteral("Combo7"));
    }

    void tabOutOfACellEditorMovesAlongTheRow_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("nextRow");
        QTest::addColumn<int>("nextColumn");
        QTest::newRow("RX frequency, Tab")
            << 2 << int(ColRxFrequency) << int(Qt::Key_Tab) << 2 << int(ColRxTone);
        QTest::newRow("RX tone, Tab")
            << 2 << int(ColRxTone) << int(Qt::Key_Tab) << 2 << int(ColTxFrequency);
        QTest::newRow("TX tone, Shift+Tab")
            << 2 << int(ColTxTone) << int(Qt::Key_Backtab) << 2 << int(ColTxFrequency);
        QTest::newRow("Power, Tab") << 2 << int(ColPower) << int(Qt::Key_Tab) << 2 << int(ColBclo);
        QTest::newRow("Scan Add, Tab to the next channel")
            << 2 << int(ColScanAdd) << int(Qt::Key_Tab) << 3 << int(ColRxFrequency);
        QTest::newRow("RX frequency, Shift+Tab to the channel before")
            << 2 << int(ColRxFrequency) << int(Qt::Key_Backtab) << 1 << int(ColScanAdd);
    }

    void tabOutOfACellEditorMovesAlongTheRow() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, key);
        QFETCH(int, nextRow);
        QFETCH(int, nextColumn);
        Window w;
        w.fillChannel2();
        w.press(row, column);
        QVERIFY(w.openEditor());
        w.key(key);
        QVERIFY(!w.openEditor());
        QCOMPARE(focusName(), QStringLiteral("Grid1"));
        QCOMPARE(w.current().row() + 1, nextRow);
        QCOMPARE(w.current().column(), nextColumn);
        // Enter opens the editor of the cell Tab moved to.
        w.key(Qt::Key_Return);
        QVERIFY(w.openEditor());
    }

    void tabStoresWhatWasTyped() {
        Window w;
        w.fillChannel2();
        w.press(2, ColTxFrequency);
        w.type(QStringLiteral("446.1"));
        w.key(Qt::Key_Tab);
        QCOMPARE(w.state().channels.cell(2, ColTxFrequency), QStringLiteral("446.10000"));
        QCOMPARE(w.current().column(), int(ColTxTone));
    }

    void unlockGivesTheFocusToTheTable() {
        Window w;
        w.get<QComboBox>("Combo1")->setFocus(Qt::TabFocusReason);
        QAction *lock = action(w, "mnulock");
        lock->trigger();
        QVERIFY(w.get("mnulock")->isChecked());
        // Locked, the table is disabled and can hold no focus; no other
        // control of the window holds it either.
        QVERIFY(!w.grid()->isEnabled());
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(!focus || !focus->isEnabled() || focus == w.form.get());
        lock->trigger();
        QVERIFY(!w.get("mnulock")->isChecked());
        QCOMPARE(focusName(), QStringLiteral("Grid1"));
        // The keys work on the table at once.
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Return);
        QVERIFY(w.openEditor());
    }

    void optionWindowsOpenBesideTheMainWindow_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::newRow("Embedded Information") << "mnusetin"
                                              << "Form7";
        QTest::newRow("Debug Parameters") << "mnudebug"
                                          << "Form2";
        QTest::newRow("Test Frequency") << "mnutestfre"
                                        << "Form4";
        QTest::newRow("About") << "mnuabout"
                               << "frmAbout";
    }

    void optionWindowsOpenBesideTheMainWindow() {
        QFETCH(QString, command);
        QFETCH(QString, window);
        Window w;
        // A main window on the left of the screen leaves room on its right.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        w.form->move(screen.topLeft());
        w.form->findChild<QAction *>(command)->trigger();
        auto *dialog = w.form->findChild<QDialog *>(window);
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        const QRect table(w.grid()->mapToGlobal(QPoint(0, 0)), w.grid()->size());
        QVERIFY2(!dialog->frameGeometry().intersects(table),
                 qPrintable(QStringLiteral("the window lies over the channel table")));
        QVERIFY(!dialog->frameGeometry().intersects(w.form->frameGeometry()));

        // Moved by the user, closed and opened again: where it was left.
        const QPoint place = dialog->pos() + QPoint(7, 11);
        dialog->move(place);
        QCoreApplication::processEvents();
        dialog->close();
        QVERIFY(!dialog->isVisible());
        w.form->findChild<QAction *>(command)->trigger();
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(dialog->pos(), place);
    }
};

// A screen wide enough to hold the option windows beside the main window
// (the plain offscreen screen is 800 pixels wide).
int main(int argc, char **argv) {
#ifdef Q_OS_WIN
    // The platform's options are parted by colons, as is a Windows path
    // from its drive: the file is named from the current folder.
    QTemporaryDir dir(QDir::current().filePath(QStringLiteral("screens-XXXXXX")));
    const QString config =
        QDir::current().relativeFilePath(dir.filePath(QStringLiteral("screens.json")));
#else
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
#endif
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 2560,
                     "height": 1440, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 2;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestKeyboard test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_keyboard.moc"
