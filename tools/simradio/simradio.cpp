#include "simradio.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

SimRadio::SimRadio(QObject *parent) : QObject(parent) {}

SimRadio::~SimRadio() {
    closeFarEnd();
}

bool SimRadio::open() {
    if (!openPtyLine(&m_line))
        return false;
    m_clock.start();
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &SimRadio::pump);
    m_notifier = new QSocketNotifier(m_line.master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SimRadio::onReadable);
    return true;
}

void SimRadio::closeFarEnd() {
    const bool wasOpen = isOpen();
    // Closing may happen inside the notifier's or the timer's own signal.
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_timer) {
        m_timer->stop();
        m_timer->deleteLater();
        m_timer = nullptr;
    }
    closePtyLine(&m_line);
    m_rx.clear();
    m_tx.clear();
    if (wasOpen)
        emit farEndClosed();
}

void SimRadio::sendUnasked(const QByteArray &bytes) {
    if (!isOpen() || bytes.isEmpty())
        return;
    const qint64 now = m_clock.nsecsElapsed();
    for (const char byte : bytes)
        m_tx.push_back({now, byte});
    pump();
}

void SimRadio::onReadable() {
    char buffer[512];
    const qint64 now = m_clock.nsecsElapsed();
    for (;;) {
        const qint64 n = readPtyLine(m_line, buffer, sizeof buffer);
        if (n <= 0)
            break;
        m_fromProgram += n;
        if (!m_logSessionOpen) {
            wireLog.beginSession(TraceSessionKind::Radio, m_line.path);
            m_logSessionOpen = true;
        }
        wireLog.sent(QByteArray(buffer, int(n)));
        for (qint64 i = 0; i < n; ++i) {
            qint64 due = now;
            if (options.pace) {
                due = std::max(now, m_rxFree) + kByteNanoseconds;
                m_rxFree = due;
            }
            m_rx.push_back({due, buffer[i]});
        }
    }
    pump();
}

void SimRadio::queueReply(const QByteArray &frame, qint64 start, qint64 now) {
    for (int i = 0; i < frame.size(); ++i) {
        qint64 due = now;
        if (options.pace) {
            due = std::max(start, m_txFree) + kByteNanoseconds;
            m_txFree = due;
        } else if (options.pieceSize > 0) {
            due = now + qint64(i / options.pieceSize) * options.pieceGapMs * 1000000LL;
        }
        m_tx.push_back({due, frame.at(i)});
    }
    ++m_repliesQueued;
}

void SimRadio::pump() {
    if (!isOpen())
        return;
    const qint64 now = m_clock.nsecsElapsed();
    // Bytes from the program that have fully arrived at the radio.
    QByteArray arrived;
    qint64 lastArrival = now;
    while (!m_rx.empty() && m_rx.front().due <= now) {
        arrived.append(m_rx.front().byte);
        lastArrival = m_rx.front().due;
        m_rx.pop_front();
    }
    if (!arrived.isEmpty()) {
        const int endsBefore = model.endBytes;
        const QList<QByteArray> replies = model.feed(arrived);
        for (const QByteArray &frame : replies)
            queueReply(frame, lastArrival, now);
        if (model.endBytes > endsBefore)
            m_logSessionOpen = false;
        for (int i = endsBefore; i < model.endBytes; ++i)
            emit endReceived();
        if (!isOpen())
            return;
    }
    // Reply bytes whose time has come.
    QByteArray out;
    while (!m_tx.empty() && m_tx.front().due <= now) {
        out.append(m_tx.front().byte);
        m_tx.pop_front();
    }
    if (!out.isEmpty()) {
        const qint64 written = writePtyLine(m_line, out);
        m_toProgram += written;
        wireLog.received(out.left(int(written)));
        for (qint64 i = out.size() - 1; i >= written; --i)
            m_tx.push_front({now, out.at(int(i))});
    }
    if (options.closeAfterReplies >= 0 && m_repliesQueued >= options.closeAfterReplies &&
        m_tx.empty()) {
        closeFarEnd();
        return;
    }
    schedule(now);
}

void SimRadio::schedule(qint64 now) {
    qint64 next = -1;
    if (!m_rx.empty())
        next = m_rx.front().due;
    if (!m_tx.empty())
        next = next < 0 ? m_tx.front().due : std::min(next, m_tx.front().due);
    if (next < 0)
        return;
    // Whole milliseconds by timer; the last fraction by a zero timer.
    m_timer->start(int(std::max<qint64>(0, (next - now) / 1000000)));
}
