// A real, small file system for tests of what happens when the disk is
// full: a tmpfs of a few pages mounted on a fresh folder, filled up on
// request. Mounting needs the right to mount (root in the test machines);
// where it is missing, mounted() is false and whyNot() says why, for a
// QSKIP.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#if defined(Q_OS_LINUX)
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

class FullFileSystem {
public:
    static constexpr int kPage = 4096;

    explicit FullFileSystem(int kibibytes = 64) {
#if defined(Q_OS_LINUX)
        if (!m_dir.isValid()) {
            m_whyNot = QStringLiteral("no temporary folder for the mount point");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0777";
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                    options.constData()) != 0) {
            m_whyNot = QStringLiteral("mounting a small tmpfs is not permitted here (%1); the "
                                      "full-disk cases need a real full file system")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        m_mounted = true;
#else
        Q_UNUSED(kibibytes);
        m_whyNot = QStringLiteral("a small tmpfs is mounted only on Linux");
#endif
    }

    ~FullFileSystem() {
#if defined(Q_OS_LINUX)
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
#endif
    }

    FullFileSystem(const FullFileSystem &) = delete;
    FullFileSystem &operator=(const FullFileSystem &) = delete;

    bool mounted() const {
        return m_mounted;
    }
    QString whyNot() const {
        return m_whyNot;
    }
    QString path() const {
        return m_dir.path();
    }
    QString filePath(const QString &name) const {
        return m_dir.filePath(name);
    }

    // Fills the file system with a filler file until a write fails for want
    // of room, then gives back `freeBytes` (whole pages) so that a write of
    // more than that is cut off. Returns false if it never filled.
    bool fill(qint64 freeBytes = 0) {
#if defined(Q_OS_LINUX)
        const QByteArray name = QFile::encodeName(filePath(QStringLiteral(".filler")));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        const QByteArray page(kPage, 'x');
        qint64 size = 0;
        bool full = false;
        for (int i = 0; i < 1 << 16; ++i) {
            const ssize_t n = ::write(fd, page.constData(), size_t(page.size()));
            if (n > 0)
                size += n;
            if (n < page.size()) {
                full = n < 0 ? errno == ENOSPC : true;
                break;
            }
        }
        if (full && freeBytes > 0) {
            const qint64 pages = (freeBytes + kPage - 1) / kPage;
            full = ::ftruncate(fd, qMax<qint64>(0, size - pages * kPage)) == 0;
        }
        ::close(fd);
        return full;
#else
        Q_UNUSED(freeBytes);
        return false;
#endif
    }

    // Every entry of the file system besides the filler, hidden ones too.
    QStringList entries() const {
        QStringList names =
            QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        names.removeAll(QStringLiteral(".filler"));
        return names;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_whyNot;
};
