// The main window's radio link: the serial port MSComm1, the Communication
// port menu, Read From Radio and Write To Radio, and what the window shows of
// an exchange. The rules are the core's (PortChooser, CloneSession); the
// window forwards the commands and shows what the core reports: the check
// marks, the status label `Label`, the progress bar `ProgressBar1` and the
// commands that rest while the radio is busy.
#include "shell/form1.h"

#include "link/clonesession.h"
#include "link/linktexts.h"
#include "link/portchooser.h"
#include "link/portdevices.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"
#include "link/writeflow.h"
#include "shell/localizedmsgbox.h"
#include "shell/otherportdialog.h"
#include "shell/tracewindow.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QToolBar>

#include <utility>

void Form1::buildRadioLink() {
    // Every exchange is traced (Help > Serial trace); recording a byte is
    // an append, so the link runs as fast without it.
    m_trace = std::make_unique<SerialTrace>();
    m_systemEnumerator = std::make_unique<SystemPortEnumerator>();
    m_enumerator = m_systemEnumerator.get();
    MSComm1 = std::make_unique<SystemSerialPort>(this);
    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    MSComm1->setTrace(m_trace.get());
    m_portChooser = std::make_unique<PortChooser>(*MSComm1, *m_port, this);
    m_portChooser->setObjectName(QStringLiteral("portChooser"));
    // The session makes the three timers Timer1, Timer2 and Timer3.
    m_session = std::make_unique<CloneSession>(m_state, *MSComm1, *m_portChooser, *m_port, this);
    m_session->setObjectName(QStringLiteral("cloneSession"));

    // The Communication port menu: each COM item tells which device it
    // stands for (a string rule: on macOS a listing of /dev); below them the
    // devices present are listed afresh each time the menu opens.
    connect(this, &Form1::portChosen, this, &Form1::commandChoosePort);
    connect(m_portChooser.get(), &PortChooser::checkMarksChanged, this, &Form1::showPortCheckMarks);
    mnucom->setToolTipsVisible(true);
    connect(mnucom, &QMenu::aboutToShow, this, &Form1::showPortDevices);
    connect(mnucom, &QMenu::aboutToShow, this, &Form1::rebuildDeviceItems);
    showPortDevices();

    connect(this, &Form1::readRequested, this, &Form1::startReadSession);
    connect(this, &Form1::writeRequested, this, &Form1::startWriteSession);

    // The indicators (setRadioCommandsEnabled gives the status label its
    // room while an exchange runs).
    ProgressBar1->setRange(0, CloneSession::kProgressMaximum);
    CloneSession *session = m_session.get();
    connect(session, &CloneSession::statusTextChanged, Label, &QLabel::setText);
    connect(session, &CloneSession::statusVisibleChanged, Label, &QWidget::setVisible);
    connect(session, &CloneSession::progressVisibleChanged, ProgressBar1, &QWidget::setVisible);
    connect(session, &CloneSession::progressValueChanged, ProgressBar1, &QProgressBar::setValue);
    connect(session, &CloneSession::commandsEnabledChanged, this, &Form1::setRadioCommandsEnabled);
    // The F1 hint holds the status line while the radio is idle and gives
    // it up to the exchange's status and progress.
    connect(session, &CloneSession::modelFrameActivated, this, &Form1::radioSessionStarted);
    connect(session, &CloneSession::imageDecoded, this, &Form1::refreshAfterDecode);
    connect(session, &CloneSession::finished, this, &Form1::radioSessionFinished);
    // After the window's own language handlers: the status follows too.
    for (QAction *language : {mnuChinese, mnuEnglish}) {
        connect(language, &QAction::triggered, this, &Form1::retranslateRadioStatus);
        connect(language, &QAction::triggered, this, [this] {
            if (m_otherPort)
                m_otherPort->retranslate();
            if (m_traceWindow)
                m_traceWindow->retranslate();
        });
    }
}

SerialPort &Form1::serialPort() {
    return *MSComm1;
}

int Form1::rememberedPort() const {
    return m_portChooser->rememberedPort();
}

