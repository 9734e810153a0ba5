// The serial trace: what it records of the port and of a clone session, how
// its text shows bytes and marks in both languages, and its bounds.
#include "linkrig.h"
#include "tests/support/tracebytes.h"

#include "link/serialtrace.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

// The text of a session's event lines, without the time column.
QStringList eventLines(const SerialTrace &trace, qint16 language) {
    QStringList lines;
    const QString text = SerialTrace::sessionText(trace.sessions().back(), 1, language);
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.startsWith(QLatin1String("==")))
            lines << line.mid(12).trimmed();
    return lines;
}

// A rig whose port records into a trace.
struct TracedRig : LinkRig {
    TracedRig() : LinkRig(1) { port.setTrace(&trace); }
    SerialTrace trace;
};

} // namespace

class TestSerialTrace : public QObject {
    Q_OBJECT
private slots:
    void nothingIsRecordedBeforeASession() {
        SerialTrace trace;
        trace.sent(0x50);
        trace.received("x");
        trace.mark(TraceEventKind::Closed);
        QVERIFY(trace.isEmpty());
        QCOMPARE(trace.text(1), SerialTrace::headerText(1));
    }

    void bytesLines_data() {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("PROGRAM") << QByteArray("PROGRAM")
                                 << QStringList{"TX  50 52 4F 47 52 41 4D" + QString(29, ' ') +
                                                "|PROGRAM|"};
        QTest::newRow("unprintable bytes")
            << bytes({0x06, 0x00, 0x7F, 0x80, 0xFF, 0x20, 0x7E})
            << QStringList{"TX  06 00 7F 80 FF 20 7E" + QString(29, ' ') + "|..... ~|"};
        QByteArray block(20, 'A');
        block[0] = 'W';
        QTest::newRow("a block over two lines")
            << block
            << QStringList{
                   "TX  57 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41  |WAAAAAAAAAAAAAAA|",
                   "41 41 41 41" + QString(38, ' ') + "|AAAA|"};
    }
    void bytesLines() {
        QFETCH(QByteArray, sent);
        QFETCH(QStringList, lines);
        SerialTrace trace;
        trace.beginSession(TraceSessionKind::Write, QStringLiteral("/dev/pts/9"));
        // Byte by byte, as the port writes them: one line of text.
        for (const char c : sent)
            trace.sent(quint8(c));
        QCOMPARE(trace.sessions().back().events.size(), size_t(1));
        QCOMPARE(eventLines(trace, 1), lines);
        QCOMPARE(traceTextBytes(trace.text(1)).sent, sent);
    }

    void sentBytesJoinReceivedPiecesStay() {
        SerialTrace trace;
        trace.beginSession(TraceSessionKind::Read, QStringLiteral("COM3"));
        trace.sent(QByteArray("PROG"));
        trace.sent(QByteArray("RAM"));
        trace.received(bytes({0x4B, 0x37}));
        trace.received(bytes({0x34, 0x30}));
        trace.sent(0x06);
        const auto &events = trace.sessions().back().events;
        QCOMPARE(events.size(), size_t(4));
        QCOMPARE(events[0].bytes, QByteArray("PROGRAM"));
        QCOMPARE(events[1].bytes, QByteArray("K7"));
        QCOMPARE(events[2].bytes, QByteArray("40"));
        QCOMPARE(events[3].kind, TraceEventKind::Sent);
        // Times never go back.
        for (size_t i = 1; i < events.size(); ++i)
            QVERIFY(events[i].microseconds >= events[i - 1].microseconds);
        const TraceTextBytes parsed = traceTextBytes(trace.text(0));
        QCOMPARE(parsed.sent, QByteArray("PROGRAM\x06"));
        QCOMPARE(parsed.received, QByteArray("K740"));
    }

