// A simulated radio on a pseudo-terminal: the program side opens
// devicePath() (such as /dev/pts/3) with its real serial port, the radio
// side answers through RadioModel. Optionally paced at 9600 baud in both
// directions (10 bits per byte), replies cut into pieces, or the far end
// closed after a number of replies, as when a cable is pulled.
//
// Every byte that crosses the wire is kept in wireLog, a serial trace seen
// from the program's side (TX: program to radio, RX: radio to program), one
// session from the first byte after an end byte up to the next end byte,
// so it can be laid beside the program's own trace.
//
// Lives in one thread: call open() in the thread the object belongs to.
#pragma once

#include "ptyline.h"
#include "radiomodel.h"

#include "link/serialtrace.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <deque>

class QSocketNotifier;
class QTimer;

class SimRadio : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kByteNanoseconds = 10LL * 1000000000LL / 9600; // 1.04 ms

    struct Options {
        bool pace = false;          // bytes take their time on the wire, both ways
        int pieceSize = 0;          // > 0: replies leave in pieces of this many bytes
        int pieceGapMs = 3;         // pause between pieces when not paced
        int closeAfterReplies = -1; // close the far end once this many replies left
    };

    explicit SimRadio(QObject *parent = nullptr);
    ~SimRadio() override;

    RadioModel model;
    Options options;
    SerialTrace wireLog;

    // Opens the pseudo-terminal; false where there is none (see ptyline.h:
    // not on Windows) or none can be had.
    bool open();
    bool isOpen() const { return m_line.master >= 0; }
    QString devicePath() const { return m_line.path; }
    void closeFarEnd();
    // Sends bytes nobody asked for now, as a radio still answering an
    // exchange that ended early (the program was killed): they wait on the
    // line for whoever opens it next.
    void sendUnasked(const QByteArray &bytes);

    // Bytes that crossed the wire each way.
    qint64 bytesFromProgram() const { return m_fromProgram; }
    qint64 bytesToProgram() const { return m_toProgram; }

signals:
    void endReceived();
    void farEndClosed();

private:
    struct TimedByte {
        qint64 due; // ns on m_clock
        char byte;
    };
    void onReadable();
    void pump();
    void schedule(qint64 now);
    void queueReply(const QByteArray &frame, qint64 start, qint64 now);

    PtyLine m_line;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_timer = nullptr;
    QElapsedTimer m_clock;
    std::deque<TimedByte> m_rx;
    std::deque<TimedByte> m_tx;
    qint64 m_rxFree = 0;
    qint64 m_txFree = 0;
    qint64 m_fromProgram = 0;
    qint64 m_toProgram = 0;
    int m_repliesQueued = 0;
    bool m_logSessionOpen = false;
};
