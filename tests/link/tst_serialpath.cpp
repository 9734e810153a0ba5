// Whole sessions over the real serial port (QSerialPort on a pseudo-terminal)
// against the simulated radio, with the real timers.
#include "linkrig.h"
#include "simradio.h"

#include "tests/support/imagebuilder.h"

#include "image/imagecodec.h"
#include "link/portdiagnostics.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"
#include "tests/support/tracebytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/support/unixcalls.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

struct PtyRig {
    PtyRig() {
        sim.open();
        port.setTrace(&trace);
        chooser.setDevicePath(sim.devicePath());
        QObject::connect(&session, &CloneSession::finished,
                         [this](SessionOutcome o) { outcomes << o; });
    }
    bool waitFinished(int ms) {
        QSignalSpy spy(&session, &CloneSession::finished);
        return !outcomes.isEmpty() || spy.wait(ms);
    }

    SimRadio sim;
    EditorState state = startUpState(1);
    SerialTrace trace;
    SystemSerialPort port;
    RecordingMessagePort messages;
    PortChooser chooser{port, messages};
    CloneSession session{state, port, chooser, messages};
    QList<SessionOutcome> outcomes;
};

// A lock file written for a test, removed again however the test ends.
struct LockFileOfTest {
    explicit LockFileOfTest(const QString &device)
        : path(QDir(serialLockDirectories().first()).filePath(lockFileNames(device).last())) {}
    ~LockFileOfTest() { QFile::remove(path); }
    bool write(const QByteArray &content, int age) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
               file.flush() &&
               file.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                                QFileDevice::FileModificationTime);
    }
    QByteArray content() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    QString path;
};

// A process id that no process has: a child that has ended.
qint64 endedProcessId() {
    QProcess child;
    child.start(QStringLiteral("true"), QStringList());
    const qint64 pid = child.waitForStarted() ? child.processId() : 0;
    child.waitForFinished();
    return pid;
}

} // namespace

class TestSerialPath : public QObject {
    Q_OBJECT
private slots:
    void readWithRealTimers();
    void writeChangesTheRadioByteForByte_data();
    void writeChangesTheRadioByteForByte();
    void radioAnsweringOnlyTheRepeatedRequest();
    void silentRadioEndsByTimeOut();
    void farEndClosedMidSession_data();
    void farEndClosedMidSession();
    void farEndClosedWhileIdle();
    void missingDeviceDoesNotOpen();
    void traceIsWhatTheRadioSaw_data();
    void traceIsWhatTheRadioSaw();
    void busyDeviceNamesItsHolder();
    void deviceWithoutPermission();
    void lockFilesOfOtherPrograms_data();
    void lockFilesOfOtherPrograms();
    void deviceHeldForExclusiveUse();
    void leftOverBytesAreDiscarded_data();
    void leftOverBytesAreDiscarded();
};

void TestSerialPath::readWithRealTimers() {
    VQ740_NEEDS_PTY();
    PtyRig rig;
    QVERIFY(rig.sim.isOpen());
    QRandomGenerator rng(21);
    rig.sim.model.memory.replace(0x10, 0x400, generatedImage(rng, 0x400));
    rig.sim.model.identification = RadioModel::identificationOf("K7402", 0x01);
    QSignalSpy commands(&rig.session, &CloneSession::commandsEnabledChanged);
    QSignalSpy ended(&rig.sim, &SimRadio::endReceived);
    QVERIFY(rig.session.startRead());
    QVERIFY(rig.waitFinished(10000));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    QVERIFY(!rig.port.isOpen());
    QVERIFY(ended.size() == 1 || ended.wait(2000));
    QCOMPARE(rig.sim.model.frames, expectedReadFrames());

    EditorState expected = startUpState(1);
    QVERIFY(DecodeImage(expected, imageFromBytes(rig.sim.model.memory.mid(0x10, 0x400))));
    expected.acceptedBand = expected.bandPosition = 5; // the radio's own band
    QCOMPARE(EncodeImage(rig.state), EncodeImage(expected));
    QCOMPARE(rig.state.acceptedBand, 5);
    QCOMPARE(rig.state.bandPosition, 5);

    // The blink timer gives the commands back about 2.4 s later.
    QCOMPARE(commands.size(), 1);
    QVERIFY(commands.wait(5000));
    QCOMPARE(commands.last().at(0).toBool(), true);
    QVERIFY(!rig.session.statusVisible());
    QVERIFY(rig.messages.shown.isEmpty());
}

