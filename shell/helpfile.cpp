#include "shell/helpfile.h"

#include "model/messageport.h"

#include <QDir>

QString helpFilePath(const QString &programFolder) {
    return QDir(programFolder).filePath(applicationTitle() + QStringLiteral(".CHM"));
}

QString userGuidePath(const QString &programFolder, qint16 language) {
    return QDir(programFolder)
        .filePath(language == 0 ? QStringLiteral("docs/guide-zh.html")
                                : QStringLiteral("docs/guide.html"));
}

QString helpTarget(const QString &programFolder, qint16 language) {
#ifdef Q_OS_WIN
    Q_UNUSED(language);
    return helpFilePath(programFolder);
#else
    return userGuidePath(programFolder, language);
#endif
}
