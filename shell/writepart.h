// The write part of the main window: the preview of Write To Radio, what a
// write came to (a read back that did not check out, or a write that timed
// out, offers the backup for writing back), the backup every read and write
// keeps with File > Backups..., and the line under the window that keeps
// the outcome of the last read or write after the status label has stopped
// flashing. The write flow itself runs in the radio link.
#pragma once

#include "image/backups.h"

#include <QObject>
#include <QString>

#include <functional>

class BackupsWindow;
class EditorWindow;
class MessagePort;
class QAction;
class QLabel;
class QMainWindow;
class RadioLinkPart;
class WritePreviewWindow;
enum class SessionOutcome;
enum class WriteFlowOutcome;
struct EditorState;

class WritePart : public QObject {
    Q_OBJECT
public:
    // The preview and Backups windows belong to `window`, the status line
    // to its status bar; a backup opened goes to `editor`.
    WritePart(EditorState &state, MessagePort &port, RadioLinkPart &link, EditorWindow &editor,
              QMainWindow *window);
    ~WritePart() override;

    // File > Backups... (mnuBackups).
    QAction *backupsItem() const { return mnuBackups; }

    // Where the backups of reads and writes are kept.
    void setBackupStore(const BackupStore &store);
    const BackupStore &backupStore() const { return m_backups; }

    // The status line follows the language.
    void retranslate();

private:
    void showBackups();
    void openBackup(const QString &path);
    void showWritePreview();
    void writeFlowFinished(WriteFlowOutcome outcome);
    void readSessionEnded(SessionOutcome outcome);
    void setStatusLine(std::function<QString(qint16)> text);

    EditorState &m_state;
    MessagePort &m_port;
    RadioLinkPart &m_link;
    EditorWindow &m_editor;
    BackupStore m_backups;
    QAction *mnuBackups = nullptr;
    WritePreviewWindow *m_preview = nullptr;
    BackupsWindow *m_backupsWindow = nullptr;
    QLabel *StatusLine = nullptr; // outcome of the last read or write, kept
    std::function<QString(qint16)> m_statusLineText;
};
