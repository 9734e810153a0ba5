// The clone session: the read and write exchanges with the radio over the
// serial port, and the three timers that watch them.
//
// The program sends; the radio answers. Frames are recognised on the receive
// text, every byte since the last transmission as two upper-case hex digits:
//
//   program                              radio
//   "PROGRAM" 50 52 4F 47 52 41 4D  ->
//                                    <-  06            (anywhere in the text)
//   02 (mode byte)                  ->
//                                    <-  identification, 8 bytes: "K7403" or
//                                        "K7402", band code, 2 bytes
//   06                              ->
//   read:  52 AH AL 40              ->
//                                    <-  57 AH AL len + 64 data bytes
//          06                       ->   06
//   write: 57 AH AL 10 + 16 bytes   ->   06
//   end:   45                       ->
//
// Reads ask for 0x0010..0x03D0 in steps of 0x40 (1024 bytes). Writes send
// 16-byte blocks from 0x0010 up to 0x0350, jumping from 0x0180 (0x0190 in
// debug write mode) to 0x01B8 and from 0x01C8 to 0x0200: 46 blocks, 47 in
// debug write mode.
//
// An answer that cannot fit the request during the handshake (bytes left
// over from an exchange that ended early, taken for an answer: an
// identification longer than one, anything but 06 after the
// identification's acknowledgement) is discarded, and so is everything
// until the retry timer sends PROGRAM again, which starts the radio's side
// of the handshake over. At most kResyncLimit times per session; after that
// the watchdog ends it.
//
// The engine works on the editor state and reports everything the window
// shows through signals. The tick handlers and the receive handler are
// public so tests can drive them without waiting for real time.
#pragma once

#include "model/editorstate.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class MessagePort;
class PortChooser;
class QTimer;
class SerialPort;
enum class TraceEventKind : quint8;

enum class SessionKind { Read, Write };

enum class SessionOutcome {
    Success,     // read decoded / every block written
    BandRefused, // write to a radio of another band refused
    Declined,    // band override mode: the user answered No
    TimedOut,    // watchdog, or the device went away
};

class CloneSession : public QObject {
    Q_OBJECT
public:
    static constexpr int kPhaseTransfer = 0;
    static constexpr int kPhaseHandshake = 1;
    static constexpr int kPhaseSettling = 2; // after opening: the line must fall quiet
    static constexpr int kPhaseAbandoned = 10;

    static constexpr int kProgressMaximum = 460;
    static constexpr int kReadProgressStep = 25;
    static constexpr int kWriteProgressStep = 10;

    static constexpr int kFirstAddress = 0x0010;
    static constexpr int kReadBlockSize = 0x40;
    static constexpr int kReadEndAddress = 0x0410;
    static constexpr int kWriteBlockSize = 0x10;
    static constexpr int kWriteEndAddress = 0x0360;

    static constexpr int kWatchdogInterval = 1000; // Timer1, ms
    static constexpr int kBlinkInterval = 200;     // Timer2, ms
    static constexpr int kRetryInterval = 500;     // Timer3, ms
    static constexpr int kWatchdogTicks = 4;
    static constexpr int kBlinkTicks = 12;
    static constexpr int kRetryTicks = 3;
    static constexpr int kResyncLimit = 2;

    static constexpr quint8 kAck = 0x06;
    static constexpr quint8 kModeByte = 0x02;
    static constexpr quint8 kEndByte = 0x45;

    CloneSession(EditorState &state, SerialPort &port, PortChooser &chooser, MessagePort &messages,
                 QObject *parent = nullptr);
    ~CloneSession() override;

    // Read From Radio / Write To Radio. Opens the remembered port; when it
    // does not open, shows the "not open" message and returns false with
    // nothing else changed. Also returns false (doing nothing) while the
    // commands are disabled, i.e. while a session or its ending runs.
    bool startRead();
    bool startWrite();

    // The sessions of a flow (link/writeflow.h), which leave the editor alone.
    // A read that keeps what it read to itself: readImage() holds it and
    // identifiedBand() the radio's band; the editor, its band and the views
    // (imageDecoded) are untouched.
    bool startImageRead();
    // A write of the given image instead of the editor's encoding; the band
    // check compares the radio's band with `bandPosition` instead of the
    // band selector's. Everything else is a write as above.
    bool startImageWrite(const QString &image, int bandPosition);
    // Ends the blink of a finished session now, as its last counted tick
    // would (the commands come back), so that a flow can start its next
    // session at once. Does nothing while a session runs.
    void endBlink();
    // Replaces the status label's text: a flow's own outcome after its
    // last session.
    void showStatus(const QString &text);

    // The program ends: the timers stop, a running exchange is abandoned and
    // the radio gets its end byte, and the port closes (letting the end byte
    // leave first). Nothing is reported.
    void shutDown();

