#include "shell/parameterfile.h"

#include "image/filewriter.h"
#include "shell/programlayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr int kFileSize = 3;
}

ParameterFile::ParameterFile(const QString &programFolder, const QString &fallbackFolder)
    : m_programFolder(programFolder), m_fallbackFolder(fallbackFolder) {}

ParameterFile ParameterFile::forProgram(const QString &programFolder, const QString &userFolder) {
    // No program folder: load and save skip it and use the user's folder.
    return ParameterFile(isInstalledProgram(programFolder) ? QString() : programFolder, userFolder);
}

ParameterFile ParameterFile::standard() {
    return forProgram(QCoreApplication::applicationDirPath(),
                      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString ParameterFile::pathIn(const QString &folder) const {
    return QDir(folder).filePath(fileName());
}

// A folder is usable when the parameter file in it can be opened for
// reading and writing (which creates it empty if it is missing).
bool ParameterFile::usable(const QString &folder) const {
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    QFile file(pathIn(folder));
    return file.open(QIODevice::ReadWrite);
}

QStringList ParameterFile::foldersNewestFirst() const {
    // After an exit on a full disk the per-user file is newer than the one
    // in the program's folder, which still holds what was saved before: the
    // per-user file is read first when it is the newer or the only one.
    // Otherwise the program's folder comes first.
    if (m_programFolder.isEmpty() || m_fallbackFolder.isEmpty())
        return {m_programFolder, m_fallbackFolder};
    const QFileInfo inProgram(pathIn(m_programFolder));
    const QFileInfo inFallback(pathIn(m_fallbackFolder));
    if (inFallback.isFile() &&
        (!inProgram.isFile() || inFallback.lastModified() > inProgram.lastModified()))
        return {m_fallbackFolder, m_programFolder};
    return {m_programFolder, m_fallbackFolder};
}

Preferences ParameterFile::load() {
    m_path.clear();
    for (const QString &folder : foldersNewestFirst()) {
        if (!usable(folder))
            continue;
        m_path = pathIn(folder);
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            return Preferences();
        return decode(file.read(kFileSize));
    }
    return Preferences();
}

bool ParameterFile::save(const Preferences &preferences, QString *reason, QString *failedFile) {
    const QByteArray bytes = encode(preferences);
    QStringList candidates;
    if (!m_path.isEmpty())
        candidates << m_path;
    for (const QString &folder : {m_programFolder, m_fallbackFolder})
        if (!folder.isEmpty() && !candidates.contains(pathIn(folder)))
            candidates << pathIn(folder);
    QString why;
    QString tried;
    for (const QString &candidate : candidates) {
        QDir().mkpath(QFileInfo(candidate).absolutePath());
        if (writeWholeFile(candidate, bytes, &why)) {
            m_path = candidate;
            return true;
        }
        tried = candidate;
    }
    if (reason)
        *reason = why;
    if (failedFile)
        *failedFile = tried;
    return false;
}

Preferences ParameterFile::decode(const QByteArray &bytes) {
    auto byteAt = [&bytes](int i) { return i < bytes.size() ? quint8(bytes.at(i)) : quint8(0); };
    Preferences p;
    p.editLock = byteAt(0) == 1;
    const int port = byteAt(1);
    p.rememberedPort = port <= 8 ? port : 0;
    p.language = static_cast<qint16>(byteAt(2));
    return p;
}

QByteArray ParameterFile::encode(const Preferences &preferences) {
    QByteArray bytes(kFileSize, '\0');
    bytes[0] = preferences.editLock ? 1 : 0;
    const int port = preferences.rememberedPort;
    bytes[1] = static_cast<char>(port >= 0 && port <= 8 ? port : 0);
    bytes[2] = static_cast<char>(preferences.language & 0xFF);
    return bytes;
}
