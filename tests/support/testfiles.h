// Whole files in tests: what a file holds, and a file written at once.
#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a file; "<missing>" when it cannot be read, so that a
// comparison names what went wrong.
QByteArray readFile(const QString &path);

// Writes the bytes as the whole file; false when it cannot be written.
bool writeFile(const QString &path, const QByteArray &bytes);
