// The Program radios window's ports: the list of the ports the main window
// knows and the ports typed in, each checked port with a group of its own.
#include "shell/programradioswindow.h"

#include "link/portdevices.h"
#include "link/portnames.h"
#include "shell/radiolinegroup.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
// Each item keeps the device it opens.
constexpr int kDeviceRole = Qt::UserRole;
} // namespace

void ProgramRadiosWindow::listPorts() {
    // Ports already listed keep their marks; the chosen port is checked the
    // first time only.
    const QString chosen = m_portsListed ? QString() : m_host.chosenDevice();
    for (const KnownPort &port : m_host.knownPorts())
        addPortItem(port.device, port.label, !chosen.isEmpty() && port.device == chosen);
    if (!chosen.isEmpty())
        addPortItem(chosen, chosen, true);
    m_portsListed = true;
    showLines();
}

QListWidgetItem *ProgramRadiosWindow::addPortItem(const QString &device, const QString &label,
                                                  bool checked) {
    for (int row = 0; row < m_ports->count(); ++row)
        if (m_ports->item(row)->data(kDeviceRole).toString() == device)
            return m_ports->item(row);
    auto *item = new QListWidgetItem(label);
    item->setData(kDeviceRole, device);
    item->setToolTip(QDir::toNativeSeparators(device));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    m_ports->addItem(item);
    if (checked)
        item->setCheckState(Qt::Checked); // makes its group
    return item;
}

void ProgramRadiosWindow::addTypedPort() {
    const QString device = m_newPort->text().trimmed();
    if (device.isEmpty())
        return;
    // COM1 to COM8 stand for the platform's devices; a path must lead to a
    // device.
    const DevicePathProblem problem =
        portNumberOfName(device) > 0 || !device.contains(QLatin1Char('/'))
            ? DevicePathProblem::None
            : checkDevicePath(device);
    if (problem != DevicePathProblem::None) {
        const qint16 language = m_host.languageFlag();
        setStatus([problem, device,
                   language] { return devicePathProblemText(problem, device, language); },
                  true);
        return;
    }
    QListWidgetItem *item = addPortItem(device, device, true);
    item->setCheckState(Qt::Checked);
    m_ports->setCurrentItem(item);
    m_newPort->clear();
    setStatus({}, false);
}

void ProgramRadiosWindow::portItemChanged(QListWidgetItem *item) {
    const QString device = item->data(kDeviceRole).toString();
    RadioLineGroup *group = nullptr;
    for (RadioLineGroup *g : lines())
        if (g->device() == device)
            group = g;
    const bool checked = item->checkState() == Qt::Checked;
    if (checked && !group) {
        group = new RadioLineGroup(
            device, item->text(), [this] { return ++m_lastNumber; },
            [this] { return m_host.languageFlag(); }, this);
        connect(group, &RadioLineGroup::startRequested, this, &ProgramRadiosWindow::startLine);
        connect(group, &RadioLineGroup::radioFinished, this, &ProgramRadiosWindow::radioFinished);
        m_lineLayout->insertWidget(m_lineLayout->count() - 1, group);
    } else if (!checked && group) {
        // A port whose radio is being programmed stays until it is done.
        if (group->busy()) {
            QSignalBlocker blocker(m_ports);
            item->setCheckState(Qt::Checked);
            setStatus(
                [] {
                    return tr("A radio is being programmed on this port; wait until it is "
                              "done.");
                },
                true);
            return;
        }
        delete group;
    }
    showLines();
}

void ProgramRadiosWindow::showLines() {
    lblNoLines->setVisible(lines().isEmpty());
}