void TestSerialPath::writeChangesTheRadioByteForByte_data() {
    QTest::addColumn<bool>("debugWriteMode");
    QTest::addColumn<bool>("pace");
    QTest::addColumn<int>("pieceSize");
    QTest::newRow("whole replies") << false << false << 0;
    QTest::newRow("debug write mode, replies in pieces") << true << false << 3;
    QTest::newRow("paced at 9600 baud") << false << true << 0;
}

void TestSerialPath::writeChangesTheRadioByteForByte() {
    VQ740_NEEDS_PTY();
    QFETCH(bool, debugWriteMode);
    QFETCH(bool, pace);
    QFETCH(int, pieceSize);
    PtyRig rig;
    rig.sim.options.pace = pace;
    rig.sim.options.pieceSize = pieceSize;
    QRandomGenerator rng(22);
    rig.state = generatedState(rng, 1);
    rig.state.acceptedBand = rig.state.bandPosition = 0;
    rig.state.debugWriteMode = debugWriteMode;
    const QByteArray before = rig.sim.model.memory;
    const QByteArray image = bytesFromImage(EncodeImage(rig.state));
    QVERIFY(rig.session.startWrite());
    QVERIFY(rig.waitFinished(10000));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    QTRY_COMPARE(rig.sim.model.endBytes, 1);

    const QList<int> addresses = writeAddresses(debugWriteMode);
    QCOMPARE(rig.sim.model.frames, expectedWriteFrames(image, addresses));
    QByteArray expected = before;
    for (int a : addresses)
        expected.replace(a, 16, image.mid(a - 0x10, 16));
    QCOMPARE(rig.sim.model.memory.toHex(), expected.toHex());
}

void TestSerialPath::radioAnsweringOnlyTheRepeatedRequest() {
    VQ740_NEEDS_PTY();
    PtyRig rig;
    rig.sim.model.faults.ignoredProgramRequests = 1;
    QVERIFY(rig.session.startRead());
    QVERIFY(rig.waitFinished(10000));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    QCOMPARE(rig.sim.model.programRequests, 2);
}

void TestSerialPath::silentRadioEndsByTimeOut() {
    VQ740_NEEDS_PTY();
    PtyRig rig;
    rig.sim.model.faults.silent = true;
    const QString before = EncodeImage(rig.state);
    QVERIFY(rig.session.startRead());
    QVERIFY(rig.waitFinished(8000));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown.at(0).flags, quint32(16));
    QVERIFY(rig.session.commandsEnabled());
    // One repeat of the request; the port stays open; the radio got the end byte.
    QCOMPARE(rig.sim.model.programRequests, 2);
    QVERIFY(rig.port.isOpen());
    QTRY_COMPARE(rig.sim.model.endBytes, 1);
    QCOMPARE(EncodeImage(rig.state), before);
    // The trace shows the repeat and the time-out, and what the radio got.
    const TraceTextBytes text = traceTextBytes(rig.trace.text(1));
    QCOMPARE(text.marks,
             (QStringList{"open " + rig.sim.devicePath(), "no answer yet, PROGRAM sent again",
                          "time-out: the radio did not answer in time, exchange "
                          "given up"}));
    QCOMPARE(text.sent, QByteArray("PROGRAMPROGRAM\x45"));
    QCOMPARE(SerialTrace::bytesOf(rig.sim.wireLog.sessions().back(), TraceEventKind::Sent),
             text.sent);
    QVERIFY(text.received.isEmpty());
}

void TestSerialPath::farEndClosedMidSession_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("replies");
    QTest::newRow("read, during the handshake") << false << 1;
    QTest::newRow("read, during the blocks") << false << 9;
    QTest::newRow("write, during the blocks") << true << 20;
}

void TestSerialPath::farEndClosedMidSession() {
    VQ740_NEEDS_PTY();
    QFETCH(bool, write);
    QFETCH(int, replies);
    PtyRig rig;
    rig.sim.options.closeAfterReplies = replies;
    QSignalSpy lost(&rig.session, &CloneSession::portLost);
    QVERIFY(write ? rig.session.startWrite() : rig.session.startRead());
    QVERIFY(rig.waitFinished(8000));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
    // Noticed at once, not by the watchdog, and the port let go of the device.
    QCOMPARE(lost.size(), 1);
    QVERIFY(!rig.port.isOpen());
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown.at(0).flags, quint32(16));
    QVERIFY(rig.session.commandsEnabled());
    QVERIFY(!rig.session.retryTimer()->isActive());
    QVERIFY(!rig.session.watchdogTimer()->isActive());
    // The next read reports the port as not open and changes nothing.
    QVERIFY(!rig.session.startRead());
    QCOMPARE(rig.messages.shown.size(), 2);
    QCOMPARE(rig.messages.shown.at(1).flags, quint32(64));
}

