// The serial port over QSerialPort: 9600 baud, 8 data bits, no parity,
// 1 stop bit, no flow control, raw bytes. A device is named by port number
// (portnames.h) or given directly (COM12, /dev/ttyUSB0, /dev/pts/3).
//
// Time-outs: QSerialPort has no time-out record. Reads never block here:
// the port notifies when bytes arrive and a read returns what is waiting,
// so the three read values have nothing to act on and are only kept. The
// two write values bound how long closing waits for queued bytes to leave
// (constant + multiplier x queued bytes), so the end byte written just
// before a close reaches the radio.
//
// On Windows QSerialPort reads, but each byte is written straight to the
// system, which has taken it when writeByte returns (the write values bound
// that wait), and closing lets the system send what it holds. QSerialPort's
// own writes would need its waits, which break when called while it reports
// bytes that arrived (its queue of finished transfers and the count of
// them fall out of step, and the next wait reads an empty queue). The
// Windows program run under Wine also starts a read every few milliseconds
// while open, as Wine does not report the arrival of bytes the way
// QSerialPort waits for it: Wine answers its wait for a comm event at once,
// without telling the completion port (tools/commprobe shows it).
//
// Before opening, the device's lock files and other holders are judged
// (portclaim.h): a device another program holds is refused as in use, lock
// files left behind are taken over. Right after opening, the bytes that
// wait on the line, and those that still arrive in a short moment, are
// discarded: they are what a radio sent to an exchange that ended early
// (a program killed mid-exchange), and would otherwise be taken for the
// answer to the next request.
//
// A device that goes away while open (USB cable pulled, far end of a
// pseudo-terminal closed) is detected from the port's error reports and
// a hang-up poll of its descriptor; the port is then closed and deviceLost
// is emitted, so nothing is left polling a dead descriptor.
#pragma once

#include "link/serialport.h"

#include <QSerialPort>

class QTimer;

class SystemSerialPort : public SerialPort {
    Q_OBJECT
public:
    explicit SystemSerialPort(QObject *parent = nullptr);
    ~SystemSerialPort() override;

    void setDevice(const QString &device) override;
    QString device() const override { return m_device; }
    bool open() override;
    void close() override;
    bool isOpen() const override;
    void writeByte(quint8 byte) override;
    QByteArray readAll() override;
    bool getTimeouts(CommTimeouts *timeouts) const override;
    bool setTimeouts(const CommTimeouts &timeouts) override;
    PortOpenFailure lastOpenFailure() const override { return m_failure; }
    QString lastOpenError() const override { return m_error; }
    int lastOpenErrorNumber() const override { return m_errorNumber; }
    QByteArray discardWaiting() override;
    int quietLineMs() const override;

    // A session's discarding after opening ends once the line has been
    // quiet this long (a USB cable may hold bytes back some 16 ms), or
    // after the limit at the latest.
    static constexpr int kQuietLineMs = 30;
    static constexpr int kLeftOverLimitMs = 300;
    // Under Wine: how often a read is started while the port is open.
    static constexpr int kWineReadKickMs = 5;

private:
    void onError(QSerialPort::SerialPortError error);
    void onHangUp();
    bool descriptorHungUp() const;
    void recordOpenFailure();
    bool claimDevice();

    QSerialPort m_port;
    QString m_device;
    CommTimeouts m_timeouts;
    PortOpenFailure m_failure = PortOpenFailure::None;
    QString m_error;
    int m_errorNumber = 0;
    bool m_hangUpPending = false;
    QString m_lostReason;
    QTimer *m_readKick = nullptr; // under Wine only
#ifdef Q_OS_WIN
    // Writes one byte straight to the system and waits until it has taken
    // it (within the write time-outs); false when it could not.
    bool writeThrough(char value);
    void *m_writeDone = nullptr; // the event a write's end is told by
#endif
};
