// The main window's commands and the handlers of its controls. Each one
// forwards to the core and then shows the editor state again.
#include "shell/form1.h"

#include "dialogs/optiondialogs.h"
#include "editor/bandselection.h"
#include "editor/celleditors.h"
#include "editor/channelgrid.h"
#include "shell/editorhistory.h"
#include "shell/filecommands.h"
#include "shell/helpfile.h"
#include "shell/localizedmsgbox.h"
#include "shell/setlanguagetext.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QUrl>

void Form1::refreshAfterDecode() {
    // The table was replaced: an editor still open belongs to the old one.
    finishCellEditing(false);
    Grid1->refresh();
    refreshFunctionLists();
    // The accepted band already agrees with the decoded one: no question.
    Combo1->setCurrentIndex(m_state.bandPosition);
    m_dialogs->refreshAfterDecode();
}

void Form1::applyEditorChange(const QString &what, const EditorState &next) {
    EditorState changed = next;
    changed.language = m_state.language;
    changed.bandOverrideMode = m_state.bandOverrideMode;
    changed.debugWriteMode = m_state.debugWriteMode;
    m_state = changed;
    // The channel table follows the language of the window.
    m_state.channels.SetGrid1Text(m_state.language);
    refreshAfterDecode();
    recordEdit(what);
}

void Form1::refreshFunctionLists() {
    const FunctionSettings &f = m_state.functions;
    const std::pair<QComboBox *, int> lists[] = {{Combo2, f.voiceNotice}, {Combo3, f.timeoutTimer},
                                                 {Combo4, f.totPreAlert}, {Combo9, f.squelchLevel},
                                                 {Combo6, f.batterySave}, {Combo7, f.beep}};
    for (const auto &[combo, index] : lists) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(index);
    }
}

void Form1::functionListChanged() {
    FunctionSettings &f = m_state.functions;
    f.voiceNotice = Combo2->currentIndex();
    f.timeoutTimer = Combo3->currentIndex();
    f.totPreAlert = Combo4->currentIndex();
    f.squelchLevel = Combo9->currentIndex();
    f.batterySave = Combo6->currentIndex();
    f.beep = Combo7->currentIndex();
    recordEdit(QStringLiteral("function settings"));
}

void Form1::bandSelectorChanged(int position) {
    if (bandChangeHeldBySession())
        return;
    switch (BandSelectionChanged(m_state, position, *m_port)) {
    case BandChange::Accepted:
        // The channels are gone; the value being typed must not come back
        // into the emptied table. A refused change keeps the editor open.
        finishCellEditing(false);
        Grid1->refresh();
        recordEdit(QStringLiteral("range"));
        break;
    case BandChange::Refused:
        // Selecting the accepted band again runs this handler once more,
        // which finds nothing to ask.
        Combo1->setCurrentIndex(m_state.bandPosition);
        break;
    case BandChange::Unchanged:
        break;
    }
}

void Form1::applyLock(bool locked) {
    if (locked)
        finishCellEditing(true);
    Frame1->setEnabled(!locked);
    Frame2->setEnabled(!locked);
    Grid1->setEnabled(!locked);
    updateEditCommands();
    Grid1->setFocus(Qt::OtherFocusReason);
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
    m_filePath = m_backups.holds(opened) ? QString() : opened;
    m_history->markSaved();
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
    m_history->markSaved();
    updateTitle();
    return true;
}

void Form1::commandRead() {
    // Stored first, so that a read that fails loses nothing; a read that
    // succeeds replaces the table, so unsaved work is asked about first.
    finishCellEditing(true);
    if (!keepUnsavedWork())
        return;
    emit readRequested();
}

void Form1::commandWrite() {
    finishCellEditing(true);
    emit writeRequested();
}

void Form1::commandExit() {
    close();
}

void Form1::commandChinese() {
    if (m_state.language != 1)
        return;
    // Stored in the language it was typed in; SetGrid1Text re-captions it.
    finishCellEditing(true);
    m_state.language = 0;
    applyLanguage();
}

void Form1::commandEnglish() {
    if (m_state.language != 0)
        return;
    finishCellEditing(true);
    m_state.language = 1;
    applyLanguage();
}

void Form1::applyLanguage() {
    // The caption table also relabels the lists of the in-place editors
    // (Combo8 entry 0, Combo5_5 to Combo5_8), found by their names.
    SetLanguageText(*this, *m_dialogs, m_state.language);
    fitFunctionLists();
    m_state.channels.SetGrid1Text(m_state.language);
    Grid1->refresh();
    updateTitle();
}

void Form1::commandHelp() {
    // Failures are not reported: a missing help file simply shows nothing.
    const QString path = helpTarget(QCoreApplication::applicationDirPath(), m_state.language);
    if (m_urlOpener)
        m_urlOpener(QUrl::fromLocalFile(path));
}

bool Form1::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Label4)
            panelCaptionClicked(0);
        else if (watched == Label6)
            panelCaptionClicked(1);
        else if (watched == Label8)
            panelCaptionClicked(2);
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::panelCaptionClicked(int which) {
    if (m_modes.panelCaptionClicked(which))
        m_buttons[8]->setVisible(true);
}

void Form1::debugCaptionClicked(int which) {
    if (m_modes.debugCaptionClicked(which)) {
        m_dialogs->setPowerSlidersEnabled(true);
        m_buttons[7]->setVisible(true);
    }
}

void Form1::bandOverrideButtonClicked() {
    if (m_modes.bandOverrideButtonClicked())
        m_buttons[8]->setVisible(false);
}

void Form1::debugWriteButtonClicked() {
    if (m_modes.debugWriteButtonClicked()) {
        m_dialogs->setPowerSlidersEnabled(false);
        m_buttons[7]->setVisible(false);
    }
}
