// CHIRP CSV files on disk, for the window and the command-line tool alike:
// reading one for an import, and writing an export through the program's
// one file writer (replaced whole or not at all).
#pragma once

#include "image/statefile.h"
#include "interop/chirpexport.h"
#include "interop/chirpimport.h"

// True for a name ending in .csv, upper or lower case.
bool isChirpCsvPath(const QString &path);

// Reads and imports a file. A file that cannot be read gives a failed
// status (and an unusable import); a file that is read always gives an
// ok status, and the import tells whether it can be used.
ChirpImport importChirpFile(const QString &path, const ImportOptions &options,
                            StateFileStatus *status);

// Writes the export of the state; `result` receives the rows and warnings.
StateFileStatus exportChirpFile(const QString &path, const EditorState &state,
                                ChirpExport *result = nullptr);
