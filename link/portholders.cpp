#include "link/portholders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_LINUX
// The number of the pseudo-terminal a master descriptor stands for, -1 for
// any other descriptor.
int ptyIndexOfMaster(const QString &fdinfo) {
    QFile info(fdinfo);
    if (!info.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = info.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("tty-index:")) {
            bool ok = false;
            const int index = line.mid(10).trimmed().toInt(&ok);
            return ok ? index : -1;
        }
    }
    return -1;
}

// For /dev/pts/N: N, otherwise -1.
int ptyIndexOfDevice(const QString &real) {
    if (!real.startsWith(QLatin1String("/dev/pts/")))
        return -1;
    bool ok = false;
    const int index = real.mid(9).toInt(&ok);
    return ok ? index : -1;
}
#endif

} // namespace

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

QString processName(qint64 pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

QList<DeviceHolder> deviceHolders(const QString &device) {
    QList<DeviceHolder> holders;
#ifdef Q_OS_LINUX
    const QString real = QFileInfo(device).canonicalFilePath();
    if (real.isEmpty())
        return holders;
    const int ptyIndex = ptyIndexOfDevice(real);
    const qint64 self = QCoreApplication::applicationPid();
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : processes) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (!ok || pid == self)
            continue;
        const QString fdFolder = QStringLiteral("/proc/%1/fd").arg(pid);
        const QFileInfoList links = QDir(fdFolder).entryInfoList(QDir::System | QDir::Files);
        bool holds = false;
        bool farEnd = false;
        for (const QFileInfo &link : links) {
            const QString target = link.symLinkTarget();
            if (target == real)
                holds = true;
            else if (ptyIndex >= 0 && target.endsWith(QLatin1String("ptmx")) &&
                     ptyIndexOfMaster(
                         QStringLiteral("/proc/%1/fdinfo/%2").arg(pid).arg(link.fileName())) ==
                         ptyIndex)
                farEnd = true;
        }
        if (holds && !farEnd)
            holders << DeviceHolder{pid, processName(pid)};
    }
#else
    Q_UNUSED(device);
#endif
    return holders;
}

bool passesExclusiveUse() {
#ifdef Q_OS_LINUX
    if (::geteuid() == 0)
        return true;
    // CAP_SYS_ADMIN (bit 21) among the effective capabilities.
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("CapEff:")) {
            bool ok = false;
            const qulonglong caps = line.mid(7).trimmed().toULongLong(&ok, 16);
            return ok && (caps & (1ULL << 21)) != 0;
        }
    }
    return false;
#else
    return false;
#endif
}

bool heldForExclusiveUse(const QString &device, const QList<DeviceHolder> &holders) {
#if defined(Q_OS_LINUX) && defined(TIOCGEXCL)
    if (holders.isEmpty())
        return false;
    const int fd =
        ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EBUSY;
    int exclusive = 0;
    const bool known = ::ioctl(fd, TIOCGEXCL, &exclusive) == 0;
    ::close(fd);
    return known && exclusive != 0;
#else
    Q_UNUSED(device);
    Q_UNUSED(holders);
    return false;
#endif
}
