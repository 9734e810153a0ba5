// The File menu's New, Open and Save commands on the editor state. The
// window only forwards: file names come from a FileChooser, questions and
// messages go through the MessagePort.
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

struct EditorState;
struct StateFileStatus;
class MessagePort;

// Asks the user for a file name; an empty result means cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual QString openPath(const QString &filter) = 0;
    virtual QString savePath(const QString &filter) = 0;
    // A name for a file of another kind (an export): the dialog gives a
    // name typed without extension `suffix` ("csv", "pdf").
    virtual QString exportPath(const QString &filter, const QString &suffix) {
        Q_UNUSED(suffix);
        return savePath(filter);
    }
};

// Shows the message of a failed load or save, naming the file (stop icon).
void reportStateFileError(MessagePort &port, qint16 language, const StateFileStatus &status,
                          const QString &path);

// Asks for names through `ask` until the user gives one of a file that does
// not exist, agrees to overwrite it (Yes), or cancels (empty result).
QString chooseNewFile(MessagePort &port, qint16 language, const std::function<QString()> &ask);

// The file dialogs' filter: the application title followed by the pattern,
// "VQ-740 Software(*.DAT)"; where file names are case-sensitive it lists
// the lower-case extension too.
QString dataFileFilter();

enum class FileOutcome {
    Cancelled, // the user cancelled; nothing changed
    Done,      // cleared, opened and decoded, or saved
    Failed,    // a message said why; the editor or the file is as it was
};

// New: asks (OK/Cancel) and empties the channels in use. Function settings,
// band and dialog values stay.
FileOutcome newCommand(EditorState &state, MessagePort &port);

// Open: asks for a file, reads it and decodes it into the editor. A file
// that cannot be read or is too short is refused with a message and the
// editor keeps what it had.
// `path`, when given, gets the name of the file opened.
FileOutcome openCommand(EditorState &state, FileChooser &chooser, MessagePort &port,
                        QString *path = nullptr);

// Open without the file dialog: reads the file named and decodes it into
// the editor, with the same messages (a backup chosen in the Backups window
// opens through here).
FileOutcome openDataFile(EditorState &state, const QString &path, MessagePort &port);

// Save: asks for a file name, encodes the editor and writes the file
// atomically. An existing file is overwritten only after Yes; No asks for a
// name again. A failed write is reported.
// `path`, when given, gets the name of the file written.
FileOutcome saveCommand(const EditorState &state, FileChooser &chooser, MessagePort &port,
                        QString *path = nullptr);

// Saves the editor to `path` without asking (the file the editor was
// opened from or saved to): encodes it, writes the file atomically and
// reports a failed write. A name ending in .json gets the JSON form.
FileOutcome saveToFile(const EditorState &state, const QString &path, MessagePort &port);

// The name the window shows for an editor not yet saved to a file.
QString untitledName(qint16 language);

enum class UnsavedAnswer { Save, Discard, Cancel };

// Asks whether the changes the editor holds should be saved to `name`
// first (Yes saves, No discards, Cancel keeps everything as it is). The
// window saves to the editor's file at once, and asks for a name only for
// an untitled editor.
UnsavedAnswer askToSaveChanges(MessagePort &port, const QString &name, qint16 language);
