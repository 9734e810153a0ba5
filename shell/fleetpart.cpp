#include "shell/fleetpart.h"

#include "model/editorstate.h"
#include "shell/editorwindow.h"
#include "shell/filecommands.h"
#include "shell/journal.h"
#include "shell/journalwindow.h"
#include "shell/radiolinkpart.h"
#include "shell/writepart.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QUrl>

FleetPart::FleetPart(EditorState &state, RadioLinkPart &link, WritePart &write,
                     EditorWindow &editor, UrlOpener opener, QWidget *window)
    : QObject(window), m_state(state), m_link(link), m_write(write), m_editor(editor),
      m_opener(std::move(opener)), m_window(window), m_journalPath(Journal::standardPath()),
      mnuProgramRadios(new QAction(this)), mnuJournal(new QAction(this)) {
    setObjectName(QStringLiteral("fleetPart"));
    mnuProgramRadios->setObjectName(QStringLiteral("mnuProgramRadios"));
    mnuJournal->setObjectName(QStringLiteral("mnuJournal"));
    connect(mnuProgramRadios, &QAction::triggered, this, &FleetPart::showProgramRadios);
    connect(mnuJournal, &QAction::triggered, this, &FleetPart::showJournal);
    retranslate();
}

FleetPart::~FleetPart() {
    // The windows belong to the main window but ask the part: they go first.
    delete m_programRadios;
    delete m_journalWindow;
}

void FleetPart::showProgramRadios() {
    if (!m_programRadios)
        m_programRadios = new ProgramRadiosWindow(*this, m_window);
    m_programRadios->showWindow();
}

void FleetPart::showJournal() {
    if (!m_journalWindow) {
        m_journalWindow = new JournalWindow(m_window);
        connect(m_journalWindow, &JournalWindow::openFolderRequested, this,
                [this](const QString &folder) {
                    // The folder is made if no radio was recorded yet, so
                    // that there is something to open.
                    QDir().mkpath(folder);
                    if (m_opener)
                        m_opener(QUrl::fromLocalFile(folder));
                });
    }
    m_journalWindow->showJournal(m_journalPath);
}

void FleetPart::retranslate() {
    mnuProgramRadios->setText(tr("Program radios..."));
    mnuJournal->setText(tr("Journal..."));
    // The windows at once, as the main window's language switch runs.
    if (m_programRadios)
        m_programRadios->retranslate();
    if (m_journalWindow)
        m_journalWindow->retranslate();
}

bool FleetPart::event(QEvent *event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::event(event);
}

ProgrammingMaster FleetPart::editorMaster() {
    m_editor.finishCellEditing(true);
    return programmingMaster(m_state, editorMasterName(m_editor.filePath()));
}

QString FleetPart::chooseMasterFile() {
    return m_chooser ? m_chooser->openPath(dataFileFilter()) : QString();
}

QList<KnownPort> FleetPart::knownPorts() {
    return m_link.knownPorts();
}

QString FleetPart::chosenDevice() {
    return m_link.chosenDevice();
}

bool FleetPart::releasePort() {
    return m_link.releasePort();
}

BackupStore FleetPart::backupStore() {
    return m_write.backupStore();
}

qint16 FleetPart::languageFlag() {
    return m_state.language;
}