void TestSerialPath::farEndClosedWhileIdle() {
    VQ740_NEEDS_PTY();
    PtyRig rig;
    SystemSerialPort &port = rig.port;
    QSignalSpy lost(&port, &SerialPort::deviceLost);
    port.setDevice(rig.sim.devicePath());
    QVERIFY(port.open());
    rig.sim.closeFarEnd();
    QVERIFY(lost.wait(3000));
    QVERIFY(!port.isOpen());
    QVERIFY(rig.outcomes.isEmpty());
    QVERIFY(rig.messages.shown.isEmpty());
}

void TestSerialPath::missingDeviceDoesNotOpen() {
    SystemSerialPort port;
    port.setDevice(QStringLiteral("/dev/no-such-vq740-port"));
    QVERIFY(!port.open());
    QVERIFY(!port.isOpen());
    QCOMPARE(port.lastOpenFailure(), PortOpenFailure::NoDevice);
    QVERIFY(!port.lastOpenError().isEmpty());
    CommTimeouts t;
    QVERIFY(!port.getTimeouts(&t));
    QVERIFY(!port.setTimeouts(t));
    port.setDevice(QString());
    QVERIFY(!port.open());
    QCOMPARE(port.lastOpenFailure(), PortOpenFailure::NoDevice);
}

void TestSerialPath::traceIsWhatTheRadioSaw_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("pieceSize");
    QTest::newRow("read") << false << 0;
    QTest::newRow("read, replies in pieces") << false << 5;
    QTest::newRow("write") << true << 0;
}

void TestSerialPath::traceIsWhatTheRadioSaw() {
    VQ740_NEEDS_PTY();
    QFETCH(bool, write);
    QFETCH(int, pieceSize);
    PtyRig rig;
    rig.sim.options.pieceSize = pieceSize;
    QRandomGenerator rng(23);
    rig.sim.model.memory.replace(0x10, 0x400, generatedImage(rng, 0x400));
    QVERIFY(write ? rig.session.startWrite() : rig.session.startRead());
    QVERIFY(rig.waitFinished(10000));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    QTRY_COMPARE(rig.sim.model.endBytes, 1);
    QCOMPARE(int(rig.trace.sessions().size()), 1);
    QCOMPARE(int(rig.sim.wireLog.sessions().size()), 1);
    const TraceSession &program = rig.trace.sessions().back();
    const TraceSession &radio = rig.sim.wireLog.sessions().back();
    QCOMPARE(program.kind, write ? TraceSessionKind::Write : TraceSessionKind::Read);
    QCOMPARE(program.device, rig.sim.devicePath());
    // Byte for byte, each way, in the program's trace, its text and the
    // radio's own log.
    for (TraceEventKind direction : {TraceEventKind::Sent, TraceEventKind::Received}) {
        const QByteArray sent = SerialTrace::bytesOf(program, direction);
        QVERIFY(!sent.isEmpty());
        QCOMPARE(sent.toHex(' '), SerialTrace::bytesOf(radio, direction).toHex(' '));
    }
    QByteArray frames;
    for (const QByteArray &frame : rig.sim.model.frames)
        frames += frame;
    const TraceTextBytes text = traceTextBytes(rig.trace.text(1));
    QCOMPARE(text.sent, frames);
    QCOMPARE(text.received, SerialTrace::bytesOf(radio, TraceEventKind::Received));
    QCOMPARE(text.marks.first(), QStringLiteral("open ") + rig.sim.devicePath());
    QCOMPARE(text.marks.last(), QStringLiteral("end: ") + rig.session.statusText());
    // Received pieces are kept as the port delivered them.
    if (pieceSize > 0) {
        int pieces = 0;
        for (const TraceEvent &event : program.events)
            pieces += event.kind == TraceEventKind::Received;
        QVERIFY(pieces > 2 + 16 * 2);
    }
}

