// The Communication port menu's rule: the remembered port number, the
// check marks of the eight items COM1 to COM8, choosing a port and OpenCom.
// The window forwards the click of item N and shows the check marks; the
// command-line tool and tests may name a device by its path instead.
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

    // A device given by its path (command line, tests). When set, OpenCom
    // opens it instead of the remembered port number.
    void setDevicePath(const QString &path) { m_devicePath = path; }
    QString devicePath() const { return m_devicePath; }

    // The device OpenCom opens: the given path, or the remembered port's.
    QString chosenDevice() const;

    // The check mark of item `number` (1 to 8).
    bool isChecked(int number) const;

    // The click of item `number` (1 to 8): reopen the port as that number;
    // on success check the item and remember the number, otherwise show the
    // item's in-use message in the given language.
    void choosePort(int number, qint16 language);

    // Close the port, set it to the remembered port (or the given device)
    // and open it. Every failure is silent; callers test isOpen().
    void OpenCom();

signals:
    void checkMarksChanged();
    void rememberedPortChanged(int number);

private:
    void setChecked(int number, bool checked);

    SerialPort &m_port;
    MessagePort &m_messages;
    int m_remembered = 0;
    QString m_devicePath;
    bool m_checked[kPortNumbers + 1] = {};
};
