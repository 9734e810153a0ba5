// The serial devices present: the menu's labels and tips, their order, the
// stable names, the check of a typed device path, and Find my cable's
// comparison.
#include "scriptedenumerator.h"

#include "link/cablefinder.h"
#include "link/portdevices.h"
#include "link/portnames.h"

#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/unixcalls.h"

Q_DECLARE_METATYPE(DevicePathProblem)

class TestPortDevices : public QObject {
    Q_OBJECT
private slots:
    void labels_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::addColumn<QString>("label");
        QTest::newRow("USB cable")
            << "CP2102 USB to UART"
            << "Silicon Labs" << 0x10c4 << 0xea60
            << QString::fromUtf8("/dev/ttyUSB4 — CP2102 USB to UART (Silicon Labs) "
                                 "10c4:ea60");
        QTest::newRow("nothing known") << ""
                                       << "" << -1 << -1 << "/dev/ttyUSB4";
        QTest::newRow("maker only, small ids")
            << ""
            << "FTDI" << 0x0403 << 0x0001 << QString::fromUtf8("/dev/ttyUSB4 — (FTDI) 0403:0001");
        QTest::newRow("maker as description")
            << "Prolific"
            << "Prolific" << -1 << -1 << QString::fromUtf8("/dev/ttyUSB4 — Prolific");
    }
    void labels() {
        QFETCH(QString, description);
        QFETCH(QString, manufacturer);
        QFETCH(int, vendor);
        QFETCH(int, product);
        QFETCH(QString, label);
        SerialDeviceInfo info =
            usbDevice("/dev/ttyUSB4", description, manufacturer, vendor, product);
        QCOMPARE(deviceItemLabel(info), label);
        QCOMPARE(deviceItemTip(info), QStringLiteral("/dev/ttyUSB4"));
        info.stableName = QStringLiteral("/dev/serial/by-id/usb-Silicon_Labs_CP2102_0001-if00");
        QCOMPARE(deviceItemTip(info), info.stableName);
    }

    void devicesInNameOrder() {
        QList<SerialDeviceInfo> devices;
        for (const char *name : {"/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyUSB2", "/dev/ttyACM0",
                                 "/dev/ttyUSB0", "/dev/rfcomm0"})
            devices << usbDevice(QLatin1String(name));
        sortDevices(devices);
        QStringList names;
        for (const SerialDeviceInfo &info : devices)
            names << info.device;
        QCOMPARE(names, (QStringList{"/dev/rfcomm0", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyUSB0",
                                     "/dev/ttyUSB2", "/dev/ttyUSB10"}));
    }

    void stableNamesLeadToTheirDevices() {
        VQ740_NEEDS_UNIX("the symbolic links of /dev/serial/by-id");
        QTemporaryDir dir;
        const QString devices = dir.filePath("dev");
        const QString byId = dir.filePath("by-id");
        QVERIFY(QDir().mkpath(devices) && QDir().mkpath(byId));
        for (const char *name : {"ttyUSB0", "ttyUSB1"}) {
            QFile f(devices + "/" + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::link("../dev/ttyUSB1", byId + "/usb-FTDI_FT232R_A1-if00-port0"));
        QVERIFY(QFile::link(devices + "/ttyUSB0", byId + "/usb-Prolific_PL2303-if00-port0"));
        QVERIFY(QFile::link(devices + "/gone", byId + "/usb-dangling"));
        const QMap<QString, QString> names = stableDeviceNames(byId);
        QCOMPARE(names.size(), 2);
        QCOMPARE(names.value(QFileInfo(devices + "/ttyUSB1").canonicalFilePath()),
                 byId + "/usb-FTDI_FT232R_A1-if00-port0");
        QCOMPARE(names.value(QFileInfo(devices + "/ttyUSB0").canonicalFilePath()),
                 byId + "/usb-Prolific_PL2303-if00-port0");
        QVERIFY(stableDeviceNames(dir.filePath("missing")).isEmpty());
    }

    void systemDevicesAreSortedAndOpenable() {
        // Whatever this machine has: names in order, each a path to a device.
        SystemPortEnumerator system;
        const QList<SerialDeviceInfo> devices = system.devices();
        QList<SerialDeviceInfo> sorted = devices;
        sortDevices(sorted);
        QCOMPARE(sorted, devices);
        for (const SerialDeviceInfo &info : devices)
            QVERIFY2(!info.device.isEmpty() && deviceItemLabel(info).startsWith(info.device),
                     qPrintable(info.device));
    }

    void typedDevicePaths_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<DevicePathProblem>("problem");
        QTest::addColumn<QString>("english");
#ifdef Q_OS_WIN
        // Windows ports are names, not files.
        const QString askName = "Please type the name of the serial port, such as COM12.";
        QTest::newRow("empty") << "" << DevicePathProblem::Empty << askName;
        QTest::newRow("blanks") << "   " << DevicePathProblem::Empty << askName;
        QTest::newRow("a port") << "COM12" << DevicePathProblem::None << "";
        QTest::newRow("its device path") << R"(\\.\COM12)" << DevicePathProblem::None << "";
        QTest::newRow("a Linux path")
            << "/dev/ttyUSB0" << DevicePathProblem::NotAPortName
            << R"(/dev/ttyUSB0 is not the name of a serial port: type a name such as COM12 or \\.\COM12.)";
        QTest::newRow("a folder") << R"(C:\Windows)" << DevicePathProblem::NotAPortName
                                  << R"(C:\Windows is not the name of a serial port: type a name )"
                                     R"(such as COM12 or \\.\COM12.)";
#else
        QTest::newRow("empty")
            << "" << DevicePathProblem::Empty
            << "Please type the path of the serial device, such as /dev/ttyUSB0.";
        QTest::newRow("blanks") << "   " << DevicePathProblem::Empty
                                << "Please type the path of the serial device, such as "
                                   "/dev/ttyUSB0.";
        QTest::newRow("missing") << "/dev/no-such-vq740-device" << DevicePathProblem::Missing
                                 << "There is no device /dev/no-such-vq740-device: check the "
                                    "path, and that the cable is plugged in.";
        QTest::newRow("folder") << "/dev" << DevicePathProblem::NotADevice
                                << "/dev is not a serial device.";
        QTest::newRow("plain file") << "/etc/hostname" << DevicePathProblem::NotADevice
                                    << "/etc/hostname is not a serial device.";
        QTest::newRow("a device") << "/dev/null" << DevicePathProblem::None << "";
#endif
    }
    void typedDevicePaths() {
        QFETCH(QString, path);
        QFETCH(DevicePathProblem, problem);
        QFETCH(QString, english);
        if (path == QLatin1String("/etc/hostname") && !QFile::exists(path))
            QSKIP("no /etc/hostname here");
        QCOMPARE(checkDevicePath(path), problem);
        QCOMPARE(devicePathProblemText(problem, path, 1), english);
        // Chinese has its own wording for every problem, naming the path.
        const QString chinese = devicePathProblemText(problem, path, 0);
        QCOMPARE(chinese.isEmpty(), problem == DevicePathProblem::None);
        QVERIFY(chinese != english || problem == DevicePathProblem::None);
        if (problem == DevicePathProblem::Missing || problem == DevicePathProblem::NotADevice ||
            problem == DevicePathProblem::NotAPortName)
            QVERIFY(chinese.contains(path));
    }

    void windowsPortNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("port"); // empty: no port
        QTest::newRow("a name") << "COM12"
                                << "COM12";
        QTest::newRow("small letters, blanks") << " com3 "
                                               << "COM3";
        QTest::newRow("device path") << R"(\\.\COM12)"
                                     << "COM12";
        QTest::newRow("device path, small letters") << R"(\\.\com7)"
                                                    << "COM7";
        QTest::newRow("leading zero") << "COM012"
                                      << "COM12";
        QTest::newRow("the last port") << "COM255"
                                       << "COM255";
        QTest::newRow("beyond the last") << "COM256"
                                         << "";
        QTest::newRow("COM0") << "COM0"
                              << "";
        QTest::newRow("no number") << "COM"
                                   << "";
        QTest::newRow("another device") << R"(\\.\CNCA0)"
                                        << R"(\\.\CNCA0)";
        QTest::newRow("one backslash too few") << R"(\.\COM12)"
                                               << "";
        QTest::newRow("a Linux path") << "/dev/ttyUSB0"
                                      << "";
        QTest::newRow("a file") << R"(C:\radio.DAT)"
                                << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void windowsPortNames() {
        QFETCH(QString, typed);
        QFETCH(QString, port);
        QCOMPARE(windowsPortName(typed), port);
    }

    void typedDeviceIsWhatOpens_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("device");
