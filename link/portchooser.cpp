#include "link/portchooser.h"

#include "link/linktexts.h"
#include "link/portdiagnostics.h"
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

void PortChooser::setDevicePath(const QString &path) {
    if (path == m_devicePath)
        return;
    m_devicePath = path;
    emit devicePathChanged(path);
}

QString PortChooser::chosenDevice() const {
    return m_devicePath.isEmpty() ? m_port.deviceOfNumber(m_remembered) : m_devicePath;
}

bool PortChooser::isChecked(int number) const {
    return number >= 1 && number <= kPortNumbers && m_checked[number];
}

bool PortChooser::isDeviceChecked(const QString &device) const {
    return !device.isEmpty() && device == m_checkedDevice;
}

void PortChooser::setChecked(int number, bool checked) {
    if (m_checked[number] == checked)
        return;
    m_checked[number] = checked;
    emit checkMarksChanged();
}

void PortChooser::setCheckedDevice(const QString &device) {
    if (m_checkedDevice == device)
        return;
    m_checkedDevice = device;
    emit checkMarksChanged();
}

void PortChooser::clearOtherMarks(int number, const QString &device) {
    const bool alreadyChecked = number > 0 ? m_checked[number] : isDeviceChecked(device);
    if (alreadyChecked)
        return;
    for (int other = 1; other <= kPortNumbers; ++other)
        if (other != number)
            setChecked(other, false);
    setCheckedDevice(QString());
}

bool PortChooser::reopenAs(int number, const QString &device) {
    clearOtherMarks(number, device);
    m_port.close();
    if (number > 0)
        m_port.setPortNumber(number);
    else
        m_port.setDevice(device);
    m_port.open();
    return m_port.isOpen();
}

void PortChooser::choosePort(int number, qint16 language) {
    if (number < 1 || number > kPortNumbers)
        return;
    if (reopenAs(number, QString())) {
        setChecked(number, true);
        setDevicePath(QString());
        setRememberedPort(number);
    } else {
        m_messages.show(
            messageWithReason(portInUseText(number, language), openFailureReason(language)),
            MsgStyle::IconInformation, QString());
    }
    tuneTimeouts();
}

void PortChooser::chooseDevice(const QString &device, qint16 language) {
    if (device.isEmpty())
        return;
    if (reopenAs(0, device)) {
        setCheckedDevice(device);
        setDevicePath(device);
    } else {
        m_messages.show(openFailureReason(language).join(QLatin1Char('\n')),
                        MsgStyle::IconInformation, QString());
    }
    tuneTimeouts();
}

void PortChooser::tuneTimeouts() {
    // Both calls fail, changing nothing, when the port did not open.
    CommTimeouts timeouts;
    if (m_port.getTimeouts(&timeouts)) {
        timeouts = tunedCommTimeouts(SerialPort::kOutputBufferSize, SerialPort::kBaudRate);
        m_port.setTimeouts(timeouts);
    }
}

QStringList PortChooser::openFailureReason(qint16 language) const {
    if (m_port.device().isEmpty())
        return QStringList();
    return portOpenAdvice(m_port.device(), m_port.lastOpenFailure(), m_port.lastOpenError(),
                          language, m_port.lastOpenErrorNumber());
}

void PortChooser::OpenCom() {
    m_port.close();
    if (m_devicePath.isEmpty())
        m_port.setPortNumber(m_remembered);
    else
        m_port.setDevice(m_devicePath);
    m_port.open();
}
