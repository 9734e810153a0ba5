#include "shell/helpfile.h"

#include "model/messageport.h"
#include "shell/programlayout.h"

#include <QDir>
#include <QFileInfo>

QString helpFilePath(const QString &programFolder) {
    return QDir(programFolder).filePath(applicationTitle() + QStringLiteral(".CHM"));
}

QString userGuidePath(const QString &programFolder, qint16 language) {
    return QDir(guideFolder(programFolder))
        .filePath(language == 0 ? QStringLiteral("guide-zh.html") : QStringLiteral("guide.html"));
}

QString helpTarget(const QString &programFolder, qint16 language) {
#ifdef Q_OS_WIN
    // The compiled help file where it was put beside the program, else the
    // guide the installation holds.
    const QString compiled = helpFilePath(programFolder);
    if (QFileInfo::exists(compiled))
        return compiled;
    return userGuidePath(programFolder, language);
#else
    return userGuidePath(programFolder, language);
#endif
}
