// Form1: the main window. It holds the menus, the toolbar, the band
// selector, the Functions Setting panel, the channel table, the exchange
// indicators and the copyright line, and forwards every command to the core.
#pragma once

#include "image/backups.h"
#include "link/serialport.h"
#include "model/editorstate.h"
#include "shell/devicesetting.h"
#include "shell/parameterfile.h"
#include "shell/preferences.h"
#include "shell/servicemodes.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class BackupsWindow;
class CellEditors;
class ChannelGrid;
class CloneSession;
class EditorHistory;
class FileChooser;
class InteropDialogs;
class InteropPrompts;
class LocalizedMessagePort;
class MessagePort;
class OptionDialogs;
class OtherPortDialog;
class PortChooser;
class PortEnumerator;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;
class QUrl;
class SerialTrace;
class SystemPortEnumerator;
class SystemSerialPort;
class TraceWindow;
class WriteFlow;
class WritePreviewWindow;
enum class SessionOutcome;
enum class WriteFlowOutcome;

class Form1 : public QMainWindow {
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

    EditorState &state() { return m_state; }
    MessagePort &messagePort();
    ServiceModes &serviceModes() { return m_modes; }
    OptionDialogs *optionDialogs() const { return m_dialogs; }
    const ParameterFile &parameterFile() const { return m_parameterFile; }

    // The preferences as they stand: the Lock item's check mark, the
    // remembered port and the language flag. Written at unload.
    Preferences preferences() const;
    bool editLock() const;
    // The remembered port is the port chooser's: one value for the menu,
    // the read and write commands and the parameter file.
    int rememberedPort() const;
    void setRememberedPort(int port);

    // Replaces the file dialogs (null: the platform's dialogs again).
    void setFileChooser(FileChooser *chooser);
    // Replaces the questions of Import and Export PDF (null: the windows).
    void setInteropPrompts(InteropPrompts *prompts);
    // Replaces the step that opens the help in a viewer or browser.
    using UrlOpener = std::function<bool(const QUrl &)>;
    void setUrlOpener(UrlOpener opener);

    // Controls a radio exchange drives.
    QToolBar *toolbar() const { return Toolbar1; }
    QMenu *programmingMenu() const { return mnupro; }
    QAction *readButton() const { return m_buttons[5]; }
    QAction *writeButton() const { return m_buttons[6]; }
    QAction *toolbarButton(int index) const; // 1 to 8, 4 is the separator
    QAction *readCommand() const { return mnureadFre; }
    QAction *writeCommand() const { return mnuwriteFre; }
    QAction *portItem(int port) const; // mnucom1 to mnucom8
    QMenu *portMenu() const { return mnucom; }
    // The device items of the Communication port menu as last built (when
    // the menu opened): mnucomDevice_0 and on, each with its device as data.
    QList<QAction *> deviceItems() const { return m_deviceItems; }
    QAction *otherPortItem() const { return mnucomOther; }
    QAction *findCableItem() const { return mnucomFind; }
    QAction *traceItem() const { return mnutrace; }
    // The windows of Other port... and Help > Serial trace, once opened.
    OtherPortDialog *otherPortDialog() const { return m_otherPort; }
    TraceWindow *traceWindow() const { return m_traceWindow; }
    QGroupBox *modelFrame() const { return Frame1; }
    QComboBox *bandSelector() const { return Combo1; }
    QLabel *statusLabel() const { return Label; }
    // The hint naming F1 that the status line shows while no exchange runs.
    QLabel *helpHint() const { return lblHelpHint; }
    QProgressBar *progressBar() const { return ProgressBar1; }
    ChannelGrid *grid() const { return Grid1; }
    // The in-place editors laid over the cells of Grid1.
    CellEditors *cellEditors() const { return m_editors; }

    // Ends the editing of a channel table cell, if an editor is open:
    // `commit` stores its value as leaving the editor does (before the table
    // is used: Save, Read, Write, a language or lock change); otherwise it
    // closes without a change (the table is being replaced or the program
    // ends). Runs at most one commit, whatever messages it shows.
    void finishCellEditing(bool commit);

