#include "image/systemreason.h"

#include "model/texts.h"

#include <cerrno>
#include <cstring>
#include <utility>

#ifdef Q_OS_WIN
#include <winerror.h>
#endif

using vq740::translate;

namespace {

// The name of a reason the program knows, as a source text of the
// translations, or null.
const char *reasonName(int errorNumber) {
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return QT_TRANSLATE_NOOP("SystemReason", "permission denied");
    case ENOENT:
        return QT_TRANSLATE_NOOP("SystemReason", "no such file or directory");
    case ENODEV:
    case ENXIO:
        return QT_TRANSLATE_NOOP("SystemReason", "no such device");
    case EBUSY:
        return QT_TRANSLATE_NOOP("SystemReason", "device busy");
    case EISDIR:
        return QT_TRANSLATE_NOOP("SystemReason", "is a directory");
    case ENOTDIR:
        return QT_TRANSLATE_NOOP("SystemReason", "a part of the path is not a directory");
    case ENOTTY:
        return QT_TRANSLATE_NOOP("SystemReason", "the device does not support the operation");
    case EROFS:
        return QT_TRANSLATE_NOOP("SystemReason", "read-only file system");
    case ENOSPC:
        return QT_TRANSLATE_NOOP("SystemReason", "disk full");
#ifdef EDQUOT
    case EDQUOT:
        return QT_TRANSLATE_NOOP("SystemReason", "disk quota exceeded");
#endif
    case EIO:
        return QT_TRANSLATE_NOOP("SystemReason", "input/output error");
    case EEXIST:
        return QT_TRANSLATE_NOOP("SystemReason", "file exists");
    case ENAMETOOLONG:
        return QT_TRANSLATE_NOOP("SystemReason", "file name too long");
    case EFBIG:
        return QT_TRANSLATE_NOOP("SystemReason", "file too large");
    case EMFILE:
    case ENFILE:
        return QT_TRANSLATE_NOOP("SystemReason", "too many open files");
    case EAGAIN:
        return QT_TRANSLATE_NOOP("SystemReason", "resource temporarily unavailable");
#ifdef ELOOP
    case ELOOP:
        return QT_TRANSLATE_NOOP("SystemReason", "too many levels of symbolic links");
#endif
    default:
        return nullptr;
    }
}

const char *reasonName(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::ReadError:
        return QT_TRANSLATE_NOOP("SystemReason", "read failed");
    case QFileDevice::WriteError:
        return QT_TRANSLATE_NOOP("SystemReason", "write failed");
    case QFileDevice::FatalError:
        return QT_TRANSLATE_NOOP("SystemReason", "fatal error");
    case QFileDevice::ResourceError:
        return QT_TRANSLATE_NOOP("SystemReason", "out of resources");
    case QFileDevice::OpenError:
        return QT_TRANSLATE_NOOP("SystemReason", "cannot open");
    case QFileDevice::AbortError:
        return QT_TRANSLATE_NOOP("SystemReason", "aborted");
    case QFileDevice::TimeOutError:
        return QT_TRANSLATE_NOOP("SystemReason", "timed out");
    case QFileDevice::RemoveError:
        return QT_TRANSLATE_NOOP("SystemReason", "cannot remove");
    case QFileDevice::RenameError:
        return QT_TRANSLATE_NOOP("SystemReason", "cannot rename");
    case QFileDevice::PositionError:
        return QT_TRANSLATE_NOOP("SystemReason", "cannot seek");
    case QFileDevice::ResizeError:
        return QT_TRANSLATE_NOOP("SystemReason", "cannot resize");
    case QFileDevice::PermissionsError:
        return QT_TRANSLATE_NOOP("SystemReason", "permission denied");
    case QFileDevice::CopyError:
        return QT_TRANSLATE_NOOP("SystemReason", "cannot copy");
    case QFileDevice::NoError:
    case QFileDevice::UnspecifiedError:
        break;
    }
    return nullptr;
}

// The reason named in the language of the moment, the system's text after
// the name. A language that leaves the name untranslated (English) shows
// the system's text alone.
QString withName(const char *reason, const QString &systemText) {
    if (!reason)
        return systemText;
    const QString name = translate("SystemReason", reason);
    if (name == QLatin1String(reason))
        return systemText;
    return systemText.isEmpty()
               ? name
               : translate("SystemReason", "%1 (%2)",
                           "a reason the language names: %1 its name, %2 the system's text")
                     .arg(name, systemText);
}

} // namespace

QString systemReasonText(int errorNumber, const QString &systemText, qint16 language) {
    const TextLanguage scope(language);
    // The C library's words for an error number: on Windows qt_error_string
    // takes a number for one of Windows' own codes.
    const QString text = systemText.isEmpty() && errorNumber != 0
                             ? QString::fromLocal8Bit(std::strerror(errorNumber))
                             : systemText;
    return withName(reasonName(errorNumber), text);
}

QString systemReasonText(const QString &systemText, qint16 language) {
    const TextLanguage scope(language);
    if (systemText.isEmpty())
        return systemText;
#ifdef Q_OS_WIN
    // Windows names its own reasons (GetLastError's codes): the ones a save
    // or a port meets, by the errno reason of the same meaning.
    static const std::pair<int, int> kWindows[] = {{ERROR_FILE_NOT_FOUND, ENOENT},
                                                   {ERROR_PATH_NOT_FOUND, ENOENT},
                                                   {ERROR_ACCESS_DENIED, EACCES},
                                                   {ERROR_SHARING_VIOLATION, EBUSY},
                                                   {ERROR_LOCK_VIOLATION, EBUSY},
                                                   {ERROR_DISK_FULL, ENOSPC},
                                                   {ERROR_HANDLE_DISK_FULL, ENOSPC},
                                                   {ERROR_WRITE_PROTECT, EROFS},
                                                   {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
                                                   {ERROR_ALREADY_EXISTS, EEXIST},
                                                   {ERROR_FILE_EXISTS, EEXIST},
                                                   {ERROR_DIRECTORY, ENOTDIR}};
    for (const auto &[windowsCode, errorNumber] : kWindows) {
        const QString wording = qt_error_string(windowsCode);
        if (!wording.isEmpty() && systemText.endsWith(wording, Qt::CaseInsensitive))
            return withName(reasonName(errorNumber), systemText);
    }
#endif
    static const int kKnown[] = {EACCES, EPERM,        ENOENT, ENODEV, ENXIO,  EBUSY,
                                 EISDIR, ENOTDIR,      ENOTTY, EROFS,  ENOSPC, EIO,
                                 EEXIST, ENAMETOOLONG, EFBIG,  EMFILE, ENFILE, EAGAIN};
    for (int errorNumber : kKnown) {
        const QString wording = QString::fromLocal8Bit(std::strerror(errorNumber));
        if (!wording.isEmpty() && systemText.endsWith(wording, Qt::CaseInsensitive))
            return withName(reasonName(errorNumber), systemText);
    }
    return systemText;
}

QString systemReasonText(QFileDevice::FileError error, const QString &systemText, qint16 language) {
    const TextLanguage scope(language);
    return withName(reasonName(error), systemText);
}
