// Undo and Redo in the main window, the file name and the unsaved-change
// mark in its title, and the question before unsaved work would be lost:
// driven as a user does it, each step checked by the bytes a save gives.
#include "editor/frequencyeditor.h"
#include "image/imagecodec.h"
#include "image/statefile.h"
#include "mainwindowfixture.h"
#include "model/settingfields.h"
#include "shell/editorhistory.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>

namespace {

QAction *action(Window &w, const char *name) {
    return w.form->findChild<QAction *>(QLatin1String(name));
}

// What Save would write now.
QString saved(Window &w) {
    return EncodeImage(w.state());
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void everyEditIsOneStepBackAndForth_data() {
        QTest::addColumn<bool>("english");
        QTest::newRow("Chinese") << false;
        QTest::newRow("English") << true;
    }

    void everyEditIsOneStepBackAndForth() {
        QFETCH(bool, english);
        Window w(english);
        QTemporaryDir files;
        // A data file with channel 5 in use, to open as one of the steps.
        EditorState other = w.state();
        other.channels.setCell(5, ColRxFrequency, QStringLiteral("430.00000"));
        other.channels.setCell(5, ColTxFrequency, QStringLiteral("430.00000"));
        const QString file = files.filePath("other.DAT");
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytesFromImage(EncodeImage(other)));
        }

        QStringList images{saved(w)};
        auto step = [&](const char *what) {
            QVERIFY2(saved(w) != images.last(), what);
            images << saved(w);
        };

        // A channel typed in the table.
        w.press(3, ColRxFrequency);
        w.type("446.1");
        w.key(Qt::Key_Return);
        step("channel typed");
        // An option picked.
        w.press(3, ColPower);
        w.key(Qt::Key_Up);
        w.key(Qt::Key_Return);
        step("option picked");
        // A Functions Setting pick.
        w.form->findChild<QComboBox *>("Combo9")->setCurrentIndex(7);
        step("squelch level");
        // OK in an option window.
        auto *form7 = w.form->findChild<QDialog *>("Form7");
        QVERIFY(form7);
        form7->findChild<QLineEdit *>("Text1")->setText(QStringLiteral("HELLO"));
        form7->findChild<QPushButton *>("Command1")->click();
        step("embedded line");
        // A band change that empties the table.
        w.boxes.answers = {MsgResult::Ok};
        w.get<QComboBox>("Combo1")->setCurrentIndex(5);
        step("band change");
        // Open (nothing unsaved is asked about: answer Discard).
        w.boxes.answers = {MsgResult::No};
        w.chooser.paths = {file};
        w.get("mnuOpen")->trigger();
        step("open");
        // An import or paste: the window's one entry point for many values.
        EditorState next = w.state();
        next.channels.setCell(9, ColRxFrequency, QStringLiteral("431.00000"));
        next.channels.setCell(9, ColTxFrequency, QStringLiteral("431.00000"));
        w.commands()->applyEditorChange(QStringLiteral("paste"), next);
        step("paste");
        // New, after its question.
        w.boxes.answers = {MsgResult::Ok};
        w.get("mnuNew")->trigger();
        step("new");

