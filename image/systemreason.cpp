#include "image/systemreason.h"

#include <cerrno>
#include <cstring>
#include <utility>

#ifdef Q_OS_WIN
#include <winerror.h>
#endif

namespace {

// The Chinese name of a reason the program knows, or null.
const char *chineseReason(int errorNumber) {
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return "权限不足";
    case ENOENT:
        return "文件或目录不存在";
    case ENODEV:
    case ENXIO:
        return "设备不存在";
    case EBUSY:
        return "设备正被占用";
    case EISDIR:
        return "这是一个目录";
    case ENOTDIR:
        return "路径中有一项不是目录";
    case ENOTTY:
        return "该设备不支持这项操作";
    case EROFS:
        return "文件系统只读";
    case ENOSPC:
        return "磁盘已满";
#ifdef EDQUOT
    case EDQUOT:
        return "超出磁盘配额";
#endif
    case EIO:
        return "输入输出错误";
    case EEXIST:
        return "文件已存在";
    case ENAMETOOLONG:
        return "文件名太长";
    case EFBIG:
        return "文件太大";
    case EMFILE:
    case ENFILE:
        return "打开的文件太多";
    case EAGAIN:
        return "资源暂时不可用";
#ifdef ELOOP
    case ELOOP:
        return "符号链接层数太多";
#endif
    default:
        return nullptr;
    }
}

const char *chineseReason(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::ReadError:
        return "读取失败";
    case QFileDevice::WriteError:
        return "写入失败";
    case QFileDevice::FatalError:
        return "严重错误";
    case QFileDevice::ResourceError:
        return "资源不足";
    case QFileDevice::OpenError:
        return "无法打开";
    case QFileDevice::AbortError:
        return "操作已中止";
    case QFileDevice::TimeOutError:
        return "超时";
    case QFileDevice::RemoveError:
        return "无法删除";
    case QFileDevice::RenameError:
        return "无法重命名";
    case QFileDevice::PositionError:
        return "无法定位";
    case QFileDevice::ResizeError:
        return "无法改变大小";
    case QFileDevice::PermissionsError:
        return "权限不足";
    case QFileDevice::CopyError:
        return "无法复制";
    case QFileDevice::NoError:
    case QFileDevice::UnspecifiedError:
        break;
    }
    return nullptr;
}

QString withName(const char *chinese, const QString &systemText, qint16 language) {
    if (language != 0 || !chinese)
        return systemText;
    const QString name = QString::fromUtf8(chinese);
    return systemText.isEmpty() ? name : QStringLiteral("%1（%2）").arg(name, systemText);
}

} // namespace

QString systemReasonText(int errorNumber, const QString &systemText, qint16 language) {
    // The C library's words for an error number: on Windows qt_error_string
    // takes a number for one of Windows' own codes.
    const QString text = systemText.isEmpty() && errorNumber != 0
                             ? QString::fromLocal8Bit(std::strerror(errorNumber))
                             : systemText;
    return withName(chineseReason(errorNumber), text, language);
}

QString systemReasonText(const QString &systemText, qint16 language) {
    if (language != 0 || systemText.isEmpty())
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
            return withName(chineseReason(errorNumber), systemText, language);
    }
#endif
    static const int kKnown[] = {EACCES, EPERM,        ENOENT, ENODEV, ENXIO,  EBUSY,
                                 EISDIR, ENOTDIR,      ENOTTY, EROFS,  ENOSPC, EIO,
                                 EEXIST, ENAMETOOLONG, EFBIG,  EMFILE, ENFILE, EAGAIN};
    for (int errorNumber : kKnown) {
        const QString wording = QString::fromLocal8Bit(std::strerror(errorNumber));
        if (!wording.isEmpty() && systemText.endsWith(wording, Qt::CaseInsensitive))
            return withName(chineseReason(errorNumber), systemText, language);
    }
    return systemText;
}

QString systemReasonText(QFileDevice::FileError error, const QString &systemText, qint16 language) {
    return withName(chineseReason(error), systemText, language);
}
