// A device list for tests: each call of devices() returns the next list of
// the script (the last one again once the script is used up), as cables
// are unplugged and plugged in between calls.
#pragma once

#include "link/portdevices.h"

struct ScriptedEnumerator : PortEnumerator {
    QList<QList<SerialDeviceInfo>> script;
    int calls = 0;

    QList<SerialDeviceInfo> devices() override {
        const int at = qMin(calls++, int(script.size()) - 1);
        return at < 0 ? QList<SerialDeviceInfo>() : script.at(at);
    }
};

inline SerialDeviceInfo usbDevice(const QString &device, const QString &description = QString(),
                                  const QString &manufacturer = QString(), int vendor = -1,
                                  int product = -1) {
    SerialDeviceInfo info;
    info.device = device;
    info.description = description;
    info.manufacturer = manufacturer;
    info.hasUsbIds = vendor >= 0 && product >= 0;
    info.vendorId = quint16(qMax(0, vendor));
    info.productId = quint16(qMax(0, product));
    return info;
}
