// In-memory serial port for unit tests: records every byte written, lets
// the test deliver received bytes as one notification, and refuses to open
// the devices it is told are missing.
#pragma once

#include "link/serialport.h"

#include <QSet>
#include <QString>

class FakeSerialPort : public SerialPort {
    Q_OBJECT
public:
    using SerialPort::SerialPort;

    void setDevice(const QString &device) override { m_device = device; }
    QString device() const override { return m_device; }
    bool open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    void writeByte(quint8 byte) override;
    QByteArray readAll() override;
    bool getTimeouts(CommTimeouts *timeouts) const override;
    bool setTimeouts(const CommTimeouts &timeouts) override;
    PortOpenFailure lastOpenFailure() const override { return m_failure; }
    QString lastOpenError() const override { return m_error; }

    // Test side.
    QSet<QString> missingDevices; // devices that fail to open: not there
    QSet<QString> busyDevices;    // devices that fail to open: in use
    QByteArray written;           // every byte written while open, in order
    int writeCalls = 0;           // one per byte
    int opens = 0;
    int closes = 0;
    CommTimeouts timeouts; // the record of the open port

    // Bytes arriving in one notification.
    void deliver(const QByteArray &bytes);
    // The device goes away: the port closes and reports it.
    void loseDevice();
    // Takes and clears what was written so far.
    QByteArray takeWritten();

private:
    QString m_device;
    bool m_open = false;
    QByteArray m_input;
    PortOpenFailure m_failure = PortOpenFailure::None;
    QString m_error;
};
