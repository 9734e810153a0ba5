#include "shell/writepart.h"

#include "link/clonesession.h"
#include "link/linktexts.h"
#include "link/writeflow.h"
#include "model/editorstate.h"
#include "model/messageport.h"
#include "shell/backupswindow.h"
#include "shell/editorwindow.h"
#include "shell/radiolinkpart.h"
#include "shell/writepreviewwindow.h"
#include "shell/writetexts.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

WritePart::WritePart(EditorState &state, MessagePort &port, RadioLinkPart &link,
                     EditorWindow &editor, QMainWindow *window)
    : QObject(window), m_state(state), m_port(port), m_link(link), m_editor(editor) {
    setObjectName(QStringLiteral("writePart"));
    mnuBackups = new QAction(this);
    mnuBackups->setObjectName(QStringLiteral("mnuBackups"));
    connect(mnuBackups, &QAction::triggered, this, &WritePart::showBackups);

    WriteFlow *flow = &link.writeFlow();
    flow->setBackupStore(m_backups);
    connect(flow, &WriteFlow::previewReady, this, &WritePart::showWritePreview);
    connect(flow, &WriteFlow::finished, this, &WritePart::writeFlowFinished);
    connect(&link.session(), &CloneSession::finished, this, &WritePart::readSessionEnded);

    m_preview = new WritePreviewWindow(window);
    connect(m_preview, &WritePreviewWindow::writeChosen, flow, &WriteFlow::write);
    connect(m_preview, &WritePreviewWindow::cancelChosen, flow, &WriteFlow::cancel);
    m_backupsWindow = new BackupsWindow(window);
    connect(m_backupsWindow, &BackupsWindow::openRequested, this, &WritePart::openBackup);

    StatusLine = new QLabel(window);
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    StatusLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    window->statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    window->statusBar()->addWidget(StatusLine, 1);
}

WritePart::~WritePart() = default;

void WritePart::setBackupStore(const BackupStore &store) {
    m_backups = store;
    m_link.writeFlow().setBackupStore(store);
}

void WritePart::showWritePreview() {
    m_preview->showPreview(m_link.writeFlow(), m_state.bandOverrideMode, m_state.language);
}

void WritePart::writeFlowFinished(WriteFlowOutcome outcome) {
    WriteFlow *flow = &m_link.writeFlow();
    CloneSession &session = m_link.session();
    setStatusLine(
        [flow, outcome](qint16 language) { return writeOutcomeText(*flow, outcome, language); });
    // The flashing status label tells the same, in short; a refused band
    // and a time-out keep the session's own texts.
    if (outcome == WriteFlowOutcome::Verified || outcome == WriteFlowOutcome::Written)
        session.showStatus(linkText(LinkText::WriteSuccess, m_state.language));
    else if (outcome != WriteFlowOutcome::BandRefused && outcome != WriteFlowOutcome::Declined &&
             outcome != WriteFlowOutcome::TimedOut)
        session.showStatus(StatusLine->text());

    switch (outcome) {
    case WriteFlowOutcome::BackupFailed:
        m_port.show(StatusLine->text(), MsgStyle::IconStop, QString());
        break;
    case WriteFlowOutcome::VerifyFailed:
        // What differs, and the backup offered for writing back.
        if (m_port.show(verifyFailureMessage(*flow, m_state.language),
                        MsgStyle::YesNo | MsgStyle::IconExclamation, QString()) == MsgResult::Yes)
            flow->startRestore();
        break;
    case WriteFlowOutcome::TimedOut:
        if (flow->failedStep() == WriteFlowStep::Write && flow->backup().ok &&
            m_port.show(StatusLine->text() + QStringLiteral("\n\n") +
                            restoreQuestion(*flow, m_state.language),
                        MsgStyle::YesNo | MsgStyle::IconExclamation, QString()) == MsgResult::Yes)
            flow->startRestore();
        break;
    default:
        break;
    }
}

void WritePart::readSessionEnded(SessionOutcome outcome) {
    // The sessions of a write are the flow's; this is Read From Radio.
    CloneSession &session = m_link.session();
    if (m_link.writeFlow().running() || session.kind() != QLatin1Char('R'))
        return;
    if (outcome != SessionOutcome::Success) {
        setStatusLine(
            [](qint16 language) { return linkText(LinkText::CommunicationError, language); });
        return;
    }
    const BackupSaveResult backup =
        m_backups.save(session.readImage(), BackupKind::Read, session.identifiedBand());
    setStatusLine([backup](qint16 language) { return readOutcomeText(backup, language); });
    if (!backup.ok)
        m_port.show(backupFailureMessage(backup, false, m_state.language), MsgStyle::IconStop,
                    QString());
}

void WritePart::setStatusLine(std::function<QString(qint16)> text) {
    m_statusLineText = std::move(text);
    retranslate();
}

void WritePart::retranslate() {
    const QString text = m_statusLineText ? m_statusLineText(m_state.language) : QString();
    StatusLine->setText(text);
    StatusLine->setToolTip(text);
}

void WritePart::showBackups() {
    m_backupsWindow->showBackups(m_backups, m_state.language);
}

void WritePart::openBackup(const QString &path) {
    // As File > Open, without the file dialog: unsaved work is asked about
    // first, and the opening is one step Undo takes back; after Cancel at
    // the question, or a file that cannot be opened, the window stays as it
    // was.
    if (m_editor.openNamedFile(path))
        m_backupsWindow->accept();
}
