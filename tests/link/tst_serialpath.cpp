// Whole sessions over the real serial port (QSerialPort on a pseudo-terminal)
// against the simulated radio, with the real timers.
#include "linkrig.h"
#include "simradio.h"

#include "../image/imagebuilder.h"

#include "image/imagecodec.h"
#include "link/systemserialport.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

struct PtyRig {
    PtyRig() {
        sim.open();
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
    SystemSerialPort port;
    RecordingMessagePort messages;
    PortChooser chooser{port, messages};
    CloneSession session{state, port, chooser, messages};
    QList<SessionOutcome> outcomes;
};

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
};

void TestSerialPath::readWithRealTimers() {
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
    PtyRig rig;
    rig.sim.model.faults.ignoredProgramRequests = 1;
    QVERIFY(rig.session.startRead());
    QVERIFY(rig.waitFinished(10000));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    QCOMPARE(rig.sim.model.programRequests, 2);
}

void TestSerialPath::silentRadioEndsByTimeOut() {
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
}

void TestSerialPath::farEndClosedMidSession_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("replies");
    QTest::newRow("read, during the handshake") << false << 1;
    QTest::newRow("read, during the blocks") << false << 9;
    QTest::newRow("write, during the blocks") << true << 20;
}

void TestSerialPath::farEndClosedMidSession() {
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

QTEST_GUILESS_MAIN(TestSerialPath)
#include "tst_serialpath.moc"
