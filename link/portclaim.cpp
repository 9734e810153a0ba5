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
    // A lock left behind goes whether or not the device is free, so that
    // what explains a refusal is what is still there.
    for (const PortLock &lock : leftBehind) {
        if (!removeLockLeftBehind(lock)) {
            claim.free = false;
            return claim;
        }
        claim.takenOver << lock;
    }
    if (passesExclusiveUse() && heldForExclusiveUse(device, deviceHolders(device)))
        claim.free = false;
    return claim;
}
