// The radio link's objects and commands: the serial port MSComm1, the port
// chooser, the sessions with their timers and the write flow, Read From
// Radio and Write To Radio, and the commands that rest while the radio is
// busy.
#include "shell/radiolinkpart.h"

#include "link/clonesession.h"
#include "link/portchooser.h"
#include "link/portdevices.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"
#include "link/writeflow.h"
#include "shell/captiontable.h"
#include "shell/editorwindow.h"
#include "shell/otherportdialog.h"
#include "shell/tracewindow.h"

#include <QAction>

namespace {
QAction *item(QObject *part, const char *name) {
    auto *action = new QAction(part);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}
} // namespace

RadioLinkPart::RadioLinkPart(EditorState &state, MessagePort &port,
                             const DeviceSetting &deviceSetting, EditorWindow &editor,
                             QWidget *window)
    : QObject(window), m_state(state), m_port(port), m_editor(editor), m_window(window),
      m_deviceSetting(deviceSetting) {
    setObjectName(QStringLiteral("radioLinkPart"));
    mnureadFre = item(this, "mnureadFre");
    mnureadFre->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuwriteFre = item(this, "mnuwriteFre");
    mnuwriteFre->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    mnutrace = item(this, "mnutrace");
    connect(mnureadFre, &QAction::triggered, this, &RadioLinkPart::commandRead);
    connect(mnuwriteFre, &QAction::triggered, this, &RadioLinkPart::commandWrite);
    connect(mnutrace, &QAction::triggered, this, &RadioLinkPart::showTrace);
    for (int number = 1; number <= 8; ++number) {
        QAction *action = new QAction(portItemCaption(number), this);
        action->setObjectName(QStringLiteral("mnucom%1").arg(number));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, action, number](bool checked) {
            // The check marks follow the port actually chosen, which the
            // handler of portChosen decides; undo Qt's own toggle.
            action->setChecked(!checked);
            emit portChosen(number);
        });
        mnucomItems[number] = action;
    }
    mnucomOther = item(this, "mnucomOther");
    mnucomFind = item(this, "mnucomFind");
    connect(mnucomOther, &QAction::triggered, this, &RadioLinkPart::otherPort);
    connect(mnucomFind, &QAction::triggered, this, &RadioLinkPart::findCable);

    // Every exchange is traced (Help > Serial trace); recording a byte is
    // an append, so the link runs as fast without it.
    m_trace = std::make_unique<SerialTrace>();
    m_systemEnumerator = std::make_unique<SystemPortEnumerator>();
    m_enumerator = m_systemEnumerator.get();
    MSComm1 = std::make_unique<SystemSerialPort>(this);
    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    MSComm1->setTrace(m_trace.get());
    m_portChooser = std::make_unique<PortChooser>(*MSComm1, m_port, this);
    m_portChooser->setObjectName(QStringLiteral("portChooser"));
    // The session makes the three timers Timer1, Timer2 and Timer3.
    m_session = std::make_unique<CloneSession>(m_state, *MSComm1, *m_portChooser, m_port, this);
    m_session->setObjectName(QStringLiteral("cloneSession"));

    // Each COM item tells which device it stands for (a string rule: on
    // macOS a listing of /dev).
    connect(this, &RadioLinkPart::portChosen, this, &RadioLinkPart::choosePort);
    connect(m_portChooser.get(), &PortChooser::checkMarksChanged, this,
            &RadioLinkPart::showPortCheckMarks);
    showPortDevices();

    connect(this, &RadioLinkPart::readRequested, m_session.get(), &CloneSession::startRead);
    CloneSession *session = m_session.get();
    connect(session, &CloneSession::commandsEnabledChanged, this,
            &RadioLinkPart::showCommandsEnabled);
    // The port items rest from the start of an exchange to its end, and
    // between the sessions of a write.
    connect(session, &CloneSession::modelFrameActivated, this,
            [this] { setPortItemsEnabled(false); });
    connect(session, &CloneSession::finished, this, [this] {
        if (!m_writeFlow || !m_writeFlow->running())
            setPortItemsEnabled(true);
    });

    // A write reads the radio first, shows what will change and reads it
    // back afterwards: the write flow.
    m_writeFlow = std::make_unique<WriteFlow>(m_state, *m_session, this);
    m_writeFlow->setObjectName(QStringLiteral("writeFlow"));
    connect(this, &RadioLinkPart::writeRequested, this, [this] { m_writeFlow->start(); });
    connect(m_writeFlow.get(), &WriteFlow::runningChanged, this,
            [this] { showCommandsEnabled(m_session->commandsEnabled()); });
    // The end of a write gives COM1 to COM8 back.
    connect(m_writeFlow.get(), &WriteFlow::finished, this, [this] {
        for (int number = 1; number <= kPortNumbers; ++number)
            mnucomItems[number]->setEnabled(true);
    });
}

RadioLinkPart::~RadioLinkPart() = default;

void RadioLinkPart::commandRead() {
    // Stored first, so that a read that fails loses nothing; a read that
    // succeeds replaces the table, so unsaved work is asked about first.
    m_editor.finishCellEditing(true);
    if (!m_editor.keepUnsavedWork())
        return;
    emit readRequested();
}

void RadioLinkPart::commandWrite() {
    m_editor.finishCellEditing(true);
    emit writeRequested();
}

bool RadioLinkPart::busy() const {
    return m_session->running() || (m_writeFlow && m_writeFlow->running());
}

void RadioLinkPart::showCommandsEnabled(bool enabled) {
    // Between the sessions of a write the commands stay at rest. A disabled
    // menu does not stop the shortcuts of its items.
    enabled = enabled && !(m_writeFlow && m_writeFlow->running());
    mnureadFre->setEnabled(enabled);
    mnuwriteFre->setEnabled(enabled);
    emit commandsEnabledChanged(enabled);
}

int RadioLinkPart::rememberedPort() const {
    return m_portChooser->rememberedPort();
}

void RadioLinkPart::setRememberedPort(int port) {
    m_portChooser->setRememberedPort(port);
}

void RadioLinkPart::setPortNaming(SerialPort::PortNaming naming) {
    MSComm1->setPortNaming(std::move(naming));
    showPortDevices();
}

void RadioLinkPart::retranslate() {
    if (m_otherPort)
        m_otherPort->retranslate();
    if (m_traceWindow)
        m_traceWindow->retranslate();
}

void RadioLinkPart::shutDown() {
    if (m_session)
        m_session->shutDown();
}
