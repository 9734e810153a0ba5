// The Program radios window: its layout, the radios started and ended with
// their rows, journal lines and counters, Enter, closing and the language.
// The ports are in programradiosports.cpp, the master in
// programradiosmaster.cpp.
#include "shell/programradioswindow.h"

#include "shell/journal.h"
#include "shell/programmedradiostable.h"
#include "shell/radiolinegroup.h"
#include "shell/radiooutcome.h"

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
    showMasterText();
}
