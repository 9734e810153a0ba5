// State files: the editor state kept on disk as a data file (.DAT) or as
// the JSON form (.json), told apart by the extension in any case. The
// window and every command of the command-line tool load and save through
// here, and report failures with the one message made here.
#pragma once

#include <QString>
#include <QtGlobal>

struct EditorState;

enum class StateFileKind { Unknown, DataFile, Json };

// The kind of a file by its extension: .dat or .json, upper or lower case;
// any other name is of the kind `other` (the window takes every other name
// for a data file, the command-line tool refuses it).
StateFileKind stateFileKindOf(const QString &path, StateFileKind other = StateFileKind::Unknown);

enum class StateFileError {
    None,
    UnknownKind, // the name ends in neither .dat nor .json
    CannotRead,  // the file cannot be opened or read
    TooShort,    // a data file shorter than decoding needs (0x330 bytes)
    BadContent,  // the JSON form is not valid or holds a value the radio cannot keep
    CannotWrite, // the file cannot be written; an old file is untouched
};

struct StateFileStatus {
    StateFileError error = StateFileError::None;
    QString detail; // what is wrong inside the file, or what the system said
    bool ok() const { return error == StateFileError::None; }
};

// Loads a state file over the editor state, as Open does: a data file is
// decoded, a JSON form is read field by field. On any failure the state is
// left exactly as it was.
StateFileStatus loadStateFile(const QString &path, EditorState &state,
                              StateFileKind other = StateFileKind::Unknown);

// Saves the editor state: the encoded image as a data file, or the JSON
// form. The file is replaced whole or not at all.
StateFileStatus saveStateFile(const QString &path, const EditorState &state,
                              StateFileKind other = StateFileKind::Unknown);

// The message for a failed load or save, naming the file, in the language
// given (0 Chinese, otherwise English). A failed save says that the old
// file is unchanged when there is one, and otherwise that nothing was
// written.
QString stateFileMessage(const StateFileStatus &status, const QString &path, qint16 language);
