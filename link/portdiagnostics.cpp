#include "link/portdiagnostics.h"

#include "link/linktexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <limits>
#include <vector>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QLatin1String kSerialGroup("dialout");
const QLatin1String kUdevRuleFile("/etc/udev/rules.d/50-vq740-cable.rules");

#ifdef Q_OS_UNIX
QString modeText(mode_t mode) {
    QString text;
    if (S_ISCHR(mode))
        text += QLatin1Char('c');
    else if (S_ISBLK(mode))
        text += QLatin1Char('b');
    else if (S_ISDIR(mode))
        text += QLatin1Char('d');
    else if (S_ISLNK(mode))
        text += QLatin1Char('l');
    else
        text += QLatin1Char('-');
    const char letters[] = "rwxrwxrwx";
    for (int i = 0; i < 9; ++i)
        text += (mode & (1u << (8 - i))) ? QLatin1Char(letters[i]) : QLatin1Char('-');
    return text;
}
#endif

// The name of a running process, empty when it cannot be read.
QString processName(qint64 pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

bool processAlive(qint64 pid) {
#ifdef Q_OS_UNIX
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid);
    return false;
#endif
}

QString holderText(const QString &program, qint64 pid, qint16 language) {
    const QString name =
        program.isEmpty() ? inLanguage(language, "某个程序", "a program") : program;
    return inLanguage(language, "%1（进程 %2）", "%1 (process %2)").arg(name).arg(pid);
}

QString presentDevicesLine(const QList<SerialDeviceInfo> &present, qint16 language) {
    if (present.isEmpty())
        return inLanguage(language, "现在没有任何串口设备。", "No serial device is present now.");
    QStringList names;
    for (const SerialDeviceInfo &info : present)
        names << deviceItemLabel(info);
    return inLanguage(language, "现有的串口设备：%1。", "Serial devices present now: %1.")
        .arg(names.join(QStringLiteral(", ")));
}

void addPermissionAdvice(QStringList &lines, const PortFacts &facts, qint16 language) {
    const DeviceAccess &access = facts.access;
    if (access.known) {
        lines << inLanguage(language, "%1 的所有者为 %2，组为 %3，权限为 %4。",
                            "%1 belongs to user %2 and group %3, mode %4.")
                     .arg(facts.device, access.owner, access.group, access.mode);
    }
    const bool groupMayUse = access.known && access.gid != 0 && (access.permissions & 060) == 060;
    if (!access.known || groupMayUse) {
        const QString group = access.known ? access.group : QString(kSerialGroup);
        if (access.known && facts.user.listedGroups.contains(access.gid) &&
            !facts.user.sessionGroups.contains(access.gid)) {
            lines << inLanguage(
                         language,
                         "您的用户已属于组 %1，但本次登录早于加入该组：请注销后重新登录。",
                         "Your user is in the group %1, but this login began before it joined: "
                         "log out and in again.")
                         .arg(group);
            return;
        }
        lines << inLanguage(
                     language, "您的用户必须属于组 %1：sudo usermod -aG %1 $USER，然后重新登录。",
                     "Your user must be in the group %1: sudo usermod -aG %1 $USER, then log "
                     "out and in again.")
                     .arg(group);
        return;
    }
    // No group may use the device: a udev rule gives it to the serial group.
    const QString kernelName = QFileInfo(QFileInfo(facts.device).canonicalFilePath()).fileName();
    QString match;
    if (facts.usb && facts.usb->hasUsbIds) {
        match = QStringLiteral("SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"%1\", "
                               "ATTRS{idProduct}==\"%2\"")
                    .arg(facts.usb->vendorId, 4, 16, QLatin1Char('0'))
                    .arg(facts.usb->productId, 4, 16, QLatin1Char('0'));
    } else {
        match = QStringLiteral("KERNEL==\"%1\"")
                    .arg(kernelName.isEmpty() ? QFileInfo(facts.device).fileName() : kernelName);
    }
    const QString rule = QStringLiteral("%1, GROUP=\"%2\", MODE=\"0660\"").arg(match, kSerialGroup);
    lines << inLanguage(
                 language, "没有哪个组可以使用该设备。请安装一条 udev 规则，把它交给组 %1：",
                 "No group may use this device. Install a udev rule that gives it to the group "
                 "%1:")
                 .arg(kSerialGroup);
    lines << QStringLiteral("  echo '%1' | sudo tee %2").arg(rule, kUdevRuleFile);
    lines << QStringLiteral("  sudo udevadm control --reload-rules && sudo udevadm trigger");
    lines << inLanguage(
                 language,
                 "然后把写频线重新插一次，并让您的用户加入该组：sudo usermod -aG %1 "
                 "$USER，再重新登录。",
                 "Then plug the cable in again, and join the group: sudo usermod -aG %1 $USER, "
                 "then log out and in again.")
                 .arg(kSerialGroup);
}

