// The parameter file "parameter" (three bytes, no extension): edit lock,
// remembered port number and language flag. It lives in the program's
// folder; where that folder cannot be written, and always for an installed
// program, it lives in the per-user configuration folder instead. Failures are silent: a file that
// cannot be read gives the start-up preferences, one that cannot be written is skipped.
#pragma once

#include "shell/preferences.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class ParameterFile {
public:
    // `programFolder` is where the file normally lives, `fallbackFolder` the
    // per-user folder used when the program folder cannot be written.
    ParameterFile(const QString &programFolder, const QString &fallbackFolder);

    // The file of a program in `programFolder`: next to it, falling back to
    // `userFolder`; only in `userFolder` when the program is installed (see
    // programlayout.h), so an installation never writes into its own
    // folders, even when run by the administrator.
    static ParameterFile forProgram(const QString &programFolder, const QString &userFolder);

    // The running program's file, with the per-user configuration folder.
    static ParameterFile standard();

    static QString fileName() { return QStringLiteral("parameter"); }

    // Opens the file (creating it empty when it does not exist) and reads
    // its bytes into preferences. When both folders hold a file, the one
    // written last is read (an exit that found the program's folder full
    // left the preferences in the per-user folder), and saved to first.
    Preferences load();

    // Replaces the file with exactly three bytes. Returns false when neither
    // folder can be written; `reason` then holds what the system said about
    // the file last tried, and `failedFile` that file (each when given).
    bool save(const Preferences &preferences, QString *reason = nullptr,
              QString *failedFile = nullptr);

    // The file read by the last load (or to be written), once known.
    QString path() const { return m_path; }

    // The bytes as preferences: byte 0 is the lock (only 1 means on), byte 1
    // the port (1 to 8, anything else is no port), byte 2 the language flag
    // (kept as it is). Missing bytes count as 0.
    static Preferences decode(const QByteArray &bytes);
    static QByteArray encode(const Preferences &preferences);

private:
    QString pathIn(const QString &folder) const;
    QStringList foldersNewestFirst() const;
    bool usable(const QString &folder) const;

    QString m_programFolder;
    QString m_fallbackFolder;
    QString m_path;
};
