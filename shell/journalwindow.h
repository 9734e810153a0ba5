// The Journal window (JournalWindow, File > Journal...): the programming
// journal's lines as a table, oldest first: time, master, its SHA-256 (cut
// short; the whole value in the tip), port, band, model, outcome and
// backup. Refresh reads the file again; Open folder opens the folder that
// holds it. A journal not yet written shows an empty table and says that no
// radio has been programmed yet.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

class JournalWindow : public QWidget {
    Q_OBJECT
public:
    explicit JournalWindow(QWidget *parent);

    // Reads the journal `path` and shows the window.
    void showJournal(const QString &path);
    // Reads the journal again.
    void refresh();

    QTableWidget *list() const { return journalList; }

    void retranslate();

signals:
    // Open folder: the folder that holds the journal.
    void openFolderRequested(const QString &folder);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fill();

    QString m_path;
    QList<QStringList> m_lines;

    QLabel *lblJournalFile;
    QLabel *JournalPath;
    QLabel *lblNoJournal;
    QTableWidget *journalList;
    QPushButton *cmdRefreshJournal;
    QPushButton *cmdOpenJournalFolder;
    QPushButton *cmdCloseJournal;
};
