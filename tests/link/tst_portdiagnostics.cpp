// Why a serial device did not open, in plain words: the advice made from
// the facts (crafted here, so every case can be shown on any machine), the
// lock files of serial programs, and the processes that hold a device.
#include "scriptedenumerator.h"
#include "tests/support/testfiles.h"

#include "image/systemreason.h"
#include "link/portdiagnostics.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/unixcalls.h"
#include <cerrno>

namespace {

constexpr uint kDialout = 20;

PortFacts permissionFacts(const QString &group, uint gid, quint32 permissions) {
    PortFacts facts;
    facts.device = QStringLiteral("/dev/ttyUSB4");
    facts.access.known = true;
    facts.access.owner = QStringLiteral("root");
    facts.access.group = group;
    facts.access.gid = gid;
    facts.access.permissions = permissions;
    facts.access.characterDevice = true;
    facts.access.mode = QStringLiteral("crw-rw----");
    facts.user.uid = 1000;
    facts.user.sessionGroups = {1000};
    facts.user.listedGroups = {1000};
    return facts;
}

QString advice(const PortFacts &facts, PortOpenFailure failure, qint16 language = 1) {
    return portOpenAdvice(facts, failure, QStringLiteral("Permission denied"), language)
        .join(QLatin1Char('\n'));
}

// A process id that no process has: a child that has ended.
qint64 endedProcessId() {
    QProcess child;
    child.start(QStringLiteral("true"), QStringList());
    const qint64 pid = child.waitForStarted() ? child.processId() : 0;
    child.waitForFinished();
    return pid;
}

} // namespace

