// The localised message box: the platform's standard modal box, owned by the
// main window, whose button captions follow the program's language flag.
#pragma once

#include "model/messageport.h"

#include <QString>
#include <functional>

class QAbstractButton;
class QMessageBox;
class QWidget;

// Shows `text` with the buttons, icon and default button the style bits ask
// for and returns the id of the pressed button (1 OK, 2 Cancel, 3 Abort,
// 4 Retry, 5 Ignore, 6 Yes, 7 No). An empty `title` becomes the application
// title, which the caller's variable then holds.
int LocalizedMsgBox(QWidget *owner, qint16 language, const QString &text, quint32 flags,
                    QString &title);

// The final step of LocalizedMsgBox: shows the finished box and returns the
// id of the pressed button. Tests replace it to answer without a human; the
// style bits are passed along so that they can be recorded.
using MsgBoxPresenter = std::function<int(QMessageBox &box, quint32 flags)>;
void setMsgBoxPresenter(MsgBoxPresenter presenter); // empty: the real dialog

// The button of a box with the given id, or null; and the id of a button.
QAbstractButton *msgBoxButton(const QMessageBox &box, int buttonId);
int msgBoxButtonId(const QAbstractButton *button);

// The core's way of showing messages, over LocalizedMsgBox with the current
// language flag.
class LocalizedMessagePort : public MessagePort {
public:
    LocalizedMessagePort(QWidget *owner, const qint16 &language)
        : m_owner(owner), m_language(language) {}
    int show(const QString &text, quint32 flags, const QString &title) override;

private:
    QWidget *m_owner;
    const qint16 &m_language;
};
