// The serial port the radio link runs over: exactly the operations the
// clone exchange needs. The program uses SystemSerialPort; tests use an
// in-memory port or a pseudo-terminal.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtGlobal>

#include <functional>

class SerialTrace;

// The port's time-out record, in milliseconds, in the order of the Windows
// COMMTIMEOUTS structure.
struct CommTimeouts {
    quint32 readIntervalTimeout = 0;
    quint32 readTotalTimeoutMultiplier = 0;
    quint32 readTotalTimeoutConstant = 0;
    quint32 writeTotalTimeoutMultiplier = 0;
    quint32 writeTotalTimeoutConstant = 0;

    bool operator==(const CommTimeouts &o) const {
        return readIntervalTimeout == o.readIntervalTimeout &&
               readTotalTimeoutMultiplier == o.readTotalTimeoutMultiplier &&
               readTotalTimeoutConstant == o.readTotalTimeoutConstant &&
               writeTotalTimeoutMultiplier == o.writeTotalTimeoutMultiplier &&
               writeTotalTimeoutConstant == o.writeTotalTimeoutConstant;
    }
};

// The time-outs set when a port is chosen: every read value 1 ms, write
// multiplier 1 ms, and a write constant of (output buffer / baud rate)
// x 10000 + 1000 ms (whole-number division: 1000 ms for 512 bytes at 9600).
CommTimeouts tunedCommTimeouts(int outputBufferSize, int baudRate);

// Why the last open failed.
enum class PortOpenFailure {
    None,
    NoDevice,         // no port chosen, or no device behind the name
    PermissionDenied, // the user may not open the device
    InUse,            // another program holds the device
    Other,
};

class SerialPort : public QObject {
    Q_OBJECT
public:
    // Fixed settings: 9600 baud, 8 data bits, no parity, 1 stop bit, raw.
    static constexpr int kBaudRate = 9600;
    static constexpr int kInputBufferSize = 1024;
    static constexpr int kOutputBufferSize = 512;

    using QObject::QObject;

    // Port number 1 to 8 (COM1 to COM8 by the platform's naming rule, see
    // portnames.h); 0 or another number names no device. Set while closed.
    void setPortNumber(int number);
    // The device a port number stands for: the platform's naming rule,
    // unless replaced (tests let COM1 stand for a pseudo-terminal).
    using PortNaming = std::function<QString(int number)>;
    void setPortNaming(PortNaming naming); // empty: the platform's rule again
    QString deviceOfNumber(int number) const;
    // A device given by its name or path (COM12, /dev/ttyUSB0, /dev/pts/3).
    virtual void setDevice(const QString &device) = 0;
    virtual QString device() const = 0;

    // Opening may fail (missing, in use, not permitted); callers test
    // isOpen() afterwards. Closing a closed port is harmless.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Queues one byte; bytes leave in the order written. Ignored when closed.
    virtual void writeByte(quint8 byte) = 0;
    // Every byte that has arrived and not yet been read.
    virtual QByteArray readAll() = 0;
    // The same, for bytes thrown away unread (left over from an earlier
    // exchange): they are not recorded as received.
    virtual QByteArray discardWaiting() { return readAll(); }
    // How long the line must stay quiet after opening before a session's
    // first request, so that what a radio still sends from an earlier
    // exchange is not taken for an answer (0: no wait).
    virtual int quietLineMs() const { return 0; }

    // Read and replace the time-out record of the open port; both fail
    // (return false, change nothing) when the port is closed.
    virtual bool getTimeouts(CommTimeouts *timeouts) const = 0;
    virtual bool setTimeouts(const CommTimeouts &timeouts) = 0;

    // The reason and the system's text of the last failed open.
    virtual PortOpenFailure lastOpenFailure() const = 0;
    virtual QString lastOpenError() const = 0;
    // The system's error number of the last failed open (errno); 0 when the
    // port does not know it.
    virtual int lastOpenErrorNumber() const { return 0; }

    // The serial trace the port records into (its bytes, opening, closing
    // and loss); none when null. Not owned.
    void setTrace(SerialTrace *trace) { m_trace = trace; }
    SerialTrace *trace() const { return m_trace; }

signals:
    // At least one received byte is waiting.
    void bytesArrived();
    // The device went away while open (cable pulled, far end closed). The
    // port has been closed already.
    void deviceLost(const QString &reason);

private:
    PortNaming m_naming;
    SerialTrace *m_trace = nullptr;
};
