#include "editor/filteredlineedit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

FilteredLineEdit::FilteredLineEdit(const TextRule &rule, QWidget *parent)
    : QLineEdit(parent), m_rule(rule) {}

LineState FilteredLineEdit::lineState() const {
    LineState s;
    s.text = text();
    s.cursor = cursorPosition();
    if (hasSelectedText()) {
        s.selectionStart = selectionStart();
        s.selectionLength = selectionLength();
    }
    return s;
}

void FilteredLineEdit::insertFiltered(const QString &text) {
    const QString kept = pastedText(m_rule, lineState(), text);
    if (!kept.isEmpty())
        insert(kept);
}

void FilteredLineEdit::pasteFiltered() {
    if (!isReadOnly())
        insertFiltered(QGuiApplication::clipboard()->text());
}

void FilteredLineEdit::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_rule.refuseEnter) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        event->accept();
        return;
    }
    const QString typed = event->text();
    // Control (without Alt: Control+Alt is AltGr on some keyboards) and
    // Meta make a shortcut, not a character.
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool command =
        ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) || (mods & Qt::MetaModifier);
    if (typed.isEmpty() || command || !typed.at(0).isPrint()) {
        // Backspace, Delete, cursor keys and shortcuts work as usual.
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (isReadOnly())
        return;
    for (QChar c : typed) {
        const QChar kept = typedCharacter(m_rule, lineState(), c);
        if (!kept.isNull())
            insert(QString(kept));
    }
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent *event) {
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const QString kept = pastedText(m_rule, lineState(), event->commitString());
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent *event) {
    const LineState before = lineState();
    QMenu *menu = createStandardContextMenu();
    menu->exec(event->globalPos());
    delete menu;
    // The menu's Paste inserts the clipboard as it stands: take that back
    // and paste again through the rule.
    const QString clip = QGuiApplication::clipboard()->text();
    if (clip.isEmpty() || text() == before.text || text() != textAfterInsert(before, clip))
        return;
    setText(before.text);
    if (before.selectionStart >= 0)
        setSelection(before.selectionStart, before.selectionLength);
    else
        setCursorPosition(before.cursor);
    insertFiltered(clip);
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent *event) {
    // The middle button pastes the selection clipboard on X11.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly())
            insertFiltered(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::dropEvent(QDropEvent *event) {
    if (!isReadOnly() && event->mimeData()->hasText()) {
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        insertFiltered(event->mimeData()->text());
    }
    event->acceptProposedAction();
}
