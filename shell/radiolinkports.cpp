// The radio link's ports: the Communication port menu with COM1 to COM8,
// the devices present listed below them, Other port..., Find my cable, the
// remembered device, and Help > Serial trace. The rules are the core's
// (PortChooser, CableFinder, the serial trace); the part shows them.
#include "shell/radiolinkpart.h"

#include "link/cablefinder.h"
#include "link/clonesession.h"
#include "link/portchooser.h"
#include "link/portdevices.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"
#include "shell/captiontable.h"
#include "shell/localizedmsgbox.h"
#include "shell/otherportdialog.h"
#include "shell/tracewindow.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>
#include <utility>

namespace {
// A menu text shows `&` as it is.
QString menuText(const QString &text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
}
} // namespace

void RadioLinkPart::fillPortMenu(QMenu *menu) {
    mnucom = menu;
    for (int port = 1; port <= 8; ++port)
        mnucom->addAction(mnucomItems[port]);
    // Below COM1 to COM8: the devices present (made each time the menu
    // opens), then any device by its path, and the search for the cable.
    mnucom->addSeparator();
    m_devicesEnd = mnucom->addSeparator();
    mnucom->addAction(mnucomOther);
    mnucom->addAction(mnucomFind);
    mnucom->setToolTipsVisible(true);
    connect(mnucom, &QMenu::aboutToShow, this, &RadioLinkPart::showPortDevices);
    connect(mnucom, &QMenu::aboutToShow, this, &RadioLinkPart::rebuildDeviceItems);
}

void RadioLinkPart::setPortEnumerator(PortEnumerator *enumerator) {
    m_enumerator = enumerator ? enumerator : m_systemEnumerator.get();
}

void RadioLinkPart::setCableSearch(int polls, int intervalMs) {
    m_cablePolls = qMax(0, polls);
    m_cablePollInterval = qMax(0, intervalMs);
}

void RadioLinkPart::choosePort(int port) {
    // The items rest while an exchange runs: reopening the port would cut
    // the exchange off half way.
    if (busy())
        return;
    m_deviceFromCommandLine = false;
    m_portChooser->choosePort(port, m_state.language);
    showPortCheckMarks();
}

void RadioLinkPart::showPortCheckMarks() {
    for (int port = 1; port <= kPortNumbers; ++port)
        mnucomItems[port]->setChecked(m_portChooser->isChecked(port));
    for (QAction *item : std::as_const(m_deviceItems))
        item->setChecked(m_portChooser->isDeviceChecked(item->data().toString()));
}

void RadioLinkPart::showPortDevices() {
    for (int port = 1; port <= kPortNumbers; ++port) {
        const QString device = MSComm1->deviceOfNumber(port);
        mnucomItems[port]->setToolTip(device);
        mnucomItems[port]->setStatusTip(device);
    }
}

void RadioLinkPart::rebuildDeviceItems() {
    for (QAction *item : std::as_const(m_deviceItems))
        delete item;
    m_deviceItems.clear();

    QList<SerialDeviceInfo> devices = m_enumerator->devices();
    // The remembered device is listed too when the system does not list it
    // (a pseudo-terminal, a link of the user's own), as long as it exists.
    const QString remembered = m_portChooser->devicePath();
    const bool listed = std::any_of(devices.begin(), devices.end(), [&](const SerialDeviceInfo &d) {
        return d.device == remembered;
    });
    if (!remembered.isEmpty() && !listed && QFileInfo::exists(remembered)) {
        SerialDeviceInfo own;
        own.device = remembered;
        devices << own;
    }

    const bool enabled = !m_session->running();
    if (devices.isEmpty()) {
        auto *none = new QAction(captionOf(QStringLiteral("mnucomNone"), m_state.language), mnucom);
        none->setObjectName(QStringLiteral("mnucomNone"));
        none->setEnabled(false);
        mnucom->insertAction(m_devicesEnd, none);
        m_deviceItems << none;
        return;
    }
    int index = 0;
    for (const SerialDeviceInfo &info : std::as_const(devices)) {
        auto *action = new QAction(menuText(deviceItemLabel(info)), mnucom);
        action->setObjectName(QStringLiteral("mnucomDevice_%1").arg(index++));
        action->setData(info.device);
        action->setCheckable(true);
        action->setChecked(m_portChooser->isDeviceChecked(info.device));
        action->setToolTip(deviceItemTip(info));
        action->setStatusTip(deviceItemTip(info));
        action->setEnabled(enabled);
        const QString device = info.device;
        connect(action, &QAction::triggered, this, [this, action, device](bool checked) {
            // As for the COM items, the mark follows the port actually chosen.
            action->setChecked(!checked);
            chooseDevice(device);
        });
        mnucom->insertAction(m_devicesEnd, action);
        m_deviceItems << action;
    }
}

