// The main window's history of edits: Undo and Redo, the file name and the
// unsaved-change mark in the title, and the question before work that is
// not saved would be replaced or lost.
#include "shell/form1.h"

#include "dialogs/optiondialogs.h"
#include "editor/celleditors.h"
#include "link/clonesession.h"
#include "link/writeflow.h"
#include "shell/captiontable.h"
#include "shell/editorhistory.h"
#include "shell/filecommands.h"
#include "shell/localizedmsgbox.h"

#include <QAction>
#include <QFileInfo>
#include <QUndoStack>

void Form1::buildHistory() {
    m_history = new EditorHistory(
        m_state, [this] { refreshAfterDecode(); }, this);
    m_history->setObjectName(QStringLiteral("editorHistory"));
    QUndoStack *stack = m_history->stack();
    mnuUndo->setEnabled(false);
    mnuRedo->setEnabled(false);
    connect(stack, &QUndoStack::canUndoChanged, mnuUndo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, mnuRedo, &QAction::setEnabled);
    connect(m_history, &EditorHistory::unsavedChanged, this, &Form1::updateTitle);
    connect(stack, &QUndoStack::indexChanged, this, &Form1::updateTitle);

    // The changes made in the window, each one step.
    connect(m_editors, &CellEditors::channelChanged, this,
            [this] { recordEdit(QStringLiteral("channel")); });
    connect(m_dialogs, &OptionDialogs::settingsStored, this,
            [this] { recordEdit(QStringLiteral("settings")); });
    // After a read the editor holds what the radio holds; after a write
    // that the radio took, the radio holds what the editor holds.
    connect(m_session.get(), &CloneSession::imageDecoded, this, [this] {
        recordEdit(QStringLiteral("read"));
        m_filePath.clear();
        m_history->markSaved();
        updateTitle();
    });
    connect(m_writeFlow.get(), &WriteFlow::finished, this, [this](WriteFlowOutcome outcome) {
        if (outcome == WriteFlowOutcome::Verified || outcome == WriteFlowOutcome::Written) {
            m_history->markSaved();
            updateTitle();
        }
    });
    updateTitle();
}

EditorHistory &Form1::history() {
    return *m_history;
}

void Form1::recordEdit(const QString &what) {
    if (m_history)
        m_history->record(what);
    updateTitle();
}

void Form1::updateTitle() {
    if (!m_history)
        return;
    // The program's title, the file and, when the editor holds changes not
    // saved or written, the mark the platform shows for them.
    const QString name =
        m_filePath.isEmpty() ? untitledName(m_state.language) : QFileInfo(m_filePath).fileName();
    setWindowTitle(QStringLiteral("%1 - %2[*]").arg(mainWindowTitle(m_state.language), name));
    setWindowModified(m_history->hasUnsavedChanges());
}

bool Form1::keepUnsavedWork() {
    // A value still being typed counts as a change; it stays in its editor
    // while the question is open, and is stored only to be saved.
    recordEdit(QString());
    const bool typing = m_editors && m_editors->openEditor();
    if (!m_history || (!m_history->hasUnsavedChanges() && !typing))
        return true;
    const QString name =
        m_filePath.isEmpty() ? untitledName(m_state.language) : QFileInfo(m_filePath).fileName();
    switch (askToSaveChanges(*m_port, name, m_state.language)) {
    case UnsavedAnswer::Save:
        // The file the question names is saved at once; only an untitled
        // editor asks for a name.
        finishCellEditing(true);
        recordEdit(QString());
        return saveEditor(!m_filePath.isEmpty());
    case UnsavedAnswer::Discard:
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

void Form1::commandUndo() {
    // A value being typed is a change of its own, taken back first.
    finishCellEditing(true);
    m_history->undo();
    updateTitle();
}

void Form1::commandRedo() {
    finishCellEditing(true);
    recordEdit(QString());
    m_history->redo();
    updateTitle();
}
