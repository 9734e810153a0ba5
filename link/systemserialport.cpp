#include "link/systemserialport.h"

#include "link/portclaim.h"
#include "link/serialtrace.h"
#include "link/underwine.h"

#include <QElapsedTimer>
#include <QTimer>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// True when the user lacks the right to read and write the device (as
// opposed to another program holding it).
bool accessDenied(const QString &device) {
#ifdef Q_OS_UNIX
    const QByteArray path = device.toLocal8Bit();
    return ::access(path.constData(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM);
#else
    Q_UNUSED(device);
    return false;
#endif
}

// Why a device cannot be found: no such file, or a file without a device
// behind it (a cable whose driver let go).
int missingDeviceError(const QString &device) {
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(device.toLocal8Bit().constData(), &st) != 0)
        return errno;
    return ENODEV;
#else
    Q_UNUSED(device);
    return ENOENT;
#endif
}

} // namespace

SystemSerialPort::SystemSerialPort(QObject *parent) : SerialPort(parent) {
    m_timeouts = tunedCommTimeouts(kOutputBufferSize, kBaudRate);
    connect(&m_port, &QSerialPort::readyRead, this, &SerialPort::bytesArrived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SystemSerialPort::onError);
    // Under Wine the wait for arriving bytes, which QSerialPort starts after
    // every read, ends at once without telling the port, so the port would
    // never read again: a read is started every few milliseconds while the
    // port is open (one already running is left alone). Nowhere else.
    if (runningUnderWine()) {
        m_readKick = new QTimer(this);
        m_readKick->setInterval(kWineReadKickMs);
        connect(m_readKick, &QTimer::timeout, this, [this] {
            if (m_port.isOpen())
                m_port.setReadBufferSize(m_port.readBufferSize());
        });
    }
}

SystemSerialPort::~SystemSerialPort() {
    close();
#ifdef Q_OS_WIN
    if (m_writeDone)
        ::CloseHandle(m_writeDone);
#endif
}

void SystemSerialPort::setDevice(const QString &device) {
    m_device = device;
}

bool SystemSerialPort::open() {
    if (m_port.isOpen())
        return true;
    m_failure = PortOpenFailure::None;
    m_error.clear();
    m_errorNumber = 0;
    m_hangUpPending = false;
    if (m_device.isEmpty()) {
        m_failure = PortOpenFailure::NoDevice;
        m_error = QStringLiteral("No serial port has been chosen");
        if (SerialTrace *t = trace())
            t->mark(TraceEventKind::OpenFailed, m_error);
        return false;
    }
    if (!claimDevice()) {
        if (SerialTrace *t = trace())
            t->mark(TraceEventKind::OpenFailed, QStringLiteral("%1: %2").arg(m_device, m_error));
        return false;
    }
    m_port.setPortName(m_device);
    m_port.setBaudRate(kBaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        recordOpenFailure();
        if (SerialTrace *t = trace())
            t->mark(TraceEventKind::OpenFailed, QStringLiteral("%1: %2").arg(m_device, m_error));
        return false;
    }
    if (SerialTrace *t = trace())
        t->mark(TraceEventKind::Opened, m_device);
    if (m_readKick)
        m_readKick->start();
    return true;
}

bool SystemSerialPort::claimDevice() {
#ifdef Q_OS_UNIX
    const PortClaim claim = claimPort(m_device);
    if (SerialTrace *t = trace())
        for (const PortLock &lock : claim.takenOver)
            t->mark(TraceEventKind::LockTaken, lock.path, lock.pid);
    if (claim.free)
        return true;
    // The device is busy, as the system says of a device held exclusively.
    m_failure = PortOpenFailure::InUse;
    m_errorNumber = EBUSY;
    m_error = qt_error_string(EBUSY);
    return false;
#else
    return true;
#endif
}

QByteArray SystemSerialPort::discardWaiting() {
    QByteArray left = m_port.readAll();
#ifdef Q_OS_UNIX
    // What the system holds and the port has not fetched yet.
    const int fd = int(m_port.handle());
    char buffer[256];
    for (;;) {
        const ssize_t n = fd >= 0 ? ::read(fd, buffer, sizeof buffer) : -1;
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // nothing waits (EAGAIN), or a hang-up the port reports
        left.append(buffer, int(n));
    }
#endif
    return left;
}

int SystemSerialPort::quietLineMs() const {
#ifdef Q_OS_UNIX
    return kQuietLineMs;
#else
    return 0;
#endif
}

void SystemSerialPort::recordOpenFailure() {
    m_error = m_port.errorString();
    switch (m_port.error()) {
    case QSerialPort::DeviceNotFoundError:
        m_failure = PortOpenFailure::NoDevice;
        m_errorNumber = missingDeviceError(m_device);
        break;
    case QSerialPort::PermissionError:
        m_failure =
            accessDenied(m_device) ? PortOpenFailure::PermissionDenied : PortOpenFailure::InUse;
        m_errorNumber = m_failure == PortOpenFailure::InUse ? EBUSY : EACCES;
        break;
    case QSerialPort::OpenError:
        m_failure = PortOpenFailure::InUse;
        m_errorNumber = EBUSY;
        break;
    default:
        m_failure = PortOpenFailure::Other;
        break;
    }
}