#ifdef Q_OS_WIN
        QTest::newRow("device path") << R"( \\.\COM12 )"
                                     << "COM12";
        QTest::newRow("small letters") << "com3"
                                       << "COM3";
        QTest::newRow("another device") << R"(\\.\CNCA0)"
                                        << R"(\\.\CNCA0)";
#else
        QTest::newRow("blanks around") << " /dev/ttyUSB0 "
                                       << "/dev/ttyUSB0";
        QTest::newRow("a Windows name stays") << "COM12"
                                              << "COM12";
#endif
    }
    void typedDeviceIsWhatOpens() {
        QFETCH(QString, typed);
        QFETCH(QString, device);
        QCOMPARE(typedDevice(typed), device);
    }

    void pseudoTerminalIsADevice() {
        VQ740_NEEDS_PTY();
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const QString path = QString::fromLocal8Bit(::ptsname(master));
        QCOMPARE(checkDevicePath(path), DevicePathProblem::None);
        ::close(master);
    }

    void appeared_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("appeared");
        QTest::newRow("one cable")
            << QStringList{"/dev/ttyS0"} << QStringList{"/dev/ttyS0", "/dev/ttyUSB4"}
            << QStringList{"/dev/ttyUSB4"};
        QTest::newRow("nothing new") << QStringList{"/dev/ttyS0", "/dev/ttyUSB0"}
                                     << QStringList{"/dev/ttyS0"} << QStringList{};
        QTest::newRow("two ports of one adapter")
            << QStringList{} << QStringList{"/dev/ttyUSB4", "/dev/ttyUSB5"}
            << QStringList{"/dev/ttyUSB4", "/dev/ttyUSB5"};
        QTest::newRow("another name after a replug")
            << QStringList{"/dev/ttyUSB0"} << QStringList{"/dev/ttyUSB1"}
            << QStringList{"/dev/ttyUSB1"};
    }
    void appeared() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QStringList, appeared);
        const auto list = [](const QStringList &names) {
            QList<SerialDeviceInfo> devices;
            for (const QString &name : names)
                devices << usbDevice(name);
            return devices;
        };
        QStringList names;
        for (const SerialDeviceInfo &info : appearedDevices(list(before), list(after)))
            names << info.device;
        QCOMPARE(names, appeared);
    }

    void cableFinderWaitsForTheCable() {
        const SerialDeviceInfo board = usbDevice("/dev/ttyS0");
        const SerialDeviceInfo cable =
            usbDevice("/dev/ttyUSB4", "CP2102 USB to UART", "Silicon Labs", 0x10c4, 0xea60);
        ScriptedEnumerator devices;
        // Unplugged; then the system needs two more looks to name the cable.
        devices.script = {{board}, {board}, {board}, {board, cable}};
        CableFinder finder(devices);
        finder.noteUnplugged();
        QCOMPARE(finder.waitForAppeared(0, 0), QList<SerialDeviceInfo>{});
        QCOMPARE(finder.waitForAppeared(5, 0), QList<SerialDeviceInfo>{cable});
        QCOMPARE(devices.calls, 4);
        QCOMPARE(cableFoundText({cable}, 1),
                 QString::fromUtf8("The cable is on /dev/ttyUSB4 — CP2102 USB to UART "
                                   "(Silicon Labs) 10c4:ea60.\n\nPress OK to use this port."));
        QVERIFY(cableFoundText({cable}, 0).contains(QStringLiteral("/dev/ttyUSB4")));
        QCOMPARE(cableFoundText({cable, board}, 1),
                 QString::fromUtf8("Several devices appeared: /dev/ttyUSB4 — CP2102 USB to UART "
                                   "(Silicon Labs) 10c4:ea60, /dev/ttyS0.\n\nPress OK to use "
                                   "/dev/ttyUSB4."));
        QCOMPARE(cableFoundText({}, 1), cableText(CableText::None, 1));
    }

    void cableTextsInBothLanguages() {
        for (CableText text : {CableText::Unplug, CableText::PlugIn, CableText::None}) {
            QVERIFY(!cableText(text, 1).isEmpty());
            QVERIFY(cableText(text, 0) != cableText(text, 1));
        }
        QVERIFY(cableText(CableText::Unplug, 1).contains(QLatin1String("unplug")));
        QVERIFY(cableText(CableText::PlugIn, 1).contains(QLatin1String("plug the programming")));
    }
};

QTEST_GUILESS_MAIN(TestPortDevices)
#include "tst_portdevices.moc"