void addInUseAdvice(QStringList &lines, const PortFacts &facts, qint16 language) {
    if (facts.lock) {
        const PortLock &lock = *facts.lock;
        if (lock.alive) {
            lines << inLanguage(language, "%1 正被 %2 使用（锁文件 %3）：请关掉该程序。",
                                "%1 is in use by %2 (lock file %3): close that program.")
                         .arg(facts.device, holderText(lock.program, lock.pid, language),
                              lock.path);
        } else if (lock.pid > 0) {
            lines << inLanguage(
                         language, "已结束的程序（进程 %2）留下了锁文件 %1。请删除它：sudo rm %1",
                         "A program that has ended (process %2) left the lock file %1 behind. "
                         "Remove it: sudo rm %1")
                         .arg(lock.path)
                         .arg(lock.pid);
        } else {
            lines << inLanguage(
                         language,
                         "锁文件 %1 表明该设备正被使用。若没有程序在用它，请删除它：sudo rm %1",
                         "The lock file %1 marks the device as in use. If no program is using "
                         "it, remove it: sudo rm %1")
                         .arg(lock.path);
        }
        return;
    }
    if (!facts.holders.isEmpty()) {
        QStringList holders;
        for (const DeviceHolder &holder : facts.holders)
            holders << holderText(holder.program, holder.pid, language);
        lines << inLanguage(language, "%1 正被 %2 使用：请关掉该程序。",
                            "%1 is open in %2: close that program.")
                     .arg(facts.device, holders.join(QStringLiteral(", ")));
        return;
    }
    lines << inLanguage(language, "该串口正被其它程序使用，请关掉该程序。",
                        "Another program is using the port; close that program.");
}

} // namespace

DeviceAccess deviceAccess(const QString &device) {
    DeviceAccess access;
#ifdef Q_OS_UNIX
    struct stat st {};
    if (device.isEmpty() || ::stat(QFile::encodeName(device).constData(), &st) != 0)
        return access;
    access.known = true;
    access.mode = modeText(st.st_mode);
    access.uid = st.st_uid;
    access.gid = st.st_gid;
    access.permissions = st.st_mode & 07777;
    access.characterDevice = S_ISCHR(st.st_mode);
    const passwd *pw = ::getpwuid(st.st_uid);
    access.owner = pw ? QString::fromLocal8Bit(pw->pw_name) : QString::number(st.st_uid);
    const group *gr = ::getgrgid(st.st_gid);
    access.group = gr ? QString::fromLocal8Bit(gr->gr_name) : QString::number(st.st_gid);
#else
    Q_UNUSED(device);
#endif
    return access;
}

UserAccess currentUser() {
    UserAccess user;
#ifdef Q_OS_UNIX
    user.uid = ::geteuid();
    user.sessionGroups.insert(::getegid());
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> groups(static_cast<size_t>(count), 0);
        const int got = ::getgroups(count, groups.data());
        for (int i = 0; i < got; ++i)
            user.sessionGroups.insert(groups[size_t(i)]);
    }
    if (const passwd *pw = ::getpwuid(user.uid)) {
        int listed = 64;
        std::vector<gid_t> groups(static_cast<size_t>(listed), 0);
        if (::getgrouplist(pw->pw_name, pw->pw_gid, groups.data(), &listed) < 0 && listed > 0) {
            groups.resize(size_t(listed));
            ::getgrouplist(pw->pw_name, pw->pw_gid, groups.data(), &listed);
        }
        for (int i = 0; i < listed && i < int(groups.size()); ++i)
            user.listedGroups.insert(groups[size_t(i)]);
    }
#endif
    return user;
}

QStringList serialLockDirectories() {
    return {QStringLiteral("/var/lock"),
            QStringLiteral("/etc/locks"),
            QStringLiteral("/var/spool/locks"),
            QStringLiteral("/var/spool/uucp"),
            QStringLiteral("/tmp"),
            QStringLiteral("/var/tmp"),
            QStringLiteral("/var/lock/lockdev"),
            QStringLiteral("/run/lock")};
}

QStringList lockFileNames(const QString &device) {
    const auto nameOf = [](const QString &path) {
        QString name = path.startsWith(QLatin1String("/dev/")) ? path.mid(5) : path;
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        return QStringLiteral("LCK..") + name;
    };
    QStringList names{nameOf(device)};
    const QString real = QFileInfo(device).canonicalFilePath();
    if (!real.isEmpty() && !names.contains(nameOf(real)))
        names << nameOf(real);
    return names;
}

