// The folders of an installation as the build lays them out (its program
// folder and its data folder under a prefix), made in a test's own folder.
#pragma once

#include <QDir>
#include <QString>

// Makes the program and data folders of an installation under `prefix`;
// returns the program folder.
inline QString makeInstallation(const QString &prefix) {
    const QDir root(prefix);
    root.mkpath(QStringLiteral(VQ740_INSTALL_DATA));
    root.mkpath(QStringLiteral(VQ740_INSTALL_BIN));
    return QDir::cleanPath(root.filePath(QStringLiteral(VQ740_INSTALL_BIN)));
}

inline QString installationDataFolder(const QString &prefix) {
    return QDir::cleanPath(QDir(prefix).filePath(QStringLiteral(VQ740_INSTALL_DATA)));
}
