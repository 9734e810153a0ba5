// Test helpers: the main window shown as a user has it, with its file
// dialogs answered from a list and its message boxes recorded.
#pragma once

#include "editor/celleditors.h"
#include "editor/channelgrid.h"
#include "msgboxrecorder.h"
#include "shell/channelcommandspart.h"
#include "shell/filecommands.h"
#include "shell/form1.h"
#include "windowtesttools.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class ListChooser : public FileChooser {
public:
    QString openPath(const QString &) override { return take(); }
    QString savePath(const QString &) override { return take(); }
    QString take() { return paths.isEmpty() ? QString() : paths.takeFirst(); }
    QStringList paths;
};

// A shown main window whose parameter file lives in a folder of its own.
struct Window {
    explicit Window(bool english = false) {
        if (english) {
            QFile f(dir.filePath("parameter"));
            if (f.open(QIODevice::WriteOnly))
                f.write(QByteArray("\x00\x00\x01", 3));
        }
        form = std::make_unique<Form1>(ParameterFile(dir.path(), dir.filePath("config")));
        form->setFileChooser(&chooser);
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the main window did not become active");
        grid()->setFocus();
    }
    template <typename T = QAction> T *get(const char *name) const {
        return childNamed<T>(form.get(), name);
    }
    ChannelGrid *grid() const { return get<ChannelGrid>("Grid1"); }
    ChannelCommandsPart *commands() const {
        return get<ChannelCommandsPart>("channelCommandsPart");
    }
    CellEditors *editors() const { return form->findChild<CellEditors *>(); }
    QWidget *openEditor() const { return editors()->openEditor(); }
    EditorState &state() const { return form->state(); }
    QString cell(int row, int column) const { return grid()->cellText(row, column); }
    QPoint centre(int row, int column) const { return grid()->cellRect(row, column).center(); }

    void press(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(grid()->viewport(), button, {}, centre(row, column));
    }
    // A key from the keyboard: to the open list if there is one, else to
    // the control that has the focus.
    void key(int key) {
        QWidget *target = QApplication::activePopupWidget();
        if (target && target->focusWidget())
            target = target->focusWidget();
        if (!target)
            target = QApplication::focusWidget();
        QTest::keyClick(target, Qt::Key(key));
    }
    void keys(int key, int times) {
        for (int i = 0; i < times; ++i)
            this->key(key);
    }
    void type(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    QModelIndex current() const { return grid()->currentIndex(); }

    // Channel 2 in use: 446.00625 both ways, tones Off / D754N, High, Off,
    // Wide, Yes, in the window's language.
    void fillChannel2() {
        const qint16 language = state().language;
        ChannelTable &t = state().channels;
        t.setCell(2, ColRxFrequency, "446.00625");
        t.setCell(2, ColTxFrequency, "446.00625");
        t.setCell(2, ColRxTone, language ? "Off" : "关闭");
        t.setCell(2, ColTxTone, "D754N");
        t.setOption(2, ColPower, 1, language);
        t.setOption(2, ColBclo, 0, language);
        t.setOption(2, ColWn, 1, language);
        t.setOption(2, ColScanAdd, 1, language);
        grid()->refresh();
    }

    QTemporaryDir dir;
    ListChooser chooser;
    MsgBoxRecorder boxes;
    std::unique_ptr<Form1> form;
};
