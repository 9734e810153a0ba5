#include "link/portdevices.h"

#include "link/linktexts.h"
#include "link/portnames.h"
#include "model/texts.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using vq740::translate;

namespace {

const QLatin1String kStableFolder("/dev/serial/by-id");

// "ttyUSB10" as ("ttyUSB", 10): names compare by their text, then their number.
std::pair<QString, qint64> nameKey(const QString &device) {
    int digits = device.size();
    while (digits > 0 && device.at(digits - 1).isDigit())
        --digits;
    const QString tail = device.mid(digits);
    return {device.left(digits), tail.isEmpty() ? -1 : tail.left(18).toLongLong()};
}

} // namespace

QList<SerialDeviceInfo> SystemPortEnumerator::devices() {
    QList<SerialDeviceInfo> devices;
    const QMap<QString, QString> stable = stableDeviceNames(kStableFolder);
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : ports) {
        SerialDeviceInfo info;
#ifdef Q_OS_WIN
        info.device = port.portName();
#else
        info.device = port.systemLocation();
#endif
        info.description = port.description().trimmed();
        info.manufacturer = port.manufacturer().trimmed();
        info.hasUsbIds = port.hasVendorIdentifier() && port.hasProductIdentifier();
        info.vendorId = port.vendorIdentifier();
        info.productId = port.productIdentifier();
        info.stableName = stable.value(info.device);
        devices << info;
    }
    sortDevices(devices);
    return devices;
}

QString usbIdsText(const SerialDeviceInfo &info) {
    if (!info.hasUsbIds)
        return QString();
    return QStringLiteral("%1:%2")
        .arg(info.vendorId, 4, 16, QLatin1Char('0'))
        .arg(info.productId, 4, 16, QLatin1Char('0'));
}

QString deviceItemLabel(const SerialDeviceInfo &info) {
    QStringList about;
    if (!info.description.isEmpty())
        about << info.description;
    if (!info.manufacturer.isEmpty() && info.manufacturer != info.description)
        about << QStringLiteral("(%1)").arg(info.manufacturer);
    const QString ids = usbIdsText(info);
    if (!ids.isEmpty())
        about << ids;
    if (about.isEmpty())
        return info.device;
    return info.device + QStringLiteral(" \u2014 ") + about.join(QLatin1Char(' '));
}

QString deviceItemTip(const SerialDeviceInfo &info) {
    return info.stableName.isEmpty() ? info.device : info.stableName;
}

QMap<QString, QString> stableDeviceNames(const QString &folder) {
    QMap<QString, QString> names;
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(QDir::System | QDir::Files, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString target = entry.canonicalFilePath();
        if (!target.isEmpty() && !names.contains(target))
            names.insert(target, entry.absoluteFilePath());
    }
    return names;
}

void sortDevices(QList<SerialDeviceInfo> &devices) {
    std::stable_sort(devices.begin(), devices.end(),
                     [](const SerialDeviceInfo &a, const SerialDeviceInfo &b) {
                         return nameKey(a.device) < nameKey(b.device);
                     });
}

QList<SerialDeviceInfo> appearedDevices(const QList<SerialDeviceInfo> &before,
                                        const QList<SerialDeviceInfo> &now) {
    QList<SerialDeviceInfo> appeared;
    for (const SerialDeviceInfo &info : now) {
        const bool known =
            std::any_of(before.begin(), before.end(),
                        [&info](const SerialDeviceInfo &old) { return old.device == info.device; });
        if (!known)
            appeared << info;
    }
    return appeared;
}

DevicePathProblem checkDevicePath(const QString &path) {
    if (path.trimmed().isEmpty())
        return DevicePathProblem::Empty;
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return DevicePathProblem::Missing;
    return S_ISCHR(st.st_mode) ? DevicePathProblem::None : DevicePathProblem::NotADevice;
#else
    return windowsPortName(path).isEmpty() ? DevicePathProblem::NotAPortName
                                           : DevicePathProblem::None;
#endif
}

QString typedDevice(const QString &path) {
#ifdef Q_OS_WIN
    const QString port = windowsPortName(path);
    return port.isEmpty() ? path.trimmed() : port;
#else
    return path.trimmed();
#endif
}

QString devicePathProblemText(DevicePathProblem problem, const QString &path, qint16 language) {
    const TextLanguage scope(language);
    switch (problem) {
    case DevicePathProblem::None:
        break;
    case DevicePathProblem::Empty:
        if (currentPortPlatform() == PortPlatform::Windows)
            return translate("PortDevices",
                             "Please type the name of the serial port, such as COM12.");
        return translate("PortDevices",
                         "Please type the path of the serial device, such as /dev/ttyUSB0.");
    case DevicePathProblem::Missing:
        return translate("PortDevices",
                         "There is no device %1: check the path, and that the cable is plugged in.")
            .arg(path);
    case DevicePathProblem::NotADevice:
        return translate("PortDevices", "%1 is not a serial device.").arg(path);
    case DevicePathProblem::NotAPortName:
        return translate("PortDevices",
                         "%1 is not the name of a serial port: type a name such as COM12 or "
                         "\\\\.\\COM12.")
            .arg(path);
    }
    return QString();
}
