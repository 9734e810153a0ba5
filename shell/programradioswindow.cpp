#include "shell/programradioswindow.h"

#include "link/portdevices.h"
#include "link/portnames.h"
#include "shell/journal.h"
#include "shell/programmedradiostable.h"
#include "shell/radiolinegroup.h"
#include "shell/radiooutcome.h"
#include "shell/writetexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {
template <typename T> T *named(T *object, const char *name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

constexpr int kDeviceRole = Qt::UserRole;
} // namespace

ProgramRadiosWindow::ProgramRadiosWindow(ProgramRadiosHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window), m_host(host), m_beep([] { QApplication::beep(); }),
      grpMaster(named(new QGroupBox(this), "grpProgramMaster")),
      grpPorts(named(new QGroupBox(this), "grpProgramPorts")),
      grpLines(named(new QGroupBox(this), "grpProgramLines")),
      optEditorMaster(named(new QRadioButton(grpMaster), "optEditorMaster")),
      optFileMaster(named(new QRadioButton(grpMaster), "optFileMaster")),
      cmdMasterFile(named(new QPushButton(grpMaster), "cmdMasterFile")),
      lblMaster(named(new QLabel(grpMaster), "programRadiosMaster")),
      lblMasterCheck(named(new QLabel(grpMaster), "programRadiosMasterCheck")),
      m_ports(named(new QListWidget(grpPorts), "programRadiosPorts")),
      m_newPort(named(new QLineEdit(grpPorts), "programRadiosNewPort")),
      cmdAddPort(named(new QPushButton(grpPorts), "cmdAddPort")),
      lblNoLines(named(new QLabel(grpLines), "lblNoLines")), m_lineLayout(new QVBoxLayout),
      m_list(new ProgrammedRadiosTable(this)),
      lblCounters(named(new QLabel(this), "programRadiosCounters")),
      lblStatus(named(new QLabel(this), "programRadiosStatus")),
      cmdClose(named(new QPushButton(this), "cmdCloseProgramRadios")) {
    setObjectName(QStringLiteral("ProgramRadiosWindow"));
    optEditorMaster->setChecked(true);
    lblMaster->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblMaster->setWordWrap(true);
    lblMasterCheck->setWordWrap(true);
    lblMasterCheck->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblStatus->setWordWrap(true);
    lblNoLines->setWordWrap(true);
    QFont bold = lblCounters->font();
    bold.setBold(true);
    lblCounters->setFont(bold);

    auto *source = new QHBoxLayout;
    source->addWidget(optEditorMaster);
    source->addWidget(optFileMaster);
    source->addWidget(cmdMasterFile);
    source->addStretch();
    auto *masterLayout = new QVBoxLayout(grpMaster);
    masterLayout->addLayout(source);
    masterLayout->addWidget(lblMaster);
    masterLayout->addWidget(lblMasterCheck);

    auto *typed = new QHBoxLayout;
    typed->addWidget(m_newPort, 1);
    typed->addWidget(cmdAddPort);
    auto *portsLayout = new QVBoxLayout(grpPorts);
    portsLayout->addWidget(m_ports, 1);
    portsLayout->addLayout(typed);

    // The groups of the ports checked, one under the other.
    auto *lineBox = new QWidget;
    lineBox->setLayout(m_lineLayout);
    m_lineLayout->addWidget(lblNoLines);
    m_lineLayout->addStretch();
    auto *scroll = new QScrollArea(grpLines);
    scroll->setWidget(lineBox);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *linesLayout = new QVBoxLayout(grpLines);
    linesLayout->addWidget(scroll);

    auto *middle = new QHBoxLayout;
    middle->addWidget(grpPorts, 1);
    middle->addWidget(grpLines, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblCounters);
    bottom->addSpacing(12);
    bottom->addWidget(lblStatus, 1);
    bottom->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grpMaster);
    layout->addLayout(middle, 3);
    layout->addWidget(m_list, 2);
    layout->addLayout(bottom);

    connect(optEditorMaster, &QRadioButton::clicked, this, [this] { setSource(Source::Editor); });
    connect(optFileMaster, &QRadioButton::clicked, this, [this] { setSource(Source::File); });
    connect(cmdMasterFile, &QPushButton::clicked, this, &ProgramRadiosWindow::chooseMasterFile);
    connect(m_ports, &QListWidget::itemChanged, this, &ProgramRadiosWindow::portItemChanged);
    connect(m_newPort, &QLineEdit::returnPressed, this, &ProgramRadiosWindow::addTypedPort);
    connect(cmdAddPort, &QPushButton::clicked, this, &ProgramRadiosWindow::addTypedPort);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    retranslate();
    resize(980, 800);
}

