// The editor the main window holds, as its parts see it: the lock, the cell
// being edited, the views shown again after a decode, the history of edits,
// the file name and the unsaved-change mark in the title, and the question
// before work that is not saved would be replaced or lost; and the File
// commands that replace or save what it holds: New, Open and Save.
#include "shell/form1.h"

#include "dialogs/optiondialogs.h"
#include "editor/celleditors.h"
#include "editor/channelgrid.h"
#include "link/clonesession.h"
#include "link/writeflow.h"
#include "shell/captiontable.h"
#include "shell/channelcommandspart.h"
#include "shell/editorhistory.h"
#include "shell/filecommands.h"
#include "shell/functionspanel.h"
#include "shell/localizedmsgbox.h"
#include "shell/radiolinkpart.h"
#include "shell/writepart.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QUndoStack>

bool Form1::editLock() const {
    return mnulock->isChecked();
}

void Form1::finishCellEditing(bool commit) {
    if (!m_editors)
        return;
    // The editor is closed before its value is stored, so the focus moves
    // of a message box shown by the commit cannot run it a second time.
    if (commit)
        m_editors->commitOpenEditor();
    else
        m_editors->cancelOpenEditor();
}

void Form1::refreshAfterDecode() {
    // The table was replaced: an editor still open belongs to the old one.
    finishCellEditing(false);
    Grid1->refresh();
    Frame2->refresh();
    // The accepted band already agrees with the decoded one: no question.
    Combo1->setCurrentIndex(m_state.bandPosition);
    m_dialogs->refreshAfterDecode();
}

void Form1::buildHistory() {
    m_commands->startHistory();
    EditorHistory *history = m_commands->history();
    connect(history, &EditorHistory::unsavedChanged, this, &Form1::updateTitle);
    connect(history->stack(), &QUndoStack::indexChanged, this, &Form1::updateTitle);

    // The changes made in the window, each one step.
    connect(m_editors, &CellEditors::channelChanged, this,
            [this] { recordEdit(QStringLiteral("channel")); });
    connect(m_dialogs, &OptionDialogs::settingsStored, this,
            [this] { recordEdit(QStringLiteral("settings")); });
    // After a read the editor holds what the radio holds; after a write
    // that the radio took, the radio holds what the editor holds.
    connect(&m_link->session(), &CloneSession::imageDecoded, this, [this] {
        recordEdit(QStringLiteral("read"));
        m_filePath.clear();
        m_commands->history()->markSaved();
        updateTitle();
    });
    connect(&m_link->writeFlow(), &WriteFlow::finished, this, [this](WriteFlowOutcome outcome) {
        if (outcome == WriteFlowOutcome::Verified || outcome == WriteFlowOutcome::Written) {
            m_commands->history()->markSaved();
            updateTitle();
        }
    });
    updateTitle();
}

void Form1::recordEdit(const QString &what) {
    if (m_commands)
        m_commands->recordEdit(what);
}

void Form1::updateTitle() {
    const EditorHistory *history = m_commands ? m_commands->history() : nullptr;
    if (!history)
        return;
    // The program's title, the file and, when the editor holds changes not
    // saved or written, the mark the platform shows for them.
    const QString name =
        m_filePath.isEmpty() ? untitledName(m_state.language) : QFileInfo(m_filePath).fileName();
    setWindowTitle(QStringLiteral("%1 - %2[*]").arg(mainWindowTitle(m_state.language), name));
    setWindowModified(history->hasUnsavedChanges());
}

bool Form1::keepUnsavedWork() {
    // A value still being typed counts as a change; it stays in its editor
    // while the question is open, and is stored only to be saved.
    recordEdit(QString());
    const bool typing = m_editors && m_editors->openEditor();
    const EditorHistory *history = m_commands->history();
    if (!history || (!history->hasUnsavedChanges() && !typing))
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

void Form1::commandNew() {
    // The question leaves an open editor as it is (Cancel loses nothing);
    // once the channels are emptied it closes without storing its value.
    if (newCommand(m_state, *m_port) == FileOutcome::Done) {
        finishCellEditing(false);
        Grid1->refresh();
        recordEdit(QStringLiteral("new"));
    }
}

void Form1::commandOpen() {
    openWith(*m_chooser);
}

void Form1::openFile(const QString &path) {
    openNamedFile(path);
}

bool Form1::openNamedFile(const QString &path) {
    // The path stands in for the Open dialog's answer.
    class GivenPath final : public FileChooser {
    public:
        explicit GivenPath(const QString &path) : m_path(path) {}
        QString openPath(const QString &) override { return m_path; }
        QString savePath(const QString &) override { return QString(); }

    private:
        QString m_path;
    };
    GivenPath given(path);
    return openWith(given);
}

bool Form1::openWith(FileChooser &chooser) {
    // Likewise: a cancelled or refused file keeps the editor; a decoded
    // one closes it (refreshAfterDecode).
    if (!keepUnsavedWork())
        return false;
    QString opened;
    if (openCommand(m_state, chooser, *m_port, &opened) != FileOutcome::Done)
        return false;
    refreshAfterDecode();
    recordEdit(QStringLiteral("open"));
    // A backup stays as the radio held it: opened, it makes an untitled
    // editor, which is saved under a name of the user's choice.
    m_filePath = m_write->backupStore().holds(opened) ? QString() : opened;
    m_commands->history()->markSaved();
    updateTitle();
    return true;
}

void Form1::commandSave() {
    // The value being typed is part of what is saved.
    finishCellEditing(true);
    recordEdit(QString());
    saveEditor(false);
}

bool Form1::saveEditor(bool toOwnFile) {
    QString saved = m_filePath;
    const FileOutcome outcome = toOwnFile ? saveToFile(m_state, saved, *m_port)
                                          : saveCommand(m_state, *m_chooser, *m_port, &saved);
    if (outcome != FileOutcome::Done)
        return false;
    m_filePath = saved;
    m_commands->history()->markSaved();
    updateTitle();
    return true;
}
