// Export of the channels in use as a CHIRP CSV file: CHIRP's 21 columns,
// CRLF line ends, UTF-8 without byte order mark, minimal quoting, one row
// per channel in use with Location = the channel number.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

struct EditorState;

struct ChirpExport {
    QByteArray bytes;     // the whole file
    int rows = 0;         // channels written
    QStringList warnings; // values other CHIRP versions refuse, channels left out
    QStringList notes;    // what the format does not carry (BCLO)
};

// The texts of warnings and notes are in the state's language.
ChirpExport exportChirpCsv(const EditorState &state);
