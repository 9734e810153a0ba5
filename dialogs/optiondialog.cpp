#include "dialogs/optiondialog.h"

#include "dialogs/dialogcaptions.h"
#include "dialogs/windowplacement.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QTableWidget>

OptionDialog::OptionDialog(const QString &name, QWidget *parent) : QDialog(parent) {
    setObjectName(name);
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void OptionDialog::applyLanguage(qint16 language) {
    applyDialogCaptions(this, language);
    // The new texts may need other widths: lay the window out afresh. A
    // hidden window is laid out when it is shown, so it waits till then
    // (measuring its texts earlier would load fonts nobody sees yet).
    for (QLayout *l : findChildren<QLayout *>())
        l->invalidate();
    if (layout() && isVisible())
        layout()->activate();
}

void OptionDialog::showModeless() {
    if (!isVisible()) {
        if (m_place)
            move(*m_place);
        else
            placeBesideOwner();
    }
    show();
    raise();
    activateWindow();
}

void OptionDialog::placeBesideOwner() {
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible())
        return;
    QScreen *screen = owner->screen();
    if (!screen)
        return;
    // The window's size as it will show: its own size once set, else the
    // size its layout asks for; its frame is taken to be like the main
    // window's, which the window system has already drawn.
    if (layout())
        layout()->activate();
    const QSize inner =
        testAttribute(Qt::WA_Resized) ? size() : sizeHint().expandedTo(minimumSize());
    const QRect ownerFrame = owner->frameGeometry();
    const QRect ownerInner = owner->geometry();
    const QSize frame = inner + QSize(ownerFrame.width() - ownerInner.width(),
                                      ownerFrame.height() - ownerInner.height());
    QRect table = ownerFrame;
    if (auto *grid = owner->findChild<QWidget *>(QStringLiteral("Grid1")))
        table = QRect(grid->mapToGlobal(QPoint(0, 0)), grid->size());
    move(placeBeside(ownerFrame, table, frame, screen->availableGeometry()));
}

void OptionDialog::hideEvent(QHideEvent *event) {
    // Hidden by OK, Cancel or the close box: it opens there again.
    if (!event->spontaneous())
        m_place = pos();
    QDialog::hideEvent(event);
}

void OptionDialog::closeEvent(QCloseEvent *event) {
    if (m_closeAllowed) {
        QDialog::closeEvent(event);
        return;
    }
    hide();
    event->ignore();
}

void applyDialogCaptions(QWidget *window, qint16 language) {
    for (const DialogCaption &row : dialogCaptionTable()) {
        if (row.window != window->objectName())
            continue;
        const QString text = row.text(language);
        if (row.kind == DialogCaption::WindowTitle) {
            window->setWindowTitle(text);
            continue;
        }
        QWidget *control = window->findChild<QWidget *>(row.control);
        if (!control)
            continue;
        switch (row.kind) {
        case DialogCaption::Text:
            if (auto *label = qobject_cast<QLabel *>(control))
                label->setText(text);
            else if (auto *button = qobject_cast<QAbstractButton *>(control))
                button->setText(text);
            else if (auto *frame = qobject_cast<QGroupBox *>(control))
                frame->setTitle(text);
            break;
        case DialogCaption::ListItem:
            if (auto *list = qobject_cast<QComboBox *>(control); list && row.index < list->count())
                list->setItemText(row.index, text);
            break;
        case DialogCaption::GridHeader:
            if (auto *grid = qobject_cast<QTableWidget *>(control)) {
                if (QTableWidgetItem *header = grid->horizontalHeaderItem(row.index))
                    header->setText(text);
            }
            break;
        case DialogCaption::WindowTitle:
            break;
        }
    }
}
