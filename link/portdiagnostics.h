// Plain words on why a serial device could not be opened, with what to do
// about it: no such device (is the cable plugged in?), no permission (the
// device's owner, group and mode, and the group that would grant access or
// the udev rule to install), in use by another program (which one, when it
// can be found), or a lock file left behind by a program that has ended.
// One wording for the window's messages and the command-line tool.
//
// The facts are gathered by examinePort() and the words made from them by
// a plain function, so tests can give it any facts they like.
#pragma once

#include "link/portdevices.h"
#include "link/portholders.h"
#include "link/portlocks.h"
#include "link/serialport.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// Owner, group and mode of a device file as `ls -l` shows them.
struct DeviceAccess {
    bool known = false; // false when the file cannot be examined
    QString owner;
    QString group;
    QString mode; // e.g. "crw-rw----"
    uint uid = 0;
    uint gid = 0;
    quint32 permissions = 0;      // the permission bits, e.g. 0660
    bool characterDevice = false; // what serial devices are
};

DeviceAccess deviceAccess(const QString &device);

// The user the program runs as and its groups.
struct UserAccess {
    uint uid = 0;
    QSet<uint> sessionGroups; // the groups this process has now
    QSet<uint> listedGroups;  // the groups the system lists for the user
};

UserAccess currentUser();

struct PortFacts {
    QString device;
    DeviceAccess access;
    UserAccess user;
    std::optional<PortLock> lock;
    QList<DeviceHolder> holders;
    std::optional<SerialDeviceInfo> usb; // the device as the system lists it
    QList<SerialDeviceInfo> present;     // every serial device present now
};

// Gathers what is needed to explain the failure (only what it needs: the
// lock files and the holders for a device in use, and so on).
PortFacts examinePort(const QString &device, PortOpenFailure failure,
                      const QStringList &lockFolders = serialLockDirectories(),
                      PortEnumerator *enumerator = nullptr);

// Lines explaining the failure: the device and the system's reason (in the
// program's language, image/systemreason.h), then what to do about it.
// `errorNumber` is the system's error number; 0 takes the usual one of the
// failure (no such file, permission denied, busy). 0 Chinese, anything else
// English.
QStringList portOpenAdvice(const PortFacts &facts, PortOpenFailure failure,
                           const QString &systemError, qint16 language, int errorNumber = 0);
// The same, examining the device first.
QStringList portOpenAdvice(const QString &device, PortOpenFailure failure,
                           const QString &systemError, qint16 language, int errorNumber = 0);

// A message followed by the reason lines, a blank line between.
QString messageWithReason(const QString &message, const QStringList &reason);
