// The Communication port menu rule, the port naming rule, the time-out
// record and the advice printed when a device cannot be opened.
#include "fakeserialport.h"
#include "tests/support/recordingmessageport.h"

#include "link/portchooser.h"
#include "link/portdiagnostics.h"
#include "link/portnames.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/unixcalls.h"

namespace {

struct ChooserRig {
    FakeSerialPort port;
    RecordingMessagePort messages;
    PortChooser chooser{port, messages};

    QList<int> checked() const {
        QList<int> items;
        for (int n = 1; n <= kPortNumbers; ++n)
            if (chooser.isChecked(n))
                items << n;
        return items;
    }
};

} // namespace

class TestPortChooser : public QObject {
    Q_OBJECT
private slots:
    void choosingAPortThatOpens();
    void choosingAPortThatCannotOpen_data();
    void choosingAPortThatCannotOpen();
    void failedChoiceOfTheCheckedItemKeepsItsMark();
    void choosingTheCheckedItemReopens();
    void replacedNamingNamesTheDevices();
    void openComUsesTheRememberedPort_data();
    void openComUsesTheRememberedPort();
    void portDevicesByPlatform_data();
    void portDevicesByPlatform();
    void portNumberOfName_data();
    void portNumberOfName();
    void tunedTimeouts_data();
    void tunedTimeouts();
    void permissionAdviceNamesOwnerGroupAndMode();
    void adviceForAMissingDevice();
    void choosingDeviceItems_data();
    void choosingDeviceItems();
    void failedDeviceChoiceSaysWhy();
};

void TestPortChooser::replacedNamingNamesTheDevices() {
    ChooserRig rig;
    rig.port.setPortNaming(
        [](int number) { return QStringLiteral("/dev/pts/%1").arg(number + 40); });
    rig.chooser.choosePort(2, 1);
    QCOMPARE(rig.port.device(), QString("/dev/pts/42"));
    QCOMPARE(rig.chooser.chosenDevice(), QString("/dev/pts/42"));
    rig.chooser.setRememberedPort(5);
    rig.chooser.OpenCom();
    QCOMPARE(rig.port.device(), QString("/dev/pts/45"));
    // Without it, the platform's rule again.
    rig.port.setPortNaming(nullptr);
    QCOMPARE(rig.chooser.chosenDevice(), portDevice(5));
}

void TestPortChooser::choosingAPortThatOpens() {
    ChooserRig rig;
    QSignalSpy remembered(&rig.chooser, &PortChooser::rememberedPortChanged);
    rig.chooser.choosePort(3, 1);
    QVERIFY(rig.port.isOpen());
    QCOMPARE(rig.port.device(), portDevice(3));
    QCOMPARE(rig.checked(), QList<int>{3});
    QCOMPARE(rig.chooser.rememberedPort(), 3);
    QCOMPARE(remembered.size(), 1);
    QVERIFY(rig.messages.shown.isEmpty());
    QCOMPARE(rig.port.timeouts, (CommTimeouts{1, 1, 1, 1, 1000}));
}

void TestPortChooser::choosingAPortThatCannotOpen_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    for (int n = 1; n <= kPortNumbers; ++n) {
        QTest::addRow("COM%d English", n)
            << n << 1
            << QStringLiteral("Serial port %1 has been other programs use, please choose other "
                              "serial or turn off its program.")
                   .arg(n);
        QTest::addRow("COM%d Chinese", n)
            << n << 0
            << QString::fromUtf8("串行端口%1已被其它程序使用，请选择其它串口或关掉其程序.").arg(n);
    }
}

void TestPortChooser::choosingAPortThatCannotOpen() {
    QFETCH(int, number);
    QFETCH(int, language);
    QFETCH(QString, message);
    ChooserRig rig;
    const int previous = number == 1 ? 2 : 1;
    rig.chooser.choosePort(previous, 1);
    QCOMPARE(rig.checked(), QList<int>{previous});
    rig.port.missingDevices << portDevice(number);
    rig.chooser.choosePort(number, qint16(language));
    QVERIFY(!rig.port.isOpen());
    QCOMPARE(rig.messages.shown.size(), 1);
    // The item's message as the program always had it, then the system's
    // reason in the same language.
    const QString reason =
        (language == 0
             ? QString::fromUtf8("无法打开 %1：文件或目录不存在（No such file or directory）")
             : QStringLiteral("Cannot open %1: No such file or directory"))
            .arg(portDevice(number));
    const QString shown = rig.messages.shown.at(0).text;
    QVERIFY2(shown.startsWith(message + QStringLiteral("\n\n") + reason + QLatin1Char('\n')),
             qPrintable(shown));
    QCOMPARE(rig.messages.shown.at(0).flags, quint32(64));
    QCOMPARE(rig.messages.shown.at(0).title, QString());
    // No item keeps a mark; the next read still uses the previous port.
    QCOMPARE(rig.checked(), QList<int>{});
    QCOMPARE(rig.chooser.rememberedPort(), previous);
    rig.chooser.OpenCom();
    QVERIFY(rig.port.isOpen());
    QCOMPARE(rig.port.device(), portDevice(previous));
}

