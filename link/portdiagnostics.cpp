#include "link/portdiagnostics.h"

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#endif

namespace {

QString tr2(qint16 language, const char *chinese, const char *english) {
    return QString::fromUtf8(language == 0 ? chinese : english);
}

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

} // namespace

DeviceAccess deviceAccess(const QString &device) {
    DeviceAccess access;
#ifdef Q_OS_UNIX
    struct stat st {};
    const QByteArray path = device.toLocal8Bit();
    if (device.isEmpty() || ::stat(path.constData(), &st) != 0)
        return access;
    access.known = true;
    access.mode = modeText(st.st_mode);
    const passwd *pw = ::getpwuid(st.st_uid);
    access.owner = pw ? QString::fromLocal8Bit(pw->pw_name) : QString::number(st.st_uid);
    const group *gr = ::getgrgid(st.st_gid);
    access.group = gr ? QString::fromLocal8Bit(gr->gr_name) : QString::number(st.st_gid);
#else
    Q_UNUSED(device);
#endif
    return access;
}

QStringList portOpenAdvice(const QString &device, PortOpenFailure failure,
                           const QString &systemError, qint16 language) {
    QStringList lines;
    if (device.isEmpty()) {
        lines << tr2(language, "没有选择串口。", "No serial port has been chosen.");
        return lines;
    }
    const QString reason = systemError.isEmpty() ? QStringLiteral("-") : systemError;
    lines << tr2(language, "无法打开 %1：%2", "Cannot open %1: %2").arg(device, reason);
    switch (failure) {
    case PortOpenFailure::NoDevice:
        lines << tr2(language, "该设备不存在：请检查写频线是否已插好，或选择其它串口。",
                     "There is no such device: check that the programming cable is plugged in, "
                     "or choose another port.");
        break;
    case PortOpenFailure::PermissionDenied: {
        const DeviceAccess access = deviceAccess(device);
        if (access.known) {
            lines << tr2(language, "%1 的所有者为 %2，组为 %3，权限为 %4。",
                         "%1 belongs to user %2 and group %3, mode %4.")
                         .arg(device, access.owner, access.group, access.mode);
        }
        const QString group = access.known && access.group != QLatin1String("root")
                                  ? access.group
                                  : QStringLiteral("dialout");
        // The group that owns serial devices is dialout on most systems.
        lines << tr2(language, "您的用户必须属于组 %1：sudo usermod -aG %1 $USER，然后重新登录。",
                     "Your user must be in the group %1: sudo usermod -aG %1 $USER, then log "
                     "out and in again.")
                     .arg(group);
        break;
    }
    case PortOpenFailure::InUse:
        lines << tr2(language, "该串口正被其它程序使用，请关掉该程序。",
                     "Another program is using the port; close that program.");
        break;
    case PortOpenFailure::None:
    case PortOpenFailure::Other:
        break;
    }
    return lines;
}
