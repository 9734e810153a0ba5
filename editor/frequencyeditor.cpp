#include "editor/frequencyeditor.h"

#include "editor/frequencyentry.h"
#include "editor/inplaceediting.h"
#include "model/editorstate.h"

#include <QFocusEvent>
#include <QKeyEvent>

FrequencyEditor::FrequencyEditor(EditorState &state, MessagePort *port, QWidget *parent)
    : FilteredLineEdit(TextRule::accepting(isFrequencyKey), parent), m_state(state), m_port(port) {
    setObjectName(QStringLiteral("Text1"));
    setAlignment(Qt::AlignCenter);
    setFrame(true);
    hide();
}

void FrequencyEditor::openOver(const QRect &cellRect, int row, int column, QWidget *returnFocusTo) {
    if (m_open)
        commit();
    m_row = row;
    m_column = column;
    m_returnFocus = returnFocusTo;
    setText(m_state.channels.cell(row, column));
    showOver(this, cellRect);
    selectAll();
    m_open = true;
}

void FrequencyEditor::commit() {
    finishEditing(true, false);
}

void FrequencyEditor::cancel() {
    finishEditing(false, false);
}

void FrequencyEditor::finishEditing(bool commitText, bool byKey) {
    if (!m_open)
        return;
    const QString typed = text();
    // Closed before the focus moves, so that the focus loss commits nothing.
    m_open = false;
    if (byKey)
        giveFocusTo(m_returnFocus);
    hide();
    if (commitText)
        Text1_LostFocus(typed);
    if (byKey)
        emit finished();
}

void FrequencyEditor::Text1_LostFocus(const QString &typed) {
    const FrequencyCommit result = commitFrequency(m_state, m_row, m_column, typed, m_port);
    switch (result.outcome) {
    case FrequencyOutcome::Cleared:
    case FrequencyOutcome::Written:
        emit channelChanged(m_row);
        break;
    case FrequencyOutcome::OutOfBand:
        giveFocusTo(m_returnFocus);
        break;
    case FrequencyOutcome::Unchanged:
        break;
    }
}

void FrequencyEditor::keyPressEvent(QKeyEvent *event) {
    const EditKey editKey = editKeyOf(event);
    if (editKey != EditKey::Other) {
        finishEditing(editKey == EditKey::Store, true);
        event->accept();
        return;
    }
    FilteredLineEdit::keyPressEvent(event);
}

bool FrequencyEditor::focusNextPrevChild(bool next) {
    if (!m_open)
        return FilteredLineEdit::focusNextPrevChild(next);
    finishEditing(true, true);
    emit tabbedOut(next ? 1 : -1);
    return true;
}

void FrequencyEditor::focusOutEvent(QFocusEvent *event) {
    FilteredLineEdit::focusOutEvent(event);
    if (m_open && focusLossEndsEditing(event))
        finishEditing(true, false);
}
