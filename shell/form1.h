// Form1: the main window. It holds the menus, the toolbar, the band
// selector, the Functions Setting panel, the channel table, the exchange
// indicators and the copyright line, and wires the parts that own the
// commands: the radio link (ports, Read, Write, the serial trace), the write
// (preview, check, backups, the status line), the channel commands (Undo,
// Redo, the clipboard, Import, Export, Print) and the programming of a fleet
// (Program radios, the journal). The window keeps the File commands, the
// lock, the language and the parameter file.
#pragma once

#include "link/serialport.h"
#include "model/editorstate.h"
#include "shell/devicesetting.h"
#include "shell/editorwindow.h"
#include "shell/parameterfile.h"
#include "shell/preferences.h"
#include "shell/servicemodes.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class BackupStore;
class CellEditors;
class ChannelCommandsPart;
class ChannelGrid;
class FleetPart;
class FileChooser;
class FunctionsPanel;
class InteropPrompts;
class LocalizedMessagePort;
class OptionDialogs;
class PortEnumerator;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;
class QUrl;
class RadioLinkPart;
class WritePart;

class Form1 : public QMainWindow, private EditorWindow {
    Q_OBJECT
public:
    // The parameter file in the program's folder (or the per-user folder).
    explicit Form1(QWidget *parent = nullptr);
    // The parameter file given (tests point it at a folder of their own);
    // the device setting is the user's.
    explicit Form1(const ParameterFile &parameterFile, QWidget *parent = nullptr);
    // The parameter file and the device setting given.
    Form1(const ParameterFile &parameterFile, const DeviceSetting &deviceSetting,
          QWidget *parent = nullptr);
    ~Form1() override;

    // What the editor holds: the channels, the settings, the band and the
    // language (tests arrange and check it here).
    EditorState &state() { return m_state; }

    // Replaces the file dialogs (null: the platform's dialogs again).
    void setFileChooser(FileChooser *chooser);
    // Replaces the questions of Import and Export PDF (null: the windows).
    void setInteropPrompts(InteropPrompts *prompts);
    // Replaces the step that opens the help in a viewer or browser.
    using UrlOpener = std::function<bool(const QUrl &)>;
    void setUrlOpener(UrlOpener opener);
    // Replaces the clock of the service modes' gestures.
    void setServiceClock(ServiceModes::Clock clock);
    // Which device each port item stands for (tests let COM1 stand for a
    // pseudo-terminal); the items' tips follow. Empty: the platform's rule.
    void setPortNaming(SerialPort::PortNaming naming);
    // Where the menu's device items and Find my cable get the devices
    // present (null: the system's).
    void setPortEnumerator(PortEnumerator *enumerator);
    // How long Find my cable waits for a cable just plugged in.
    void setCableSearch(int polls, int intervalMs);
    // Where the backups of reads and writes are kept.
    void setBackupStore(const BackupStore &store);

    // Opens the data file `path` as File > Open does once the file is
    // chosen, with the same messages (the file named at start).
    void openFile(const QString &path);
    // The device given on the command line (vq740 --port DEVICE), for this
    // run only.
    void chooseStartDevice(const QString &device);

signals:
    void unloaded(); // the parameter file is written; end now

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Construction (form1.cpp): the menus and their items, the toolbar, the
    // panels and the parts; then the load of the parameter file
    // (form1lifecycle.cpp).
    void buildMenus();
    void buildToolbar();
    void buildPanels();
    void buildCellEditors();
    void buildParts();
    void fillMenus();
    void setKeyboardOrder();
    void load();
    Preferences preferences() const;

