// The one way the program writes a file: the whole content replaces the
// file at once, or the old file stays exactly as it was.
//
// The bytes go to a temporary file next to the target; every step is
// checked (each write, the flush, the sync to the disk, the rename), so a
// full disk, a quota or an I/O error is seen before the old file is
// replaced, and the temporary file is removed again.
#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole content of `path`. Returns false when the
// file could not be written; `reason` (when given) then holds what the
// system said, and the old file, if any, is untouched.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *reason = nullptr);