PortLock readPortLock(const QString &path) {
    PortLock lock;
    lock.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lock;
    const QByteArray head = file.read(256);
    const QList<QByteArray> lines = head.split('\n');
    bool ok = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&ok);
    if (ok && pid > 0) {
        lock.pid = pid;
    } else if (head.size() == 4) {
        // The oldest form: the process id as 4 binary bytes.
        qint32 binary = 0;
        memcpy(&binary, head.constData(), 4);
        lock.pid = binary > 0 ? binary : 0;
    }
    if (lock.pid > 0 && processAlive(lock.pid)) {
        lock.program = processName(lock.pid);
        // QLockFile's form names the program; another name behind the same
        // process id means the id was reused and the lock is left behind.
        const QString owner = QString::fromLocal8Bit(lines.value(1).trimmed());
        const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(lock.pid)).symLinkTarget();
        lock.alive = owner.isEmpty() || exe.isEmpty() ||
                     QFileInfo(exe).fileName() == QFileInfo(owner).fileName();
    }
    return lock;
}

std::optional<PortLock> findPortLock(const QString &device, const QStringList &folders) {
    for (const QString &folder : folders) {
        for (const QString &name : lockFileNames(device)) {
            const QString path = QDir(folder).filePath(name);
            if (QFileInfo::exists(path))
                return readPortLock(path);
        }
    }
    return std::nullopt;
}

QList<DeviceHolder> deviceHolders(const QString &device) {
    QList<DeviceHolder> holders;
#ifdef Q_OS_LINUX
    const QString real = QFileInfo(device).canonicalFilePath();
    if (real.isEmpty())
        return holders;
    const qint64 self = QCoreApplication::applicationPid();
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : processes) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (!ok || pid == self)
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        const QFileInfoList links = fds.entryInfoList(QDir::System | QDir::Files);
        for (const QFileInfo &link : links) {
            if (link.symLinkTarget() == real) {
                holders << DeviceHolder{pid, processName(pid)};
                break;
            }
        }
    }
#else
    Q_UNUSED(device);
#endif
    return holders;
}

PortFacts examinePort(const QString &device, PortOpenFailure failure,
                      const QStringList &lockFolders, PortEnumerator *enumerator) {
    PortFacts facts;
    facts.device = device;
    if (device.isEmpty())
        return facts;
    facts.access = deviceAccess(device);
    SystemPortEnumerator system;
    PortEnumerator &devices = enumerator ? *enumerator : system;
    switch (failure) {
    case PortOpenFailure::NoDevice:
        facts.present = devices.devices();
        break;
    case PortOpenFailure::PermissionDenied: {
        facts.user = currentUser();
        const QString real = QFileInfo(device).canonicalFilePath();
        for (const SerialDeviceInfo &info : devices.devices())
            if (info.device == device || info.device == real)
                facts.usb = info;
        break;
    }
    case PortOpenFailure::InUse:
        facts.lock = findPortLock(device, lockFolders);
        if (!facts.lock)
            facts.holders = deviceHolders(device);
        break;
    case PortOpenFailure::None:
    case PortOpenFailure::Other:
        break;
    }
    return facts;
}

QStringList portOpenAdvice(const PortFacts &facts, PortOpenFailure failure,
                           const QString &systemError, qint16 language) {
    QStringList lines;
    if (facts.device.isEmpty()) {
        lines << inLanguage(language, "没有选择串口。", "No serial port has been chosen.");
        return lines;
    }
    const QString reason = systemError.isEmpty() ? QStringLiteral("-") : systemError;
    lines
        << inLanguage(language, "无法打开 %1：%2", "Cannot open %1: %2").arg(facts.device, reason);
    switch (failure) {
    case PortOpenFailure::NoDevice:
        lines << inLanguage(
            language, "该设备不存在：请检查写频线是否已插好，或选择其它串口。",
            "There is no such device: check that the programming cable is plugged in, "
            "or choose another port.");
        lines << presentDevicesLine(facts.present, language);
        break;
    case PortOpenFailure::PermissionDenied:
        addPermissionAdvice(lines, facts, language);
        break;
    case PortOpenFailure::InUse:
        addInUseAdvice(lines, facts, language);
        break;
    case PortOpenFailure::None:
    case PortOpenFailure::Other:
        if (facts.access.known && !facts.access.characterDevice)
            lines << devicePathProblemText(DevicePathProblem::NotADevice, facts.device, language);
        break;
    }
    return lines;
}

QStringList portOpenAdvice(const QString &device, PortOpenFailure failure,
                           const QString &systemError, qint16 language) {
    return portOpenAdvice(examinePort(device, failure), failure, systemError, language);
}

QString messageWithReason(const QString &message, const QStringList &reason) {
    if (reason.isEmpty())
        return message;
    return message + QStringLiteral("\n\n") + reason.join(QLatin1Char('\n'));
}
