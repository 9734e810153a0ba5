#include "ptyline.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

bool ptyAvailable() {
    return true;
}

QString ptyUnavailableReason() {
    return QString();
}

bool openPtyLine(PtyLine *line) {
    line->master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (line->master < 0)
        return false;
    // Programs started meanwhile (the tool under test) must not inherit the
    // radio's end, or closing it would not hang up the line.
    ::fcntl(line->master, F_SETFD, FD_CLOEXEC);
    char *name = nullptr;
    if (::grantpt(line->master) != 0 || ::unlockpt(line->master) != 0 ||
        !(name = ::ptsname(line->master))) {
        closePtyLine(line);
        return false;
    }
    line->path = QString::fromLocal8Bit(name);
    line->slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (line->slave < 0) {
        closePtyLine(line);
        return false;
    }
    termios raw{};
    if (::tcgetattr(line->slave, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(line->slave, TCSANOW, &raw);
    }
    return true;
}

void closePtyLine(PtyLine *line) {
    if (line->slave >= 0)
        ::close(line->slave);
    if (line->master >= 0)
        ::close(line->master);
    line->slave = line->master = -1;
}

qint64 readPtyLine(const PtyLine &line, char *buffer, qint64 size) {
    return line.master < 0 ? -1 : qint64(::read(line.master, buffer, size_t(size)));
}

qint64 writePtyLine(const PtyLine &line, const QByteArray &bytes) {
    if (line.master < 0 || bytes.isEmpty())
        return 0;
    const ssize_t n = ::write(line.master, bytes.constData(), size_t(bytes.size()));
    return n > 0 ? qint64(n) : 0;
}