    // The radio link: the serial port (MSComm1), the Communication port
    // menu's rule and the read and write sessions with their timers.
    SerialPort &serialPort();
    PortChooser &portChooser() { return *m_portChooser; }
    CloneSession &cloneSession() { return *m_session; }
    // Which device each port item stands for (tests let COM1 stand for a
    // pseudo-terminal); the items' tips follow. Empty: the platform's rule.
    void setPortNaming(SerialPort::PortNaming naming);
    // Where the menu's device items and Find my cable get the devices
    // present (null: the system's).
    void setPortEnumerator(PortEnumerator *enumerator);
    // How long Find my cable waits for a cable just plugged in.
    void setCableSearch(int polls, int intervalMs);
    // The serial trace of the last exchanges (Help > Serial trace).
    SerialTrace &serialTrace() { return *m_trace; }
    // The device given on the command line (vq740 --port DEVICE): chosen
    // as from the menu, but not remembered for the next start unless a port
    // is chosen from the menu meanwhile.
    void chooseStartDevice(const QString &device);

    // Write To Radio as a whole (backup read, preview, write, read back),
    // the backups of reads and writes, the preview and Backups windows, and
    // the line under the window that keeps the outcome of the last read or
    // write (form1backups.cpp).
    WriteFlow &writeFlow() { return *m_writeFlow; }
    void setBackupStore(const BackupStore &store);
    const BackupStore &backupStore() const { return m_backups; }
    WritePreviewWindow *writePreview() const { return m_preview; }
    BackupsWindow *backupsWindow() const { return m_backupsWindow; }
    QLabel *statusLine() const { return StatusLine; }

    // Replaces what the editor holds (channels, function settings, band,
    // settings store) with `next` as one user action described by `what`
    // ("Import", "Paste", ...), and shows it. The language flag and the
    // service modes stay as they are. Every change the window makes to more
    // than one value at once goes through here, so that it is one step.
    void applyEditorChange(const QString &what, const EditorState &next);

    // The history of edits: Undo, Redo and the unsaved-change mark.
    EditorHistory &history();
    // The file the editor was last opened from or saved to; empty for an
    // editor not saved yet (or just read from a radio).
    QString filePath() const { return m_filePath; }
    // Before work not saved would be replaced or lost (closing, Exit, Open,
    // New, a read): asks Yes (save) / No (discard) / Cancel when there is
    // any. Yes saves to the editor's file at once, or asks for a name for an
    // untitled editor. Returns true when the command may go on.
    bool keepUnsavedWork();

public slots:
    // After a decode (Open, a read): the channel table, the Functions
    // Setting lists, the band selector (without the band question) and the
    // option dialogs show the editor state again.
    void refreshAfterDecode();
    // The Functions Setting lists show the editor state.
    void refreshFunctionLists();

    void commandNew();
    void commandOpen();
    // Opens the data file `path` as File > Open does once the file is
    // chosen, with the same messages (the file named at start).
    void openFile(const QString &path);
    void commandSave();
    // Read From Radio and Write To Radio: store the cell being edited, then
    // hand the command on (readRequested, writeRequested).
    void commandRead();
    void commandWrite();
    void commandExit();
    void commandUndo();
    void commandRedo();
    void commandChinese();
    void commandEnglish();
    void commandHelp();
    void startReadSession();                         // a read, once the command is given
    void startWriteSession();                        // a write, once the command is given
    void commandChoosePort(int port);                // COM1 to COM8
    void commandChooseDevice(const QString &device); // a device item
    void commandOtherPort();                         // Other port...
    void commandFindCable();                         // Find my cable...
    void commandTrace();                             // Help > Serial trace
    void commandBackups();                           // File > Backups...
    // Opens a data file named (a backup) as Open does, and puts the Backups
    // window away once it is open; after Cancel at the question, or a file
    // that cannot be opened, the window stays as it was.
    void openBackup(const QString &path);

