#include "link/portchooser.h"

#include "link/linktexts.h"
#include "model/messageport.h"

PortChooser::PortChooser(SerialPort &port, MessagePort &messages, QObject *parent)
    : QObject(parent), m_port(port), m_messages(messages) {}

void PortChooser::setRememberedPort(int number) {
    const int value = number >= 0 && number <= kPortNumbers ? number : 0;
    if (value == m_remembered)
        return;
    m_remembered = value;
    emit rememberedPortChanged(value);
}

QString PortChooser::chosenDevice() const {
    return m_devicePath.isEmpty() ? m_port.deviceOfNumber(m_remembered) : m_devicePath;
}

bool PortChooser::isChecked(int number) const {
    return number >= 1 && number <= kPortNumbers && m_checked[number];
}

void PortChooser::setChecked(int number, bool checked) {
    if (m_checked[number] == checked)
        return;
    m_checked[number] = checked;
    emit checkMarksChanged();
}

void PortChooser::choosePort(int number, qint16 language) {
    if (number < 1 || number > kPortNumbers)
        return;
    if (!m_checked[number]) {
        for (int other = 1; other <= kPortNumbers; ++other)
            if (other != number)
                setChecked(other, false);
    }
    m_port.close();
    m_port.setPortNumber(number);
    m_port.open();
    if (m_port.isOpen()) {
        setChecked(number, true);
        m_devicePath.clear();
        setRememberedPort(number);
    } else {
        m_messages.show(portInUseText(number, language), MsgStyle::IconInformation, QString());
    }
    // Tune the time-outs; both calls fail, changing nothing, when the port
    // did not open.
    CommTimeouts timeouts;
    if (m_port.getTimeouts(&timeouts)) {
        timeouts = tunedCommTimeouts(SerialPort::kOutputBufferSize, SerialPort::kBaudRate);
        m_port.setTimeouts(timeouts);
    }
}

void PortChooser::OpenCom() {
    m_port.close();
    if (m_devicePath.isEmpty())
        m_port.setPortNumber(m_remembered);
    else
        m_port.setDevice(m_devicePath);
    m_port.open();
}