void TestSerialPath::busyDeviceNamesItsHolder() {
    VQ740_NEEDS_PTY();
    // The port opened elsewhere holds the device's lock file (QSerialPort
    // locks the device, also against root, for whom TIOCEXCL does not count).
    PtyRig rig;
    SystemSerialPort holder;
    holder.setDevice(rig.sim.devicePath());
    QVERIFY(holder.open());
    QVERIFY(!rig.session.startRead());
    QCOMPARE(rig.port.lastOpenFailure(), PortOpenFailure::InUse);
    QCOMPARE(rig.messages.shown.size(), 1);
    const QString text = rig.messages.shown.at(0).text;
    QVERIFY2(text.startsWith(QStringLiteral("Communication port not open, please first selection "
                                            "menu 'communication port' to open its serial "
                                            "ports!\n\nCannot open %1: ")
                                 .arg(rig.sim.devicePath())),
             qPrintable(text));
    const std::optional<PortLock> lock =
        findPortLock(rig.sim.devicePath(), serialLockDirectories());
    if (!lock)
        QSKIP("QSerialPort found no lock folder it may write here");
    QVERIFY(lock->alive);
    QCOMPARE(lock->pid, QCoreApplication::applicationPid());
    QVERIFY2(text.contains(QStringLiteral("is in use by %1 (process %2) (lock file %3)")
                               .arg(lock->program)
                               .arg(lock->pid)
                               .arg(lock->path)),
             qPrintable(text));
    // Once the other port lets go, the device opens.
    holder.close();
    QVERIFY(rig.session.startRead());
    QVERIFY(rig.waitFinished(10000));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
}

void TestSerialPath::deviceWithoutPermission() {
    VQ740_NEEDS_PTY();
    if (::geteuid() == 0)
        QSKIP("root opens every device; vq740-cli is run as another user in tst_linkcli");
    PtyRig rig;
    const QByteArray path = rig.sim.devicePath().toLocal8Bit();
    QVERIFY(::chmod(path.constData(), 0) == 0);
    QVERIFY(!rig.session.startRead());
    QCOMPARE(rig.port.lastOpenFailure(), PortOpenFailure::PermissionDenied);
    const QString text = rig.messages.shown.at(0).text;
    QVERIFY2(text.contains(QStringLiteral("mode c---------")), qPrintable(text));
    ::chmod(path.constData(), 0620);
}

void TestSerialPath::lockFilesOfOtherPrograms_data() {
    QTest::addColumn<QString>("form");     // padded, binary, empty
    QTest::addColumn<bool>("running");     // the process the lock names runs (sleep)
    QTest::addColumn<int>("age");          // seconds since the lock was written
    QTest::addColumn<bool>("throughLink"); // the device is chosen by a link to it
    QTest::addColumn<QString>("said");     // {lock} {pid}; a trace mark when it opens
    const QString inUse = "is in use by sleep (process {pid}) (lock file {lock}): close that "
                          "program.";
    QTest::newRow("minicom's form, running") << "padded" << true << 0 << false << inUse;
    QTest::newRow("4 binary bytes, running for a minute")
        << "binary" << true << 60 << false << inUse;
    QTest::newRow("minicom's form under the real device's name, opened by a link")
        << "padded" << true << 0 << true << inUse;
    QTest::newRow("empty, just written")
        << "empty" << false << 0 << false
        << "The lock file {lock} marks the device as in use. If no program is using it, remove "
           "it: sudo rm {lock}";
    QTest::newRow("minicom's form, ended")
        << "padded" << false << 0 << false
        << "lock file {lock} of a program that has ended (process {pid}) taken over";
    QTest::newRow("4 binary bytes, ended")
        << "binary" << false << 0 << false
        << "lock file {lock} of a program that has ended (process {pid}) taken over";
    QTest::newRow("empty, left alone for a while")
        << "empty" << false << 10 << false
        << "empty lock file {lock} that no program uses taken over";
}