class TestPortDiagnostics : public QObject {
    Q_OBJECT
private slots:
    void permissionAdvice_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<uint>("gid");
        QTest::addColumn<uint>("permissions");
        QTest::addColumn<bool>("listedOnly"); // in the group, but not in this login
        QTest::addColumn<bool>("usbIds");
        QTest::addColumn<QStringList>("expected");
        const QString rule = "  echo '%1, GROUP=\"dialout\", MODE=\"0660\"' | sudo tee "
                             "/etc/udev/rules.d/50-vq740-cable.rules";
        QTest::newRow("not in the group")
            << "dialout" << kDialout << 0660u << false << false
            << QStringList{"Your user must be in the group dialout: sudo usermod -aG dialout "
                           "$USER, then log out and in again."};
        QTest::newRow("another serial group")
            << "uucp" << 14u << 0660u << false << false
            << QStringList{"Your user must be in the group uucp: sudo usermod -aG uucp $USER, "
                           "then log out and in again."};
        QTest::newRow("joined, not yet logged in again")
            << "dialout" << kDialout << 0660u << true << false
            << QStringList{"Your user is in the group dialout, but this login began before it "
                           "joined: log out and in again."};
        QTest::newRow("no group may use it, USB ids known")
            << "root" << 0u << 0660u << false << true
            << QStringList{"No group may use this device. Install a udev rule that gives it to "
                           "the group dialout:",
                           rule.arg("SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"10c4\", "
                                    "ATTRS{idProduct}==\"ea60\""),
                           "  sudo udevadm control --reload-rules && sudo udevadm trigger",
                           "Then plug the cable in again, and join the group: sudo usermod -aG "
                           "dialout $USER, then log out and in again."};
        // No rule can match a device without USB ids (a port on the main
        // board, a pseudo-terminal): the serial group instead.
        QTest::newRow("group without read and write, no USB ids")
            << "dialout" << kDialout << 0600u << false << false
            << QStringList{"Your user must be in the group dialout: sudo usermod -aG dialout "
                           "$USER, then log out and in again."};
        QTest::newRow("pseudo-terminal, its group may only write")
            << "tty" << 5u << 0620u << false << false
            << QStringList{"Your user must be in the group dialout: sudo usermod -aG dialout "
                           "$USER, then log out and in again."};
    }
    void permissionAdvice() {
        QFETCH(QString, group);
        QFETCH(uint, gid);
        QFETCH(uint, permissions);
        QFETCH(bool, listedOnly);
        QFETCH(bool, usbIds);
        QFETCH(QStringList, expected);
        PortFacts facts = permissionFacts(group, gid, permissions);
        if (listedOnly)
            facts.user.listedGroups.insert(gid);
        if (usbIds)
            facts.usb = usbDevice("/dev/ttyUSB4", "CP2102", "Silicon Labs", 0x10c4, 0xea60);
        const QStringList lines = portOpenAdvice(facts, PortOpenFailure::PermissionDenied,
                                                 QStringLiteral("Permission denied"), 1);
        QCOMPARE(lines.mid(0, 2),
                 (QStringList{"Cannot open /dev/ttyUSB4: Permission denied",
                              QString("/dev/ttyUSB4 belongs to user root and group %1, mode "
                                      "crw-rw----.")
                                  .arg(group)}));
        QCOMPARE(lines.mid(2), expected);
        // The same advice in Chinese: as many lines, the commands unchanged.
        const QStringList chinese = portOpenAdvice(facts, PortOpenFailure::PermissionDenied,
                                                   QStringLiteral("Permission denied"), 0);
        QCOMPARE(chinese.size(), lines.size());
        QVERIFY(chinese.first().startsWith(QString::fromUtf8("无法打开 /dev/ttyUSB4")));
        for (int i = 0; i < lines.size(); ++i)
            if (lines.at(i).startsWith(QLatin1String("  ")))
                QCOMPARE(chinese.at(i), lines.at(i));
    }

    void permissionAdviceWithoutTheFacts() {
        PortFacts facts;
        facts.device = QStringLiteral("/dev/ttyUSB4");
        QCOMPARE(advice(facts, PortOpenFailure::PermissionDenied),
                 QStringLiteral("Cannot open /dev/ttyUSB4: Permission denied\n"
                                "Your user must be in the group dialout: sudo usermod -aG dialout "
                                "$USER, then log out and in again."));
    }

    void inUseAdvice_data() {
        QTest::addColumn<qint64>("lockPid"); // -1: no lock file
        QTest::addColumn<bool>("alive");
        QTest::addColumn<bool>("holder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("lock of a running program")
            << qint64(4242) << true << false
            << "/dev/ttyUSB4 is in use by minicom (process 4242) (lock file "
               "/var/lock/LCK..ttyUSB4): close that program.";
        QTest::newRow("lock left behind")
            << qint64(4242) << false << false
            << "A program that has ended (process 4242) left the lock file /var/lock/LCK..ttyUSB4 "
               "behind. Remove it: sudo rm /var/lock/LCK..ttyUSB4";
        QTest::newRow("lock that cannot be read")
            << qint64(0) << false << false
            << "The lock file /var/lock/LCK..ttyUSB4 marks the device as in use. If no program is "
               "using it, remove it: sudo rm /var/lock/LCK..ttyUSB4";
        QTest::newRow("held without a lock")
            << qint64(-1) << false << true
            << "/dev/ttyUSB4 is open in screen (process 77): close that program.";
        QTest::newRow("nothing known") << qint64(-1) << false << false
                                       << "Another program is using the port; close that program.";
    }
    void inUseAdvice() {
        QFETCH(qint64, lockPid);
        QFETCH(bool, alive);
        QFETCH(bool, holder);
        QFETCH(QString, expected);
        PortFacts facts;
        facts.device = QStringLiteral("/dev/ttyUSB4");
        if (lockPid >= 0)
            facts.lock = PortLock{QStringLiteral("/var/lock/LCK..ttyUSB4"), lockPid, alive,
                                  alive ? QStringLiteral("minicom") : QString()};
        if (holder)
            facts.holders = {DeviceHolder{77, QStringLiteral("screen")}};
        const QStringList lines = portOpenAdvice(facts, PortOpenFailure::InUse,
                                                 QStringLiteral("Device or resource busy"), 1);
        QCOMPARE(lines,
                 (QStringList{"Cannot open /dev/ttyUSB4: Device or resource busy", expected}));
        const QStringList chinese = portOpenAdvice(facts, PortOpenFailure::InUse,
                                                   QStringLiteral("Device or resource busy"), 0);
        QCOMPARE(chinese.size(), 2);
        QCOMPARE(chinese.at(0), QString::fromUtf8("无法打开 /dev/ttyUSB4：设备正被占用（Device or "
                                                  "resource busy）"));
        QVERIFY(chinese.at(1) != expected);
        if (lockPid >= 0)
            QVERIFY(chinese.at(1).contains(QStringLiteral("/var/lock/LCK..ttyUSB4")));
    }

    void missingDeviceNamesTheDevicesPresent() {
        ScriptedEnumerator devices;
        devices.script = {{usbDevice("/dev/ttyS0"),
                           usbDevice("/dev/ttyUSB4", "CP2102", "Silicon Labs", 0x10c4, 0xea60)}};
        const PortFacts facts =
            examinePort(QStringLiteral("/dev/ttyUSB0"), PortOpenFailure::NoDevice,
                        serialLockDirectories(), &devices);
        QCOMPARE(portOpenAdvice(facts, PortOpenFailure::NoDevice,
                                QStringLiteral("No such file or directory"), 1),
                 (QStringList{"Cannot open /dev/ttyUSB0: No such file or directory",
                              "There is no such device: check that the programming cable is "
                              "plugged in, or choose another port.",
                              QString::fromUtf8("Serial devices present now: /dev/ttyS0, "
                                                "/dev/ttyUSB4 — CP2102 (Silicon Labs) "
                                                "10c4:ea60.")}));
        devices.script = {{}};
        const PortFacts none =
            examinePort(QStringLiteral("/dev/ttyUSB0"), PortOpenFailure::NoDevice, {}, &devices);
        QCOMPARE(portOpenAdvice(none, PortOpenFailure::NoDevice, QString(), 1).last(),
                 QStringLiteral("No serial device is present now."));
    }

    void whatIsNotADevice() {
        VQ740_NEEDS_UNIX("device files");
        const PortFacts facts =
            examinePort(QStringLiteral("/tmp"), PortOpenFailure::Other, {}, nullptr);
        QCOMPARE(portOpenAdvice(facts, PortOpenFailure::Other, QStringLiteral("Is a directory"), 1),
                 (QStringList{"Cannot open /tmp: Is a directory", "/tmp is not a serial device."}));
    }

    void messageThenReason() {
        QCOMPARE(messageWithReason("Port not open.", {"Cannot open X: busy", "Close it."}),
                 QStringLiteral("Port not open.\n\nCannot open X: busy\nClose it."));
        QCOMPARE(messageWithReason("Port not open.", {}), QStringLiteral("Port not open."));
    }

    void lockFileNames_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("USB serial") << "/dev/ttyUSB0" << QStringList{"LCK..ttyUSB0"};
        QTest::newRow("pseudo-terminal") << "/dev/pts/3" << QStringList{"LCK..pts_3"};
        QTest::newRow("outside /dev") << "/tmp/radio" << QStringList{"LCK.._tmp_radio"};
    }
    void lockFileNames() {
        QFETCH(QString, device);
        QFETCH(QStringList, names);
        QCOMPARE(::lockFileNames(device), names);
    }

    void lockOfALinkedDevice() {
        VQ740_NEEDS_UNIX("lock files of serial devices");
        // A stable name locks under its own name with Qt, under the real
        // device's name with other programs: both are looked for.
        QTemporaryDir dir;
        const QString real = dir.filePath("ttyUSB7");
        QVERIFY(writeFile(real, QByteArray()));
        const QString link = dir.filePath("by-id-cable");
        QVERIFY(QFile::link(real, link));
        QString realName = QFileInfo(real).canonicalFilePath();
        realName.replace(QLatin1Char('/'), QLatin1Char('_'));
        QString linkName = link;
        linkName.replace(QLatin1Char('/'), QLatin1Char('_'));
        QCOMPARE(::lockFileNames(link), (QStringList{"LCK.." + linkName, "LCK.." + realName}));
        const QString locks = dir.filePath("locks");
        QVERIFY(QDir().mkpath(locks));
        QVERIFY(writeFile(locks + "/LCK.." + realName, "   4242\n"));
        const std::optional<PortLock> lock = findPortLock(link, {dir.filePath("none"), locks});
        QVERIFY(lock.has_value());
        QCOMPARE(lock->path, locks + "/LCK.." + realName);
    }

    void lockFileForms_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("pid"); // 0: cannot be read
        QTest::addColumn<bool>("alive");
        const qint64 self = QCoreApplication::applicationPid();
        const QByteArray app = QCoreApplication::applicationFilePath().toLocal8Bit();
        qint32 binary = qint32(self);
        const qint64 ended = endedProcessId();
        QTest::newRow("QLockFile form, this program")
            << QByteArray::number(self) + "\n" + app + "\nhost\n"
            << self << true;
        QTest::newRow("QLockFile form, the id of another program")
            << QByteArray::number(self) + "\nminicom\nhost\n"
            << self << false;
        QTest::newRow("padded number") << QByteArray::number(self).rightJustified(10) + "\n"
                                       << self << true;
        QTest::newRow("binary number")
            << QByteArray(reinterpret_cast<const char *>(&binary), 4) << self << true;
        QTest::newRow("a process that has ended") << QByteArray::number(ended) + "\nminicom\n"
                                                  << ended << false;
        QTest::newRow("no number") << QByteArray("locked by someone\n") << qint64(0) << false;
    }
    void lockFileForms() {
        VQ740_NEEDS_UNIX("lock files of serial devices");
        QFETCH(QByteArray, content);
        QFETCH(qint64, pid);
        QFETCH(bool, alive);
        QTemporaryDir dir;
        const QString path = dir.filePath("LCK..ttyUSB0");
        QVERIFY(writeFile(path, content));
        const PortLock lock = readPortLock(path);
        QCOMPARE(lock.path, path);
        QCOMPARE(lock.pid, pid);
        QCOMPARE(lock.alive, alive);
        if (alive)
            QVERIFY(!lock.program.isEmpty());
        if (pid > 0)
            QCOMPARE(lockState(lock, QStringLiteral("/dev/ttyUSB0")) == LockState::Held, alive);
        // What examinePort finds in that folder for the device.
        const PortFacts facts =
            examinePort(QStringLiteral("/dev/ttyUSB0"), PortOpenFailure::InUse, {dir.path()});
        QVERIFY(facts.lock.has_value());
        QCOMPARE(facts.lock->pid, pid);
        QCOMPARE(facts.lock->alive, alive);
    }

    void emptyLockStates_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("age");      // seconds since the file was written
        QTest::addColumn<QString>("open"); // what another process has open: lock, device
        QTest::addColumn<bool>("leftBehind");
        QTest::newRow("empty, just written") << QByteArray() << 0 << "" << false;
        QTest::newRow("empty, left alone") << QByteArray() << 60 << "" << true;
        QTest::newRow("empty, open in a process") << QByteArray() << 60 << "lock" << false;
        QTest::newRow("empty, the device held") << QByteArray() << 60 << "device" << false;
        QTest::newRow("no number, left alone") << QByteArray("locked\n") << 60 << "" << true;
    }
    void emptyLockStates() {
        VQ740_NEEDS_PTY();
        // A program creates its lock file first and writes its process id
        // after: an empty file is left behind only when nothing uses it.
        QFETCH(QByteArray, content);
        QFETCH(int, age);
        QFETCH(QString, open);
        QFETCH(bool, leftBehind);
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const QString device = QString::fromLocal8Bit(::ptsname(master));
        QTemporaryDir dir;
        const QString path = dir.filePath(::lockFileNames(device).first());
        QVERIFY(writeFile(path, content));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                                 QFileDevice::FileModificationTime));
        file.close();
        QProcess holder;
        if (!open.isEmpty()) {
            holder.setStandardInputFile(open == QLatin1String("lock") ? path : device);
            holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
            QVERIFY(holder.waitForStarted());
        }
        const PortLock lock = readPortLock(path);
        const LockState state = lockState(lock, device);
        const bool removed = state == LockState::LeftBehind && removeLockLeftBehind(lock);
        holder.kill();
        holder.waitForFinished();
        ::close(master);
        QCOMPARE(state == LockState::LeftBehind, leftBehind);
        QCOMPARE(removed, leftBehind);
        QCOMPARE(QFileInfo::exists(path), !leftBehind);
    }

    void lockWrittenAnewIsKept() {
        VQ740_NEEDS_UNIX("lock files of serial devices");
        // Read as left behind; a program writes its own lock before it is
        // taken over: that one stays.
        QTemporaryDir dir;
        const QString path = dir.filePath("LCK..ttyUSB0");
        QVERIFY(writeFile(path, QByteArray::number(endedProcessId()).rightJustified(10) + "\n"));
        const PortLock lock = readPortLock(path);
        QCOMPARE(lockState(lock, QStringLiteral("/dev/ttyUSB0")), LockState::LeftBehind);
        const QByteArray mine = QByteArray::number(QCoreApplication::applicationPid()) + "\n";
        QVERIFY(writeFile(path, mine.rightJustified(11)));
        QVERIFY(!removeLockLeftBehind(lock));
        QVERIFY(QFileInfo::exists(path));
    }

    void systemReasons_data() {
        QTest::addColumn<int>("errorNumber");
        QTest::addColumn<int>("fileError"); // -1: the error number is known
        QTest::addColumn<QString>("systemText");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("english");
        QTest::newRow("permission denied") << EACCES << -1 << "Permission denied"
                                           << "权限不足（Permission denied）"
                                           << "Permission denied";
        QTest::newRow("no text: the system's words") << ENOSPC << -1 << ""
                                                     << "磁盘已满（No space left on device）"
                                                     << "No space left on device";
        QTest::newRow("a reason without a name") << EPIPE << -1 << "Broken pipe"
                                                 << "Broken pipe"
                                                 << "Broken pipe";
        QTest::newRow("file write error")
            << 0 << int(QFileDevice::WriteError) << "No space left on device"
            << "写入失败（No space left on device）"
            << "No space left on device";
        QTest::newRow("file error without a name")
            << 0 << int(QFileDevice::UnspecifiedError) << "Unknown error"
            << "Unknown error"
            << "Unknown error";
    }
    void systemReasons() {
        QFETCH(int, errorNumber);
        QFETCH(int, fileError);
        QFETCH(QString, systemText);
        QFETCH(QString, chinese);
        QFETCH(QString, english);
        for (const qint16 language : {qint16(0), qint16(1)}) {
            const QString text = fileError < 0 ? systemReasonText(errorNumber, systemText, language)
                                               : systemReasonText(QFileDevice::FileError(fileError),
                                                                  systemText, language);
            QCOMPARE(text, language == 0 ? chinese : english);
        }
    }

    void processesThatHoldADevice_data() {
        QTest::addColumn<bool>("farEnd"); // the holder has the master side too
        QTest::newRow("a program using the device") << false;
        QTest::newRow("the line's far end") << true;
    }
    void processesThatHoldADevice() {
        VQ740_NEEDS_PTY();
#ifndef Q_OS_LINUX
        QSKIP("the holders are looked for in /proc");
#endif
        QFETCH(bool, farEnd);
        // A child inherits the master side unless it closes on exec.
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY | (farEnd ? 0 : O_CLOEXEC));
        QVERIFY(master >= 0);
        QVERIFY(::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const QString device = QString::fromLocal8Bit(::ptsname(master));
        QVERIFY(deviceHolders(device).isEmpty());
        QProcess holder;
        holder.setStandardInputFile(device);
        holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(holder.waitForStarted());
        const QList<DeviceHolder> holders = deviceHolders(device);
        const qint64 pid = holder.processId();
        holder.kill();
        holder.waitForFinished();
        ::close(master);
        if (farEnd) {
            QVERIFY(holders.isEmpty());
            return;
        }
        QCOMPARE(holders.size(), 1);
        QCOMPARE(holders.first().pid, pid);
        QCOMPARE(holders.first().program, QStringLiteral("sleep"));
    }

    void deviceAccessOfAFile() {
        VQ740_NEEDS_UNIX("device files with an owner, a group and a mode");
        QTemporaryDir dir;
        const QString path = dir.filePath("ttyUSB0");
        QVERIFY(writeFile(path, QByteArray()));
        QVERIFY(
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const DeviceAccess access = deviceAccess(path);
        QVERIFY(access.known);
        QCOMPARE(access.mode, QStringLiteral("-rw-r-----"));
        QCOMPARE(access.permissions, 0640u);
        QVERIFY(!access.characterDevice);
        QCOMPARE(access.uid, uint(::geteuid()));
        QVERIFY(!deviceAccess(dir.filePath("missing")).known);
        QVERIFY(deviceAccess(QStringLiteral("/dev/null")).characterDevice);
    }

    void theUsersGroups() {
        VQ740_NEEDS_UNIX("users and groups");
        const UserAccess user = currentUser();
        QCOMPARE(user.uid, uint(::geteuid()));
        QVERIFY(user.sessionGroups.contains(uint(::getegid())));
        QVERIFY(!user.listedGroups.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPortDiagnostics)
#include "tst_portdiagnostics.moc"