void SystemSerialPort::close() {
    if (!m_port.isOpen())
        return;
    if (!m_hangUpPending) {
        // Let queued bytes (the end byte above all) leave before closing.
#ifdef Q_OS_WIN
        // Every byte was handed to the system as it was written; the system
        // sends what it still holds before the port closes.
        ::FlushFileBuffers(m_port.handle());
#else
        const qint64 budget =
            qint64(m_timeouts.writeTotalTimeoutConstant) +
            qint64(m_timeouts.writeTotalTimeoutMultiplier) * m_port.bytesToWrite();
        QElapsedTimer clock;
        clock.start();
        while (m_port.bytesToWrite() > 0 && clock.elapsed() < budget) {
            if (!m_port.waitForBytesWritten(int(budget - clock.elapsed())))
                break;
        }
        if (m_port.bytesToWrite() == 0 && m_port.handle() >= 0)
            ::tcdrain(m_port.handle());
#endif
    }
    m_hangUpPending = false;
    if (m_readKick)
        m_readKick->stop();
    m_port.close();
    if (SerialTrace *t = trace())
        t->mark(TraceEventKind::Closed);
}

bool SystemSerialPort::isOpen() const {
    return m_port.isOpen();
}

void SystemSerialPort::writeByte(quint8 value) {
    if (!m_port.isOpen() || m_hangUpPending)
        return;
    const char c = static_cast<char>(value);
#ifdef Q_OS_WIN
    // A byte the system did not take is not shown as sent; the exchange
    // then ends on its time-out as for any unanswered request.
    if (!writeThrough(c))
        return;
#else
    m_port.write(&c, 1);
#endif
    if (SerialTrace *t = trace())
        t->sent(value);
}

#ifdef Q_OS_WIN
bool SystemSerialPort::writeThrough(char value) {
    const HANDLE handle = m_port.handle();
    if (!m_writeDone)
        m_writeDone = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!m_writeDone || handle == INVALID_HANDLE_VALUE)
        return false;
    OVERLAPPED written{};
    // The low bit of the event keeps this write's completion out of the
    // completion queue the port's reads are reported through.
    written.hEvent = reinterpret_cast<HANDLE>(reinterpret_cast<quintptr>(m_writeDone) | 1);
    ::ResetEvent(m_writeDone);
    DWORD count = 0;
    if (::WriteFile(handle, &value, 1, nullptr, &written))
        return ::GetOverlappedResult(handle, &written, &count, FALSE) && count == 1;
    if (::GetLastError() != ERROR_IO_PENDING)
        return false;
    // Both write values zero means no limit, as for the system's own
    // time-outs.
    const DWORD budget =
        DWORD(m_timeouts.writeTotalTimeoutConstant + m_timeouts.writeTotalTimeoutMultiplier);
    if (::WaitForSingleObject(m_writeDone, budget ? budget : INFINITE) != WAIT_OBJECT_0)
        ::CancelIoEx(handle, &written);
    return ::GetOverlappedResult(handle, &written, &count, TRUE) && count == 1;
}
#endif

QByteArray SystemSerialPort::readAll() {
    if (!m_port.isOpen())
        return QByteArray();
    QByteArray bytes = m_port.readAll();
    if (SerialTrace *t = trace())
        t->received(bytes);
    return bytes;
}

bool SystemSerialPort::getTimeouts(CommTimeouts *timeouts) const {
    if (!m_port.isOpen() || !timeouts)
        return false;
    *timeouts = m_timeouts;
    return true;
}

bool SystemSerialPort::setTimeouts(const CommTimeouts &timeouts) {
    if (!m_port.isOpen())
        return false;
    m_timeouts = timeouts;
    return true;
}

bool SystemSerialPort::descriptorHungUp() const {
#ifdef Q_OS_UNIX
    pollfd p{};
    p.fd = int(m_port.handle());
    p.events = POLLIN;
    if (p.fd < 0 || ::poll(&p, 1, 0) <= 0)
        return false;
    return (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return false;
#endif
}

void SystemSerialPort::onError(QSerialPort::SerialPortError error) {
    if (!m_port.isOpen() || m_hangUpPending)
        return;
    // A failed read of a device that has gone: the port keeps reporting it
    // (on Linux a pseudo-terminal whose far end closed reports neither data
    // nor a resource error), so close it instead of polling forever.
    const bool hungUp = descriptorHungUp();
    if (error != QSerialPort::ResourceError && !hungUp)
        return;
    m_hangUpPending = true;
    m_lostReason =
        error == QSerialPort::ResourceError
            ? m_port.errorString()
            : QStringLiteral("%1 hung up (cable unplugged or device closed)").arg(m_device);
    // Close outside the port's own notification.
    QMetaObject::invokeMethod(this, &SystemSerialPort::onHangUp, Qt::QueuedConnection);
}

void SystemSerialPort::onHangUp() {
    if (!m_hangUpPending)
        return;
    if (m_readKick)
        m_readKick->stop();
    if (m_port.isOpen()) {
        m_port.clear(QSerialPort::Output);
        m_port.close();
    }
    m_hangUpPending = false;
    if (SerialTrace *t = trace())
        t->mark(TraceEventKind::Lost, m_lostReason);
    emit deviceLost(m_lostReason);
}
