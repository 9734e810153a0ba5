#include "image/filewriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#if defined(Q_OS_WIN)
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// "radio.DAT" is written as "radio.DAT.vq740-save-" and six letters or
// digits, then renamed over "radio.DAT".
const QLatin1String kTemporaryMark(".vq740-save-");
constexpr int kSuffixLength = 6;

QString randomSuffix() {
    static const char kCharacters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < kSuffixLength; ++i)
        suffix += QLatin1Char(kCharacters[QRandomGenerator::global()->bounded(62)]);
    return suffix;
}

bool isSuffixCharacter(QChar c) {
    return c.unicode() < 128 && c.isLetterOrNumber();
}

// The file a save replaces: a symbolic link is followed to the file it
// names, so that the link stays and the file behind it gets the content.
QString finalTarget(const QString &path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymbolicLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymbolicLink() ? path : info.filePath();
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

// Makes a new temporary file beside `target`, readable and writable by the
// owner only while it fills when it replaces a file of other permissions.
bool createTemporary(QFile &file, const QString &target, QString *reason) {
    const bool replacing = QFileInfo::exists(target);
    const QFileDevice::Permissions permissions =
        replacing ? QFileDevice::ReadOwner | QFileDevice::WriteOwner
                  : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    // Unbuffered: each write reaches the system at once and reports its own
    // failure, rather than a buffer failing unseen at the close.
    const QIODevice::OpenMode mode =
        QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
    for (int attempt = 0; attempt < 16; ++attempt) {
        file.setFileName(target + kTemporaryMark + randomSuffix());
        if (file.open(mode, permissions))
            return true;
        // Only a name already taken is worth another try.
        if (!QFileInfo::exists(file.fileName()))
            break;
    }
    *reason = file.errorString();
    file.setFileName(QString());
    return false;
}

// Writes all bytes, going on after a short write so that a lasting failure
// shows as an error with the system's reason.
bool writeAll(QFile &file, const QByteArray &bytes, QString *reason) {
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

bool fillTemporary(QFile &file, const QString &target, const QByteArray &bytes, QString *reason) {
    if (!writeAll(file, bytes, reason))
        return false;
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    if (!syncToDisk(file, reason))
        return false;
    // The new file has the permissions of the one it replaces.
    if (QFileInfo::exists(target))
        file.setPermissions(QFileInfo(target).permissions());
    file.close();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

// Puts the temporary file in the place of the target in one step.
bool replaceTarget(const QString &temporary, const QString &target, QString *reason) {
#if defined(Q_OS_WIN)
    const QString from = QDir::toNativeSeparators(temporary);
    const QString to = QDir::toNativeSeparators(target);
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()),
                    reinterpret_cast<const wchar_t *>(to.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *reason = qt_error_string(int(GetLastError()));
    return false;
#else
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(target).constData()) == 0)
        return true;
    *reason = qt_error_string(errno);
    return false;
#endif
}

} // namespace

bool syncToDisk(QFile &file, QString *reason) {
    // QFile::handle() is a C run-time descriptor on Windows too, made for
    // the file's own handle, which FlushFileBuffers takes back from it.
    const int fd = file.handle();
    if (fd < 0)
        return true;
#if defined(Q_OS_WIN)
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE || FlushFileBuffers(handle))
        return true;
    if (reason)
        *reason = qt_error_string(int(GetLastError()));
    return false;
#else
    // A file system that cannot sync (some network and virtual ones) is not
    // a failure; one that reports an error is.
    if (::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP)
        return true;
    if (reason)
        *reason = qt_error_string(errno);
    return false;
#endif
}

QString savedFileOfLeftOver(const QString &fileName) {
    const qsizetype mark = fileName.lastIndexOf(kTemporaryMark);
    if (mark <= 0 || fileName.size() != mark + kTemporaryMark.size() + kSuffixLength)
        return QString();
    const QString suffix = fileName.right(kSuffixLength);
    if (!std::all_of(suffix.begin(), suffix.end(), isSuffixCharacter))
        return QString();
    return fileName.left(mark);
}

int removeLeftOversOf(const QString &path, qint64 minimumAgeSeconds) {
    const QFileInfo target(finalTarget(path));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    int removed = 0;
    const QFileInfoList entries = target.absoluteDir().entryInfoList(
        QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        if (savedFileOfLeftOver(entry.fileName()) != target.fileName())
            continue;
        if (entry.lastModified().toUTC().secsTo(now) < minimumAgeSeconds)
            continue; // a save may still be writing it
        if (QFile::remove(entry.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *reason) {
    const QString target = finalTarget(path);
    removeLeftOversOf(target, kLeftOverAgeSeconds);
    QString why;
    QFile file;
    bool ok = createTemporary(file, target, &why) && fillTemporary(file, target, bytes, &why) &&
              replaceTarget(file.fileName(), target, &why);
    if (ok) {
        syncFolder(target);
    } else if (!file.fileName().isEmpty()) {
        // Nothing replaces the old file.
        file.close();
        QFile::remove(file.fileName());
    }
    if (!ok && reason)
        *reason = why.isEmpty() ? QStringLiteral("unknown error") : why;
    return ok;
}

bool appendToFile(const QString &path, const QByteArray &bytes, QString *reason) {
    // A file made here needs its folder's entry on the disk too.
    const bool made = !QFile::exists(path);
    QFile file(path);
    QString why;
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Append);
    if (!ok)
        why = file.errorString();
    else if (file.write(bytes) != bytes.size() || !file.flush())
        why = file.errorString(), ok = false;
    else
        ok = syncToDisk(file, &why);
    if (ok && made)
        syncFolder(path);
    if (!ok && reason)
        *reason = why.isEmpty() ? QStringLiteral("unknown error") : why;
    return ok;
}
