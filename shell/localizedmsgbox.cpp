#include "shell/localizedmsgbox.h"

#include "shell/msgboxstyle.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace {
const char kIdProperty[] = "msgBoxButtonId";

MsgBoxPresenter &presenter() {
    static MsgBoxPresenter p;
    return p;
}

QMessageBox::StandardButton standardButton(int id) {
    switch (id) {
    case MsgResult::Ok:
        return QMessageBox::Ok;
    case MsgResult::Cancel:
        return QMessageBox::Cancel;
    case MsgResult::Abort:
        return QMessageBox::Abort;
    case MsgResult::Retry:
        return QMessageBox::Retry;
    case MsgResult::Ignore:
        return QMessageBox::Ignore;
    case MsgResult::Yes:
        return QMessageBox::Yes;
    case MsgResult::No:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon boxIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Stop:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

int showForReal(QMessageBox &box, quint32) {
    box.exec();
    if (const int id = msgBoxButtonId(box.clickedButton()))
        return id;
    // Closed without a button: the answer Escape would give.
    if (const int id = msgBoxButtonId(box.escapeButton()))
        return id;
    return MsgResult::Cancel;
}
} // namespace

void setMsgBoxPresenter(MsgBoxPresenter p) {
    presenter() = std::move(p);
}

QAbstractButton *msgBoxButton(const QMessageBox &box, int buttonId) {
    for (QAbstractButton *button : box.buttons())
        if (msgBoxButtonId(button) == buttonId)
            return button;
    return nullptr;
}

int msgBoxButtonId(const QAbstractButton *button) {
    return button ? button->property(kIdProperty).toInt() : 0;
}

int LocalizedMsgBox(QWidget *owner, qint16 language, const QString &text, quint32 flags,
                    QString &title) {
    if (title.isEmpty())
        title = applicationTitle();
    const MsgBoxLook look = msgBoxLookOfStyle(flags);

    QMessageBox box(owner);
    box.setObjectName(QStringLiteral("LocalizedMsgBox"));
    box.setWindowTitle(title);
    // Messages quote values of files and the clipboard; a value such as
    // "<img width=9999 ...>" is shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(boxIcon(look.icon));
    box.setWindowModality(Qt::ApplicationModal);
    for (int id : look.buttons) {
        QAbstractButton *button = box.addButton(standardButton(id));
        button->setProperty(kIdProperty, id);
    }
    // Captions in the order OK, Cancel, Yes, No, Abort, Ignore, Retry; the
    // buttons the box does not have are left alone.
    for (int id : msgBoxCaptionOrder()) {
        const QString caption = msgBoxButtonCaption(id, language);
        if (QAbstractButton *button = msgBoxButton(box, id); button && !caption.isEmpty())
            button->setText(caption);
    }
    if (auto *def = qobject_cast<QPushButton *>(msgBoxButton(box, look.defaultButton)))
        box.setDefaultButton(def);
    if (QAbstractButton *escape = msgBoxButton(box, look.escapeButton))
        box.setEscapeButton(escape);

    const MsgBoxPresenter &show = presenter();
    return show ? show(box, flags) : showForReal(box, flags);
}

int LocalizedMessagePort::show(const QString &text, quint32 flags, const QString &title) {
    QString shownTitle = title;
    return LocalizedMsgBox(m_owner, m_language, text, flags, shownTitle);
}
