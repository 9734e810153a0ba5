#include "editor/optionselectors.h"

#include "editor/inplaceediting.h"
#include "editor/optionentry.h"
#include "model/editorstate.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>

OptionSelector::OptionSelector(int column, EditorState &state, QWidget *parent)
    : QComboBox(parent), m_column(column), m_state(state) {
    setObjectName(QStringLiteral("Combo5_%1").arg(column));
    addItems(optionItems(column, state.language));
    connect(this, &QComboBox::activated, this, &OptionSelector::pick);
    view()->installEventFilter(this);
    hide();
}

void OptionSelector::openOver(const QRect &cellRect, int row, QWidget *returnFocusTo) {
    if (m_open)
        cancel();
    m_row = row;
    m_returnFocus = returnFocusTo;
    // Set while hidden: this selection is no choice of the user.
    setCurrentIndex(m_state.channels.optionIndex(row, m_column));
    showOver(this, cellRect);
    m_open = true;
    showPopup();
    keepListOpenOverRelease(this);
}

void OptionSelector::cancel() {
    if (m_open)
        closeSelector(false);
}

void OptionSelector::retranslate(qint16 language) {
    const QStringList items = optionItems(m_column, language);
    for (int i = 0; i < items.size() && i < count(); ++i)
        setItemText(i, items.at(i));
}

void OptionSelector::pick(int item) {
    // Only a choice of the user while the selector is shown counts.
    if (!m_open || !isVisible())
        return;
    closeSelector(true);
    if (pickOption(m_state.channels, m_row, m_column, item, m_state.language))
        emit channelChanged(m_row);
    emit finished();
}

void OptionSelector::closeSelector(bool giveFocusBack) {
    m_open = false;
    if (view()->isVisible())
        hidePopup();
    if (giveFocusBack)
        giveFocusTo(m_returnFocus);
    hide();
}

void OptionSelector::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pick(currentIndex());
        event->accept();
        return;
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (m_open) {
            closeSelector(true);
            emit finished();
        }
        event->accept();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        showPopup();
        event->accept();
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}

bool OptionSelector::focusNextPrevChild(bool next) {
    if (!m_open)
        return QComboBox::focusNextPrevChild(next);
    closeSelector(true);
    emit finished();
    emit tabbedOut(next ? 1 : -1);
    return true;
}

bool OptionSelector::eventFilter(QObject *watched, QEvent *event) {
    if (watched == view() && event->type() == QEvent::KeyPress) {
        if (const int step = tabStepOf(static_cast<QKeyEvent *>(event))) {
            focusNextPrevChild(step > 0);
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void OptionSelector::focusOutEvent(QFocusEvent *event) {
    QComboBox::focusOutEvent(event);
    // A choice counts only when it is picked.
    if (m_open && focusLossEndsEditing(event))
        closeSelector(false);
}

void OptionSelector::wheelEvent(QWheelEvent *event) {
    event->accept();
}
