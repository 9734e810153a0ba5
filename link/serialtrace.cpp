#include "link/serialtrace.h"

#include "image/filewriter.h"

#include "link/linktexts.h"
#include "model/texts.h"

using vq740::translate;

namespace {

QString sessionTitle(TraceSessionKind kind, qint16 language) {
    const TextLanguage scope(language);
    switch (kind) {
    case TraceSessionKind::Read:
        return translate("SerialTrace", "Read From Radio");
    case TraceSessionKind::Write:
        return translate("SerialTrace", "Write To Radio");
    case TraceSessionKind::Radio:
        return translate("SerialTrace", "Simulated radio");
    }
    return QString();
}

QString markText(const TraceEvent &event, qint16 language) {
    const TextLanguage scope(language);
    switch (event.kind) {
    case TraceEventKind::Opened:
        return translate("SerialTrace", "open %1").arg(event.text);
    case TraceEventKind::OpenFailed:
        return translate("SerialTrace", "cannot open: %1").arg(event.text);
    case TraceEventKind::Closed:
        return translate("SerialTrace", "close");
    case TraceEventKind::Lost:
        return translate("SerialTrace", "device lost: %1").arg(event.text);
    case TraceEventKind::Repeated:
        return translate("SerialTrace", "no answer yet, PROGRAM sent again");
    case TraceEventKind::TimedOut:
        return translate("SerialTrace",
                         "time-out: the radio did not answer in time, exchange given up");
    case TraceEventKind::Ended:
        return translate("SerialTrace", "end: %1").arg(event.text);
    case TraceEventKind::Abandoned:
        return translate("SerialTrace", "the program ended during the exchange");
    case TraceEventKind::Truncated:
        return translate("SerialTrace", "trace full, later bytes are not kept");
    case TraceEventKind::LockTaken:
        if (event.number > 0)
            return translate("SerialTrace",
                             "lock file %1 of a program that has ended (process %2) taken over")
                .arg(event.text)
                .arg(event.number);
        return translate("SerialTrace", "empty lock file %1 that no program uses taken over")
            .arg(event.text);
    case TraceEventKind::Discarded:
        return translate("SerialTrace", "%1 bytes left over from an earlier exchange discarded: %2")
            .arg(event.number)
            .arg(QString::fromLatin1(event.bytes.toHex(' ').toUpper()) +
                 (event.number > event.bytes.size() ? QStringLiteral(" ...") : QString()));
    case TraceEventKind::Misfit:
        return translate("SerialTrace",
                         "the answer does not fit the request: discarded, PROGRAM follows");
    case TraceEventKind::Sent:
    case TraceEventKind::Received:
        break;
    }
    return QString();
}

QString timeColumn(qint64 microseconds) {
    return QStringLiteral("%1.%2")
        .arg(microseconds / 1000, 8)
        .arg(microseconds % 1000, 3, 10, QLatin1Char('0'));
}

void appendBytes(QString &out, const TraceEvent &event) {
    const QLatin1String direction(event.kind == TraceEventKind::Sent ? "TX" : "RX");
    const QString blankTime(timeColumn(0).size(), QLatin1Char(' '));
    for (int at = 0; at < event.bytes.size(); at += SerialTrace::kBytesPerLine) {
        const QByteArray line = event.bytes.mid(at, SerialTrace::kBytesPerLine);
        QString hex;
        QString ascii;
        for (const char c : line) {
            const auto byte = static_cast<quint8>(c);
            hex += QStringLiteral("%1 ").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
            ascii += byte >= 0x20 && byte < 0x7F ? QLatin1Char(c) : QLatin1Char('.');
        }
        out += at == 0 ? timeColumn(event.microseconds) : blankTime;
        out += QStringLiteral("  %1  ").arg(at == 0 ? direction : QLatin1String("  "));
        out += hex.leftJustified(3 * SerialTrace::kBytesPerLine);
        out += QStringLiteral(" |%1|\n").arg(ascii);
    }
}

} // namespace

SerialTrace::SerialTrace(QObject *parent) : QObject(parent) {
    m_clock.start();
}

