#include "shell/helpfile.h"

#include "model/messageport.h"
#include "model/texts.h"
#include "shell/programlayout.h"

#include <QDir>
#include <QFileInfo>

using vq740::translate;

QString helpFilePath(const QString &programFolder) {
    return QDir(programFolder).filePath(applicationTitle() + QStringLiteral(".CHM"));
}

QString userGuidePath(const QString &programFolder, qint16 language) {
    // The guide of a language is a text its translation gives, so that a
    // translation can bring a guide of its own.
    const TextLanguage scope(language);
    return QDir(guideFolder(programFolder))
        .filePath(
            translate("Help", "guide.html", "the file name of the user guide in this language"));
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
