// The Unix calls some test cases make (pseudo-terminals, device files,
// users, exclusive use), and the skip those cases start with where the
// system has none of it. On Unix systems these are the system's own; on
// Windows each call is there so the test programs build, and fails, and
// the cases that need them skip first with their reason:
//
//   VQ740_NEEDS_PTY();             the simulated radio, or any pseudo-terminal
//   VQ740_NEEDS_UNIX("lock files"); anything else only Unix systems have
#pragma once

#include "ptyline.h"

#include <QtGlobal>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fcntl.h>
#include <io.h>

#ifndef O_NOCTTY
#define O_NOCTTY 0
#endif
#ifndef O_CLOEXEC
#define O_CLOEXEC 0
#endif
#ifndef O_NONBLOCK
#define O_NONBLOCK 0
#endif
#define TIOCEXCL 0x540C
#define TIOCNXCL 0x540D

inline int posix_openpt(int) {
    return -1;
}
inline int grantpt(int) {
    return -1;
}
inline int unlockpt(int) {
    return -1;
}
inline char *ptsname(int) {
    return nullptr;
}
inline unsigned geteuid() {
    return 0;
}
inline unsigned getegid() {
    return 0;
}
inline int ioctl(int, unsigned long) {
    return -1;
}
#endif

#define VQ740_NEEDS_PTY()                                                                          \
    do {                                                                                           \
        if (!ptyAvailable())                                                                       \
            QSKIP(qPrintable(ptyUnavailableReason()));                                             \
    } while (false)

#ifdef Q_OS_UNIX
#define VQ740_NEEDS_UNIX(what)                                                                     \
    do {                                                                                           \
    } while (false)
#else
#define VQ740_NEEDS_UNIX(what) QSKIP("needs " what ", which only Unix systems have")
#endif
