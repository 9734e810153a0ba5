// The processes behind a serial device: whether a process is running and
// what it is called, which other processes have a device (or any file)
// open, and whether the device is held for exclusive use.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// A process that has the device open.
struct DeviceHolder {
    qint64 pid = 0;
    QString program;
};

// True while a process with this id exists (also one of another user).
bool processAlive(qint64 pid);
// The name of a running process, empty when it cannot be read.
QString processName(qint64 pid);

// The other processes that have the device (or file) open (Linux; only
// those whose descriptors the user may look at). A process that holds the
// master side of a pseudo-terminal is the line's far end (the simulated
// radio, a terminal window), not a user of the port: it is left out even
// when it keeps the device side open too.
QList<DeviceHolder> deviceHolders(const QString &device);

// True when this process may open a device another process holds for
// exclusive use (TIOCEXCL), which the system grants to root: the program
// must then look for such a holder itself.
bool passesExclusiveUse();

// True when another process holds the device for exclusive use (TIOCEXCL).
// Asks the device through a descriptor of its own, so only while another
// process holds it (`holders` not empty) and where exclusive use can be
// read (Linux).
bool heldForExclusiveUse(const QString &device, const QList<DeviceHolder> &holders);
