// What the parts of the main window (the radio link, the write, the channel
// commands) ask of the window that holds the editor: the lock, the cell
// being edited, the views of the editor state, its title and the file it
// was opened from.
#pragma once

class QString;

class EditorWindow {
public:
    // The Lock item is checked: the channels and settings are not edited.
    virtual bool editLock() const = 0;
    // Ends the editing of a channel table cell, if an editor is open:
    // `commit` stores its value as leaving the editor does (before the table
    // is used: Save, Read, Write, a language or lock change); otherwise it
    // closes without a change (the table is being replaced or the program
    // ends). Runs at most one commit, whatever messages it shows.
    virtual void finishCellEditing(bool commit) = 0;
    // After a decode (Open, a read, Undo, an import): the channel table, the
    // Functions Setting lists, the band selector (without the band
    // question) and the option dialogs show the editor state again.
    virtual void refreshAfterDecode() = 0;
    // The title shows the file and the unsaved-change mark as they are.
    virtual void updateTitle() = 0;
    // Before work not saved would be replaced or lost (closing, Exit, Open,
    // New, a read): asks Yes (save) / No (discard) / Cancel when there is
    // any. Yes saves to the editor's file at once, or asks for a name for an
    // untitled editor. Returns true when the command may go on.
    virtual bool keepUnsavedWork() = 0;
    // Opens a data file named (a backup) as File > Open does once the file
    // is chosen: true when it was opened.
    virtual bool openNamedFile(const QString &path) = 0;
    // The file the editor was opened from or saved to; empty when untitled.
    virtual QString filePath() const = 0;

protected:
    ~EditorWindow() = default;
};
