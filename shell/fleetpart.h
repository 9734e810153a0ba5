// The programming of a fleet in the main window: Programming > Program
// radios... (mnuProgramRadios) opens the window that writes one radio after
// another with a master on the ports checked, and File > Journal...
// (mnuJournal) the window of the journal every radio is recorded in. The
// part owns its items and its windows; the lines and the journal are the
// core's (ProgrammingLine, Journal). The master is taken from the editor,
// the backups go where the write part keeps them, the ports are those of
// the radio link.
#pragma once

#include "shell/programradioswindow.h"

#include <QObject>
#include <QString>

#include <functional>

class EditorWindow;
class FileChooser;
class JournalWindow;
class QAction;
class QUrl;
class QWidget;
class RadioLinkPart;
class WritePart;
struct EditorState;

class FleetPart : public QObject, private ProgramRadiosHost {
    Q_OBJECT
public:
    // Opens a folder in the file manager (the main window's URL opener).
    using UrlOpener = std::function<bool(const QUrl &)>;

    FleetPart(EditorState &state, RadioLinkPart &link, WritePart &write, EditorWindow &editor,
              UrlOpener opener, QWidget *window);
    ~FleetPart() override;

    QAction *programRadiosItem() const { return mnuProgramRadios; }
    QAction *journalItem() const { return mnuJournal; }

    // Where the master file is chosen (the main window's file dialogs).
    void setFileChooser(FileChooser *chooser) { m_chooser = chooser; }
    // The journal every radio is appended to (Journal::standardPath()).
    void setJournalPath(const QString &path) { m_journalPath = path; }
    QString journalPath() override { return m_journalPath; }

    // The items and windows follow the main window's language.
    void retranslate();

protected:
    bool event(QEvent *event) override;

private:
    void showProgramRadios();
    void showJournal();

    // What the Program radios window asks of the main window.
    ProgrammingMaster editorMaster() override;
    QString chooseMasterFile() override;
    QList<KnownPort> knownPorts() override;
    QString chosenDevice() override;
    bool releasePort() override;
    BackupStore backupStore() override;
    qint16 languageFlag() override;

    EditorState &m_state;
    RadioLinkPart &m_link;
    WritePart &m_write;
    EditorWindow &m_editor;
    UrlOpener m_opener;
    QWidget *m_window;
    FileChooser *m_chooser = nullptr;
    QString m_journalPath;
    QAction *mnuProgramRadios;
    QAction *mnuJournal;
    ProgramRadiosWindow *m_programRadios = nullptr;
    JournalWindow *m_journalWindow = nullptr;
};