    // File > Import, Export, Print, Export PDF (form1interop.cpp).
    void commandImport();
    void commandExport();
    void commandPrint();
    void commandExportPdf();
    // Edit > Cut, Copy, Paste, Delete on whole channels (form1interop.cpp).
    void commandCut();
    void commandCopy();
    void commandPaste();
    void commandDelete();

signals:
    void readRequested();      // Read From Radio, menu or toolbar
    void writeRequested();     // Write To Radio, menu or toolbar
    void portChosen(int port); // COM1 to COM8 chosen (1 to 8); handled by
                               // commandChoosePort, which sets the marks
    void unloaded();           // the parameter file is written; end now

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildPanels();
    void buildCellEditors();
    void buildHistory();
    void recordEdit(const QString &what);
    void updateTitle();
    void load();
    // Open with a file from `chooser`, or the file named: true when a file
    // was opened (after the question about unsaved work).
    bool openWith(FileChooser &chooser);
    bool openNamedFile(const QString &path);
    // Saves the editor to its own file (`toOwnFile`) or to a file the user
    // chooses, as Save does; true when it was saved.
    bool saveEditor(bool toOwnFile);
    void applyLock(bool locked);
    // Keyboard and layout comfort (form1keyboard.cpp).
    void setKeyboardOrder();
    void fitFunctionLists();
    void applyLanguage();
    void bandSelectorChanged(int position);
    void functionListChanged();
    void panelCaptionClicked(int which);
    void debugCaptionClicked(int which);
    void bandOverrideButtonClicked();
    void debugWriteButtonClicked();

    // Import, export, printing and the Edit menu (form1interop.cpp).
    void buildEditMenu();
    QList<int> channelsForCopy() const;
    void updateEditCommands();

    // The radio link (form1radio.cpp).
    void buildRadioLink();
    void shutDownRadioLink();
    void showPortCheckMarks();
    void showPortDevices();
    void rebuildDeviceItems();
    void setPortItemsEnabled(bool enabled);
    void loadRememberedDevice();
    void saveRememberedDevice();
    void setRadioCommandsEnabled(bool enabled);
    void radioSessionStarted();
    void radioSessionFinished(SessionOutcome outcome);
    void retranslateRadioStatus();
    bool bandChangeHeldBySession();
    bool radioBusy() const;

    // The write flow and the backups (form1backups.cpp).
    void buildWriteFlow();
    void showWritePreview();
    void writeFlowFinished(WriteFlowOutcome outcome);
    void readSessionEnded(SessionOutcome outcome);
    void setStatusLine(std::function<QString(qint16)> text);
    void retranslateStatusLine();

    EditorState m_state;
    ParameterFile m_parameterFile;
    ServiceModes m_modes;
    std::unique_ptr<LocalizedMessagePort> m_port;
    std::unique_ptr<FileChooser> m_ownChooser;
    FileChooser *m_chooser = nullptr;
    std::unique_ptr<InteropDialogs> m_ownPrompts;
    InteropPrompts *m_prompts = nullptr;
    UrlOpener m_urlOpener;
    bool m_unloaded = false;
    EditorHistory *m_history = nullptr;
    QString m_filePath;
    OptionDialogs *m_dialogs = nullptr;
    CellEditors *m_editors = nullptr;

