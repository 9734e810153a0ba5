// The main window's side of a write as a whole and of the backups: Write To
// Radio runs the write flow (backup read, preview, write, read back), every
// read is kept as a backup, File > Backups... lists them, and the status
// line under the window keeps the outcome of the last read or write after
// the status label has stopped flashing.
#include "shell/form1.h"

#include "link/clonesession.h"
#include "link/linktexts.h"
#include "link/portnames.h"
#include "link/writeflow.h"
#include "model/messageport.h"
#include "shell/backupswindow.h"
#include "shell/filecommands.h"
#include "shell/localizedmsgbox.h"
#include "shell/writepreviewwindow.h"
#include "shell/writetexts.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

void Form1::buildWriteFlow() {
    m_writeFlow = std::make_unique<WriteFlow>(m_state, *m_session, this);
    m_writeFlow->setObjectName(QStringLiteral("writeFlow"));
    m_writeFlow->setBackupStore(m_backups);
    connect(m_writeFlow.get(), &WriteFlow::previewReady, this, &Form1::showWritePreview);
    connect(m_writeFlow.get(), &WriteFlow::finished, this, &Form1::writeFlowFinished);
    connect(m_writeFlow.get(), &WriteFlow::runningChanged, this,
            [this] { setRadioCommandsEnabled(m_session->commandsEnabled()); });
    connect(m_session.get(), &CloneSession::finished, this, &Form1::readSessionEnded);

    m_preview = new WritePreviewWindow(this);
    connect(m_preview, &WritePreviewWindow::writeChosen, m_writeFlow.get(), &WriteFlow::write);
    connect(m_preview, &WritePreviewWindow::cancelChosen, m_writeFlow.get(), &WriteFlow::cancel);
    m_backupsWindow = new BackupsWindow(this);
    connect(m_backupsWindow, &BackupsWindow::openRequested, this, &Form1::openBackup);

    StatusLine = new QLabel(this);
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    StatusLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusLine, 1);
    for (QAction *language : {mnuChinese, mnuEnglish})
        connect(language, &QAction::triggered, this, &Form1::retranslateStatusLine);
}

void Form1::setBackupStore(const BackupStore &store) {
    m_backups = store;
    m_writeFlow->setBackupStore(store);
}

void Form1::showWritePreview() {
    m_preview->showPreview(*m_writeFlow, m_state.bandOverrideMode, m_state.language);
}

void Form1::writeFlowFinished(WriteFlowOutcome outcome) {
    WriteFlow *flow = m_writeFlow.get();
    setStatusLine(
        [flow, outcome](qint16 language) { return writeOutcomeText(*flow, outcome, language); });
    // The flashing status label tells the same, in short; a refused band
    // and a time-out keep the session's own texts.
    if (outcome == WriteFlowOutcome::Verified || outcome == WriteFlowOutcome::Written)
        m_session->showStatus(linkText(LinkText::WriteSuccess, m_state.language));
    else if (outcome != WriteFlowOutcome::BandRefused && outcome != WriteFlowOutcome::Declined &&
             outcome != WriteFlowOutcome::TimedOut)
        m_session->showStatus(StatusLine->text());
    for (int port = 1; port <= kPortNumbers; ++port)
        portItem(port)->setEnabled(true);

    switch (outcome) {
    case WriteFlowOutcome::BackupFailed:
        m_port->show(StatusLine->text(), MsgStyle::IconStop, QString());
        break;
    case WriteFlowOutcome::VerifyFailed:
        // What differs, and the backup offered for writing back.
        if (m_port->show(verifyFailureMessage(*flow, m_state.language),
                         MsgStyle::YesNo | MsgStyle::IconExclamation, QString()) == MsgResult::Yes)
            flow->startRestore();
        break;
    case WriteFlowOutcome::TimedOut:
        if (flow->failedStep() == WriteFlowStep::Write && flow->backup().ok &&
            m_port->show(StatusLine->text() + QStringLiteral("\n\n") +
                             restoreQuestion(*flow, m_state.language),
                         MsgStyle::YesNo | MsgStyle::IconExclamation, QString()) == MsgResult::Yes)
            flow->startRestore();
        break;
    default:
        break;
    }
}

void Form1::readSessionEnded(SessionOutcome outcome) {
    // The sessions of a write are the flow's; this is Read From Radio.
    if (m_writeFlow->running() || m_session->kind() != QLatin1Char('R'))
        return;
    if (outcome != SessionOutcome::Success) {
        setStatusLine(
            [](qint16 language) { return linkText(LinkText::CommunicationError, language); });
        return;
    }
    const BackupSaveResult backup =
        m_backups.save(m_session->readImage(), BackupKind::Read, m_session->identifiedBand());
    setStatusLine([backup](qint16 language) { return readOutcomeText(backup, language); });
    if (!backup.ok)
        m_port->show(backupFailureMessage(backup, false, m_state.language), MsgStyle::IconStop,
                     QString());
}

void Form1::setStatusLine(std::function<QString(qint16)> text) {
    m_statusLineText = std::move(text);
    retranslateStatusLine();
}

void Form1::retranslateStatusLine() {
    const QString text = m_statusLineText ? m_statusLineText(m_state.language) : QString();
    StatusLine->setText(text);
    StatusLine->setToolTip(text);
}

void Form1::commandBackups() {
    m_backupsWindow->showBackups(m_backups, m_state.language);
}

void Form1::openBackup(const QString &path) {
    // As File > Open, without the file dialog: unsaved work is asked about
    // first, and the opening is one step Undo takes back.
    if (openNamedFile(path))
        m_backupsWindow->accept();
}