    // Receive handler: runs for every notification that bytes arrived.
    void receive();
    // Tick handlers of Timer1 (watchdog), Timer2 (blink), Timer3 (retry).
    void watchdogTick();
    void blinkTick();
    void retryTick();

    // Session state, for the window and for tests.
    QChar kind() const { return m_kind; } // 'R', 'W', or null before the first session
    int phase() const { return m_phase; }
    bool running() const { return m_running; }
    QString receiveText() const { return m_receiveText; }
    int blockAddress() const { return m_blockAddress; }
    int radioBand() const { return m_radioBand; }
    // The band position of the radio's last identification; -1 before the
    // first one and when its band code lies outside the table.
    int identifiedBand() const { return m_identifiedBand; }
    // The model identity of the radio's last identification ("K7403");
    // empty before the first one.
    QString identifiedModel() const { return m_identifiedModel; }
    int watchdogCount() const { return m_watchdogCount; }
    int blinkCount() const { return m_blinkCount; }
    int retryCount() const { return m_retryCount; }
    // True from an answer that did not fit until PROGRAM is sent again.
    bool resynchronising() const { return m_resyncing; }
    bool sessionEnded() const { return m_sessionEnded; }
    float progressValue() const { return m_progress; }
    bool progressVisible() const { return m_progressVisible; }
    QString statusText() const { return m_statusText; }
    bool statusVisible() const { return m_statusVisible; }
    bool commandsEnabled() const { return m_commandsEnabled; }
    QString readImage() const { return m_readImage; }
    QString writeImage() const { return m_writeImage; }

    QTimer *watchdogTimer() const { return m_timer1; }
    QTimer *blinkTimer() const { return m_timer2; }
    QTimer *retryTimer() const { return m_timer3; }

signals:
    // Toolbar, Programming menu and the read and write buttons.
    void commandsEnabledChanged(bool enabled);
    // A session starts: enable the model frame (Frame1) and focus the band
    // selector (Combo1), even under the edit lock.
    void modelFrameActivated();
    // The status label (Label): its text and its visibility (the blink).
    void statusTextChanged(const QString &text);
    void statusVisibleChanged(bool visible);
    // The progress bar (ProgressBar1): 0 to 460.
    void progressVisibleChanged(bool visible);
    void progressValueChanged(int value);
    // A read was decoded into the editor state and the radio's band adopted:
    // the window refreshes every view.
    void imageDecoded();
    // The exchange is over: after the end byte and the close, after a
    // refusal, or after the time-out message was closed.
    void finished(SessionOutcome outcome);
    // The device went away during the exchange (followed by finished()).
    void portLost(const QString &reason);

private:
    enum class Target { Editor, ImageOnly };
    bool start(QChar kind, Target target);
    void handshake();
    void transferWrite();
    void transferRead();
    bool isReadData() const;
    void acceptIdentification();
    void resynchronise();
    bool identificationAnswerMisfits() const;
    void endSession(const QString &status, SessionOutcome outcome);
    void finishRead();
    void timeOut();
    void onDeviceLost(const QString &reason);
    void send(const QByteArray &frame);
    void sendEndByte();
    // A mark in the port's serial trace, if it keeps one.
    void traceMark(TraceEventKind kind, const QString &text = QString());

    void beginHandshake();
    void settleTick();

    void setStatusText(const QString &text);
    void setStatusVisible(bool visible);
    void setProgressVisible(bool visible);
    void setProgressValue(float value);
    void setCommandsEnabled(bool enabled);

    EditorState &m_state;
    SerialPort &m_port;
    PortChooser &m_chooser;
    MessagePort &m_messages;
    QTimer *m_timer1;
    QTimer *m_timer2;
    QTimer *m_timer3;
    QTimer *m_settle; // single shot: the line has been quiet long enough
    QElapsedTimer m_settleClock;
    QByteArray m_leftOver; // discarded while settling

    QChar m_kind;
    int m_phase = kPhaseTransfer;
    bool m_running = false;
    bool m_handshakeAcknowledged = false;
    bool m_resyncing = false;
    int m_resyncs = 0;
    quint32 m_serial = 0; // counts sessions, to spot one that ended meanwhile
    QString m_receiveText;
    int m_blockAddress = 0;
    QString m_writeImage;
    Target m_target = Target::Editor;
    QString m_givenImage; // the image of startImageWrite
    int m_givenBand = 0;
    int m_identifiedBand = -1;
    QString m_identifiedModel;
    QByteArray m_writeBytes;
    QString m_readImage;
    int m_radioBand = 0;
    int m_watchdogCount = 0;
    int m_blinkCount = 0;
    int m_retryCount = 0;
    bool m_sessionEnded = false;
    float m_progress = 0;
    bool m_progressVisible = false;
    QString m_statusText;
    bool m_statusVisible = false;
    bool m_commandsEnabled = true;
};
