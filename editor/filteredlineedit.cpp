#include "editor/filteredlineedit.h"

#include <QAction>
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

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent *event) {
    QMenu *menu = createStandardContextMenu();
    // The standard Paste would bypass the filter; paste through it instead.
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &FilteredLineEdit::pasteFiltered);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