    void marksInBothLanguages_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("open") << int(TraceEventKind::Opened) << "/dev/pts/4"
                              << "open /dev/pts/4" << QString::fromUtf8("打开 /dev/pts/4");
        QTest::newRow("close") << int(TraceEventKind::Closed) << ""
                               << "close" << QString::fromUtf8("关闭");
        QTest::newRow("time-out") << int(TraceEventKind::TimedOut) << ""
                                  << "time-out: the radio did not answer in time, exchange given up"
                                  << QString::fromUtf8("超时：对讲机未按时应答，放弃本次通信");
        QTest::newRow("end") << int(TraceEventKind::Ended) << "Read frequency success!"
                             << "end: Read frequency success!"
                             << QString::fromUtf8("结束：Read frequency success!");
    }
    void marksInBothLanguages() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        SerialTrace trace;
        trace.beginSession(TraceSessionKind::Read, QStringLiteral("/dev/pts/4"));
        trace.mark(TraceEventKind(kind), text);
        QCOMPARE(eventLines(trace, 1), QStringList{"--  " + english});
        QCOMPARE(eventLines(trace, 0), QStringList{"--  " + chinese});
        QCOMPARE(traceTextBytes(trace.text(1)).marks, QStringList{english});
    }

    void sessionsAreBounded() {
        SerialTrace trace;
        for (int i = 0; i < SerialTrace::kSessionsKept + 3; ++i) {
            trace.beginSession(TraceSessionKind::Read, QStringLiteral("/dev/x%1").arg(i));
            trace.sent(quint8(i));
        }
        QCOMPARE(int(trace.sessions().size()), SerialTrace::kSessionsKept);
        QCOMPARE(trace.sessions().front().device, QStringLiteral("/dev/x3"));
        const TraceTextBytes parsed = traceTextBytes(trace.text(1));
        QCOMPARE(parsed.sessions, SerialTrace::kSessionsKept);
        QCOMPARE(parsed.sent, bytes({3, 4, 5, 6, 7, 8, 9, 10}));
    }

    void aSessionStopsAtItsLimit() {
        SerialTrace trace;
        trace.beginSession(TraceSessionKind::Radio, QString());
        const QByteArray chunk(4096, 'x');
        for (qint64 n = 0; n < SerialTrace::kBytesPerSession / chunk.size(); ++n)
            trace.received(chunk);
        QVERIFY(!trace.sessions().back().truncated);
        trace.received("more");
        trace.sent(0x45);
        const TraceSession &session = trace.sessions().back();
        QVERIFY(session.truncated);
        QCOMPARE(session.bytesKept, SerialTrace::kBytesPerSession);
        QCOMPARE(session.events.back().kind, TraceEventKind::Truncated);
        // A new session records again.
        trace.beginSession(TraceSessionKind::Read, QString());
        trace.sent(0x45);
        QCOMPARE(trace.sessions().back().events.size(), size_t(1));
    }

    void readSessionOnTheFakePort() {
        TracedRig rig;
        rig.loadRadio(QByteArray(0x400, '\x11'));
        QVERIFY(rig.session.startRead());
        rig.pump();
        QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
        QCOMPARE(int(rig.trace.sessions().size()), 1);
        const TraceSession &session = rig.trace.sessions().back();
        QCOMPARE(session.kind, TraceSessionKind::Read);
        QCOMPARE(session.device, QStringLiteral("/dev/fake0"));
        // Every byte that crossed the fake wire, each way.
        QByteArray toRadio;
        for (const QByteArray &frame : rig.radio.frames)
            toRadio += frame;
        QCOMPARE(SerialTrace::bytesOf(session, TraceEventKind::Sent), toRadio);
        const TraceTextBytes parsed = traceTextBytes(rig.trace.text(1));
        QCOMPARE(parsed.sent, toRadio);
        QCOMPARE(parsed.received.size(), 1 + 8 + 1 + 16 * (68 + 1));
        QCOMPARE(parsed.marks,
                 (QStringList{"open /dev/fake0", "close", "end: Read frequency success!"}));
    }

    void timeOutAndRepeatAreMarked() {
        TracedRig rig;
        rig.radio.faults.silent = true;
        QVERIFY(rig.session.startWrite());
        for (int i = 0; i < CloneSession::kRetryTicks; ++i)
            rig.session.retryTick();
        for (int i = 0; i < CloneSession::kWatchdogTicks; ++i)
            rig.session.watchdogTick();
        QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
        const TraceTextBytes parsed = traceTextBytes(rig.trace.text(1));
        QCOMPARE(parsed.marks,
                 (QStringList{"open /dev/fake0", "no answer yet, PROGRAM sent again",
                              "time-out: the radio did not answer in time, exchange given up"}));
        // The repeated request and, after the time-out, the end byte.
        QCOMPARE(parsed.sent, QByteArray("PROGRAMPROGRAM\x45"));
        const auto &events = rig.trace.sessions().back().events;
        QCOMPARE(events.back().kind, TraceEventKind::Sent);
        QCOMPARE(events.back().bytes, bytes({0x45}));
        QCOMPARE(events[events.size() - 2].kind, TraceEventKind::TimedOut);
    }

    void lostDeviceAndFailedOpenAreMarked() {
        TracedRig rig;
        QVERIFY(rig.session.startRead());
        rig.port.loseDevice();
        QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
        QStringList marks = traceTextBytes(rig.trace.text(1)).marks;
        QCOMPARE(marks, (QStringList{"open /dev/fake0", "device lost: /dev/fake0 was unplugged"}));
        // A session whose port does not open keeps the reason.
        rig.session.blinkTimer()->stop();
        rig.port.missingDevices << QStringLiteral("/dev/fake0");
        QVERIFY(!rig.session.startRead());
        QCOMPARE(int(rig.trace.sessions().size()), 2);
        marks = traceTextBytes(SerialTrace::sessionText(rig.trace.sessions().back(), 2, 1)).marks;
        QCOMPARE(marks, QStringList{"cannot open: No such file or directory"});
    }

    void savedTextIsTheTrace() {
        SerialTrace trace;
        trace.beginSession(TraceSessionKind::Write, QStringLiteral("/dev/ttyUSB0"));
        trace.sent(QByteArray("PROGRAM"));
        QTemporaryDir dir;
        const QString path = dir.filePath("trace.txt");
        QString error;
        QVERIFY(saveTextFile(path, trace.text(0), &error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), trace.text(0));
        QVERIFY(!saveTextFile(dir.filePath("no/such/folder/trace.txt"), trace.text(1), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSerialTrace)
#include "tst_serialtrace.moc"