void TestSerialPath::lockFilesOfOtherPrograms() {
    VQ740_NEEDS_PTY();
    QFETCH(QString, form);
    QFETCH(bool, running);
    QFETCH(int, age);
    QFETCH(bool, throughLink);
    QFETCH(QString, said);
    PtyRig rig;
    QTemporaryDir dir;
    if (throughLink) {
        QVERIFY(QFile::link(rig.sim.devicePath(), dir.filePath("radio")));
        rig.chooser.setDevicePath(dir.filePath("radio"));
    }
    QProcess program;
    program.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(program.waitForStarted());
    const qint64 pid = running ? program.processId() : endedProcessId();
    const qint32 binary = qint32(pid);
    const QByteArray content =
        form == QLatin1String("padded")   ? QByteArray::number(pid).rightJustified(10) + "\n"
        : form == QLatin1String("binary") ? QByteArray(reinterpret_cast<const char *>(&binary), 4)
                                          : QByteArray();
    LockFileOfTest lock(rig.sim.devicePath());
    if (!lock.write(content, age))
        QSKIP("the lock folder cannot be written here");
    said.replace("{lock}", lock.path).replace("{pid}", QString::number(pid));
    const bool opens = said.endsWith(QLatin1String("taken over"));

    QCOMPARE(rig.session.startRead(), opens);
    if (opens) {
        QVERIFY(rig.waitFinished(10000));
        QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
        const QStringList marks = traceTextBytes(rig.trace.text(1)).marks;
        QCOMPARE(marks.mid(0, 2), (QStringList{said, "open " + rig.port.device()}));
        // The port's own lock went with it.
        QVERIFY(!QFileInfo::exists(lock.path));
    } else {
        QCOMPARE(rig.port.lastOpenFailure(), PortOpenFailure::InUse);
        const QString text = rig.messages.shown.value(0).text;
        QVERIFY2(text.contains(said), qPrintable(text + "\nexpected: " + said));
        QCOMPARE(lock.content(), content);
    }
    program.kill();
    program.waitForFinished();
}

void TestSerialPath::deviceHeldForExclusiveUse() {
    VQ740_NEEDS_PTY();
    // Another program holds the device for exclusive use and leaves no lock
    // file. Root passes the system's check; the program must not.
    PtyRig rig;
    const QByteArray device = rig.sim.devicePath().toLocal8Bit();
    const int own = ::open(device.constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    QVERIFY(own >= 0);
    QProcess holder;
    holder.setStandardInputFile(rig.sim.devicePath());
    holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(holder.waitForStarted());
    QVERIFY(::ioctl(own, TIOCEXCL) == 0);
    const bool started = rig.session.startRead();
    ::ioctl(own, TIOCNXCL);
    ::close(own);
    const qint64 pid = holder.processId();
    holder.kill();
    holder.waitForFinished();
    QVERIFY(!started);
    QCOMPARE(rig.port.lastOpenFailure(), PortOpenFailure::InUse);
    const QString text = rig.messages.shown.value(0).text;
    QVERIFY2(text.contains(QStringLiteral("%1 is open in sleep (process %2): close that program.")
                               .arg(rig.sim.devicePath())
                               .arg(pid)),
             qPrintable(text));
}

void TestSerialPath::leftOverBytesAreDiscarded_data() {
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<QString>("said");
    QTest::newRow("an acknowledgement")
        << QByteArray(1, '\x06') << "1 bytes left over from an earlier exchange discarded: 06";
    QTest::newRow("a data frame")
        << QByteArray("\x57\x00\x10\x40", 4) + QByteArray(64, '\x06')
        << "68 bytes left over from an earlier exchange discarded: 57 00 10 40 06 06 06 06 06 06 "
           "06 06 06 06 06 06 ...";
    QTest::newRow("an identification") << RadioModel::identificationOf("K7403", 0x33)
                                       << "8 bytes left over from an earlier exchange discarded: "
                                          "4B 37 34 30 33 33 F8 FF";
}

void TestSerialPath::leftOverBytesAreDiscarded() {
    VQ740_NEEDS_PTY();
    // The radio still answers an exchange whose program was killed: the
    // next read goes ahead at once, with one request.
    QFETCH(QByteArray, left);
    QFETCH(QString, said);
    PtyRig rig;
    rig.sim.sendUnasked(left);
    QVERIFY(rig.session.startRead());
    QVERIFY(rig.waitFinished(10000));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    QCOMPARE(rig.sim.model.programRequests, 1);
    QTRY_COMPARE(rig.sim.model.endBytes, 1);
    QCOMPARE(rig.sim.model.frames, expectedReadFrames());
    const QStringList marks = traceTextBytes(rig.trace.text(1)).marks;
    QCOMPARE(marks.mid(0, 2), (QStringList{"open " + rig.sim.devicePath(), said}));
}

QTEST_GUILESS_MAIN(TestSerialPath)
#include "tst_serialpath.moc"
