// The one way the program writes a file: the whole content replaces the
// file at once, or the old file stays exactly as it was.
//
// The bytes go to a temporary file next to the target, named after it
// ("radio.DAT.vq740-save-Ab12Cd"); every step is checked (each write, the
// flush, the sync to the disk, the rename), so a full disk, a quota or an
// I/O error is seen before the old file is replaced, and the temporary file
// is removed again. A temporary file left behind by a save that was killed
// is removed the next time the same file is saved, once it is old enough
// not to belong to a save still running.
#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Writes `bytes` as the whole content of `path`. Returns false when the
// file could not be written; `reason` (when given) then holds what the
// system said, and the old file, if any, is untouched. The file keeps the
// permissions it had; a symbolic link keeps pointing at the file it names,
// which is the one replaced.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *reason = nullptr);

// The name of the file whose save left `fileName` behind as its temporary
// file, or an empty string when `fileName` is no temporary file of ours.
QString savedFileOfLeftOver(const QString &fileName);

// Removes the temporary files that earlier saves of `path` left behind
// and that were last written at least `minimumAgeSeconds` ago. Returns how
// many went.
int removeLeftOversOf(const QString &path, qint64 minimumAgeSeconds);

// How old a temporary file must be before a later save takes it for the
// left-over of a save that was cut off: far longer than any save takes.
constexpr qint64 kLeftOverAgeSeconds = 5 * 60;

// Appends `bytes` to the end of `path` (made when it is missing) with one
// write, flushed and synced to the disk before it returns: what was there
// stays as it was whatever happens to this append. False, with the
// system's reason, when it could not be written.
bool appendToFile(const QString &path, const QByteArray &bytes, QString *reason = nullptr);

// Brings what the system holds of the open file onto the disk: fsync on
// Unix systems, FlushFileBuffers on the file's handle on Windows. False,
// with the system's reason (when asked for), when the system reports a
// failure; a file system that cannot sync at all is no failure.
bool syncToDisk(QFile &file, QString *reason = nullptr);
