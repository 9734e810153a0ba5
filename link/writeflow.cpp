#include "link/writeflow.h"

#include "image/imagecodec.h"
#include "link/clonesession.h"
#include "model/bands.h"
#include "model/editorstate.h"
#include "model/layout.h"

WriteFlow::WriteFlow(EditorState &editor, CloneSession &session, QObject *parent)
    : QObject(parent), m_editor(editor), m_session(session) {
    // The next step runs from the event loop, not inside the receive
    // handler of the session that just ended.
    connect(&m_session, &CloneSession::finished, this, &WriteFlow::sessionFinished,
            Qt::QueuedConnection);
}

bool WriteFlow::start() {
    if (running() || !m_session.startImageRead())
        return false;
    m_restoring = false;
    m_failedStep = WriteFlowStep::Idle;
    m_backupImage.clear();
    m_radioBand = -1;
    m_backup = BackupSaveResult();
    m_changes = ImageChanges();
    m_warnings.clear();
    m_differences = ImageChanges();
    m_readBack.clear();
    setStep(WriteFlowStep::BackupRead);
    return true;
}

bool WriteFlow::startRestore() {
    if (running() || m_backupImage.size() < Layout::kImageSize * 2)
        return false;
    m_restoring = true;
    m_failedStep = WriteFlowStep::Idle;
    m_writeImage = m_backupImage.left(Layout::kImageSize * 2);
    // The band the backup was read from; the radio's own band, so the band
    // check lets it through.
    const int band = bandPositionOfCode(
        bytesFromImage(m_backupImage.mid(Layout::kBandCode * 2, 2)).at(0) & 0xFF);
    m_writeBand = m_radioBand >= 0 ? m_radioBand : (band >= 0 ? band : m_editor.bandPosition);
    m_changes = ImageChanges();
    m_differences = ImageChanges();
    m_readBack.clear();
    m_debugWrite = m_editor.debugWriteMode;
    // Asked for as the last flow ends: its blink need not run out first.
    m_session.endBlink();
    if (!m_session.startImageWrite(m_writeImage, m_writeBand)) {
        m_restoring = false;
        return false;
    }
    setStep(WriteFlowStep::Write);
    return true;
}

void WriteFlow::write() {
    if (m_step != WriteFlowStep::Preview)
        return;
    beginWrite();
}

void WriteFlow::cancel() {
    if (m_step != WriteFlowStep::Preview)
        return;
    finish(WriteFlowOutcome::Cancelled);
}

void WriteFlow::sessionFinished(SessionOutcome outcome) {
    const WriteFlowStep step = m_step;
    if (step != WriteFlowStep::BackupRead && step != WriteFlowStep::Write &&
        step != WriteFlowStep::VerifyRead)
        return;
    switch (outcome) {
    case SessionOutcome::Success:
        break;
    case SessionOutcome::BandRefused:
        finish(WriteFlowOutcome::BandRefused, step);
        return;
    case SessionOutcome::Declined:
        finish(WriteFlowOutcome::Declined, step);
        return;
    case SessionOutcome::TimedOut:
        finish(WriteFlowOutcome::TimedOut, step);
        return;
    }
    if (step == WriteFlowStep::BackupRead)
        afterBackupRead();
    else if (step == WriteFlowStep::Write)
        afterWrite();
    else
        afterVerifyRead();
}

void WriteFlow::afterBackupRead() {
    m_backupImage = m_session.readImage();
    m_radioBand = m_session.identifiedBand();
    m_backup = m_store.save(m_backupImage, m_dryRun ? BackupKind::Read : BackupKind::BeforeWrite,
                            m_radioBand);
    if (!m_backup.ok) {
        finish(WriteFlowOutcome::BackupFailed, WriteFlowStep::BackupRead);
        return;
    }
    // What will be written is fixed here: the preview shows exactly it.
    m_writeImage = EncodeImage(m_editor);
    m_writeBand = m_editor.bandPosition;
    m_debugWrite = m_editor.debugWriteMode;
    m_changes = compareImages(bytesFromImage(m_backupImage), bytesFromImage(m_writeImage),
                              writtenRanges(m_debugWrite), m_editor.language);
    m_warnings = checkBeforeWrite(m_editor, m_radioBand);
    if (m_dryRun) {
        finish(WriteFlowOutcome::DryRun);
        return;
    }
    setStep(WriteFlowStep::Preview);
    m_session.endBlink();
    emit previewReady();
}

void WriteFlow::beginWrite() {
    m_session.endBlink();
    m_debugWrite = m_editor.debugWriteMode;
    if (!m_session.startImageWrite(m_writeImage, m_writeBand)) {
        finish(WriteFlowOutcome::NotStarted, WriteFlowStep::Write);
        return;
    }
    setStep(WriteFlowStep::Write);
}

void WriteFlow::afterWrite() {
    if (!m_verify) {
        finish(WriteFlowOutcome::Written);
        return;
    }
    m_session.endBlink();
    if (!m_session.startImageRead()) {
        finish(WriteFlowOutcome::NotStarted, WriteFlowStep::VerifyRead);
        return;
    }
    setStep(WriteFlowStep::VerifyRead);
}

void WriteFlow::afterVerifyRead() {
    m_readBack = m_session.readImage();
    m_differences = compareImages(bytesFromImage(m_writeImage), bytesFromImage(m_readBack),
                                  writtenRanges(m_debugWrite), m_editor.language);
    if (m_differences.isEmpty())
        finish(WriteFlowOutcome::Verified);
    else
        finish(WriteFlowOutcome::VerifyFailed, WriteFlowStep::VerifyRead);
}

void WriteFlow::finish(WriteFlowOutcome outcome, WriteFlowStep failedAt) {
    m_failedStep = failedAt;
    setStep(WriteFlowStep::Idle);
    emit finished(outcome);
}

void WriteFlow::setStep(WriteFlowStep step) {
    const bool was = running();
    m_step = step;
    if (was != running())
        emit runningChanged(running());
}
