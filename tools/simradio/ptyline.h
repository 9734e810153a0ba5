// The radio's end of a pseudo-terminal: the one place where the simulated
// radio touches the system. Unix systems have pseudo-terminals; Windows has
// none, so there the line cannot be opened and ptyUnavailableReason() says
// why (tests skip the cases that need the simulated radio on a real serial
// path with that reason).
#pragma once

#include <QByteArray>
#include <QString>

struct PtyLine {
    int master = -1; // the radio's end, read without waiting
    int slave = -1;  // the program's end, held open so the master never sees a hang-up
    QString path;    // the program's end by name, such as /dev/pts/3
};

// True where the system has pseudo-terminals.
bool ptyAvailable();
// Why there is no pseudo-terminal here; empty where there is one.
QString ptyUnavailableReason();

// Opens a new pseudo-terminal, both ends raw and non-blocking, the master
// not inherited by programs started later. False when none can be had.
bool openPtyLine(PtyLine *line);
// Closes both ends (either may be closed already).
void closePtyLine(PtyLine *line);
// Reads what waits on the master, at most `size` bytes: 0 or less when
// nothing waits or the line is closed.
qint64 readPtyLine(const PtyLine &line, char *buffer, qint64 size);
// Writes bytes to the master; how many it took (0 when none).
qint64 writePtyLine(const PtyLine &line, const QByteArray &bytes);
