// Data files: the memory image stored as plain bytes, no header.
#pragma once

#include <QString>
#include <QtGlobal>

enum class DataFileError {
    None,
    CannotRead, // the file cannot be opened or read
    TooShort,   // fewer bytes than decoding needs (0x330)
};

// Reads a data file and returns its first 850 bytes (or all of a shorter
// file) as image hex text. Fails for files shorter than 0x330 bytes.
QString readDataFile(const QString &path, DataFileError *error);