void Form1::setRememberedPort(int port) {
    m_portChooser->setRememberedPort(port);
}

void Form1::setPortNaming(SerialPort::PortNaming naming) {
    MSComm1->setPortNaming(std::move(naming));
    showPortDevices();
}

void Form1::startReadSession() {
    m_session->startRead();
}

void Form1::startWriteSession() {
    // A write reads the radio first, shows what will change and reads it
    // back afterwards: the write flow (form1backups.cpp).
    m_writeFlow->start();
}

bool Form1::radioBusy() const {
    return m_session->running() || (m_writeFlow && m_writeFlow->running());
}

void Form1::commandChoosePort(int port) {
    // The items rest while an exchange runs: reopening the port would cut
    // the exchange off half way.
    if (radioBusy())
        return;
    m_deviceFromCommandLine = false;
    m_portChooser->choosePort(port, m_state.language);
    showPortCheckMarks();
}

void Form1::showPortCheckMarks() {
    for (int port = 1; port <= kPortNumbers; ++port)
        mnucomItems[port]->setChecked(m_portChooser->isChecked(port));
    for (QAction *item : std::as_const(m_deviceItems))
        item->setChecked(m_portChooser->isDeviceChecked(item->data().toString()));
}

void Form1::showPortDevices() {
    for (int port = 1; port <= kPortNumbers; ++port) {
        const QString device = MSComm1->deviceOfNumber(port);
        mnucomItems[port]->setToolTip(device);
        mnucomItems[port]->setStatusTip(device);
    }
}

void Form1::setRadioCommandsEnabled(bool enabled) {
    // Between the sessions of a write the commands stay at rest.
    enabled = enabled && !(m_writeFlow && m_writeFlow->running());
    Toolbar1->setEnabled(enabled);
    mnupro->setEnabled(enabled);
    m_buttons[5]->setEnabled(enabled);
    m_buttons[6]->setEnabled(enabled);
    // A disabled menu does not stop the shortcuts of its items.
    mnureadFre->setEnabled(enabled);
    mnuwriteFre->setEnabled(enabled);
    // The F1 hint holds the status line while the radio is idle and gives
    // it up to the exchange's status and progress. While the exchange runs
    // the status label keeps its room as it blinks, so the progress bar
    // beside it does not jump; once it is over the label gives the room
    // back, so the hint stays in its place whatever the last status said.
    QSizePolicy statusPolicy = Label->sizePolicy();
    statusPolicy.setRetainSizeWhenHidden(!enabled);
    Label->setSizePolicy(statusPolicy);
    lblHelpHint->setVisible(enabled);
}

void Form1::radioSessionStarted() {
    // Also under the edit lock; the panel and the table stay as they are.
    Frame1->setEnabled(true);
    Combo1->setFocus(Qt::OtherFocusReason);
    setPortItemsEnabled(false);
}

void Form1::radioSessionFinished(SessionOutcome) {
    if (m_writeFlow && m_writeFlow->running())
        return;
    setPortItemsEnabled(true);
}

void Form1::retranslateRadioStatus() {
    const QString shown = Label->text();
    if (shown.isEmpty())
        return;
    for (LinkText text : {LinkText::Communicating, LinkText::ReadSuccess, LinkText::WriteSuccess,
                          LinkText::BandRefused, LinkText::BandQuestion}) {
        for (qint16 language : {qint16(0), qint16(1)}) {
            if (shown == linkText(text, language)) {
                Label->setText(linkText(text, m_state.language));
                return;
            }
        }
    }
}

bool Form1::bandChangeHeldBySession() {
    // While the radio exchange runs the band stays: a read sets the radio's
    // band at its end, and a band question left open across that end would
    // empty the table just read. The selector simply shows the band again.
    if (!m_session || !radioBusy())
        return false;
    if (Combo1->currentIndex() != m_state.bandPosition) {
        const QSignalBlocker block(Combo1);
        Combo1->setCurrentIndex(m_state.bandPosition);
    }
    return true;
}

void Form1::shutDownRadioLink() {
    if (m_session)
        m_session->shutDown();
}
