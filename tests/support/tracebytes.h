// Reads the bytes back out of a serial trace's text: every TX (or RX) byte
// in the order the lines give them, so a trace written to a file can be
// laid beside the bytes the simulated radio saw.
#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

struct TraceTextBytes {
    QByteArray sent;     // TX: program to radio
    QByteArray received; // RX: radio to program
    int sessions = 0;    // "== ..." lines
    QStringList marks;   // the text after "--" of every mark line
};

inline TraceTextBytes traceTextBytes(const QString &text) {
    // time, direction (blank on a continuation line), hex bytes, |ascii|
    static const QRegularExpression bytesLine(
        QStringLiteral("^ *(\\d+\\.\\d{3})?  (TX|RX|  )  ((?:[0-9A-F]{2} )+) *\\|.*\\|$"));
    static const QRegularExpression markLine(QStringLiteral("^ *\\d+\\.\\d{3}  --  (.*)$"));
    TraceTextBytes result;
    QByteArray *current = nullptr;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("== "))) {
            ++result.sessions;
            current = nullptr;
            continue;
        }
        const QRegularExpressionMatch mark = markLine.match(line);
        if (mark.hasMatch()) {
            result.marks << mark.captured(1);
            current = nullptr;
            continue;
        }
        const QRegularExpressionMatch match = bytesLine.match(line);
        if (!match.hasMatch())
            continue;
        if (match.captured(2) == QLatin1String("TX"))
            current = &result.sent;
        else if (match.captured(2) == QLatin1String("RX"))
            current = &result.received;
        if (current)
            *current += QByteArray::fromHex(match.captured(3).toLatin1());
    }
    return result;
}
