// Where the help command finds its help: the compiled help file
// "VQ-740 Software.CHM" in the program's folder on Windows, which has a
// viewer for it, when the file is there; otherwise the user guide that
// comes with the program
// (in "docs" beside it, or in the data folder of an installation; see
// programlayout.h), in Chinese for language flag 0 and in English otherwise.
#pragma once

#include <QString>
#include <QtGlobal>

QString helpFilePath(const QString &programFolder);
QString userGuidePath(const QString &programFolder, qint16 language);

// The file the help command opens on this platform.
QString helpTarget(const QString &programFolder, qint16 language);
