// Communication port > Other port...: a small window with one field for any
// serial device by its path (a USB cable on /dev/ttyUSB4, its
// /dev/serial/by-id name, a Bluetooth /dev/rfcomm0, a pseudo-terminal; on
// Windows a port by its name, COM12 or \\.\COM12).
// Enter or OK takes the path: an empty field, a path to nothing or to what
// is not a device is refused with a message and the window stays open;
// Escape or Cancel closes it without a change.
#pragma once

#include <QDialog>

class MessagePort;
class QLabel;
class QLineEdit;
class QPushButton;

class OtherPortDialog : public QDialog {
    Q_OBJECT
public:
    // `language` is the program's language flag, read whenever the window
    // is shown or checks a path.
    OtherPortDialog(MessagePort &messages, const qint16 &language, QWidget *parent = nullptr);

    // Shows the window (without blocking) with the field holding `device`.
    void ask(const QString &device);
    void retranslate();

signals:
    // A device path that passed the checks; the window has closed.
    void deviceChosen(const QString &device);

public slots:
    void accept() override;

private:
    MessagePort &m_messages;
    const qint16 &m_language;
    QLabel *lblDevice;
    QLineEdit *txtDevice;
    QLabel *lblHint;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};