        // Back step by step to the start, then forward again, each step
        // giving exactly the bytes it gave.
        for (int i = images.size() - 2; i >= 0; --i) {
            QVERIFY(action(w, "mnuUndo")->isEnabled());
            action(w, "mnuUndo")->trigger();
            QCOMPARE(saved(w), images.at(i));
        }
        QVERIFY(!action(w, "mnuUndo")->isEnabled());
        for (int i = 1; i < images.size(); ++i) {
            action(w, "mnuRedo")->trigger();
            QCOMPARE(saved(w), images.at(i));
        }
        QVERIFY(!action(w, "mnuRedo")->isEnabled());
        // The window shows what the state holds, in its language.
        QCOMPARE(w.cell(9, ColRxFrequency), QString());
        action(w, "mnuUndo")->trigger();
        QCOMPARE(w.cell(9, ColRxFrequency), QStringLiteral("431.00000"));
        QCOMPARE(w.get<QComboBox>("Combo1")->currentIndex(), w.state().bandPosition);
    }

    void theMarkFollowsTheSavedPoint() {
        Window w(true);
        QCOMPARE(w.form->windowTitle(),
                 QStringLiteral("VQ-740 Radio Software V1.20 - untitled[*]"));
        QVERIFY(!w.form->isWindowModified());
        w.form->findChild<QComboBox *>("Combo7")->setCurrentIndex(0);
        QVERIFY(w.form->isWindowModified());
        action(w, "mnuUndo")->trigger();
        QVERIFY(!w.form->isWindowModified());
        action(w, "mnuRedo")->trigger();
        QVERIFY(w.form->isWindowModified());

        const QString path = w.dir.filePath("radio.DAT");
        w.chooser.paths = {path};
        w.get("mnuAssave")->trigger();
        QVERIFY(!w.form->isWindowModified());
        QCOMPARE(w.form->windowTitle(),
                 QStringLiteral("VQ-740 Radio Software V1.20 - radio.DAT[*]"));
        const QByteArray onDisk = readFile(path);
        // Undo goes past the saved point: the mark comes back, the file
        // stays as it was.
        action(w, "mnuUndo")->trigger();
        QVERIFY(w.form->isWindowModified());
        QCOMPARE(readFile(path), onDisk);
        action(w, "mnuRedo")->trigger();
        QVERIFY(!w.form->isWindowModified());

        // The title follows the language.
        w.form->findChild<QAction *>("mnuChinese")->trigger();
        QCOMPARE(w.form->windowTitle(),
                 QStringLiteral("VQ-740 对讲机编程软件 V1.20 - radio.DAT[*]"));
    }

    void languageAndLockAreNoSteps() {
        Window w(true);
        w.fillChannel2();
        w.commands()->applyEditorChange(QStringLiteral("fill"), w.state());
        const int steps = w.get<EditorHistory>("editorHistory")->stack()->count();
        w.form->findChild<QAction *>("mnuChinese")->trigger();
        w.form->findChild<QAction *>("mnulock")->trigger();
        w.form->findChild<QAction *>("mnulock")->trigger();
        QCOMPARE(w.get<EditorHistory>("editorHistory")->stack()->count(), steps);
        // Undoing a step made in English shows Chinese texts now.
        action(w, "mnuUndo")->trigger();
        action(w, "mnuRedo")->trigger();
        QCOMPARE(w.cell(2, ColPower), QStringLiteral("高"));
        QCOMPARE(w.cell(2, ColRxTone), QStringLiteral("关闭"));
    }

    // Closing or Exit with a value still being typed. Yes saves the file
    // the editor was opened from at once, in its own form; an untitled
    // editor asks for a name.
    void closingWithUnsavedWorkAsks_data() {
        QTest::addColumn<QString>("opened"); // the file opened first, or none
        QTest::addColumn<bool>("byExit");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("savesFile");
        QTest::newRow("untitled, Save") << "" << false << int(MsgResult::Yes) << true << true;
        QTest::newRow("untitled, Discard") << "" << false << int(MsgResult::No) << true << false;
        QTest::newRow("untitled, Cancel") << "" << true << int(MsgResult::Cancel) << false << false;
        QTest::newRow("f2.DAT, Save") << "f2.DAT" << false << int(MsgResult::Yes) << true << true;
        QTest::newRow("f2.DAT, Exit, Save")
            << "f2.DAT" << true << int(MsgResult::Yes) << true << true;
        QTest::newRow("f2.json, Save") << "f2.json" << false << int(MsgResult::Yes) << true << true;
        QTest::newRow("f2.DAT, Cancel")
            << "f2.DAT" << true << int(MsgResult::Cancel) << false << false;
    }

    void closingWithUnsavedWorkAsks() {
        QFETCH(QString, opened);
        QFETCH(bool, byExit);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, savesFile);
        Window w(true);
        const QString own = opened.isEmpty() ? QString() : w.dir.filePath(opened);
        if (!own.isEmpty()) {
            QVERIFY(saveStateFile(own, w.state(), StateFileKind::DataFile).ok());
            w.chooser.paths = {own};
            action(w, "mnuOpen")->trigger();
            QVERIFY(w.chooser.paths.isEmpty());
        }
        const QByteArray before = readFile(own);
        w.press(4, ColRxFrequency);
        w.type("446.2");
        // The value is still being typed when the window is closed.
        const QString chosen = w.dir.filePath("kept.DAT");
        w.chooser.paths = {chosen};
        w.boxes.answers = {answer};
        if (byExit)
            action(w, "mnuQuit")->trigger();
        else
            QCOMPARE(w.form->close(), closes);
        QCOMPARE(w.form->isVisible(), !closes);
        // The question names the file, and nothing more is asked: no name,
        // no question about replacing the file.
        QCOMPARE(w.boxes.boxes.size(), 1);
        QVERIFY(w.boxes.boxes[0].text.contains(opened.isEmpty() ? QString("untitled") : opened));
        QCOMPARE(w.boxes.boxes[0].captions.keys(),
                 (QList<int>{MsgResult::Cancel, MsgResult::Yes, MsgResult::No}));
        QCOMPARE(w.chooser.paths.isEmpty(), savesFile && opened.isEmpty());
        const QString target = opened.isEmpty() ? chosen : own;
        QCOMPARE(QFile::exists(chosen), savesFile && opened.isEmpty());
        if (savesFile && opened.endsWith(".json"))
            QVERIFY(readFile(target).contains("\"446.20000\""));
        else if (savesFile)
            QCOMPARE(readFile(target).mid(0x30, 4), QByteArray::fromHex("00006244"));
        else if (!own.isEmpty())
            QCOMPARE(readFile(own), before);
        if (!closes)
            QCOMPARE(w.openEditor(), static_cast<QWidget *>(w.editors()->Text1()));
    }

    void nothingToAskAboutAfterSaveOrAtStart() {
        Window w;
        QVERIFY(w.form->close());
        QVERIFY(w.boxes.boxes.isEmpty());
    }

    void undoShortcutKeepsToTheTextBeingTyped() {
        Window w(true);
        w.press(4, ColRxFrequency);
        w.type("446.25");
        // Ctrl+Z in the frequency box takes back typing, not a step.
        auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(box->text() != QStringLiteral("446.25"));
        QCOMPARE(w.get<EditorHistory>("editorHistory")->stack()->count(), 0);
        box->setText(QStringLiteral("446.3"));
        w.key(Qt::Key_Return);
        QCOMPARE(w.get<EditorHistory>("editorHistory")->stack()->count(), 1);
        // In the table, Ctrl+Z takes the step back.
        QTest::keyClick(w.grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.cell(4, ColRxFrequency), QString());
        QTest::keyClick(w.grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!w.cell(4, ColRxFrequency).isEmpty());
        QTest::keyClick(w.grid(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(w.grid(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!w.cell(4, ColRxFrequency).isEmpty());
    }

    void sameContentIgnoresTheLanguage() {
        EditorState zh;
        zh.language = 0;
        zh.channels.setCell(1, ColRxFrequency, QStringLiteral("146.50000"));
        zh.channels.setCell(1, ColRxTone, QStringLiteral("关闭"));
        for (int c = ColPower; c <= ColScanAdd; ++c)
            zh.channels.setOption(1, c, 1, 0);
        EditorState en = zh;
        en.language = 1;
        en.channels.SetGrid1Text(1);
        QVERIFY(sameEditorContent(zh, en));
        en.channels.setOption(1, ColPower, 0, 1);
        QVERIFY(!sameEditorContent(zh, en));
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
