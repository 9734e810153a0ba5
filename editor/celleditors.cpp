#include "editor/celleditors.h"

#include "editor/frequencyeditor.h"
#include "editor/optionselectors.h"
#include "editor/toneselector.h"
#include "model/channeltable.h"
#include "model/editorstate.h"

CellEditors::CellEditors(EditorState &state, MessagePort *port, QWidget *host, CellRect cellRect,
                         QWidget *grid)
    : QObject(host), m_state(state), m_cellRect(std::move(cellRect)), m_grid(grid) {
    m_text1 = new FrequencyEditor(state, port, host);
    m_combo8 = new ToneSelector(state, host);
    connect(m_text1, &FrequencyEditor::channelChanged, this, &CellEditors::channelChanged);
    connect(m_text1, &FrequencyEditor::finished, this, &CellEditors::finished);
    connect(m_text1, &FrequencyEditor::tabbedOut, this, &CellEditors::tabbedOut);
    connect(m_combo8, &ToneSelector::channelChanged, this, &CellEditors::channelChanged);
    connect(m_combo8, &ToneSelector::finished, this, &CellEditors::finished);
    connect(m_combo8, &ToneSelector::tabbedOut, this, &CellEditors::tabbedOut);
    for (int column = 0; column < kColumnCount; ++column) {
        if (!isOptionColumn(column))
            continue;
        auto *selector = new OptionSelector(column, state, host);
        connect(selector, &OptionSelector::channelChanged, this, &CellEditors::channelChanged);
        connect(selector, &OptionSelector::finished, this, &CellEditors::finished);
        connect(selector, &OptionSelector::tabbedOut, this, &CellEditors::tabbedOut);
        m_combo5 << selector;
    }
}

OptionSelector *CellEditors::Combo5(int column) const {
    for (OptionSelector *selector : m_combo5)
        if (selector->column() == column)
            return selector;
    return nullptr;
}

CellTarget CellEditors::gridClick(int row, int column) {
    if (!m_request.isSet())
        return CellTarget();
    if (m_grid && !m_grid->isEnabled()) {
        m_request.take();
        return CellTarget();
    }
    // Leaving an editor commits it before the click is looked at: the
    // commit may have deleted the channel the click lands in.
    commitOpenEditor();
    const CellTarget target = dispatchGridClick(m_state.channels, row, column, m_request);
    if (target.row == 0)
        return target;
    m_current = target;
    if (target.column != column)
        emit currentCellChanged(target.row, target.column);
    const QRect rect = m_cellRect(target.row, target.column);
    switch (target.editor) {
    case CellEditor::Frequency:
        m_text1->openOver(rect, target.row, target.column, m_grid);
        break;
    case CellEditor::Tone:
        m_combo8->openOver(rect, target.row, target.column, m_grid);
        break;
    case CellEditor::Option:
        Combo5(target.column)->openOver(rect, target.row, m_grid);
        break;
    case CellEditor::None:
        break;
    }
    return target;
}

void CellEditors::tabbedOut(int step) {
    const CellTarget next = tabStep(m_current.row, m_current.column, step);
    emit currentCellChanged(next.row, next.column);
}

void CellEditors::followCell() {
    if (QWidget *editor = openEditor())
        editor->setGeometry(m_cellRect(m_current.row, m_current.column));
}

QWidget *CellEditors::openEditor() const {
    if (m_text1->isOpen())
        return m_text1;
    if (m_combo8->isOpen())
        return m_combo8;
    for (OptionSelector *selector : m_combo5)
        if (selector->isOpen())
            return selector;
    return nullptr;
}

void CellEditors::commitOpenEditor() {
    m_text1->commit();
    m_combo8->commit();
    // An option counts only when it is picked.
    for (OptionSelector *selector : m_combo5)
        selector->cancel();
}

void CellEditors::cancelOpenEditor() {
    m_text1->cancel();
    m_combo8->cancel();
    for (OptionSelector *selector : m_combo5)
        selector->cancel();
}

void CellEditors::retranslate(qint16 language) {
    m_combo8->retranslate(language);
    for (OptionSelector *selector : m_combo5)
        selector->retranslate(language);
}
