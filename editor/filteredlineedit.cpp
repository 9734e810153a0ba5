#include "editor/filteredlineedit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

FilteredLineEdit::FilteredLineEdit(KeyFilter filter, QWidget *parent)
    : QLineEdit(parent), m_filter(filter) {
    setAcceptDrops(false);
}

QString FilteredLineEdit::filtered(const QString &text) const {
    QString kept;
    for (QChar c : text)
        if (c.isPrint() && m_filter(c))
            kept += c;
    return kept;
}

void FilteredLineEdit::pasteFiltered() {
    if (isReadOnly())
        return;
    insert(filtered(QGuiApplication::clipboard()->text()));
}

void FilteredLineEdit::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        event->accept();
        return;
    }
    // A printable character counts only when the filter takes it; control
    // keys and shortcuts (Backspace, Delete, cursor keys, copy, undo) pass.
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier) &&
        filtered(text) != text) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent *event) {
    const QString commit = event->commitString();
    if (commit.isEmpty() || filtered(commit) == commit) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent kept(event->preeditString(), event->attributes());
    kept.setCommitString(filtered(commit), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&kept);
}

int FilteredLineEdit::refusedCount(const QString &text) const {
    return int(text.size() - filtered(text).size());
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent *event) {
    const QString before = text();
    const int cursor = cursorPosition();
    const int selectionStart = this->selectionStart();
    const int selectionLength = selectedText().size();
    QMenu *menu = createStandardContextMenu();
    menu->exec(event->globalPos());
    delete menu;
    // Paste is the only command of the menu that brings in new characters;
    // when it brought in refused ones, paste again through the filter.
    if (refusedCount(text()) > refusedCount(before)) {
        setText(before);
        if (selectionStart >= 0)
            setSelection(selectionStart, selectionLength);
        else
            setCursorPosition(cursor);
        pasteFiltered();
    }
}