    // Menus and their items.
    QMenu *mnuFile = nullptr;
    QAction *mnuNew = nullptr;
    QAction *mnuOpen = nullptr;
    QAction *mnuAssave = nullptr;
    QAction *mnuImport = nullptr;
    QAction *mnuExport = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuExportPdf = nullptr;
    QAction *mnuBackups = nullptr;
    QAction *mnuQuit = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuUndo = nullptr;
    QAction *mnuRedo = nullptr;
    QAction *mnuCut = nullptr;
    QAction *mnuCopy = nullptr;
    QAction *mnuPaste = nullptr;
    QAction *mnuDelete = nullptr;
    QMenu *mnupro = nullptr;
    QAction *mnureadFre = nullptr;
    QAction *mnuwriteFre = nullptr;
    QAction *mnudtmf = nullptr;       // Optional function (hidden)
    QAction *Key_enactment = nullptr; // Keys Assignment (hidden)
    QAction *mnusetin = nullptr;
    QAction *mnudebug = nullptr;
    QAction *mnutestfre = nullptr;
    QMenu *mnuset = nullptr;
    QAction *mnulock = nullptr;
    QMenu *mnucom = nullptr;
    QAction *mnucomItems[9] = {};    // mnucom1 to mnucom8 at 1 to 8
    QAction *m_devicesEnd = nullptr; // the separator after the device items
    QList<QAction *> m_deviceItems;  // mnucomDevice_0 ... (or mnucomNone)
    QAction *mnucomOther = nullptr;  // Other port...
    QAction *mnucomFind = nullptr;   // Find my cable...
    QMenu *mnuLanguage = nullptr;
    QAction *mnuChinese = nullptr;
    QAction *mnuEnglish = nullptr;
    QMenu *mnuhelp = nullptr;
    QAction *mnumainhelp = nullptr; // the help topic (hidden; F1 still opens help)
    QAction *mnuabout = nullptr;
    QAction *mnutrace = nullptr; // Serial trace

    QToolBar *Toolbar1 = nullptr;
    QAction *m_buttons[9] = {}; // Toolbar1 buttons 1 to 8

    QGroupBox *Frame1 = nullptr; // model frame
    QLabel *Label3 = nullptr;    // Range
    QComboBox *Combo1 = nullptr; // band selector
    QGroupBox *Frame2 = nullptr; // Functions Setting panel
    QLabel *Label4 = nullptr;    // Voice Notice
    QComboBox *Combo2 = nullptr;
    QLabel *Label5 = nullptr; // Time-out Timer
    QComboBox *Combo3 = nullptr;
    QLabel *Label1 = nullptr; // TOT Pre-Alert (hidden)
    QComboBox *Combo4 = nullptr;
    QLabel *Label6 = nullptr; // Squelch Level
    QComboBox *Combo9 = nullptr;
    QLabel *Label7 = nullptr; // Battery Save
    QComboBox *Combo6 = nullptr;
    QLabel *Label8 = nullptr; // Beep
    QComboBox *Combo7 = nullptr;
    ChannelGrid *Grid1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Label = nullptr;       // status of a radio exchange
    QLabel *Label2 = nullptr;      // the maker's copyright line
    QLabel *lblHelpHint = nullptr; // "Press F1 for the user guide", while idle

    // Ports by path: the remembered device, the devices present, the
    // windows of Other port... and the serial trace.
    DeviceSetting m_deviceSetting;
    QString m_savedDevice;                // as loaded at start
    bool m_deviceFromCommandLine = false; // not to be remembered
    std::unique_ptr<SystemPortEnumerator> m_systemEnumerator;
    PortEnumerator *m_enumerator = nullptr;
    int m_cablePolls = 25;
    int m_cablePollInterval = 200;
    OtherPortDialog *m_otherPort = nullptr;
    TraceWindow *m_traceWindow = nullptr;
    std::unique_ptr<SerialTrace> m_trace; // outlives the port that records into it
    QLabel *StatusLine = nullptr;         // outcome of the last read or write, kept
    std::function<QString(qint16)> m_statusLineText;
    BackupStore m_backups;
    WritePreviewWindow *m_preview = nullptr;
    BackupsWindow *m_backupsWindow = nullptr;

    // The radio link, declared last so that it goes first when the window
    // is destroyed, while the state and the message box are still there.
    std::unique_ptr<SystemSerialPort> MSComm1;
    std::unique_ptr<PortChooser> m_portChooser;
    std::unique_ptr<CloneSession> m_session;
    std::unique_ptr<WriteFlow> m_writeFlow;
};
