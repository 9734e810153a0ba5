#include "fakeserialport.h"

bool FakeSerialPort::open() {
    if (m_open)
        return true;
    if (m_device.isEmpty() || missingDevices.contains(m_device)) {
        m_failure = m_device.isEmpty() ? PortOpenFailure::NoDevice : PortOpenFailure::InUse;
        m_error = QStringLiteral("cannot open %1").arg(m_device);
        return false;
    }
    m_failure = PortOpenFailure::None;
    m_error.clear();
    m_open = true;
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
}

void FakeSerialPort::writeByte(quint8 byte) {
    ++writeCalls;
    if (m_open)
        written.append(static_cast<char>(byte));
}

QByteArray FakeSerialPort::readAll() {
    QByteArray bytes = m_input;
    m_input.clear();
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
    emit deviceLost(QStringLiteral("%1 was unplugged").arg(m_device));
}

QByteArray FakeSerialPort::takeWritten() {
    QByteArray bytes = written;
    written.clear();
    return bytes;
}