    // The editor as the parts see it, and the File commands (form1editor.cpp).
    bool editLock() const override;
    void finishCellEditing(bool commit) override;
    void refreshAfterDecode() override;
    void updateTitle() override;
    bool keepUnsavedWork() override;
    bool openNamedFile(const QString &path) override;
    QString filePath() const override { return m_filePath; }
    void buildHistory();
    void recordEdit(const QString &what);
    void commandNew();
    void commandOpen();
    void commandSave();
    // Open with a file from `chooser`: true when a file was opened (after
    // the question about unsaved work).
    bool openWith(FileChooser &chooser);
    // Saves the editor to its own file (`toOwnFile`) or to a file the user
    // chooses, as Save does; true when it was saved.
    bool saveEditor(bool toOwnFile);

    // The window's own controls (form1controls.cpp): the lock, the language,
    // help, the band selector and the service modes' gestures.
    void applyLock(bool locked);
    void commandChinese();
    void commandEnglish();
    void commandLanguage(const QString &code);
    void applyLanguage();
    void retranslateParts();
    void commandHelp();
    void bandSelectorChanged(int position);
    void panelCaptionClicked(const QString &caption);
    void debugCaptionClicked(int which);
    void bandOverrideButtonClicked();
    void debugWriteButtonClicked();

    // What the window shows of a radio exchange (form1exchange.cpp).
    void connectExchange();
    void setRadioCommandsEnabled(bool enabled);
    void radioSessionStarted();
    void retranslateRadioStatus();
    bool bandChangeHeldBySession();

    EditorState m_state;
    ParameterFile m_parameterFile;
    ServiceModes m_modes;
    std::unique_ptr<LocalizedMessagePort> m_port;
    std::unique_ptr<FileChooser> m_ownChooser;
    FileChooser *m_chooser = nullptr;
    UrlOpener m_urlOpener;
    bool m_unloaded = false;
    QString m_filePath;
    OptionDialogs *m_dialogs = nullptr;
    CellEditors *m_editors = nullptr;

    // Menus and the window's own items; the parts bring the others.
    QMenu *mnuFile = nullptr;
    QAction *mnuNew = nullptr;
    QAction *mnuOpen = nullptr;
    QAction *mnuAssave = nullptr;
    QAction *mnuQuit = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnupro = nullptr;
    QAction *mnudtmf = nullptr;       // Optional function (hidden)
    QAction *Key_enactment = nullptr; // Keys Assignment (hidden)
    QAction *mnusetin = nullptr;
    QAction *mnudebug = nullptr;
    QAction *mnutestfre = nullptr;
    QMenu *mnuset = nullptr;
    QAction *mnulock = nullptr;
    QMenu *mnucom = nullptr;
    QMenu *mnuLanguage = nullptr;
    QAction *mnuChinese = nullptr;
    QAction *mnuEnglish = nullptr;
    QList<QAction *> m_furtherLanguageItems; // mnuLanguage_<code>: each further translation
    QString m_furtherLanguage;               // the one chosen, or empty for English
    QMenu *mnuhelp = nullptr;
    QAction *mnumainhelp = nullptr; // the help topic (hidden; F1 still opens help)
    QAction *mnuabout = nullptr;

    QToolBar *Toolbar1 = nullptr;
    QAction *m_buttons[9] = {}; // Toolbar1 buttons 1 to 8

    QGroupBox *Frame1 = nullptr;      // model frame
    QLabel *Label3 = nullptr;         // Range
    QComboBox *Combo1 = nullptr;      // band selector
    FunctionsPanel *Frame2 = nullptr; // Functions Setting panel
    ChannelGrid *Grid1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Label = nullptr;       // status of a radio exchange
    QLabel *Label2 = nullptr;      // the maker's copyright line
    QLabel *lblHelpHint = nullptr; // "Press F1 for the user guide", while idle

    DeviceSetting m_deviceSetting; // handed to the radio link
    // The parts, declared last so that they go first when the window is
    // destroyed, while the state and the message box are still there; the
    // radio link last of them, as the write uses its flow.
    std::unique_ptr<RadioLinkPart> m_link;
    std::unique_ptr<WritePart> m_write;
    std::unique_ptr<ChannelCommandsPart> m_commands;
    std::unique_ptr<FleetPart> m_fleet;
};
