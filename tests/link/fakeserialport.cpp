#include "fakeserialport.h"

#include "link/serialtrace.h"

bool FakeSerialPort::open() {
    if (m_open)
        return true;
    const bool busy = busyDevices.contains(m_device);
    if (m_device.isEmpty() || missingDevices.contains(m_device) || busy) {
        // The failures and texts QSerialPort gives on Linux.
        m_failure = busy ? PortOpenFailure::InUse : PortOpenFailure::NoDevice;
        m_error = busy ? QStringLiteral("Device or resource busy")
                       : QStringLiteral("No such file or directory");
        if (trace())
            trace()->mark(TraceEventKind::OpenFailed, m_error);
        return false;
    }
    m_failure = PortOpenFailure::None;
    m_error.clear();
    m_open = true;
    if (trace())
        trace()->mark(TraceEventKind::Opened, m_device);
    ++opens;
    timeouts = CommTimeouts();
    return true;
}

void FakeSerialPort::close() {
    if (!m_open)
        return;
    m_open = false;
    m_input.clear();
    ++closes;
    if (trace())
        trace()->mark(TraceEventKind::Closed);
}

void FakeSerialPort::writeByte(quint8 byte) {
    ++writeCalls;
    if (!m_open)
        return;
    written.append(static_cast<char>(byte));
    if (trace())
        trace()->sent(byte);
}

QByteArray FakeSerialPort::readAll() {
    QByteArray bytes = m_input;
    m_input.clear();
    if (trace())
        trace()->received(bytes);
    return bytes;
}

bool FakeSerialPort::getTimeouts(CommTimeouts *record) const {
    if (!m_open)
        return false;
    *record = timeouts;
    return true;
}

bool FakeSerialPort::setTimeouts(const CommTimeouts &record) {
    if (!m_open)
        return false;
    timeouts = record;
    return true;
}

void FakeSerialPort::deliver(const QByteArray &bytes) {
    if (!m_open)
        return;
    m_input.append(bytes);
    emit bytesArrived();
}

void FakeSerialPort::loseDevice() {
    if (!m_open)
        return;
    m_open = false;
    m_input.clear();
    if (trace())
        trace()->mark(TraceEventKind::Lost, QStringLiteral("%1 was unplugged").arg(m_device));
    emit deviceLost(QStringLiteral("%1 was unplugged").arg(m_device));
}

QByteArray FakeSerialPort::takeWritten() {
    QByteArray bytes = written;
    written.clear();
    return bytes;
}