void TestPortChooser::failedChoiceOfTheCheckedItemKeepsItsMark() {
    ChooserRig rig;
    rig.chooser.choosePort(4, 1);
    rig.port.missingDevices << portDevice(4);
    rig.chooser.choosePort(4, 1);
    QVERIFY(!rig.port.isOpen());
    QCOMPARE(rig.checked(), QList<int>{4});
    QCOMPARE(rig.messages.shown.size(), 1);
}

void TestPortChooser::choosingTheCheckedItemReopens() {
    ChooserRig rig;
    rig.chooser.choosePort(2, 1);
    QCOMPARE(rig.port.opens, 1);
    rig.chooser.choosePort(2, 1);
    QCOMPARE(rig.port.closes, 1);
    QCOMPARE(rig.port.opens, 2);
    QVERIFY(rig.port.isOpen());
    QCOMPARE(rig.checked(), QList<int>{2});
}

void TestPortChooser::openComUsesTheRememberedPort_data() {
    QTest::addColumn<int>("remembered");
    QTest::addColumn<QString>("devicePath");
    QTest::addColumn<QString>("expectedDevice");
    QTest::addColumn<bool>("opens");
    QTest::newRow("after a restart, COM5") << 5 << QString() << portDevice(5) << true;
    QTest::newRow("never chosen") << 0 << QString() << QString() << false;
    QTest::newRow("a device path wins") << 5 << "/dev/pts/7"
                                        << "/dev/pts/7" << true;
}

void TestPortChooser::openComUsesTheRememberedPort() {
    QFETCH(int, remembered);
    QFETCH(QString, devicePath);
    QFETCH(QString, expectedDevice);
    QFETCH(bool, opens);
    ChooserRig rig;
    rig.chooser.setRememberedPort(remembered);
    rig.chooser.setDevicePath(devicePath);
    rig.chooser.OpenCom();
    QCOMPARE(rig.port.isOpen(), opens);
    QCOMPARE(rig.port.device(), expectedDevice);
    QCOMPARE(rig.chooser.chosenDevice(), expectedDevice);
    // No check mark after a restart, whatever OpenCom did.
    QCOMPARE(rig.checked(), QList<int>{});
    QVERIFY(rig.messages.shown.isEmpty());
    // OpenCom closes first: a second call leaves one open port.
    rig.chooser.OpenCom();
    QCOMPARE(rig.port.isOpen(), opens);
    QCOMPARE(rig.port.closes, opens ? 1 : 0);
}

void TestPortChooser::portDevicesByPlatform_data() {
    QTest::addColumn<int>("platform");
    QTest::addColumn<QStringList>("devEntries");
    QTest::addColumn<QStringList>("devices"); // for COM1 .. COM8
    QTest::newRow("Windows") << int(PortPlatform::Windows) << QStringList()
                             << QStringList{"COM1", "COM2", "COM3", "COM4",
                                            "COM5", "COM6", "COM7", "COM8"};
    QTest::newRow("Linux") << int(PortPlatform::Linux) << QStringList()
                           << QStringList{"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2",
                                          "/dev/ttyUSB3", "/dev/ttyACM0", "/dev/ttyACM1",
                                          "/dev/ttyS0",   "/dev/ttyS1"};
    QTest::newRow("macOS") << int(PortPlatform::MacOS)
                           << QStringList{"cu.usbmodem1421",
                                          "tty.usbserial-A1",
                                          "cu.Bluetooth-Incoming-Port",
                                          "cu.usbserial-B2",
                                          "cu.usbserial-A1",
                                          "cu.SLAB_USBtoUART",
                                          "null",
                                          "cu.wchusbserial1410",
                                          "cu.usbmodem11"}
                           << QStringList{"/dev/cu.SLAB_USBtoUART",
                                          "/dev/cu.usbserial-A1",
                                          "/dev/cu.usbserial-B2",
                                          "/dev/cu.wchusbserial1410",
                                          "/dev/cu.usbmodem11",
                                          "/dev/cu.usbmodem1421",
                                          "",
                                          ""};
}

