// The Backups window (frmBackups, File > Backups...): the backups in the
// per-user folder, newest first, with their date, kind and band. Open (or
// Enter, or a double click) opens the chosen one as File > Open would, and
// the window goes once it is open; Close and Escape put the window away.
#pragma once

#include "image/backups.h"

#include <QDialog>
#include <QList>
#include <QtGlobal>

class QLabel;
class QPushButton;
class QTableWidget;

class BackupsWindow : public QDialog {
    Q_OBJECT
public:
    explicit BackupsWindow(QWidget *parent);

    // Lists the backups of the store in the language given and shows the
    // window.
    void showBackups(const BackupStore &store, qint16 language);
    // Lists them again (after a change of language).
    void refresh(qint16 language);

    QTableWidget *list() const { return BackupList; }
    QPushButton *openButton() const { return cmdOpenBackup; }
    QPushButton *closeButton() const { return cmdCloseBackups; }
    QString selectedPath() const;

signals:
    // Open, Enter or a double click on a backup. The window stays open
    // until its owner, having opened the backup, closes it (accept).
    void openRequested(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openSelected();

    QLabel *lblBackupFolder;
    QLabel *FolderPath;
    QLabel *lblNoBackups;
    QTableWidget *BackupList;
    QPushButton *cmdOpenBackup;
    QPushButton *cmdCloseBackups;
    BackupStore m_store;
    QList<BackupEntry> m_entries;
};