void SerialTrace::beginSession(TraceSessionKind kind, const QString &device) {
    TraceSession session;
    session.kind = kind;
    session.device = device;
    session.started = QDateTime::currentDateTime();
    m_sessions.push_back(std::move(session));
    m_startNs.push_back(m_clock.nsecsElapsed());
    while (m_sessions.size() > size_t(kSessionsKept)) {
        m_sessions.pop_front();
        m_startNs.pop_front();
    }
    emit changed();
}

void SerialTrace::clear() {
    m_sessions.clear();
    m_startNs.clear();
    emit changed();
}

qint64 SerialTrace::now() const {
    return (m_clock.nsecsElapsed() - m_startNs.back()) / 1000;
}

void SerialTrace::sent(quint8 byte) {
    const char c = static_cast<char>(byte);
    addBytes(TraceEventKind::Sent, &c, 1);
}

void SerialTrace::sent(const QByteArray &bytes) {
    addBytes(TraceEventKind::Sent, bytes.constData(), bytes.size());
}

void SerialTrace::received(const QByteArray &bytes) {
    addBytes(TraceEventKind::Received, bytes.constData(), bytes.size());
}

void SerialTrace::addBytes(TraceEventKind kind, const char *data, qint64 size) {
    if (m_sessions.empty() || size <= 0)
        return;
    TraceSession &session = m_sessions.back();
    if (session.truncated)
        return;
    if (session.bytesKept + size > kBytesPerSession) {
        session.truncated = true;
        mark(TraceEventKind::Truncated);
        return;
    }
    session.bytesKept += size;
    // Bytes sent one by one make one line until anything else happens;
    // received bytes keep the pieces the port delivered them in.
    if (kind == TraceEventKind::Sent && !session.events.empty() &&
        session.events.back().kind == TraceEventKind::Sent) {
        session.events.back().bytes.append(data, size);
        return;
    }
    TraceEvent event;
    event.microseconds = now();
    event.kind = kind;
    event.bytes = QByteArray(data, size);
    session.events.push_back(std::move(event));
}

void SerialTrace::mark(TraceEventKind kind, const QString &text, qint64 number) {
    if (m_sessions.empty())
        return;
    TraceSession &session = m_sessions.back();
    TraceEvent event;
    event.microseconds = now();
    event.kind = kind;
    event.text = text;
    event.number = number;
    session.events.push_back(std::move(event));
    emit changed();
}

void SerialTrace::discarded(const QByteArray &bytes) {
    if (m_sessions.empty() || bytes.isEmpty())
        return;
    TraceEvent event;
    event.microseconds = now();
    event.kind = TraceEventKind::Discarded;
    event.bytes = bytes.left(kBytesPerLine);
    event.number = bytes.size();
    m_sessions.back().events.push_back(std::move(event));
    emit changed();
}

QByteArray SerialTrace::bytesOf(const TraceSession &session, TraceEventKind direction) {
    QByteArray bytes;
    for (const TraceEvent &event : session.events)
        if (event.kind == direction)
            bytes += event.bytes;
    return bytes;
}

QString SerialTrace::headerText(qint16 language) {
    const TextLanguage scope(language);
    return translate("SerialTrace",
                     "VQ-740 serial trace\n"
                     "TX: program to radio; RX: radio to program; time in milliseconds since the "
                     "session started.\n");
}

QString SerialTrace::sessionText(const TraceSession &session, int number, qint16 language) {
    const TextLanguage scope(language);
    QString out = translate("SerialTrace", "== Session %1: %2, %3, %4 ==\n")
                      .arg(number)
                      .arg(sessionTitle(session.kind, language),
                           session.device.isEmpty() ? QStringLiteral("-") : session.device,
                           session.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
    for (const TraceEvent &event : session.events) {
        if (event.kind == TraceEventKind::Sent || event.kind == TraceEventKind::Received)
            appendBytes(out, event);
        else
            out += QStringLiteral("%1  --  %2\n")
                       .arg(timeColumn(event.microseconds), markText(event, language));
    }
    return out;
}

QString SerialTrace::text(qint16 language) const {
    QString out = headerText(language);
    int number = 1;
    for (const TraceSession &session : m_sessions)
        out += QLatin1Char('\n') + sessionText(session, number++, language);
    return out;
}

bool saveTextFile(const QString &path, const QString &text, QString *error) {
    return writeWholeFile(path, text.toUtf8(), error);
}
