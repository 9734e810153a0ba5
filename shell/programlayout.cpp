#include "shell/programlayout.h"

#include <QDir>
#include <QFileInfo>

#ifndef VQ740_DATA_FROM_BIN
#error "VQ740_DATA_FROM_BIN names the data folder relative to the program folder"
#endif

QString installedDataRelativePath() {
    return QStringLiteral(VQ740_DATA_FROM_BIN);
}

QString installedDataFolder(const QString &programFolder) {
    return QDir::cleanPath(QDir(programFolder).filePath(installedDataRelativePath()));
}

bool isInstalledProgram(const QString &programFolder) {
    return !programFolder.isEmpty() && QFileInfo(installedDataFolder(programFolder)).isDir();
}

QString guideFolder(const QString &programFolder) {
    if (isInstalledProgram(programFolder))
        return installedDataFolder(programFolder);
    return QDir(programFolder).filePath(QStringLiteral("docs"));
}
