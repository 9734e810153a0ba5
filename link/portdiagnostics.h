// Plain words on why a serial device could not be opened, with what to do
// about it. Used by the command-line tool next to the program's own
// "not open" message.
#pragma once

#include "link/serialport.h"

#include <QString>
#include <QStringList>

// Owner, group and mode of a device file as `ls -l` shows them.
struct DeviceAccess {
    bool known = false; // false when the file cannot be examined
    QString owner;
    QString group;
    QString mode; // e.g. "crw-rw----"
};

DeviceAccess deviceAccess(const QString &device);

// Lines explaining the failure: the device and the system's reason, then
// advice for the kind of failure (for a permission error on Linux: the
// device's owner, group and mode and that the user must be in its group,
// usually dialout). 0 Chinese, anything else English.
QStringList portOpenAdvice(const QString &device, PortOpenFailure failure,
                           const QString &systemError, qint16 language);
