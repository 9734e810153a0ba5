// The Communication port menu's rule: the remembered port, the check marks
// of its items and what choosing one does, and OpenCom.
//
// The items are COM1 to COM8 (port numbers 1 to 8) and device items, one
// per device path (the devices present now, or one typed into Other port...
// or found by Find my cable). Every item follows the same rule: choosing an
// item without the check mark takes the marks off every other item; the
// port is reopened as that item's device; if it opens the item gets the
// mark and is remembered, otherwise a message names the item and the
// system's reason.
//
// Remembered are a port number (1 to 8, kept in the parameter file) and a
// device path (kept per user by the window). A device path, when there is
// one, is what OpenCom opens; choosing a COM item clears it, choosing a
// device item keeps the port number as it was.
#pragma once

#include "link/portnames.h"
#include "link/serialport.h"

#include <QObject>
#include <QString>

class MessagePort;

class PortChooser : public QObject {
    Q_OBJECT
public:
    PortChooser(SerialPort &port, MessagePort &messages, QObject *parent = nullptr);

    // Remembered port number: 1 to 8 after a successful choice, 0 when no
    // port was ever chosen. Loaded from and saved to the parameter file by
    // the window; a value outside 0 to 8 counts as 0.
    int rememberedPort() const { return m_remembered; }
    void setRememberedPort(int number);

    // The remembered device path (empty: none). The window restores it at
    // start; the command-line tool and tests name a device with it. When
    // set, OpenCom opens it instead of the remembered port number.
    void setDevicePath(const QString &path);
    QString devicePath() const { return m_devicePath; }

    // The device OpenCom opens: the remembered device, or the remembered
    // port number's.
    QString chosenDevice() const;

    // The check mark of COM item `number` (1 to 8), and of the device item
    // of `device`.
    bool isChecked(int number) const;
    bool isDeviceChecked(const QString &device) const;
    // The device item that carries the mark, or empty.
    QString checkedDevice() const { return m_checkedDevice; }

    // The click of COM item `number` (1 to 8). On failure the item's in-use
    // message, followed by the system's reason, in the given language.
    void choosePort(int number, qint16 language);
    // The click of the device item of `device` (also Other port... and Find
    // my cable). On failure the system's reason.
    void chooseDevice(const QString &device, qint16 language);

    // Close the port, set it to the remembered device (or port number) and
    // open it. Every failure is silent; callers test isOpen().
    void OpenCom();

    // What the system says about the last failed open of the port, as lines
    // of text in the given language (empty when no device was named).
    QStringList openFailureReason(qint16 language) const;

signals:
    void checkMarksChanged();
    void rememberedPortChanged(int number);
    void devicePathChanged(const QString &device);

private:
    // Which item a choice is: a COM number, or 0 and a device.
    bool reopenAs(int number, const QString &device);
    void clearOtherMarks(int number, const QString &device);
    void setChecked(int number, bool checked);
    void setCheckedDevice(const QString &device);
    void tuneTimeouts();

    SerialPort &m_port;
    MessagePort &m_messages;
    int m_remembered = 0;
    QString m_devicePath;
    bool m_checked[kPortNumbers + 1] = {};
    QString m_checkedDevice;
};
