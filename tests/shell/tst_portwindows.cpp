// The main window's ports by path, driven as a user drives them against the
// simulated radio on a pseudo-terminal: the devices listed in the
// Communication port menu, Other port..., the device remembered across a
// restart, Find my cable, and Help > Serial trace.
#include "linkrig.h"
#include "msgboxrecorder.h"
#include "scriptedenumerator.h"
#include "simradio.h"
#include "tests/support/tracebytes.h"
#include "tests/support/unixcalls.h"
#include "windowtesttools.h"

#include "link/cablefinder.h"
#include "link/clonesession.h"
#include "link/linktexts.h"
#include "link/portchooser.h"
#include "link/serialtrace.h"
#include "shell/form1.h"
#include "shell/linkcaptions.h"
#include "shell/otherportdialog.h"
#include "shell/tracewindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// One folder for the parameter file and the device setting, kept across
// restarts of the window; two simulated radios, the first behind COM1.
struct PortWindows {
    explicit PortWindows(const QByteArray &parameters = QByteArray("\x00\x00\x01", 3)) {
        ready = writeFile(dir.filePath("parameter"), parameters) && radio.open() && other.open();
        start();
    }
    void start() {
        form = std::make_unique<Form1>(ParameterFile(dir.path(), dir.filePath("config")),
                                       DeviceSetting(settingsFile()));
        form->setPortNaming([this](int number) {
            return number == 1 ? other.devicePath()
                               : QStringLiteral("/dev/no-such-vq740-port%1").arg(number);
        });
        form->setPortEnumerator(&devices);
        form->setCableSearch(0, 0);
        QObject::connect(session(), &CloneSession::finished,
                         [this](SessionOutcome outcome) { outcomes << outcome; });
        form->show();
    }
    void restart() {
        form->close();
        outcomes.clear();
        start();
    }
    template <typename T = QAction> T *get(const QString &name) const {
        return childNamed<T>(form.get(), name);
    }
    SerialPort *port() const { return get<SerialPort>("MSComm1"); }
    PortChooser *chooser() const { return get<PortChooser>("portChooser"); }
    CloneSession *session() const { return get<CloneSession>("cloneSession"); }
    QString settingsFile() const { return dir.filePath("settings.ini"); }
    QString savedDevice() const {
        return QSettings(settingsFile(), QSettings::IniFormat)
            .value(DeviceSetting::key())
            .toString();
    }
    // Opens the Communication port menu as a click on it does, and closes it.
    QList<QAction *> openPortMenu() {
        auto *menu = get<QMenu>("mnucom");
        menu->popup(form->mapToGlobal(QPoint(0, 0)));
        const QList<QAction *> items =
            menu->findChildren<QAction *>(QRegularExpression("^mnucom(Device_|None)"));
        menu->hide();
        return items;
    }
    QStringList itemDevices() {
        QStringList list;
        for (QAction *item : openPortMenu())
            list << item->data().toString();
        return list;
    }
    QString checkedDevice() {
        QString checked;
        for (QAction *item : openPortMenu())
            if (item->isChecked())
                checked += item->data().toString();
        return checked;
    }
    QList<int> checkedItems() const {
        QList<int> items;
        for (int port = 1; port <= 8; ++port)
            if (get(QString("mnucom%1").arg(port))->isChecked())
                items << port;
        return items;
    }
    void read() {
        const int before = outcomes.size();
        get("mnureadFre")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(outcomes.size(), before + 1, 10000);
        QCOMPARE(outcomes.last(), SessionOutcome::Success);
        // Let the blink timer give the commands back.
        session()->blinkTimer()->stop();
        while (!session()->commandsEnabled())
            session()->blinkTick();
    }
    OtherPortDialog *typeOtherPort(const QString &path) {
        get("mnucomOther")->trigger();
        auto *dialog = get<OtherPortDialog>("frmOtherPort");
        auto *field = dialog->findChild<QLineEdit *>("txtDevice");
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, path);
        QTest::keyClick(field, Qt::Key_Return);
        return dialog;
    }

    QTemporaryDir dir;
    MsgBoxRecorder boxes;
    ScriptedEnumerator devices;
    SimRadio radio;
    SimRadio other;
    bool ready = false;
    std::unique_ptr<Form1> form;
    QList<SessionOutcome> outcomes;
};

} // namespace

class TestPortWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Nothing here may touch the user's own settings.
        QStandardPaths::setTestModeEnabled(true);
    }

    void deviceItemsAreThoseOfTheMoment_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("none");
        QTest::newRow("English") << 1 << "Other port..."
                                 << "Find my cable..."
                                 << "(no serial devices found)";
        QTest::newRow("Chinese") << 0 << QString::fromUtf8("其它端口...")
                                 << QString::fromUtf8("查找写频线...")
                                 << QString::fromUtf8("（未找到串口设备）");
    }
    void deviceItemsAreThoseOfTheMoment() {
        VQ740_NEEDS_PTY();
        QFETCH(int, language);
        QFETCH(QString, other);
        QFETCH(QString, find);
        QFETCH(QString, none);
        PortWindows w(QByteArray("\x00\x00", 2) + char(language));
        QVERIFY(w.ready);
        SerialDeviceInfo cable =
            usbDevice("/dev/ttyUSB4", "CP2102 USB to UART", "Silicon Labs", 0x10c4, 0xea60);
        cable.stableName = QStringLiteral("/dev/serial/by-id/usb-Silicon_Labs_CP2102-if00");
        const SerialDeviceInfo odd = usbDevice("/dev/ttyACM0", "R&D adapter");
        w.devices.script = {
            {usbDevice("/dev/ttyS0"), cable}, {usbDevice("/dev/ttyS0"), cable, odd}, {}};
        QCOMPARE(w.get("mnucomOther")->text(), other);
        QCOMPARE(w.get("mnucomFind")->text(), find);
        QCOMPARE(w.devices.calls, 0); // nothing is listed before the menu opens

        QList<QAction *> items = w.openPortMenu();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->objectName(), QStringLiteral("mnucomDevice_0"));
        QCOMPARE(items[0]->text(), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(items[1]->objectName(), QStringLiteral("mnucomDevice_1"));
        QCOMPARE(items[1]->text(), QString::fromUtf8("/dev/ttyUSB4 — CP2102 USB to UART (Silicon "
                                                     "Labs) 10c4:ea60"));
        QCOMPARE(items[1]->toolTip(), cable.stableName);
        QCOMPARE(items[1]->data().toString(), QStringLiteral("/dev/ttyUSB4"));
        for (QAction *item : items)
            QVERIFY(item->isCheckable() && !item->isChecked() && item->isEnabled());
        // Below COM8, above Other port... and Find my cable.
        const QList<QAction *> all = w.get<QMenu>("mnucom")->actions();
        QVERIFY(all.indexOf(items[0]) > all.indexOf(w.get("mnucom8")));
        QVERIFY(all.indexOf(items[1]) < all.indexOf(w.get("mnucomOther")));
        QVERIFY(all.indexOf(w.get("mnucomOther")) < all.indexOf(w.get("mnucomFind")));

        // Opened again: the list of that moment, an '&' shown as it is.
        items = w.openPortMenu();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[2]->text(), QString::fromUtf8("/dev/ttyACM0 — R&&D adapter"));
        items = w.openPortMenu();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items[0]->objectName(), QStringLiteral("mnucomNone"));
        QCOMPARE(items[0]->text(), none);
        QVERIFY(!items[0]->isEnabled());
        QCOMPARE(w.devices.calls, 3);
    }

    void deviceItemFollowsTheCheckMarkRule() {
        VQ740_NEEDS_PTY();
        PortWindows w;
        QVERIFY(w.ready);
        w.devices.script = {{usbDevice(w.radio.devicePath()), usbDevice("/dev/no-such-vq740")}};
        w.get("mnucom1")->trigger();
        QCOMPARE(w.checkedItems(), QList<int>{1});
        QList<QAction *> items = w.openPortMenu();
        items[0]->trigger();
        QVERIFY(w.port()->isOpen());
        QCOMPARE(w.port()->device(), w.radio.devicePath());
        QCOMPARE(w.checkedItems(), QList<int>{});
        QCOMPARE(w.checkedDevice(), w.radio.devicePath());
        QCOMPARE(w.chooser()->rememberedPort(), 1); // the COM number stays
        // A device that does not open: no mark at all, the device stays.
        items = w.openPortMenu();
        items[1]->trigger();
        QCOMPARE(w.boxes.boxes.size(), 1);
        QVERIFY(w.boxes.boxes[0].text.startsWith("Cannot open /dev/no-such-vq740: "));
        QCOMPARE(w.boxes.boxes[0].flags, quint32(64));
        QCOMPARE(w.checkedDevice(), QString());
        QCOMPARE(w.chooser()->devicePath(), w.radio.devicePath());
        w.read();
        QTRY_COMPARE(w.radio.model.endBytes, 1); // the end byte is on its way
        QCOMPARE(w.radio.model.frames, expectedReadFrames());
    }

    void otherPortReadsAndIsRememberedAcrossARestart() {
        VQ740_NEEDS_PTY();
        PortWindows w(QByteArray("\x00\x03\x01", 3));
        QVERIFY(w.ready);
        OtherPortDialog *dialog = w.typeOtherPort(w.radio.devicePath());
        QVERIFY(!dialog->isVisible());
        QVERIFY(w.boxes.boxes.isEmpty());
        QVERIFY(w.port()->isOpen());
        // Not listed by the system, the pseudo-terminal gets an item with the mark.
        QCOMPARE(w.itemDevices(), QStringList{w.radio.devicePath()});
        QCOMPARE(w.checkedDevice(), w.radio.devicePath());
        QCOMPARE(w.checkedItems(), QList<int>{});
        w.read();
        QTRY_COMPARE(w.radio.model.endBytes, 1); // the end byte is on its way
        QCOMPARE(w.radio.model.frames, expectedReadFrames());
        QCOMPARE(w.port()->trace()->sessions().back().device, w.radio.devicePath());

        // A restart: no mark, yet Read uses the device at once; the
        // parameter file keeps the last COM number.
        w.restart();
        QCOMPARE(readFile(w.dir.filePath("parameter")), QByteArray("\x00\x03\x01", 3));
        QCOMPARE(w.savedDevice(), w.radio.devicePath());
        QCOMPARE(w.chooser()->devicePath(), w.radio.devicePath());
        QCOMPARE(w.checkedDevice(), QString());
        QCOMPARE(w.checkedItems(), QList<int>{});
        QCOMPARE(w.itemDevices(), QStringList{w.radio.devicePath()});
        w.radio.model.frames.clear();
        w.radio.model.endBytes = 0;
        w.read();
        QTRY_COMPARE(w.radio.model.endBytes, 1); // the end byte is on its way
        QCOMPARE(w.radio.model.frames, expectedReadFrames());
        // The dialog offers the remembered device.
        w.get("mnucomOther")->trigger();
        QCOMPARE(w.get<QLineEdit>("txtDevice")->text(), w.radio.devicePath());
        w.get<OtherPortDialog>("frmOtherPort")->reject();

        // Choosing COM1 forgets the device.
        w.get("mnucom1")->trigger();
        QCOMPARE(w.checkedItems(), QList<int>{1});
        w.restart();
        QCOMPARE(w.savedDevice(), QString());
        QCOMPARE(readFile(w.dir.filePath("parameter")), QByteArray("\x00\x01\x01", 3));
        QCOMPARE(w.chooser()->chosenDevice(), w.other.devicePath());
    }

    void otherPortRefusesWhatIsNoDevice_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << 1 << ""
                               << "Please type the path of the serial device, such as "
                                  "/dev/ttyUSB0.";
        QTest::newRow("missing") << 1 << "/dev/no-such-vq740"
                                 << "There is no device /dev/no-such-vq740: check the path, and "
                                    "that the cable is plugged in.";
        QTest::newRow("folder, Chinese") << 0 << "/tmp" << QString::fromUtf8("/tmp 不是串口设备。");
    }
    void otherPortRefusesWhatIsNoDevice() {
        VQ740_NEEDS_PTY();
        QFETCH(int, language);
        QFETCH(QString, path);
        QFETCH(QString, message);
        PortWindows w(QByteArray("\x00\x01", 2) + char(language));
        QVERIFY(w.ready);
        OtherPortDialog *dialog = w.typeOtherPort(path);
        QCOMPARE(w.boxes.boxes.size(), 1);
        QCOMPARE(w.boxes.boxes[0].text, message);
        QCOMPARE(w.boxes.boxes[0].flags, quint32(48));
        QVERIFY(dialog->isVisible()); // to type it again
        QVERIFY(!w.port()->isOpen());
        // Escape closes without a change.
        QTest::keyClick(dialog->findChild<QLineEdit *>("txtDevice"), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(w.chooser()->devicePath(), QString());
        QCOMPARE(w.chooser()->rememberedPort(), 1);
        QCOMPARE(dialog->windowTitle(),
                 language == 0 ? QString::fromUtf8("其它端口") : QStringLiteral("Other port"));
        QCOMPARE(dialog->findChild<QPushButton *>("cmdCancel")->text(),
                 language == 0 ? QString::fromUtf8("取消") : QStringLiteral("Cancel"));
    }

    void findMyCable_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("appears");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("chosen");
        const int ok = MsgResult::Ok, cancel = MsgResult::Cancel;
        QTest::newRow("found and used") << QList<int>{ok, ok, ok} << true << 3 << true;
        QTest::newRow("found, not used") << QList<int>{ok, ok, cancel} << true << 3 << false;
        QTest::newRow("cancelled at the first step") << QList<int>{cancel} << true << 1 << false;
        QTest::newRow("cancelled at the second step")
            << QList<int>{ok, cancel} << true << 2 << false;
        QTest::newRow("nothing appeared") << QList<int>{ok, ok} << false << 3 << false;
    }
    void findMyCable() {
        VQ740_NEEDS_PTY();
        QFETCH(QList<int>, answers);
        QFETCH(bool, appears);
        QFETCH(int, boxes);
        QFETCH(bool, chosen);
        PortWindows w;
        QVERIFY(w.ready);
        const SerialDeviceInfo board = usbDevice("/dev/ttyS0");
        const SerialDeviceInfo cable = usbDevice(w.radio.devicePath(), "USB serial");
        // The cable was in; unplugged at the first step; plugged in at the second.
        w.devices.script = {{board, cable}, {board}, appears ? QList{board, cable} : QList{board}};
        w.devices.calls = 1;
        w.boxes.answers = answers;
        w.get("mnucomFind")->trigger();
        QCOMPARE(w.boxes.boxes.size(), boxes);
        QCOMPARE(w.boxes.boxes[0].text, cableText(CableText::Unplug, 1));
        QCOMPARE(w.boxes.boxes[0].flags, quint32(65));
        if (boxes > 1)
            QCOMPARE(w.boxes.boxes[1].text, cableText(CableText::PlugIn, 1));
        if (boxes > 2) {
            const QString expected =
                appears ? cableFoundText({cable}, 1) : cableText(CableText::None, 1);
            QCOMPARE(w.boxes.boxes[2].text, expected);
            QCOMPARE(w.boxes.boxes[2].flags, appears ? quint32(33) : quint32(48));
        }
        QCOMPARE(w.port()->isOpen(), chosen);
        QCOMPARE(w.chooser()->devicePath(), chosen ? w.radio.devicePath() : QString());
        if (chosen)
            QCOMPARE(w.checkedDevice(), w.radio.devicePath());
    }

    void serialTraceWindowShowsAndSaves_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("save");
        QTest::newRow("English") << 1 << "Serial trace"
                                 << "&Save...";
        QTest::newRow("Chinese") << 0 << QString::fromUtf8("串口记录")
                                 << QString::fromUtf8("保存(&S)...");
    }
    void serialTraceWindowShowsAndSaves() {
        VQ740_NEEDS_PTY();
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, save);
        PortWindows w(QByteArray("\x00\x01", 2) + char(language));
        QVERIFY(w.ready);
        QCOMPARE(w.get("mnutrace")->text(), title);
        w.get("mnutrace")->trigger();
        TraceWindow *window = w.get<TraceWindow>("frmTrace");
        QVERIFY(window->isVisible());
        auto *view = window->findChild<QPlainTextEdit *>("txtTrace");
        QVERIFY(view->isReadOnly());
        QCOMPARE(view->toPlainText(), linkCaption(LinkCaption::TraceEmpty, qint16(language)));
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(window->findChild<QPushButton *>("cmdSave")->text(), save);

        // A read while the window is open: the view follows.
        w.read();
        const QString text = w.port()->trace()->text(qint16(language));
        QCOMPARE(view->toPlainText(), text);
        QTRY_COMPARE(w.other.model.endBytes, 1); // the radio's log is complete
        const TraceTextBytes shown = traceTextBytes(view->toPlainText());
        const TraceSession &radio = w.other.wireLog.sessions().back();
        QCOMPARE(shown.sent.toHex(' '),
                 SerialTrace::bytesOf(radio, TraceEventKind::Sent).toHex(' '));
        QCOMPARE(shown.received.toHex(' '),
                 SerialTrace::bytesOf(radio, TraceEventKind::Received).toHex(' '));

        // Save: the text as shown; a name without extension gets .txt.
        QString suggested;
        window->setPathChooser([&](const QString &s) {
            suggested = s;
            return w.dir.filePath("support");
        });
        QTest::mouseClick(window->findChild<QPushButton *>("cmdSave"), Qt::LeftButton);
        QVERIFY(suggested.endsWith(QLatin1String("vq740-trace.txt")));
        QCOMPARE(QString::fromUtf8(readFile(w.dir.filePath("support.txt"))), text);
        QVERIFY(w.boxes.boxes.isEmpty());
        // A file that cannot be written: a message that names it.
        const QString bad = w.dir.filePath("no/such/folder/trace.txt");
        window->setPathChooser([&](const QString &) { return bad; });
        QVERIFY(!window->save());
        QCOMPARE(w.boxes.boxes.size(), 1);
        QVERIFY2(w.boxes.boxes[0].text.contains(bad), qPrintable(w.boxes.boxes[0].text));
        QCOMPARE(w.boxes.boxes[0].flags, quint32(48));
        // Cancelled: nothing written, no message.
        window->setPathChooser([](const QString &) { return QString(); });
        QVERIFY(!window->save());
        QCOMPARE(w.boxes.boxes.size(), 1);

        // The other language, at once; Close puts the window away.
        w.form->findChild<QAction *>(language == 0 ? "mnuEnglish" : "mnuChinese")->trigger();
        QCOMPARE(view->toPlainText(), w.port()->trace()->text(qint16(1 - language)));
        QVERIFY(window->windowTitle() != title);
        QTest::mouseClick(window->findChild<QPushButton *>("cmdClose"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    void startDeviceIsForThatRunOnly_data() {
        QTest::addColumn<bool>("chooseFromMenu");
        QTest::newRow("only the command line") << false;
        QTest::newRow("then Other port...") << true;
    }
    void startDeviceIsForThatRunOnly() {
        VQ740_NEEDS_PTY();
        QFETCH(bool, chooseFromMenu);
        PortWindows w;
        QVERIFY(w.ready);
        w.form->chooseStartDevice(w.radio.devicePath());
        QVERIFY(w.port()->isOpen());
        QCOMPARE(w.checkedDevice(), w.radio.devicePath());
        if (chooseFromMenu)
            w.typeOtherPort(w.other.devicePath());
        w.read();
        w.restart();
        QCOMPARE(w.savedDevice(), chooseFromMenu ? w.other.devicePath() : QString());
    }

    void portItemsRestDuringAnExchange() {
        VQ740_NEEDS_PTY();
        PortWindows w;
        QVERIFY(w.ready);
        w.radio.model.faults.silent = true;
        w.devices.script = {{usbDevice("/dev/ttyS0")}};
        w.typeOtherPort(w.radio.devicePath());
        w.get("mnureadFre")->trigger();
        QVERIFY(w.session()->running());
        for (QAction *item : w.openPortMenu())
            QVERIFY(!item->isEnabled());
        QVERIFY(!w.get("mnucomOther")->isEnabled());
        QVERIFY(!w.get("mnucomFind")->isEnabled());
        // Their commands do nothing meanwhile.
        w.get("mnucomFind")->trigger();
        w.get("mnucomOther")->trigger();
        QVERIFY(w.boxes.boxes.isEmpty());
        QVERIFY(!w.get<OtherPortDialog>("frmOtherPort")->isVisible());
        for (int tick = 0; tick < CloneSession::kWatchdogTicks; ++tick)
            w.session()->watchdogTick();
        QCOMPARE(w.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
        for (QAction *item : w.openPortMenu())
            QVERIFY(item->isEnabled());
        QVERIFY(w.get("mnucomOther")->isEnabled() && w.get("mnucomFind")->isEnabled());
        // The trace shows the time-out.
        QVERIFY(
            traceTextBytes(w.port()->trace()->text(1))
                .marks.contains("time-out: the radio did not answer in time, exchange given up"));
    }
};

QTEST_MAIN(TestPortWindows)
#include "tst_portwindows.moc"
