#include "editor/inplaceediting.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QRect>
#include <QWidget>

namespace {
// Watches the list of one combo box: its popup frame, which gets the
// release outside the entries, and the entries' viewport.
class ListReleaseGuard : public QObject {
public:
    explicit ListReleaseGuard(QComboBox *combo) : QObject(combo), m_combo(combo) {
        setObjectName(QStringLiteral("listReleaseGuard"));
    }

    void arm() {
        QAbstractItemView *view = m_combo->view();
        m_opened = view->currentIndex();
        m_armed = true;
        // Installed (again) last, so that it sees the events before the
        // combo box's own handling of its list does.
        view->parentWidget()->installEventFilter(this);
        view->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (!m_armed)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Hide:
            m_armed = false;
            break;
        case QEvent::MouseButtonRelease: {
            m_armed = false;
            QAbstractItemView *view = m_combo->view();
            if (watched == view->viewport()) {
                const auto *mouse = static_cast<QMouseEvent *>(event);
                const QModelIndex under = view->indexAt(mouse->position().toPoint());
                if (under.isValid() && under != QModelIndex(m_opened))
                    return false;
            }
            return true;
        }
        default:
            break;
        }
        return false;
    }

private:
    QComboBox *m_combo;
    QPersistentModelIndex m_opened;
    bool m_armed = false;
};
} // namespace

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

void keepListOpenOverRelease(QComboBox *combo) {
    auto *guard = static_cast<ListReleaseGuard *>(combo->findChild<QObject *>(
        QStringLiteral("listReleaseGuard"), Qt::FindDirectChildrenOnly));
    if (!guard)
        guard = new ListReleaseGuard(combo);
    guard->arm();
}

int tabStepOf(const QKeyEvent *event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return 0;
    if (event->key() == Qt::Key_Backtab ||
        (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier)))
        return -1;
    return event->key() == Qt::Key_Tab ? 1 : 0;
}

EditKey editKeyOf(const QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return EditKey::Store;
    case Qt::Key_Escape:
        return EditKey::Cancel;
    default:
        return EditKey::Other;
    }
}
