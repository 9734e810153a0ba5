// Write To Radio as one flow the user starts with one command:
//
//   1. backup read   a read session that leaves the editor alone; what the
//                    radio held is saved as a backup (a backup that cannot
//                    be saved ends the flow: nothing is written)
//   2. preview       the changes from the radio's contents to the image to
//                    be written, and the warnings; the window or the
//                    command line answers write() or cancel()
//   3. write         a write session of exactly the image previewed, with
//                    the session's own band check before the first block
//   4. verify read   a read session again; the written address ranges must
//                    hold what was sent, or the flow reports which fields
//                    differ (the backup can then be written back)
//
// The protocol has no read inside a write session, so these are separate
// sessions of the one CloneSession, started one after the other without
// the blink pause between them.
#pragma once

#include "image/backups.h"
#include "image/imagechanges.h"
#include "image/writechecks.h"

#include <QObject>
#include <QString>

class CloneSession;
struct EditorState;
enum class SessionOutcome;

enum class WriteFlowStep { Idle, BackupRead, Preview, Write, VerifyRead };

enum class WriteFlowOutcome {
    Verified,     // written, read back, and equal in every written range
    Written,      // written; no read back was asked for
    VerifyFailed, // the read back differs from what was sent: differences()
    Cancelled,    // stopped at the preview: the radio only gave a read
    DryRun,       // only the preview was asked for
    BackupFailed, // the backup could not be saved; nothing was written
    BandRefused,  // the write session's band check refused
    Declined,     // band override mode: the user answered No
    TimedOut,     // a session of the flow ended by time-out: failedStep()
    NotStarted,   // a session of the flow could not start (the port did not open)
};

class WriteFlow : public QObject {
    Q_OBJECT
public:
    WriteFlow(EditorState &editor, CloneSession &session, QObject *parent = nullptr);

    void setBackupStore(const BackupStore &store) { m_store = store; }
    const BackupStore &backupStore() const { return m_store; }
    // The read back after the write (on unless switched off).
    void setVerify(bool on) { m_verify = on; }
    bool verify() const { return m_verify; }
    // Stop after the preview (the backup is then kept as a read).
    void setDryRun(bool on) { m_dryRun = on; }

    // Write To Radio. False when nothing started: the commands rest (an
    // exchange runs) or the port did not open (the session said so).
    bool start();
    // Writes the backup of the last flow back to the radio, as it was read,
    // and reads it back when verify() is on. False as start(), or when there
    // is no backup.
    bool startRestore();

    // The answers to previewReady(): write what the preview shows (also
    // when it shows no change), or stop with nothing written.
    void write();
    void cancel();

    bool running() const { return m_step != WriteFlowStep::Idle; }
    WriteFlowStep step() const { return m_step; }
    // The step at which the last flow ended without success.
    WriteFlowStep failedStep() const { return m_failedStep; }
    bool restoring() const { return m_restoring; }

    // After the backup read: what the radio held (hex text, 1024 bytes from
    // address 0x0010), its band (-1: a code outside the table), the backup
    // file, and the preview of the write.
    QString backupImage() const { return m_backupImage; }
    int radioBand() const { return m_radioBand; }
    const BackupSaveResult &backup() const { return m_backup; }
    QString writeImage() const { return m_writeImage; }
    int writeBand() const { return m_writeBand; }
    const ImageChanges &changes() const { return m_changes; }
    const QList<WriteWarning> &warnings() const { return m_warnings; }

    // After the verify read: what differs from what was sent, and the
    // image the radio gave back.
    const ImageChanges &differences() const { return m_differences; }
    QString readBackImage() const { return m_readBack; }

signals:
    void runningChanged(bool running);
    // The preview is ready: changes(), warnings(). Answer write() or cancel().
    void previewReady();
    void finished(WriteFlowOutcome outcome);

private:
    void sessionFinished(SessionOutcome outcome);
    void afterBackupRead();
    void beginWrite();
    void afterWrite();
    void afterVerifyRead();
    void finish(WriteFlowOutcome outcome, WriteFlowStep failedAt = WriteFlowStep::Idle);
    void setStep(WriteFlowStep step);

    EditorState &m_editor;
    CloneSession &m_session;
    BackupStore m_store;
    bool m_verify = true;
    bool m_dryRun = false;
    bool m_restoring = false;
    bool m_debugWrite = false; // debug write mode when the write began

    WriteFlowStep m_step = WriteFlowStep::Idle;
    WriteFlowStep m_failedStep = WriteFlowStep::Idle;
    QString m_backupImage;
    int m_radioBand = -1;
    BackupSaveResult m_backup;
    QString m_writeImage;
    int m_writeBand = 0;
    ImageChanges m_changes;
    QList<WriteWarning> m_warnings;
    ImageChanges m_differences;
    QString m_readBack;
};