void TestPortChooser::portDevicesByPlatform() {
    QFETCH(int, platform);
    QFETCH(QStringList, devEntries);
    QFETCH(QStringList, devices);
    for (int n = 1; n <= kPortNumbers; ++n)
        QCOMPARE(portDevice(n, PortPlatform(platform), devEntries), devices.at(n - 1));
    QCOMPARE(portDevice(0, PortPlatform(platform), devEntries), QString());
    QCOMPARE(portDevice(9, PortPlatform(platform), devEntries), QString());
}

void TestPortChooser::portNumberOfName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("COM1") << "COM1" << 1;
    QTest::newRow("com8") << "com8" << 8;
    QTest::newRow("COM9 is a device name") << "COM9" << 0;
    QTest::newRow("COM0") << "COM0" << 0;
    QTest::newRow("COM12") << "COM12" << 0;
    QTest::newRow("path") << "/dev/ttyUSB0" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestPortChooser::portNumberOfName() {
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(::portNumberOfName(name), number);
}

void TestPortChooser::tunedTimeouts_data() {
    QTest::addColumn<int>("buffer");
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("writeConstant");
    QTest::newRow("512 bytes at 9600") << 512 << 9600 << 1000;
    QTest::newRow("9600 bytes at 9600") << 9600 << 9600 << 11000;
    QTest::newRow("20000 bytes at 9600") << 20000 << 9600 << 21000;
}

void TestPortChooser::tunedTimeouts() {
    QFETCH(int, buffer);
    QFETCH(int, baud);
    QFETCH(int, writeConstant);
    const CommTimeouts t = tunedCommTimeouts(buffer, baud);
    QCOMPARE(t, (CommTimeouts{1, 1, 1, 1, quint32(writeConstant)}));
}

void TestPortChooser::permissionAdviceNamesOwnerGroupAndMode() {
    VQ740_NEEDS_UNIX("device files with an owner, a group and a mode");
    QTemporaryDir dir;
    const QString device = dir.filePath(QStringLiteral("ttyUSB0"));
    QFile file(device);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(::chmod(device.toLocal8Bit().constData(), 0660) == 0);
    const DeviceAccess access = deviceAccess(device);
    QVERIFY(access.known);
    QCOMPARE(access.mode, QStringLiteral("-rw-rw----"));
    QVERIFY(!access.owner.isEmpty() && !access.group.isEmpty());

    const QStringList lines =
        portOpenAdvice(device, PortOpenFailure::PermissionDenied, "Permission denied", 1);
    const QString text = lines.join(QLatin1Char('\n'));
    QVERIFY2(text.contains(QStringLiteral("Cannot open %1: Permission denied").arg(device)),
             qPrintable(text));
    QVERIFY2(text.contains(access.owner) && text.contains(access.mode), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("group %1").arg(access.group)), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("usermod -aG")), qPrintable(text));
}

void TestPortChooser::adviceForAMissingDevice() {
    const QStringList english =
        portOpenAdvice("/dev/ttyUSB3", PortOpenFailure::NoDevice, "No such file or directory", 1);
    QCOMPARE(english.first(),
             QStringLiteral("Cannot open /dev/ttyUSB3: No such file or directory"));
    QVERIFY(english.join(' ').contains(QLatin1String("plugged in")));
    const QStringList chinese =
        portOpenAdvice("/dev/ttyUSB3", PortOpenFailure::NoDevice, "No such file or directory", 0);
    QVERIFY(chinese.first().startsWith(QString::fromUtf8("无法打开 /dev/ttyUSB3")));
    QCOMPARE(portOpenAdvice(QString(), PortOpenFailure::NoDevice, QString(), 1),
             QStringList{"No serial port has been chosen."});
}

