// The serial devices present now: what the Communication port menu lists
// below COM1 to COM8 and what Find my cable compares. The list comes from a
// PortEnumerator, the system's (QSerialPortInfo) in the program and one of
// the test's own in tests.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

struct SerialDeviceInfo {
    QString device;       // what the port opens: /dev/ttyUSB4 (COM12 on Windows)
    QString description;  // e.g. "CP2102 USB to UART Bridge Controller"
    QString manufacturer; // e.g. "Silicon Labs"
    bool hasUsbIds = false;
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString stableName; // Linux: its name under /dev/serial/by-id, if it has one

    bool operator==(const SerialDeviceInfo &o) const {
        return device == o.device && description == o.description &&
               manufacturer == o.manufacturer && hasUsbIds == o.hasUsbIds &&
               vendorId == o.vendorId && productId == o.productId && stableName == o.stableName;
    }
};

class PortEnumerator {
public:
    virtual ~PortEnumerator() = default;
    // The devices present now, in device name order.
    virtual QList<SerialDeviceInfo> devices() = 0;
};

// QSerialPortInfo, with the /dev/serial/by-id names on Linux.
class SystemPortEnumerator : public PortEnumerator {
public:
    QList<SerialDeviceInfo> devices() override;
};

// "/dev/ttyUSB4 — CP2102 USB to UART (Silicon Labs) 10c4:ea60": the device,
// then what is known of it.
QString deviceItemLabel(const SerialDeviceInfo &info);
// The name that stays the same while the cable is plugged in anywhere (its
// /dev/serial/by-id name), else the device.
QString deviceItemTip(const SerialDeviceInfo &info);
// "10c4:ea60", or empty without USB ids.
QString usbIdsText(const SerialDeviceInfo &info);

// The names in a by-id folder, keyed by the device each one leads to.
QMap<QString, QString> stableDeviceNames(const QString &folder);

// Sorts devices by name, numbers by value (ttyUSB2 before ttyUSB10).
void sortDevices(QList<SerialDeviceInfo> &devices);

// The devices of `now` that `before` does not hold (by device name).
QList<SerialDeviceInfo> appearedDevices(const QList<SerialDeviceInfo> &before,
                                        const QList<SerialDeviceInfo> &now);

// What is wrong with a device path typed by the user.
enum class DevicePathProblem {
    None,
    Empty,        // nothing typed
    Missing,      // no such file
    NotADevice,   // a folder or a plain file
    NotAPortName, // Windows: neither COM12 nor \\.\COM12
};
// On Unix systems the path must lead to a character device; on Windows,
// whose ports are no files to look at, it must be a port's name.
DevicePathProblem checkDevicePath(const QString &path);
// The device a typed path that passed the checks opens: the path as typed,
// on Windows the port's name (\\.\COM12 is COM12).
QString typedDevice(const QString &path);
// The message for a problem (empty for None); 0 Chinese, else English.
QString devicePathProblemText(DevicePathProblem problem, const QString &path, qint16 language);
