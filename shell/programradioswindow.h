// The Program radios window (ProgramRadiosWindow, Programming > Program
// radios...): writes one radio after another with one master, on every
// port checked, each radio by the whole verified write of the single write.
//
// The master is the editor's contents (taken afresh at each Start) or a
// data file chosen here. It is checked before a radio is started: a master
// the radio could not hold as it is starts no radio, and the window says
// why. Each port checked gets a group of its own with Start and Retry
// (radiolinegroup.h); Enter starts the group that has the focus, or the
// only one. Every radio gets a row in the list and a line in the journal,
// naming its port; the counters count the radios written and checked and
// those whose last try failed, and a failure sounds the beep.
#pragma once

#include "image/backups.h"
#include "link/programmingline.h"
#include "shell/programmingmaster.h"
#include "shell/radiolinkpart.h"

#include <QHash>
#include <QList>
#include <QWidget>

#include <functional>
#include <optional>

class ProgrammedRadiosTable;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class RadioLineGroup;

// What the window asks of the program around it.
class ProgramRadiosHost {
public:
    // The editor's contents as they are now (a cell being typed is stored
    // first).
    virtual ProgrammingMaster editorMaster() = 0;
    // A master file from the file dialog; empty when cancelled.
    virtual QString chooseMasterFile() = 0;
    // The ports the Communication port menu knows, and the one chosen there.
    virtual QList<KnownPort> knownPorts() = 0;
    virtual QString chosenDevice() = 0;
    // The main window lets go of its port; false while it exchanges with a
    // radio.
    virtual bool releasePort() = 0;
    virtual BackupStore backupStore() = 0;
    virtual QString journalPath() = 0;
    // The main window's language flag: the change list and the master's
    // problems are said as the single write says them.
    virtual qint16 languageFlag() = 0;

protected:
    ~ProgramRadiosHost() = default;
};

class ProgramRadiosWindow : public QWidget {
    Q_OBJECT
public:
    ProgramRadiosWindow(ProgramRadiosHost &host, QWidget *parent);
    ~ProgramRadiosWindow() override;

    // Lists the ports afresh (the first time with the port chosen in the
    // main window checked), checks the master and shows the window.
    void showWindow();
    // What sounds when a radio fails (QApplication::beep unless replaced).
    void setBeep(std::function<void()> beep);

    QList<RadioLineGroup *> lines() const;
    bool busy() const;
    // Radios whose last try was written and checked, and whose last try
    // failed.
    int doneCount() const;
    int failedCount() const;

    void retranslate();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Source { Editor, File };
    void listPorts();
    void addTypedPort();
    QListWidgetItem *addPortItem(const QString &device, const QString &label, bool checked);
    void portItemChanged(QListWidgetItem *item);
    void showLines();
    void chooseMasterFile();
    void setSource(Source source);
    std::optional<ProgrammingMaster> takeMaster();
    void showMaster();
    void showMasterText();
    void startLine(RadioLineGroup *group, bool retry);
    void radioFinished(RadioLineGroup *group, int number, const RadioRecord &record);
    void showCounters();
    void setStatus(std::function<QString()> text, bool alarm);
    RadioLineGroup *lineOfFocus() const;

    ProgramRadiosHost &m_host;
    std::function<void()> m_beep;
    Source m_source = Source::Editor;
    QString m_masterFile;
    std::optional<ProgrammingMaster> m_fileMaster;
    StateFileStatus m_fileStatus;
    std::optional<ProgrammingMaster> m_master; // the master as last taken and checked
    bool m_portsListed = false;
    int m_lastNumber = 0;
    QHash<int, RadioOutcome> m_outcomes; // the last try of each radio, by number
    std::function<QString()> m_status;
    bool m_statusAlarm = false;

    QGroupBox *grpMaster;
    QGroupBox *grpPorts;
    QGroupBox *grpLines;
    QRadioButton *optEditorMaster;
    QRadioButton *optFileMaster;
    QPushButton *cmdMasterFile;
    QLabel *lblMaster;
    QLabel *lblMasterCheck;
    QListWidget *m_ports;
    QLineEdit *m_newPort;
    QPushButton *cmdAddPort;
    QLabel *lblNoLines;
    QVBoxLayout *m_lineLayout;
    ProgrammedRadiosTable *m_list;
    QLabel *lblCounters;
    QLabel *lblStatus;
    QPushButton *cmdClose;
};
