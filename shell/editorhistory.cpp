#include "shell/editorhistory.h"

#include "model/celltexts.h"
#include "model/settingfields.h"

#include <QUndoStack>

namespace {

// The language-neutral form of a cell: the Off caption and the option
// items by their position in the list.
QString neutralCell(const ChannelTable &t, int row, int column) {
    QString text = t.cell(row, column);
    if (isToneColumn(column) && isOffText(text))
        return QStringLiteral("Off");
    if (isOptionColumn(column) && !text.isEmpty())
        return QString::number(t.optionIndex(row, column));
    return text;
}

// A long series of edits keeps this many steps.
constexpr int kUndoLimit = 500;

} // namespace

bool sameEditorContent(const EditorState &a, const EditorState &b) {
    for (int row = 1; row <= kChannelCount; ++row)
        for (int c = ColRxFrequency; c < kColumnCount; ++c)
            if (neutralCell(a.channels, row, c) != neutralCell(b.channels, row, c))
                return false;
    return a.functions == b.functions && a.bandPosition == b.bandPosition &&
           a.acceptedBand == b.acceptedBand && sameSettings(a, b);
}

// One step: the state before and after it.
class EditorHistory::Step : public QUndoCommand {
public:
    Step(EditorHistory &history, const QString &what, const EditorState &before,
         const EditorState &after)
        : QUndoCommand(what), m_history(history), m_before(before), m_after(after) {}

    void undo() override { m_history.restore(m_before); }
    void redo() override {
        // The first redo is the push: the change is already in the editor.
        if (m_pushed)
            m_history.restore(m_after);
        m_pushed = true;
    }

private:
    EditorHistory &m_history;
    EditorState m_before;
    EditorState m_after;
    bool m_pushed = false;
};

EditorHistory::EditorHistory(EditorState &state, std::function<void()> show, QObject *parent)
    : QObject(parent), m_state(state), m_show(std::move(show)), m_recorded(state),
      m_stack(new QUndoStack(this)) {
    m_stack->setUndoLimit(kUndoLimit);
    connect(m_stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit unsavedChanged(!clean); });
}

EditorHistory::~EditorHistory() {
    // The steps call back into the history; let them go first, telling
    // nobody: the window may be going away with it.
    blockSignals(true);
    m_stack->blockSignals(true);
    m_stack->clear();
}

bool EditorHistory::record(const QString &what) {
    if (sameEditorContent(m_recorded, m_state))
        return false;
    const EditorState before = m_recorded;
    m_recorded = m_state;
    m_stack->push(new Step(*this, what, before, m_state));
    return true;
}

void EditorHistory::markSaved() {
    record(QString());
    m_stack->setClean();
}

bool EditorHistory::hasUnsavedChanges() const {
    return !m_stack->isClean() || !sameEditorContent(m_recorded, m_state);
}

void EditorHistory::undo() {
    record(QString());
    m_stack->undo();
}

void EditorHistory::redo() {
    m_stack->redo();
}

void EditorHistory::restore(const EditorState &content) {
    const qint16 language = m_state.language;
    const bool bandOverride = m_state.bandOverrideMode;
    const bool debugWrite = m_state.debugWriteMode;
    m_state = content;
    m_state.language = language;
    m_state.bandOverrideMode = bandOverride;
    m_state.debugWriteMode = debugWrite;
    m_state.channels.SetGrid1Text(language);
    m_recorded = m_state;
    if (m_show)
        m_show();
}
