#include "link/portlocks.h"

#include "link/portholders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The process id of a lock file's text: a decimal number on the first
// line (padded with spaces or not), or the oldest form, 4 binary bytes.
qint64 lockPid(const QByteArray &head) {
    bool ok = false;
    const qint64 pid = head.split('\n').value(0).trimmed().toLongLong(&ok);
    if (ok && pid > 0)
        return pid;
    if (head.size() == 4) {
        qint32 binary = 0;
        memcpy(&binary, head.constData(), 4);
        return binary > 0 ? binary : 0;
    }
    return 0;
}

#ifdef Q_OS_UNIX
quint64 inodeOf(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? quint64(st.st_ino) : 0;
}
#endif

} // namespace

QStringList serialLockDirectories() {
#ifdef Q_OS_UNIX
    return {QStringLiteral("/var/lock"),
            QStringLiteral("/etc/locks"),
            QStringLiteral("/var/spool/locks"),
            QStringLiteral("/var/spool/uucp"),
            QStringLiteral("/tmp"),
            QStringLiteral("/var/tmp"),
            QStringLiteral("/var/lock/lockdev"),
            QStringLiteral("/run/lock")};
#else
    // Windows keeps no lock files: a port another program holds cannot be
    // opened at all.
    return {};
#endif
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
    if (!file.open(QIODevice::ReadOnly)) {
#ifdef Q_OS_UNIX
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) == 0)
            lock.file = quint64(st.st_ino);
#endif
        return lock;
    }
#ifdef Q_OS_UNIX
    lock.file = inodeOf(file.handle());
#endif
    const QByteArray head = file.read(256);
    lock.pid = lockPid(head);
    if (lock.pid > 0 && processAlive(lock.pid)) {
        lock.program = processName(lock.pid);
        // QLockFile's form names the program; another name behind the same
        // process id means the id was reused and the lock is left behind.
        const QString owner = QString::fromLocal8Bit(head.split('\n').value(1).trimmed());
        const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(lock.pid)).symLinkTarget();
        lock.alive = owner.isEmpty() || exe.isEmpty() ||
                     QFileInfo(exe).fileName() == QFileInfo(owner).fileName();
    }
    return lock;
}

QList<PortLock> findPortLocks(const QString &device, const QStringList &folders) {
    QList<PortLock> locks;
    QStringList seen;
    for (const QString &folder : folders) {
        for (const QString &name : lockFileNames(device)) {
            const QString path = QDir(folder).filePath(name);
            if (!QFileInfo::exists(path))
                continue;
            // /var/lock is often a link to /run/lock: one file, seen once.
            const QString real = QFileInfo(path).canonicalFilePath();
            if (seen.contains(real))
                continue;
            seen << real;
            locks << readPortLock(path);
        }
    }
    return locks;
}

std::optional<PortLock> findPortLock(const QString &device, const QStringList &folders) {
    const QList<PortLock> locks = findPortLocks(device, folders);
    for (const PortLock &lock : locks)
        if (lock.alive)
            return lock;
    if (locks.isEmpty())
        return std::nullopt;
    return locks.first();
}

LockState lockState(const PortLock &lock, const QString &device) {
    if (lock.pid > 0)
        return lock.alive ? LockState::Held : LockState::LeftBehind;
    // An empty or unreadable file: a program may be writing it right now
    // (it creates the file first, then writes its process id), so only a
    // file left alone for a while, that no process has open, is left
    // behind; and not while another program holds the device, whose lock
    // it may be.
    const QDateTime modified = QFileInfo(lock.path).lastModified();
    if (modified.isValid() &&
        qAbs(modified.secsTo(QDateTime::currentDateTime())) < kEmptyLockQuietSeconds)
        return LockState::Held;
    if (!deviceHolders(lock.path).isEmpty() || !deviceHolders(device).isEmpty())
        return LockState::Held;
    return LockState::LeftBehind;
}

bool removeLockLeftBehind(const PortLock &lock) {
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(lock.path);
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0) {
        // A lock file another program holds locked (QLockFile does), or one
        // written anew since it was read, is not the one left behind.
        bool same = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && inodeOf(fd) == lock.file;
        if (same) {
            char head[256];
            const ssize_t n = ::read(fd, head, sizeof head);
            same = n >= 0 && lockPid(QByteArray(head, int(n))) == lock.pid;
        }
        const bool removed = same && (::unlink(path.constData()) == 0 || errno == ENOENT);
        ::close(fd);
        return removed;
    }
    // Gone already, or a file this user may not read: remove it if the
    // folder lets us.
    return errno == ENOENT || ::unlink(path.constData()) == 0 || errno == ENOENT;
#else
    return QFile::remove(lock.path);
#endif
}
