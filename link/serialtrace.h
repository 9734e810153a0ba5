// The serial trace: a record of what crossed the serial link, for support.
// It keeps the last few sessions in memory; each holds the bytes the
// program sent and received, with their time since the session started,
// and marks for what happened to the port and the exchange (opened, closed,
// lost, a lock file taken over, bytes left over from an earlier exchange
// discarded, the program request repeated, an answer that did not fit, the
// time-out, the end).
//
// The port records its bytes and its opening and closing (SerialPort::
// setTrace); the clone session begins a session per read or write and adds
// its marks. Bytes sent one after another form one line until something
// else happens; bytes received keep the pieces they arrived in. Recording a
// byte is an append to the last line, so tracing costs nothing measurable.
//
// Shown by Help > Serial trace and written by vq740-cli --trace FILE, both
// as the text of sessionText(): one line per event, time in milliseconds,
// TX (program to radio) or RX (radio to program), up to 16 bytes in hex
// and the same bytes as ASCII.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <deque>
#include <vector>

enum class TraceSessionKind {
    Read,  // Read From Radio
    Write, // Write To Radio
    Radio, // what the simulated radio saw
};

enum class TraceEventKind : quint8 {
    Sent,       // bytes from the program to the radio
    Received,   // bytes from the radio to the program
    Opened,     // the port opened (text: the device)
    OpenFailed, // the port did not open (text: the system's reason)
    Closed,     // the port closed
    Lost,       // the device went away (text: the reason)
    Repeated,   // the program request is sent again
    TimedOut,   // the watchdog gave the exchange up
    Ended,      // the exchange ended (text: the status shown)
    Abandoned,  // the program ended during the exchange
    Truncated,  // the session is full; later bytes are not kept
    LockTaken,  // a lock file left behind was taken over (text: its path;
                // number: its process, 0 for an empty or unreadable file)
    Discarded,  // bytes waiting when the port opened, from an earlier exchange
                // (number: how many; bytes: the first of them)
    Misfit,     // an answer that does not fit the request was discarded; the
                // handshake starts again with PROGRAM
};

struct TraceEvent {
    qint64 microseconds = 0; // since the session started
    TraceEventKind kind = TraceEventKind::Sent;
    QByteArray bytes;  // Sent and Received; the first bytes of Discarded
    QString text;      // marks that carry a text
    qint64 number = 0; // marks that carry a number
};

struct TraceSession {
    TraceSessionKind kind = TraceSessionKind::Read;
    QString device;
    QDateTime started;
    std::vector<TraceEvent> events;
    qint64 bytesKept = 0;
    bool truncated = false;
};

class SerialTrace : public QObject {
    Q_OBJECT
public:
    static constexpr int kSessionsKept = 8;
    static constexpr qint64 kBytesPerSession = 256 * 1024;
    static constexpr int kBytesPerLine = 16;

    explicit SerialTrace(QObject *parent = nullptr);

    // A new session; the oldest goes when more than kSessionsKept are held.
    void beginSession(TraceSessionKind kind, const QString &device);
    // Nothing is recorded before the first session.
    void sent(quint8 byte);
    void sent(const QByteArray &bytes);
    void received(const QByteArray &bytes);
    void mark(TraceEventKind kind, const QString &text = QString(), qint64 number = 0);
    // Bytes left over on the line, discarded unread by the exchange.
    void discarded(const QByteArray &bytes);

    const std::deque<TraceSession> &sessions() const { return m_sessions; }
    bool isEmpty() const { return m_sessions.empty(); }
    void clear();

    // Every byte of one direction (Sent or Received) of a session, in order.
    static QByteArray bytesOf(const TraceSession &session, TraceEventKind direction);

    // The text of the sessions, oldest first, with a header; 0 Chinese,
    // anything else English.
    QString text(qint16 language) const;
    static QString sessionText(const TraceSession &session, int number, qint16 language);
    static QString headerText(qint16 language);

signals:
    // A session began or a mark was added (not for every byte).
    void changed();

private:
    void addBytes(TraceEventKind kind, const char *data, qint64 size);
    qint64 now() const; // microseconds since the last session began

    std::deque<TraceSession> m_sessions;
    std::deque<qint64> m_startNs; // session starts on m_clock, one per session
    QElapsedTimer m_clock;
};

// Writes a text atomically (QSaveFile) as UTF-8. On failure returns false
// with the system's reason.
bool saveTextFile(const QString &path, const QString &text, QString *error);
