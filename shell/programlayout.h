// Where the program finds its own files. A program run from its build
// folder (or from any folder of its own) keeps the user guide in "docs"
// beside it and its parameter file next to it. An installed program runs
// from the installation's program folder (bin), with the installation's
// data folder (share/vq740) at a fixed place relative to it: it finds the
// guide there and keeps its parameter file in the per-user configuration
// folder, whoever runs it. The relative place is compiled in, so an
// installation moved to another prefix as a whole still finds its files.
#pragma once

#include <QString>

// The installation's data folder as seen from its program folder, for
// example "../share/vq740".
QString installedDataRelativePath();

// The data folder of an installation whose program folder is
// `programFolder` (cleaned: no "..").
QString installedDataFolder(const QString &programFolder);

// True when `programFolder` is the program folder of an installation: the
// installation's data folder exists at its place relative to it.
bool isInstalledProgram(const QString &programFolder);

// The folder holding the user guide of a program in `programFolder`.
QString guideFolder(const QString &programFolder);