ProgramRadiosWindow::~ProgramRadiosWindow() = default;

void ProgramRadiosWindow::showWindow() {
    listPorts();
    if (!busy())
        showMaster();
    show();
    raise();
    activateWindow();
}

void ProgramRadiosWindow::setBeep(std::function<void()> beep) {
    m_beep = std::move(beep);
}

QList<RadioLineGroup *> ProgramRadiosWindow::lines() const {
    return findChildren<RadioLineGroup *>();
}

bool ProgramRadiosWindow::busy() const {
    const QList<RadioLineGroup *> groups = lines();
    return std::any_of(groups.begin(), groups.end(), [](RadioLineGroup *g) { return g->busy(); });
}

int ProgramRadiosWindow::doneCount() const {
    int n = 0;
    for (RadioOutcome outcome : m_outcomes)
        n += outcome == RadioOutcome::Done;
    return n;
}

int ProgramRadiosWindow::failedCount() const {
    int n = 0;
    for (RadioOutcome outcome : m_outcomes)
        n += isRadioFailure(outcome);
    return n;
}

// The ports --------------------------------------------------------------

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

// The master -------------------------------------------------------------

void ProgramRadiosWindow::chooseMasterFile() {
    const QString path = m_host.chooseMasterFile();
    if (path.isEmpty())
        return;
    m_masterFile = path;
    ProgrammingMaster master;
    m_fileStatus = loadMasterFile(path, m_host.languageFlag(), &master);
    if (m_fileStatus.ok())
        m_fileMaster = master;
    else
        m_fileMaster.reset();
    setSource(Source::File);
}

void ProgramRadiosWindow::setSource(Source source) {
    m_source = source;
    optEditorMaster->setChecked(source == Source::Editor);
    optFileMaster->setChecked(source == Source::File);
    showMaster();
}

std::optional<ProgrammingMaster> ProgramRadiosWindow::takeMaster() {
    if (m_source == Source::Editor)
        return m_host.editorMaster();
    return m_fileMaster;
}

void ProgramRadiosWindow::showMaster() {
    m_master = takeMaster();
    retranslate();
}

// The radios -------------------------------------------------------------

void ProgramRadiosWindow::startLine(RadioLineGroup *group, bool retry) {
    // The master is taken and checked again: the editor may have changed.
    showMaster();
    if (!m_master) {
        setStatus([] { return tr("No radio was programmed: choose the master file first."); },
                  true);
        return;
    }
    if (!m_master->usable()) {
        setStatus([] { return tr("No radio was programmed: mend the master first."); }, true);
        return;
    }
    if (!m_host.releasePort()) {
        setStatus(
            [] {
                return tr("The main window is exchanging with a radio; press Start again when it "
                          "is done.");
            },
            true);
        return;
    }
    // Another master makes a new line, whose first radio shows its changes.
    if (!group->line() || group->masterDigest() != m_master->digest) {
        group->setLine(std::make_unique<ProgrammingLine>(m_master->state, group->device(),
                                                         m_host.backupStore()),
                       m_master->name, m_master->digest);
        retry = false;
    }
    setStatus({}, false);
    if (retry)
        group->line()->retry();
    else
        group->line()->start();
}

void ProgramRadiosWindow::radioFinished(RadioLineGroup *group, int number,
                                        const RadioRecord &record) {
    m_outcomes.insert(number, record.outcome);
    m_list->addRadio(number, group->device(), record);
    const Journal journal(m_host.journalPath());
    QString reason;
    if (!journal.append(
            journalEntryOf(record, group->device(), group->masterName(), group->masterDigest()),
            &reason)) {
        const QString path = QDir::toNativeSeparators(journal.path());
        setStatus(
            [path, reason] {
                return tr("The journal %1 cannot be written (%2).").arg(path, reason);
            },
            true);
    }
    if (isRadioFailure(record.outcome) && m_beep)
        m_beep();
    showCounters();
}

