// The radio link of the main window: the serial port MSComm1 and the
// Communication port menu (COM1 to COM8, the devices present, Other port...,
// Find my cable), Read From Radio and Write To Radio with the sessions and
// the write flow they run, and Help > Serial trace. The rules are the
// core's (PortChooser, CableFinder, CloneSession, WriteFlow, the serial
// trace); the part owns their objects, its menu items and its windows, and
// the window shows what the session reports of an exchange.
#pragma once

#include "link/serialport.h"
#include "shell/devicesetting.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class CloneSession;
class EditorWindow;
class MessagePort;
class OtherPortDialog;
class PortChooser;
class PortEnumerator;
class QAction;
class QMenu;
class QWidget;
class SerialTrace;
class SystemPortEnumerator;
class SystemSerialPort;
class TraceWindow;
class WriteFlow;
struct EditorState;

// A port as the Communication port menu knows it: the device it opens and
// how a list shows it.
struct KnownPort {
    QString device;
    QString label;
};

class RadioLinkPart : public QObject {
    Q_OBJECT
public:
    // `editor` is asked before an exchange; `window` owns the part's
    // windows (Other port..., the serial trace).
    RadioLinkPart(EditorState &state, MessagePort &port, const DeviceSetting &deviceSetting,
                  EditorWindow &editor, QWidget *window);
    ~RadioLinkPart() override;

    // Read From Radio and Write To Radio (mnureadFre, mnuwriteFre), and
    // Help > Serial trace (mnutrace).
    QAction *readItem() const { return mnureadFre; }
    QAction *writeItem() const { return mnuwriteFre; }
    QAction *traceItem() const { return mnutrace; }
    // Fills the Communication port menu: COM1 to COM8, then the devices
    // present (listed afresh each time the menu opens), Other port... and
    // Find my cable.
    void fillPortMenu(QMenu *menu);

    CloneSession &session() { return *m_session; }
    WriteFlow &writeFlow() { return *m_writeFlow; }
    // A session runs, or the sessions of a write.
    bool busy() const;

    // The remembered port is the port chooser's: one value for the menu,
    // the read and write commands and the parameter file.
    int rememberedPort() const;
    void setRememberedPort(int port);
    // The device remembered by its path, as loaded at start; saved at the
    // end unless it was given on the command line.
    void loadRememberedDevice();
    void saveRememberedDevice();
    // The device given on the command line (vq740 --port DEVICE): chosen as
    // from the menu, but not remembered for the next start unless a port is
    // chosen from the menu meanwhile.
    void chooseStartDevice(const QString &device);

    // The ports of the Communication port menu: COM1 to COM8 with their
    // devices, the devices present and the remembered device; and the
    // device Read and Write open (empty when none was chosen).
    QList<KnownPort> knownPorts() const;
    QString chosenDevice() const;
    // Closes the port so that a programming line can open its device;
    // false while an exchange runs. The next exchange opens it again.
    bool releasePort();

    // Which device each port item stands for; the items' tips follow.
    void setPortNaming(SerialPort::PortNaming naming);
    // Where the device items and Find my cable get the devices present
    // (null: the system's).
    void setPortEnumerator(PortEnumerator *enumerator);
    // How long Find my cable waits for a cable just plugged in.
    void setCableSearch(int polls, int intervalMs);

    // The windows of Other port... and the serial trace follow the language.
    void retranslate();
    // The window closes: an exchange that runs ends.
    void shutDown();

public slots:
    // Read From Radio and Write To Radio, from the menu or the toolbar: the
    // cell being edited is stored first (a read that fails loses nothing); a
    // read, which replaces the table, asks about unsaved work first. Then
    // hand the command on (readRequested, writeRequested).
    void commandRead();
    void commandWrite();

signals:
    void readRequested();      // Read From Radio, menu or toolbar
    void writeRequested();     // Write To Radio, menu or toolbar
    void portChosen(int port); // COM1 to COM8 chosen (1 to 8); the marks follow the port
                               // actually opened
    // The read and write commands may be given, or rest while an exchange
    // runs (between the sessions of a write too); the window's toolbar and
    // Programming menu follow.
    void commandsEnabledChanged(bool enabled);

private:
    void showCommandsEnabled(bool enabled);
    void choosePort(int port);
    void chooseDevice(const QString &device);
    void otherPort();
    void findCable();
    void showTrace();
    void showPortCheckMarks();
    void showPortDevices();
    void rebuildDeviceItems();
    void setPortItemsEnabled(bool enabled);

    EditorState &m_state;
    MessagePort &m_port;
    EditorWindow &m_editor;
    QWidget *m_window;

    QAction *mnureadFre = nullptr;
    QAction *mnuwriteFre = nullptr;
    QAction *mnutrace = nullptr;     // Serial trace
    QMenu *mnucom = nullptr;         // the Communication port menu
    QAction *mnucomItems[9] = {};    // mnucom1 to mnucom8 at 1 to 8
    QAction *m_devicesEnd = nullptr; // the separator after the device items
    QList<QAction *> m_deviceItems;  // mnucomDevice_0 ... (or mnucomNone)
    QAction *mnucomOther = nullptr;  // Other port...
    QAction *mnucomFind = nullptr;   // Find my cable...
    OtherPortDialog *m_otherPort = nullptr;
    TraceWindow *m_traceWindow = nullptr;

    // Ports by path: the remembered device and the devices present.
    DeviceSetting m_deviceSetting;
    QString m_savedDevice;                // as loaded at start
    bool m_deviceFromCommandLine = false; // not to be remembered
    std::unique_ptr<SystemPortEnumerator> m_systemEnumerator;
    PortEnumerator *m_enumerator = nullptr;
    int m_cablePolls = 25;
    int m_cablePollInterval = 200;

    // The trace outlives the port that records into it; the write flow goes
    // first, the port last.
    std::unique_ptr<SerialTrace> m_trace;
    std::unique_ptr<SystemSerialPort> MSComm1;
    std::unique_ptr<PortChooser> m_portChooser;
    std::unique_ptr<CloneSession> m_session;
    std::unique_ptr<WriteFlow> m_writeFlow;
};
