#include "ptyline.h"

bool ptyAvailable() {
    return false;
}

QString ptyUnavailableReason() {
    return QStringLiteral("the simulated radio answers on a pseudo-terminal, which this system "
                          "does not have");
}

bool openPtyLine(PtyLine *) {
    return false;
}

void closePtyLine(PtyLine *line) {
    line->slave = line->master = -1;
}

qint64 readPtyLine(const PtyLine &, char *, qint64) {
    return -1;
}

qint64 writePtyLine(const PtyLine &, const QByteArray &) {
    return 0;
}