void ProgramRadiosWindow::showCounters() {
    lblCounters->setText(
        tr("Written and checked: %1    Failed: %2").arg(doneCount()).arg(failedCount()));
    lblCounters->setStyleSheet(failedCount() > 0 ? QStringLiteral("color: #b00000;") : QString());
}

void ProgramRadiosWindow::setStatus(std::function<QString()> text, bool alarm) {
    m_status = std::move(text);
    m_statusAlarm = alarm;
    lblStatus->setText(m_status ? m_status() : QString());
    lblStatus->setStyleSheet(alarm ? QStringLiteral("color: #b00000;") : QString());
}

// Keys, language, closing ------------------------------------------------

RadioLineGroup *ProgramRadiosWindow::lineOfFocus() const {
    QWidget *focus = focusWidget();
    for (RadioLineGroup *g : lines())
        if (focus && g->isAncestorOf(focus))
            return g;
    const QList<RadioLineGroup *> groups = lines();
    return groups.size() == 1 ? groups.first() : nullptr;
}

void ProgramRadiosWindow::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Enter in the port field adds the port.
    if (!enter || focusWidget() == m_newPort) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (RadioLineGroup *group = lineOfFocus())
        group->requestStart(focusWidget() == group->retryButton());
}

void ProgramRadiosWindow::closeEvent(QCloseEvent *event) {
    if (busy()) {
        setStatus(
            [] {
                return tr("Radios are being programmed; close the window once they are "
                          "done.");
            },
            true);
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void ProgramRadiosWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    // Back from the main window, the editor's contents are looked at again.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        m_source == Source::Editor && !busy())
        showMaster();
}

void ProgramRadiosWindow::retranslate() {
    // The main window's language switch calls this at once; the parts
    // follow too, without waiting for their own LanguageChange.
    for (RadioLineGroup *group : lines())
        group->retranslate();
    m_list->retranslate();
    setWindowTitle(tr("Program radios"));
    grpMaster->setTitle(tr("Master"));
    optEditorMaster->setText(tr("The editor's contents"));
    optFileMaster->setText(tr("A data file"));
    cmdMasterFile->setText(tr("Master file..."));
    grpPorts->setTitle(tr("Ports"));
    m_newPort->setPlaceholderText(tr("Another port (COM5, /dev/ttyUSB1)"));
    cmdAddPort->setText(tr("Add port"));
    grpLines->setTitle(tr("Radios on each port"));
    lblNoLines->setText(tr("Check a port to program radios on it."));
    cmdClose->setText(tr("Close"));
    showCounters();
    lblStatus->setText(m_status ? m_status() : QString());

    // The master: its name and SHA-256, and what the radio cannot hold.
    const qint16 language = m_host.languageFlag();
    QStringList check;
    bool errors = false;
    if (!m_master && m_source == Source::Editor) {
        lblMaster->clear();
    } else if (!m_master) {
        lblMaster->setText(m_masterFile.isEmpty()
                               ? tr("No master file chosen.")
                               : tr("Master: %1").arg(QDir::toNativeSeparators(m_masterFile)));
        check << (m_masterFile.isEmpty() ? tr("Choose the master file with Master file....")
                                         : stateFileMessage(m_fileStatus, m_masterFile, language));
        errors = !m_masterFile.isEmpty();
    } else {
        const ProgrammingMaster &m = *m_master;
        lblMaster->setText(tr("Master: %1").arg(m.name) + QStringLiteral("\nSHA-256: ") + m.digest);
        if (!m.usable()) {
            errors = true;
            check << tr("The radio cannot hold this master as it is; no radio is programmed "
                        "until it is mended:");
            for (const WriteWarning &w : m.errors)
                check << QStringLiteral("\u2022 ") +
                             warningText(w, m.state.bandPosition, false, language);
        } else {
            check << tr("The master can be written as it is.");
        }
        if (!m.warnings.isEmpty()) {
            check << tr("Note:");
            for (const WriteWarning &w : m.warnings)
                check << QStringLiteral("\u2022 ") +
                             warningText(w, m.state.bandPosition, false, language);
        }
    }
    lblMasterCheck->setText(check.join(QLatin1Char('\n')));
    lblMasterCheck->setStyleSheet(errors ? QStringLiteral("color: #b00000;") : QString());
}
