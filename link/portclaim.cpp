#include "link/portclaim.h"

#include "link/portholders.h"

PortClaim claimPort(const QString &device, const QStringList &lockFolders) {
    PortClaim claim;
    QList<PortLock> leftBehind;
    for (const PortLock &lock : findPortLocks(device, lockFolders)) {
        if (lockState(lock, device) == LockState::Held) {
            claim.free = false;
            return claim;
        }
        leftBehind << lock;
    }
    if (passesExclusiveUse() && heldForExclusiveUse(device, deviceHolders(device))) {
        claim.free = false;
        return claim;
    }
    // Nothing is removed before the device is known to be free.
    for (const PortLock &lock : leftBehind) {
        if (!removeLockLeftBehind(lock)) {
            claim.free = false;
            return claim;
        }
        claim.takenOver << lock;
    }
    return claim;
}
