// Lock files of serial ports: a file LCK..ttyUSB0 in /var/lock (or one of
// the other lock folders) says that a program uses /dev/ttyUSB0. Every
// serial program writes one: minicom, uucp and lockdev write the process
// id as ten characters right-aligned and a newline, older programs the
// process id as 4 binary bytes, Qt's own ports (QLockFile) the process id,
// the program's name and the host on lines of their own.
//
// A lock is honoured as long as its process runs. QSerialPort's own lock
// handling would take the lock of a running program over (it counts a
// lock without a program name as left behind), so the program judges the
// lock files itself before it opens a device: the lock of a running
// process means the device is in use; the lock of a process that has
// ended is left behind and taken over, and so is an empty or unreadable
// lock file that no process has had open for a few seconds while nothing
// else holds the device.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A lock file of a device: the process that holds the device, if it can be
// read.
struct PortLock {
    QString path;
    qint64 pid = 0; // 0 when the file is empty or cannot be read
    bool alive = false;
    QString program;  // the process's name, when it is alive
    quint64 file = 0; // the file's inode number, to know it again
};

// The folders QSerialPort looks for lock files in, in its order (none on
// Windows).
QStringList serialLockDirectories();
// The lock file names of a device: Qt's (the path below /dev with '/' made
// '_') and, for a link, the real device's, which other programs use.
QStringList lockFileNames(const QString &device);
// Reads a lock file: QLockFile's form (pid, program, host) or the older
// forms (a decimal number padded with spaces, or 4 binary bytes).
PortLock readPortLock(const QString &path);
// Every lock file of the device in the folders, in the folders' order.
QList<PortLock> findPortLocks(const QString &device, const QStringList &folders);
// The lock file that explains why the device is in use: the first of a
// running process, otherwise the first found.
std::optional<PortLock> findPortLock(const QString &device, const QStringList &folders);

// What a lock file means for opening the device.
enum class LockState {
    Held,       // a running process holds the device, or may be writing its lock
    LeftBehind, // its process has ended, or it is empty and unused: take it over
};

// How long an empty or unreadable lock file must have been left alone
// before it counts as left behind.
constexpr int kEmptyLockQuietSeconds = 3;

LockState lockState(const PortLock &lock, const QString &device);

// Removes a lock file left behind, unless another process has taken it in
// the meantime (it is locked, or is no longer the same file). False when
// it could not be removed.
bool removeLockLeftBehind(const PortLock &lock);
