// Data files: the memory image stored as plain bytes, no header.
#pragma once

#include <QString>
#include <QtGlobal>

enum class DataFileError {
    None,
    CannotRead,  // the file cannot be opened or read
    TooShort,    // fewer bytes than decoding needs (0x330)
    CannotWrite, // the file cannot be written; the old file is untouched
};

// Reads a data file and returns its first 850 bytes (or all of a shorter
// file) as image hex text. Fails for files shorter than 0x330 bytes.
QString readDataFile(const QString &path, DataFileError *error);

// Writes the image's bytes to the file atomically: the file is either
// replaced whole or left as it was.
bool writeDataFile(const QString &path, const QString &image, DataFileError *error);

// The message for a failed data file operation, in the given language.
QString dataFileErrorMessage(DataFileError error, const QString &path, qint16 language);
