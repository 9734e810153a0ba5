#include "image/filewriter.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#if defined(Q_OS_WIN)
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Brings what the system holds of the open file onto the disk. A file
// system that cannot sync (some network and virtual ones) is not a failure;
// one that reports an error is.
bool syncToDisk(QSaveFile &file, QString *reason) {
    const int fd = file.handle();
    if (fd < 0)
        return true;
#if defined(Q_OS_WIN)
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE || FlushFileBuffers(handle))
        return true;
    *reason = qt_error_string(int(GetLastError()));
    return false;
#else
    if (::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP)
        return true;
    *reason = qt_error_string(errno);
    return false;
#endif
}

// The folder's entry for the new file reaches the disk too. Nothing is
// reported: the file itself is already in place.
void syncFolder(const QString &path) {
#if !defined(Q_OS_WIN)
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

// Writes all bytes, going on after a short write so that a lasting failure
// shows as an error with the system's reason.
bool writeAll(QSaveFile &file, const QByteArray &bytes, QString *reason) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            *reason = file.errorString();
            return false;
        }
        done += n;
    }
    return true;
}

bool writeSteps(QSaveFile &file, const QByteArray &bytes, QString *reason) {
    // Unbuffered: each write reaches the system at once and reports its
    // own failure, rather than a buffer failing unseen at the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = file.errorString();
        return false;
    }
    if (!writeAll(file, bytes, reason))
        return false;
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    return syncToDisk(file, reason);
}

} // namespace

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *reason) {
    QString why;
    QSaveFile file(path);
    bool ok = writeSteps(file, bytes, &why);
    if (ok) {
        ok = file.commit();
        if (ok)
            syncFolder(path);
        else
            why = file.errorString();
    } else if (file.isOpen()) {
        // Nothing replaces the old file; the temporary file goes when
        // `file` is destroyed.
        file.cancelWriting();
    }
    if (!ok && reason)
        *reason = why.isEmpty() ? QStringLiteral("unknown error") : why;
    return ok;
}
