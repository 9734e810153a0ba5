// The history of the editor: every change a user makes to what the editor
// holds (a cell, a Functions Setting pick, OK in an option window, a band
// change, New, Open, a read, an import, a paste) is one step that Undo takes
// back and Redo makes again. Steps hold states of the model, never widget
// contents, and never touch files or the radio. The history also knows
// whether the editor holds changes not saved to a file or written to a
// radio: the clean point moves with every save, open, read and write, and
// undoing back to it clears the mark.
#pragma once

#include "model/editorstate.h"

#include <QObject>
#include <QString>

#include <functional>

class QUndoStack;

// True when two states hold the same channels, function settings, band and
// settings, whatever the language of their cell texts.
bool sameEditorContent(const EditorState &a, const EditorState &b);

class EditorHistory : public QObject {
    Q_OBJECT
public:
    // `show` puts a state back into the editor and the window (Undo, Redo);
    // the history keeps the language flag and the service modes as they are.
    EditorHistory(EditorState &state, std::function<void()> show, QObject *parent = nullptr);
    ~EditorHistory() override;

    QUndoStack *stack() const { return m_stack; }

    // Makes what changed since the last step one step, described by `what`.
    // Returns false, and adds nothing, when nothing changed.
    bool record(const QString &what);

    // What the editor holds now is in a file or in the radio.
    void markSaved();
    bool hasUnsavedChanges() const;

    void undo();
    void redo();

signals:
    // The unsaved-change mark came or went.
    void unsavedChanged(bool unsaved);

private:
    class Step;
    void restore(const EditorState &content);

    EditorState &m_state;
    std::function<void()> m_show;
    EditorState m_recorded; // the state the last step ended in
    QUndoStack *m_stack;
};
