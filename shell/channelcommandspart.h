// The channel commands of the main window: Undo and Redo over the history
// of edits, Cut, Copy, Paste and Delete on whole channels of Grid1, and
// Import, Export, Print and Export PDF. The rules live in the core
// (interop/, shell/interopcommands); every change of more than one value
// goes through applyEditorChange as one step.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class ChannelGrid;
class EditorHistory;
class EditorWindow;
class FileChooser;
class InteropDialogs;
class InteropPrompts;
class MessagePort;
class QAction;
class QWidget;
struct EditorState;

class ChannelCommandsPart : public QObject {
    Q_OBJECT
public:
    // The commands act on `grid` and ask `editor` for the lock and the cell
    // being edited; their windows belong to `window`.
    ChannelCommandsPart(EditorState &state, MessagePort &port, ChannelGrid &grid,
                        EditorWindow &editor, QWidget *window);
    ~ChannelCommandsPart() override;

    // The File menu's Import, Export, Print and Export PDF; the Edit menu's
    // Undo and Redo, then Cut, Copy, Paste and Delete.
    QList<QAction *> fileItems() const;
    QList<QAction *> historyItems() const;
    QList<QAction *> channelItems() const;

    // The file dialogs of Import, Export and Export PDF, and the questions
    // of Import and Print (null: the windows).
    void setFileChooser(FileChooser *chooser) { m_chooser = chooser; }
    void setInteropPrompts(InteropPrompts *prompts);

    // The history starts from what the editor holds once the window is
    // loaded, and stops before the window is taken apart.
    void startHistory();
    void stopHistory();
    // The history of edits: Undo, Redo and the unsaved-change mark; null
    // before the start and after the stop.
    EditorHistory *history() const { return m_history; }
    // Makes what changed since the last step one step, described by `what`.
    void recordEdit(const QString &what);

    // Replaces what the editor holds (channels, function settings, band,
    // settings store) with `next` as one user action described by `what`
    // ("Import", "Paste", ...), and shows it. The language flag and the
    // service modes stay as they are.
    void applyEditorChange(const QString &what, const EditorState &next);

    // Cut, Delete, Paste and Import rest under the lock; Cut and Delete
    // need selected channels.
    void updateEditCommands();

private:
    void commandUndo();
    void commandRedo();
    void commandImport();
    void commandExport();
    void commandPrint();
    void commandExportPdf();
    void commandCut();
    void commandCopy();
    void commandPaste();
    void commandDelete();
    QList<int> channelsForCopy() const;

    EditorState &m_state;
    MessagePort &m_port;
    ChannelGrid &m_grid;
    EditorWindow &m_editor;
    QWidget *m_window;
    FileChooser *m_chooser = nullptr;
    std::unique_ptr<InteropDialogs> m_ownPrompts;
    InteropPrompts *m_prompts = nullptr;
    EditorHistory *m_history = nullptr;

    QAction *mnuImport = nullptr;
    QAction *mnuExport = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuExportPdf = nullptr;
    QAction *mnuUndo = nullptr;
    QAction *mnuRedo = nullptr;
    QAction *mnuCut = nullptr;
    QAction *mnuCopy = nullptr;
    QAction *mnuPaste = nullptr;
    QAction *mnuDelete = nullptr;
};
