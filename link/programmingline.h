// One cable of a dealer's bench: programs one radio after another with the
// same master, each by the whole verified write (the radio is read and kept
// as a backup, written, read back and compared; see writeflow.h).
//
// The first radio shows its change list before anything is written
// (confirmationNeeded); so does a radio whose band or model is not that of
// the first radio the line wrote. Every other radio is written without a
// question. A radio of another band than the master's is refused before
// its write. A radio that failed is not counted as done; retry() programs it
// again under its number.
//
// Each line has its own port, session and flow: lines run side by side in
// one event loop and never wait on one another.
#pragma once

#include "link/writeflow.h"
#include "model/editorstate.h"
#include "model/messageport.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class CloneSession;
class PortChooser;
class SerialPort;
class SerialTrace;

// What became of one radio.
enum class RadioOutcome {
    Done,         // written and checked
    RefusedBand,  // refused: other band
    NoAnswer,     // failed: no answer
    CheckDiffers, // failed: check differs
    NotOpened,    // failed: the port did not open
    BackupFailed, // failed: the backup could not be saved
    Stopped,      // stopped at the change list, nothing written
};

struct RadioRecord {
    int number = 0; // 1, 2, ... on this line; a retry keeps the number
    QDateTime when; // when its write ended
    int band = -1;  // the radio's band position, -1 unknown
    QString model;  // its model identity ("K7403"), empty before it answered
    RadioOutcome outcome = RadioOutcome::Done;
    QString backup;      // the backup of what it held, empty when none
    QString message;     // what the port or the link said, for a failure
    int differences = 0; // items that read back otherwise
};

class ProgrammingLine : public QObject {
    Q_OBJECT
public:
    // The master as the editor holds it; `port` is the device's name (COM5,
    // /dev/ttyUSB0). The line opens the system's serial port, or the one
    // given (tests), which it does not own.
    ProgrammingLine(const EditorState &master, const QString &port, const BackupStore &backups,
                    SerialPort *serialPort = nullptr, QObject *parent = nullptr);
    ~ProgrammingLine() override;

    QString port() const { return m_portName; }
    bool busy() const;
    // The number the next radio gets.
    int nextNumber() const { return m_nextNumber; }
    // Whether the last radio failed (retry() programs it again).
    bool lastFailed() const;

    // Programs the next radio. False when the line is busy.
    bool start();
    // Programs the radio that last failed again, under its number.
    bool retry();
    // The answer to confirmationNeeded(): write, or stop with nothing written.
    void confirm(bool write);

    // The flow of the radio being programmed (its change list and warnings
    // at confirmationNeeded()).
    const WriteFlow &flow() const { return *m_flow; }
    CloneSession &session() { return *m_session; }
    SerialTrace &trace() { return *m_trace; }

    const QList<RadioRecord> &records() const { return m_records; }
    int doneCount() const;
    int failedCount() const; // radios whose last try failed

signals:
    void confirmationNeeded();
    void radioStarted(int number);
    void radioFinished(const RadioRecord &record);
    void busyChanged(bool busy);

private:
    bool begin(int number);
    void previewReady();
    void flowFinished(WriteFlowOutcome outcome);

    class Messages;
    EditorState m_master;
    QString m_portName;
    std::unique_ptr<SerialTrace> m_trace;
    std::unique_ptr<SerialPort> m_ownPort;
    SerialPort *m_serial = nullptr;
    std::unique_ptr<Messages> m_messages;
    std::unique_ptr<PortChooser> m_chooser;
    std::unique_ptr<CloneSession> m_session;
    std::unique_ptr<WriteFlow> m_flow;

    int m_nextNumber = 1;
    int m_current = 0;          // the number being programmed, 0 when idle
    bool m_refusedBand = false; // the radio is of another band than the master
    bool m_openFailed = false;  // the port did not open
    bool m_haveFirst = false;   // a radio has been written on this line
    int m_firstBand = -1;
    QString m_firstModel;
    QList<RadioRecord> m_records;
};

// The outcome as the journal and the command line write it
// ("written and checked", "refused: other band", ...).
QString outcomeWord(RadioOutcome outcome);
