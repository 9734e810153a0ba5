// The channel commands' items and the history of edits: Undo and Redo, and
// the one entry point for changes of many values at once.
#include "shell/channelcommandspart.h"

#include "editor/channelgrid.h"
#include "model/editorstate.h"
#include "shell/editorhistory.h"
#include "shell/editorwindow.h"
#include "shell/interopdialogs.h"

#include <QAction>
#include <QUndoStack>

namespace {
QAction *item(QObject *part, const char *name) {
    auto *action = new QAction(part);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}
} // namespace

ChannelCommandsPart::ChannelCommandsPart(EditorState &state, MessagePort &port, ChannelGrid &grid,
                                         EditorWindow &editor, QWidget *window)
    : QObject(window), m_state(state), m_port(port), m_grid(grid), m_editor(editor),
      m_window(window) {
    setObjectName(QStringLiteral("channelCommandsPart"));
    m_ownPrompts = std::make_unique<InteropDialogs>(window, m_state.language);
    m_prompts = m_ownPrompts.get();

    mnuImport = item(this, "mnuImport");
    mnuExport = item(this, "mnuExport");
    mnuPrint = item(this, "mnuPrint");
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuExportPdf = item(this, "mnuExportPdf");
    connect(mnuImport, &QAction::triggered, this, &ChannelCommandsPart::commandImport);
    connect(mnuExport, &QAction::triggered, this, &ChannelCommandsPart::commandExport);
    connect(mnuPrint, &QAction::triggered, this, &ChannelCommandsPart::commandPrint);
    connect(mnuExportPdf, &QAction::triggered, this, &ChannelCommandsPart::commandExportPdf);

    mnuUndo = item(this, "mnuUndo");
    mnuUndo->setShortcut(QKeySequence::Undo);
    mnuRedo = item(this, "mnuRedo");
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(mnuUndo, &QAction::triggered, this, &ChannelCommandsPart::commandUndo);
    connect(mnuRedo, &QAction::triggered, this, &ChannelCommandsPart::commandRedo);

    // Ctrl+X, Ctrl+C, Ctrl+V and Delete belong to the channel table: they
    // act while it (or an editor over its cells, which takes its own
    // copy and paste keys first) has the focus, never in the lists of the
    // Functions Setting panel.
    mnuCut = item(this, "mnuCut");
    mnuCopy = item(this, "mnuCopy");
    mnuPaste = item(this, "mnuPaste");
    mnuDelete = item(this, "mnuDelete");
    connect(mnuCut, &QAction::triggered, this, &ChannelCommandsPart::commandCut);
    connect(mnuCopy, &QAction::triggered, this, &ChannelCommandsPart::commandCopy);
    connect(mnuPaste, &QAction::triggered, this, &ChannelCommandsPart::commandPaste);
    connect(mnuDelete, &QAction::triggered, this, &ChannelCommandsPart::commandDelete);
    const std::pair<QAction *, QKeySequence> keys[] = {{mnuCut, QKeySequence::Cut},
                                                       {mnuCopy, QKeySequence::Copy},
                                                       {mnuPaste, QKeySequence::Paste},
                                                       {mnuDelete, QKeySequence(Qt::Key_Delete)}};
    for (const auto &[action, key] : keys) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_grid.addAction(action);
    }
    connect(&m_grid, &ChannelGrid::channelSelectionChanged, this,
            &ChannelCommandsPart::updateEditCommands);
    updateEditCommands();
}

ChannelCommandsPart::~ChannelCommandsPart() = default;

QList<QAction *> ChannelCommandsPart::fileItems() const {
    return {mnuImport, mnuExport, mnuPrint, mnuExportPdf};
}

QList<QAction *> ChannelCommandsPart::historyItems() const {
    return {mnuUndo, mnuRedo};
}

QList<QAction *> ChannelCommandsPart::channelItems() const {
    return {mnuCut, mnuCopy, mnuPaste, mnuDelete};
}

void ChannelCommandsPart::setInteropPrompts(InteropPrompts *prompts) {
    m_prompts = prompts ? prompts : m_ownPrompts.get();
}

void ChannelCommandsPart::startHistory() {
    m_history = new EditorHistory(
        m_state, [this] { m_editor.refreshAfterDecode(); }, this);
    m_history->setObjectName(QStringLiteral("editorHistory"));
    QUndoStack *stack = m_history->stack();
    mnuUndo->setEnabled(false);
    mnuRedo->setEnabled(false);
    connect(stack, &QUndoStack::canUndoChanged, mnuUndo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, mnuRedo, &QAction::setEnabled);
}

void ChannelCommandsPart::stopHistory() {
    delete m_history;
    m_history = nullptr;
}

void ChannelCommandsPart::recordEdit(const QString &what) {
    if (m_history)
        m_history->record(what);
    m_editor.updateTitle();
}

void ChannelCommandsPart::applyEditorChange(const QString &what, const EditorState &next) {
    EditorState changed = next;
    changed.language = m_state.language;
    changed.bandOverrideMode = m_state.bandOverrideMode;
    changed.debugWriteMode = m_state.debugWriteMode;
    m_state = changed;
    // The channel table follows the language of the window.
    m_state.channels.SetGrid1Text(m_state.language);
    m_editor.refreshAfterDecode();
    recordEdit(what);
}

void ChannelCommandsPart::commandUndo() {
    // A value being typed is a change of its own, taken back first.
    m_editor.finishCellEditing(true);
    m_history->undo();
    m_editor.updateTitle();
}

void ChannelCommandsPart::commandRedo() {
    m_editor.finishCellEditing(true);
    recordEdit(QString());
    m_history->redo();
    m_editor.updateTitle();
}