void RadioLinkPart::setPortItemsEnabled(bool enabled) {
    for (int port = 1; port <= kPortNumbers; ++port)
        mnucomItems[port]->setEnabled(enabled);
    for (QAction *item : std::as_const(m_deviceItems))
        item->setEnabled(enabled && item->objectName() != QLatin1String("mnucomNone"));
    mnucomOther->setEnabled(enabled);
    mnucomFind->setEnabled(enabled);
}

void RadioLinkPart::chooseDevice(const QString &device) {
    if (m_session->running())
        return;
    m_deviceFromCommandLine = false;
    m_portChooser->chooseDevice(device, m_state.language);
    showPortCheckMarks();
}

void RadioLinkPart::chooseStartDevice(const QString &device) {
    if (device.isEmpty() || m_session->running())
        return;
    m_portChooser->chooseDevice(device, m_state.language);
    showPortCheckMarks();
    m_deviceFromCommandLine = true;
}

void RadioLinkPart::otherPort() {
    if (m_session->running())
        return;
    if (!m_otherPort) {
        m_otherPort = new OtherPortDialog(m_port, m_state.language, m_window);
        connect(m_otherPort, &OtherPortDialog::deviceChosen, this, &RadioLinkPart::chooseDevice);
    }
    const QString device = m_portChooser->devicePath().isEmpty() ? m_portChooser->chosenDevice()
                                                                 : m_portChooser->devicePath();
    m_otherPort->ask(device);
}

void RadioLinkPart::findCable() {
    if (m_session->running())
        return;
    const qint16 language = m_state.language;
    const quint32 step = MsgStyle::OkCancel | MsgStyle::IconInformation;
    CableFinder finder(*m_enumerator);
    if (m_port.show(cableText(CableText::Unplug, language), step, QString()) != MsgResult::Ok)
        return;
    finder.noteUnplugged();
    if (m_port.show(cableText(CableText::PlugIn, language), step, QString()) != MsgResult::Ok)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<SerialDeviceInfo> found = finder.waitForAppeared(m_cablePolls, m_cablePollInterval);
    QApplication::restoreOverrideCursor();
    if (found.isEmpty()) {
        m_port.show(cableText(CableText::None, language), MsgStyle::IconExclamation, QString());
        return;
    }
    const int answer = m_port.show(cableFoundText(found, language),
                                   MsgStyle::OkCancel | MsgStyle::IconQuestion, QString());
    if (answer == MsgResult::Ok)
        chooseDevice(found.first().device);
}

void RadioLinkPart::showTrace() {
    if (!m_traceWindow)
        m_traceWindow = new TraceWindow(*m_trace, m_port, m_state.language, m_window);
    m_traceWindow->show();
    m_traceWindow->raise();
    m_traceWindow->activateWindow();
}

void RadioLinkPart::loadRememberedDevice() {
    m_savedDevice = m_deviceSetting.load();
    m_portChooser->setDevicePath(m_savedDevice);
}

void RadioLinkPart::saveRememberedDevice() {
    // A device given on the command line is for that run only.
    if (m_deviceFromCommandLine)
        return;
    const QString device = m_portChooser->devicePath();
    if (device != m_savedDevice)
        m_deviceSetting.save(device);
}

QList<KnownPort> RadioLinkPart::knownPorts() const {
    QList<SerialDeviceInfo> present = m_enumerator->devices();
    QList<KnownPort> ports;
    auto listed = [&ports](const QString &device) {
        return std::any_of(ports.begin(), ports.end(),
                           [&](const KnownPort &p) { return p.device == device; });
    };
    for (int number = 1; number <= kPortNumbers; ++number) {
        const QString device = MSComm1->deviceOfNumber(number);
        if (device.isEmpty() || listed(device))
            continue;
        const QString com = QStringLiteral("COM%1").arg(number);
        auto info = std::find_if(present.begin(), present.end(),
                                 [&](const SerialDeviceInfo &d) { return d.device == device; });
        QString label = info != present.end() ? deviceItemLabel(*info) : device;
        if (device != com)
            label = com + QStringLiteral(" \u2014 ") + label;
        ports << KnownPort{device, label};
    }
    for (const SerialDeviceInfo &info : std::as_const(present))
        if (!listed(info.device))
            ports << KnownPort{info.device, deviceItemLabel(info)};
    const QString remembered = m_portChooser->devicePath();
    if (!remembered.isEmpty() && !listed(remembered))
        ports << KnownPort{remembered, remembered};
    return ports;
}

QString RadioLinkPart::chosenDevice() const {
    return m_portChooser->chosenDevice();
}

bool RadioLinkPart::releasePort() {
    if (busy())
        return false;
    MSComm1->close();
    return true;
}
