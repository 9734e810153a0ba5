// The one way the program writes a file: the whole content replaces the
// file at once, or the old file stays exactly as it was.
#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole content of `path`. Returns false when the
// file could not be written; `reason` (when given) then holds what the
// system said, and the old file, if any, is untouched.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *reason = nullptr);
