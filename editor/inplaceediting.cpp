#include "editor/inplaceediting.h"

#include <QApplication>
#include <QFocusEvent>
#include <QRect>
#include <QWidget>

bool focusLossEndsEditing(const QFocusEvent *event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return false;
    return QApplication::activePopupWidget() == nullptr;
}

void showOver(QWidget *editor, const QRect &cellRect) {
    editor->setGeometry(cellRect);
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

void giveFocusTo(QWidget *target) {
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}