// Clicks on the menu: "COMn" for a COM item, a path for a device item. A
// click prefixed with "!" finds its device gone first.
void TestPortChooser::choosingDeviceItems_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<QString>("checkedDevice");
    QTest::addColumn<int>("remembered");
    QTest::addColumn<QString>("devicePath");
    QTest::addColumn<int>("messages");
    QTest::newRow("a device opens") << QStringList{"/dev/ttyUSB4"} << QList<int>{} << "/dev/ttyUSB4"
                                    << 0 << "/dev/ttyUSB4" << 0;
    QTest::newRow("a device takes the mark from COM1, the COM number stays")
        << QStringList{"COM1", "/dev/ttyUSB4"} << QList<int>{} << "/dev/ttyUSB4" << 1
        << "/dev/ttyUSB4" << 0;
    QTest::newRow("COM3 takes the mark from a device and forgets it")
        << QStringList{"/dev/ttyUSB4", "COM3"} << QList<int>{3} << "" << 3 << "" << 0;
    QTest::newRow("another device moves the mark")
        << QStringList{"/dev/ttyUSB4", "/dev/rfcomm0"} << QList<int>{} << "/dev/rfcomm0" << 0
        << "/dev/rfcomm0" << 0;
    QTest::newRow("a missing device: no mark, the chosen device stays")
        << QStringList{"COM2", "/dev/ttyUSB4", "!/dev/pts/9"} << QList<int>{} << "" << 2
        << "/dev/ttyUSB4" << 1;
    QTest::newRow("the checked device gone: it keeps its mark")
        << QStringList{"/dev/ttyUSB4", "!/dev/ttyUSB4"} << QList<int>{} << "/dev/ttyUSB4" << 0
        << "/dev/ttyUSB4" << 1;
    QTest::newRow("a missing COM item after a device: no mark, the device stays")
        << QStringList{"/dev/ttyUSB4", "!COM5"} << QList<int>{} << "" << 0 << "/dev/ttyUSB4" << 1;
}

void TestPortChooser::choosingDeviceItems() {
    QFETCH(QStringList, clicks);
    QFETCH(QList<int>, checked);
    QFETCH(QString, checkedDevice);
    QFETCH(int, remembered);
    QFETCH(QString, devicePath);
    QFETCH(int, messages);
    ChooserRig rig;
    QSignalSpy devices(&rig.chooser, &PortChooser::devicePathChanged);
    for (QString click : clicks) {
        const bool gone = click.startsWith(QLatin1Char('!'));
        click.remove(QLatin1Char('!'));
        const int number = ::portNumberOfName(click);
        if (gone)
            rig.port.missingDevices << (number ? portDevice(number) : click);
        if (number)
            rig.chooser.choosePort(number, 1);
        else
            rig.chooser.chooseDevice(click, 1);
    }
    QCOMPARE(rig.checked(), checked);
    QCOMPARE(rig.chooser.checkedDevice(), checkedDevice);
    for (const QString device : {"/dev/ttyUSB4", "/dev/rfcomm0", "/dev/pts/9"})
        QCOMPARE(rig.chooser.isDeviceChecked(device), device == checkedDevice);
    QCOMPARE(rig.chooser.rememberedPort(), remembered);
    QCOMPARE(rig.chooser.devicePath(), devicePath);
    QCOMPARE(rig.messages.shown.size(), messages);
    if (!devices.isEmpty())
        QCOMPARE(devices.last().at(0).toString(), devicePath);
    // Read and Write open the remembered device before the COM number.
    rig.port.missingDevices.clear();
    rig.chooser.OpenCom();
    QCOMPARE(rig.port.device(), devicePath.isEmpty() ? portDevice(remembered) : devicePath);
}

void TestPortChooser::failedDeviceChoiceSaysWhy() {
    ChooserRig rig;
    rig.port.missingDevices << QStringLiteral("/dev/ttyUSB9");
    rig.chooser.chooseDevice(QStringLiteral("/dev/ttyUSB9"), 1);
    QCOMPARE(rig.messages.shown.size(), 1);
    const QStringList lines = rig.messages.shown.at(0).text.split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(0, 2),
             (QStringList{"Cannot open /dev/ttyUSB9: No such file or directory",
                          "There is no such device: check that the programming cable is plugged "
                          "in, or choose another port."}));
    QCOMPARE(rig.messages.shown.at(0).flags, quint32(64));
    rig.port.busyDevices << QStringLiteral("/dev/ttyUSB8");
    rig.chooser.chooseDevice(QStringLiteral("/dev/ttyUSB8"), 0);
    QVERIFY(rig.messages.shown.at(1).text.startsWith(
        QString::fromUtf8("无法打开 /dev/ttyUSB8：设备正被占用（Device or resource busy）\n")));
    // An empty path is no item: nothing happens.
    rig.chooser.chooseDevice(QString(), 1);
    QCOMPARE(rig.messages.shown.size(), 2);
    QCOMPARE(rig.port.opens, 0);
}

QTEST_GUILESS_MAIN(TestPortChooser)
#include "tst_portchooser.moc"
