#include "editor/toneselector.h"

#include "editor/filteredlineedit.h"
#include "editor/inplaceediting.h"
#include "editor/toneentry.h"
#include "model/celltexts.h"
#include "model/editorstate.h"
#include "model/tonelist.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

ToneSelector::ToneSelector(EditorState &state, QWidget *parent)
    : QComboBox(parent), m_state(state) {
    setObjectName(QStringLiteral("Combo8"));
    setLineEdit(new FilteredLineEdit(TextRule::accepting(isToneKey), this));
    // Typed text is a value for the cell, never a new list entry, and is
    // not completed from the list behind the user's back.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    addItems(toneList(state.language));
    view()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, &ToneSelector::pick);
    hide();
}

void ToneSelector::openOver(const QRect &cellRect, int row, int column, QWidget *returnFocusTo) {
    if (m_open)
        commit();
    m_row = row;
    m_column = column;
    m_returnFocus = returnFocusTo;
    const QString text = m_state.channels.cell(row, column);
    setCurrentIndex(toneListPosition(text, m_state.language));
    setEditText(text);
    showOver(this, cellRect);
    lineEdit()->selectAll();
    m_open = true;
    showPopup();
    keepListOpenOverRelease(this);
}

void ToneSelector::commit() {
    finishEditing(true, false);
}

void ToneSelector::cancel() {
    finishEditing(false, false);
}

void ToneSelector::retranslate(qint16 language) {
    setItemText(0, offCaption(language));
}

void ToneSelector::pick(int position) {
    // Only a choice of the user while the selector is shown counts.
    if (!m_open || !isVisible())
        return;
    m_open = false;
    giveFocusTo(m_returnFocus);
    hide();
    if (pickTone(m_state.channels, m_row, m_column, position, m_state.language))
        emit channelChanged(m_row);
    emit finished();
}

void ToneSelector::finishEditing(bool commitText, bool byKey) {
    if (!m_open)
        return;
    const QString typed = currentText();
    m_open = false;
    if (view()->isVisible())
        hidePopup();
    if (byKey)
        giveFocusTo(m_returnFocus);
    hide();
    if (commitText) {
        const int shown = toneListPosition(typed, m_state.language);
        if (commitTone(m_state.channels, m_row, m_column, typed, shown).outcome ==
            ToneOutcome::Written)
            emit channelChanged(m_row);
    }
    if (byKey)
        emit finished();
}

bool ToneSelector::keyTypesIntoEdit(const QKeyEvent *event) const {
    if (event->key() == Qt::Key_Backspace)
        return true;
    const QString text = event->text();
    return text.size() == 1 && text.at(0).isPrint() && isToneKey(text.at(0));
}

void ToneSelector::keyPressEvent(QKeyEvent *event) {
    const EditKey editKey = editKeyOf(event);
    if (editKey != EditKey::Other) {
        finishEditing(editKey == EditKey::Store, true);
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // The keys that would step through the entries open the list
        // instead: a choice is made in the list, not by a stray key.
        showPopup();
        event->accept();
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}

bool ToneSelector::eventFilter(QObject *watched, QEvent *event) {
    if (watched == view() && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (keyTypesIntoEdit(key)) {
            // Typing a frequency while the list is down: the list closes and
            // the character goes into the edit field.
            hidePopup();
            QCoreApplication::sendEvent(this, key);
            return true;
        }
        if (const int step = tabStepOf(key)) {
            hidePopup();
            focusNextPrevChild(step > 0);
            return true;
        }
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !view()->currentIndex().isValid()) {
            // No entry highlighted (a typed value not in the list): Enter
            // commits the edit text.
            hidePopup();
            finishEditing(true, true);
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

bool ToneSelector::focusNextPrevChild(bool next) {
    if (!m_open)
        return QComboBox::focusNextPrevChild(next);
    finishEditing(true, true);
    emit tabbedOut(next ? 1 : -1);
    return true;
}

void ToneSelector::focusInEvent(QFocusEvent *event) {
    QComboBox::focusInEvent(event);
    // Back from the list with nothing typed yet: the cell's text is
    // selected again, so that typing replaces it.
    if (m_open && event->reason() == Qt::PopupFocusReason && !lineEdit()->isModified())
        lineEdit()->selectAll();
}

void ToneSelector::focusOutEvent(QFocusEvent *event) {
    QComboBox::focusOutEvent(event);
    if (m_open && focusLossEndsEditing(event))
        finishEditing(true, false);
}

void ToneSelector::wheelEvent(QWheelEvent *event) {
    // The wheel would step through the entries and count as a pick.
    event->accept();
}
