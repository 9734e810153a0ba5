#include "link/serialport.h"

#include "link/portnames.h"

CommTimeouts tunedCommTimeouts(int outputBufferSize, int baudRate) {
    CommTimeouts t;
    t.readIntervalTimeout = 1;
    t.readTotalTimeoutMultiplier = 1;
    t.readTotalTimeoutConstant = 1;
    t.writeTotalTimeoutMultiplier = 1;
    const int whole = baudRate > 0 ? outputBufferSize / baudRate : 0;
    t.writeTotalTimeoutConstant = static_cast<quint32>(whole * 10000 + 1000);
    return t;
}

void SerialPort::setPortNumber(int number) {
    setDevice(deviceOfNumber(number));
}

void SerialPort::setPortNaming(PortNaming naming) {
    m_naming = std::move(naming);
}

QString SerialPort::deviceOfNumber(int number) const {
    return m_naming ? m_naming(number) : portDevice(number);
}
