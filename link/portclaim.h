// What stands between the program and a serial device before it opens it:
// a lock file of a running program, or (for root, whom the system lets
// past exclusive use) another process holding the device for exclusive
// use. Either means the device is in use and is not opened. Lock files
// left behind (portlocks.h) are taken over: removed, so that the port can
// write its own.
#pragma once

#include "link/portlocks.h"

#include <QList>
#include <QString>
#include <QStringList>

struct PortClaim {
    bool free = true;          // nothing else holds the device: open it
    QList<PortLock> takenOver; // lock files left behind, now removed
};

PortClaim claimPort(const QString &device,
                    const QStringList &lockFolders = serialLockDirectories());
