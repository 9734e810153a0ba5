// The main window against two simulated radios on pseudo-terminals, as the
// window tests of the radio link share it: COM1 stands for the simulated
// radio, COM3 for a second one, every other item for a device that does not
// exist. The parameter file and the backups live in a folder of the test's
// own.
#pragma once

#include "linkrig.h"
#include "msgboxrecorder.h"
#include "simradio.h"
#include "windowtesttools.h"

#include "tests/support/imagebuilder.h"

#include "dialogs/optiondialogs.h"
#include "editor/channelgrid.h"
#include "image/imagecodec.h"
#include "link/clonesession.h"
#include "link/linktexts.h"
#include "link/portchooser.h"
#include "link/portnames.h"
#include "link/writeflow.h"
#include "shell/filecommands.h"
#include "shell/form1.h"
#include "shell/writepreviewwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

class ListChooser : public FileChooser {
public:
    QString openPath(const QString &) override {
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QString savePath(const QString &) override { return QString(); }
    QStringList paths;
};

inline QByteArray frame(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

// A main window with its parameter file in a folder of the test's own and
// two simulated radios behind COM1 and COM3.
struct RadioWindow {
    explicit RadioWindow(const QByteArray &parameterBytes = QByteArray(3, '\0')) {
        ready =
            writeFile(dir.filePath("parameter"), parameterBytes) && radio.open() && other.open();
        form = std::make_unique<Form1>(ParameterFile(dir.path(), dir.filePath("config")));
        form->setFileChooser(&chooser);
        form->setServiceClock([this] { return now; });
        form->setPortNaming([this](int number) {
            if (number == 1)
                return radio.devicePath();
            if (number == 3)
                return other.devicePath();
            if (number < 1 || number > 8)
                return QString(); // as the platform's rule: no device
            return QStringLiteral("/dev/no-such-vq740-port%1").arg(number);
        });
        form->setBackupStore(BackupStore(dir.filePath("backups")));
        session = get<CloneSession>("cloneSession");
        QObject::connect(session, &CloneSession::finished,
                         [this](SessionOutcome outcome) { outcomes << outcome; });
        QObject::connect(get<WriteFlow>("writeFlow"), &WriteFlow::finished,
                         [this](WriteFlowOutcome outcome) { flowOutcomes << outcome; });
    }

    // Waits for the preview of a write and presses one of its buttons.
    void answerPreview(const char *button) {
        auto *preview = get<WritePreviewWindow>("frmWritePreview");
        QTRY_VERIFY_WITH_TIMEOUT(preview->isVisible(), 10000);
        QTest::mouseClick(preview->findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(!preview->isVisible());
    }
    QStringList backups() const {
        return QDir(dir.filePath("backups")).entryList(QDir::Files, QDir::Name);
    }

    void showActive() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    template <typename T> T *get(const QString &name) const {
        return childNamed<T>(form.get(), name);
    }
    QAction *portItem(int port) const { return get<QAction>(QStringLiteral("mnucom%1").arg(port)); }
    QList<int> checkedItems() const {
        QList<int> items;
        for (int port = 1; port <= 8; ++port)
            if (portItem(port)->isChecked())
                items << port;
        return items;
    }
    bool portItemsEnabled() const {
        for (int port = 1; port <= 8; ++port)
            if (!portItem(port)->isEnabled())
                return false;
        return true;
    }
    void clickLabel(const char *name, double at) {
        now = at;
        QTest::mouseClick(get<QLabel>(name), Qt::LeftButton);
    }
    // The editor as the user sees it after opening `state` from a file.
    void open(const EditorState &state) {
        const QString path = dir.filePath("radio.DAT");
        QVERIFY(writeFile(path, bytesFromImage(EncodeImage(state))));
        chooser.paths = {path};
        form->findChild<QAction *>("mnuOpen")->trigger();
    }
    QByteArray parameterFile() const { return readFile(dir.filePath("parameter")); }

    QTemporaryDir dir;
    MsgBoxRecorder boxes;
    ListChooser chooser;
    SimRadio radio;
    SimRadio other;
    bool ready = false;
    double now = 1000;
    std::unique_ptr<Form1> form;
    CloneSession *session = nullptr;
    QList<SessionOutcome> outcomes;
    QList<WriteFlowOutcome> flowOutcomes;
};

// The commands an exchange holds: the toolbar, the Programming menu, the
// read and write buttons and items. The other menus stay usable.
inline void checkCommands(const Form1 &form, bool enabled) {
    QCOMPARE(childNamed<QToolBar>(&form, "Toolbar1")->isEnabled(), enabled);
    QCOMPARE(childNamed<QMenu>(&form, "mnupro")->isEnabled(), enabled);
    QCOMPARE(childNamed<QMenu>(&form, "mnupro")->menuAction()->isEnabled(), enabled);
    for (const char *command : {"Toolbar1_5", "Toolbar1_6", "mnureadFre", "mnuwriteFre"})
        QVERIFY2(childNamed<QAction>(&form, command)->isEnabled() == enabled, command);
    // The F1 hint leaves the status line to the exchange.
    QCOMPARE(childNamed<QLabel>(&form, "lblHelpHint")->isHidden(), !enabled);
    for (const char *menu : {"mnuFile", "mnuset", "mnucom", "mnuLanguage", "mnuhelp"})
        QVERIFY2(form.findChild<QMenu *>(menu)->menuAction()->isEnabled(), menu);
}
