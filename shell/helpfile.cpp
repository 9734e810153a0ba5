#include "shell/helpfile.h"

#include "model/messageport.h"
#include "shell/programlayout.h"

#include <QDir>

QString helpFilePath(const QString &programFolder) {
    return QDir(programFolder).filePath(applicationTitle() + QStringLiteral(".CHM"));
}

QString userGuidePath(const QString &programFolder, qint16 language) {
    return QDir(guideFolder(programFolder))
        .filePath(language == 0 ? QStringLiteral("guide-zh.html") : QStringLiteral("guide.html"));
}

QString helpTarget(const QString &programFolder, qint16 language) {
#ifdef Q_OS_WIN
    Q_UNUSED(language);
    return helpFilePath(programFolder);
#else
    return userGuidePath(programFolder, language);
#endif
}
