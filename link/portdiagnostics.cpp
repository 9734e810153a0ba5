#include "link/portdiagnostics.h"

#include "image/systemreason.h"
#include "link/linktexts.h"
#include "model/texts.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <vector>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using vq740::translate;

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

QString holderText(const QString &program, qint64 pid, qint16 language) {
    const TextLanguage scope(language);
    const QString name = program.isEmpty() ? translate("PortDiagnostics", "a program") : program;
    return translate("PortDiagnostics", "%1 (process %2)").arg(name).arg(pid);
}

QString presentDevicesLine(const QList<SerialDeviceInfo> &present, qint16 language) {
    const TextLanguage scope(language);
    if (present.isEmpty())
        return translate("PortDiagnostics", "No serial device is present now.");
    QStringList names;
    for (const SerialDeviceInfo &info : present)
        names << deviceItemLabel(info);
    return translate("PortDiagnostics", "Serial devices present now: %1.")
        .arg(names.join(QStringLiteral(", ")));
}

void addPermissionAdvice(QStringList &lines, const PortFacts &facts, qint16 language) {
    const TextLanguage scope(language);
    const DeviceAccess &access = facts.access;
    if (access.known) {
        lines << translate("PortDiagnostics", "%1 belongs to user %2 and group %3, mode %4.")
                     .arg(facts.device, access.owner, access.group, access.mode);
    }
    const bool groupMayUse = access.known && access.gid != 0 && (access.permissions & 060) == 060;
    // A udev rule can only name a device by what stays the same when it is
    // plugged in again: a USB cable's vendor and product. A pseudo-terminal
    // or a port on the main board has nothing a rule could match.
    const bool ruleCanMatch = facts.usb && facts.usb->hasUsbIds;
    if (!access.known || groupMayUse || !ruleCanMatch) {
        const QString group = groupMayUse ? access.group : QString(kSerialGroup);
        if (groupMayUse && facts.user.listedGroups.contains(access.gid) &&
            !facts.user.sessionGroups.contains(access.gid)) {
            lines << translate(
                         "PortDiagnostics",
                         "Your user is in the group %1, but this login began before it joined: "
                         "log out and in again.")
                         .arg(group);
            return;
        }
        lines << translate("PortDiagnostics",
                           "Your user must be in the group %1: sudo usermod -aG %1 $USER, then log "
                           "out and in again.")
                     .arg(group);
        return;
    }
    // No group may use the USB cable: a udev rule gives it to the serial
    // group.
    const QString match = QStringLiteral("SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"%1\", "
                                         "ATTRS{idProduct}==\"%2\"")
                              .arg(facts.usb->vendorId, 4, 16, QLatin1Char('0'))
                              .arg(facts.usb->productId, 4, 16, QLatin1Char('0'));
    const QString rule = QStringLiteral("%1, GROUP=\"%2\", MODE=\"0660\"").arg(match, kSerialGroup);
    lines << translate(
                 "PortDiagnostics",
                 "No group may use this device. Install a udev rule that gives it to the group "
                 "%1:")
                 .arg(kSerialGroup);
    lines << QStringLiteral("  echo '%1' | sudo tee %2").arg(rule, kUdevRuleFile);
    lines << QStringLiteral("  sudo udevadm control --reload-rules && sudo udevadm trigger");
    lines << translate(
                 "PortDiagnostics",
                 "Then plug the cable in again, and join the group: sudo usermod -aG %1 $USER, "
                 "then log out and in again.")
                 .arg(kSerialGroup);
}

void addInUseAdvice(QStringList &lines, const PortFacts &facts, qint16 language) {
    const TextLanguage scope(language);
    if (facts.lock) {
        const PortLock &lock = *facts.lock;
        if (lock.alive) {
            lines << translate("PortDiagnostics",
                               "%1 is in use by %2 (lock file %3): close that program.")
                         .arg(facts.device, holderText(lock.program, lock.pid, language),
                              lock.path);
        } else if (lock.pid > 0) {
            lines << translate(
                         "PortDiagnostics",
                         "A program that has ended (process %2) left the lock file %1 behind. "
                         "Remove it: sudo rm %1")
                         .arg(lock.path)
                         .arg(lock.pid);
        } else {
            lines << translate(
                         "PortDiagnostics",
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
        lines << translate("PortDiagnostics", "%1 is open in %2: close that program.")
                     .arg(facts.device, holders.join(QStringLiteral(", ")));
        return;
    }
    lines << translate("PortDiagnostics", "Another program is using the port; close that program.");
}

// The error number the system gives for such a failure, when the port did
// not say which.
int usualErrorNumber(PortOpenFailure failure) {
    switch (failure) {
    case PortOpenFailure::NoDevice:
        return ENOENT;
    case PortOpenFailure::PermissionDenied:
        return EACCES;
    case PortOpenFailure::InUse:
        return EBUSY;
    case PortOpenFailure::None:
    case PortOpenFailure::Other:
        break;
    }
    return 0;
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
                           const QString &systemError, qint16 language, int errorNumber) {
    const TextLanguage scope(language);
    QStringList lines;
    if (facts.device.isEmpty()) {
        lines << translate("PortDiagnostics", "No serial port has been chosen.");
        return lines;
    }
    const QString reason =
        systemError.isEmpty()
            ? QStringLiteral("-")
            : systemReasonText(errorNumber != 0 ? errorNumber : usualErrorNumber(failure),
                               systemError, language);
    lines << translate("PortDiagnostics", "Cannot open %1: %2").arg(facts.device, reason);
    switch (failure) {
    case PortOpenFailure::NoDevice:
        lines << translate(
            "PortDiagnostics",
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
                           const QString &systemError, qint16 language, int errorNumber) {
    return portOpenAdvice(examinePort(device, failure), failure, systemError, language,
                          errorNumber);
}

QString messageWithReason(const QString &message, const QStringList &reason) {
    if (reason.isEmpty())
        return message;
    return message + QStringLiteral("\n\n") + reason.join(QLatin1Char('\n'));
}
