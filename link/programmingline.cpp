#include "link/programmingline.h"

#include "link/clonesession.h"
#include "link/portchooser.h"
#include "link/portnames.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"

// The line's messages: none is shown while radios are programmed one after
// another; the last one is kept for the radio's record. The question of
// band override mode is answered No: a line writes only radios of the
// master's band.
class ProgrammingLine::Messages : public MessagePort {
public:
    int show(const QString &text, quint32 flags, const QString &) override {
        last = text;
        return (flags & 0xF) == MsgStyle::YesNo ? MsgResult::No : MsgResult::Ok;
    }
    QString last;
};

ProgrammingLine::ProgrammingLine(const EditorState &master, const QString &port,
                                 const BackupStore &backups, SerialPort *serialPort,
                                 QObject *parent)
    : QObject(parent), m_master(master), m_portName(port), m_trace(std::make_unique<SerialTrace>()),
      m_messages(std::make_unique<Messages>()) {
    // The line writes the master as it is: no band question, no service
    // block.
    m_master.bandOverrideMode = false;
    m_master.debugWriteMode = false;
    if (!serialPort) {
        m_ownPort = std::make_unique<SystemSerialPort>();
        serialPort = m_ownPort.get();
    }
    m_serial = serialPort;
    m_serial->setTrace(m_trace.get());
    m_chooser = std::make_unique<PortChooser>(*m_serial, *m_messages);
    const int number = portNumberOfName(port);
    if (number > 0)
        m_chooser->setRememberedPort(number);
    else
        m_chooser->setDevicePath(port);
    m_session = std::make_unique<CloneSession>(m_master, *m_serial, *m_chooser, *m_messages);
    m_flow = std::make_unique<WriteFlow>(m_master, *m_session);
    m_flow->setBackupStore(backups);
    connect(m_flow.get(), &WriteFlow::previewReady, this, &ProgrammingLine::previewReady);
    connect(m_flow.get(), &WriteFlow::finished, this, &ProgrammingLine::flowFinished);
}

ProgrammingLine::~ProgrammingLine() {
    m_session->shutDown();
}

bool ProgrammingLine::busy() const {
    return m_current != 0;
}

bool ProgrammingLine::lastFailed() const {
    return !m_records.isEmpty() && m_records.last().outcome != RadioOutcome::Done;
}

bool ProgrammingLine::start() {
    return begin(m_nextNumber);
}

bool ProgrammingLine::retry() {
    if (!lastFailed())
        return false;
    return begin(m_records.last().number);
}

bool ProgrammingLine::begin(int number) {
    if (busy())
        return false;
    m_refusedBand = false;
    m_openFailed = false;
    m_messages->last.clear();
    // The blink of the last radio's outcome need not run out first.
    m_session->endBlink();
    m_current = number;
    emit busyChanged(true);
    emit radioStarted(number);
    if (!m_flow->start()) {
        m_openFailed = true;
        flowFinished(WriteFlowOutcome::NotStarted);
    }
    return true;
}

void ProgrammingLine::previewReady() {
    const int band = m_flow->radioBand();
    const QString model = m_session->identifiedModel();
    if (band != m_master.bandPosition) {
        m_refusedBand = true;
        m_flow->cancel();
        return;
    }
    // The first radio, and one unlike it, are written only when the user
    // has seen what changes.
    if (!m_haveFirst || band != m_firstBand || model != m_firstModel) {
        emit confirmationNeeded();
        return;
    }
    m_flow->write();
}

void ProgrammingLine::confirm(bool write) {
    if (m_flow->step() != WriteFlowStep::Preview)
        return;
    if (write)
        m_flow->write();
    else
        m_flow->cancel();
}

void ProgrammingLine::flowFinished(WriteFlowOutcome outcome) {
    if (!busy())
        return;
    RadioRecord r;
    r.number = m_current;
    r.when = QDateTime::currentDateTime();
    r.band = m_flow->radioBand();
    r.model = m_session->identifiedModel();
    r.backup = m_flow->backup().ok ? m_flow->backup().path : QString();
    r.message = m_messages->last;
    switch (outcome) {
    case WriteFlowOutcome::Verified:
    case WriteFlowOutcome::Written:
        r.outcome = RadioOutcome::Done;
        break;
    case WriteFlowOutcome::VerifyFailed:
        r.outcome = RadioOutcome::CheckDiffers;
        r.differences = m_flow->differences().count();
        break;
    case WriteFlowOutcome::Cancelled:
        r.outcome = m_refusedBand ? RadioOutcome::RefusedBand : RadioOutcome::Stopped;
        break;
    case WriteFlowOutcome::BandRefused:
    case WriteFlowOutcome::Declined:
        r.outcome = RadioOutcome::RefusedBand;
        break;
    case WriteFlowOutcome::BackupFailed:
        r.outcome = RadioOutcome::BackupFailed;
        r.message = m_flow->backup().reason;
        break;
    case WriteFlowOutcome::NotStarted:
        r.outcome = m_openFailed ? RadioOutcome::NotOpened : RadioOutcome::NoAnswer;
        break;
    case WriteFlowOutcome::TimedOut:
    case WriteFlowOutcome::DryRun:
        r.outcome = RadioOutcome::NoAnswer;
        break;
    }
    if (r.outcome == RadioOutcome::Done && !m_haveFirst) {
        m_haveFirst = true;
        m_firstBand = r.band;
        m_firstModel = r.model;
    }
    if (r.number == m_nextNumber)
        ++m_nextNumber;
    // A retry replaces the record of the try that failed.
    if (!m_records.isEmpty() && m_records.last().number == r.number)
        m_records.last() = r;
    else
        m_records << r;
    m_current = 0;
    // The port is closed between radios, so that the next cable or radio
    // is found afresh.
    m_serial->close();
    emit busyChanged(false);
    emit radioFinished(r);
}

int ProgrammingLine::doneCount() const {
    int n = 0;
    for (const RadioRecord &r : m_records)
        n += r.outcome == RadioOutcome::Done;
    return n;
}

int ProgrammingLine::failedCount() const {
    return int(m_records.size()) - doneCount();
}

QString outcomeWord(RadioOutcome outcome) {
    switch (outcome) {
    case RadioOutcome::Done:
        return QStringLiteral("written and checked");
    case RadioOutcome::RefusedBand:
        return QStringLiteral("refused: other band");
    case RadioOutcome::NoAnswer:
        return QStringLiteral("failed: no answer");
    case RadioOutcome::CheckDiffers:
        return QStringLiteral("failed: check differs");
    case RadioOutcome::NotOpened:
        return QStringLiteral("failed: port not opened");
    case RadioOutcome::BackupFailed:
        return QStringLiteral("failed: backup not saved");
    case RadioOutcome::Stopped:
        return QStringLiteral("stopped before the write");
    }
    return QString();
}
