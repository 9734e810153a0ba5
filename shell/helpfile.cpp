#include "shell/helpfile.h"

#include "model/messageport.h"
#include "model/texts.h"
#include "shell/programlayout.h"

#include <QDir>

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
    Q_UNUSED(language);
    return helpFilePath(programFolder);
#else
    return userGuidePath(programFolder, language);
#endif
}
