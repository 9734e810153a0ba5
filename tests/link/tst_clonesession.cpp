// The clone session driven through an in-memory port: frames byte for byte,
// recognition, band checks, progress, and the three timers' ticks called
// directly.
#include "linkrig.h"

#include "tests/support/imagebuilder.h"

#include "image/imagecodec.h"
#include "link/linktexts.h"
#include "link/serialtrace.h"
#include "model/layout.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

QByteArray readData(const RadioModel &radio, int address) {
    return bytes({0x57, address >> 8, address & 0xFF, 0x40}) + radio.memory.mid(address, 64);
}

// Start, 06, 02, identification: the program stands in the transfer phase.
void handshake(LinkRig &rig, bool write, const QByteArray &identification) {
    QVERIFY(write ? rig.session.startWrite() : rig.session.startRead());
    QCOMPARE(rig.port.takeWritten(), QByteArray("PROGRAM"));
    rig.port.deliver(bytes({0x06}));
    QCOMPARE(rig.port.takeWritten(), bytes({0x02}));
    rig.port.deliver(identification);
    QCOMPARE(rig.port.takeWritten(), bytes({0x06}));
    QCOMPARE(rig.session.phase(), int(CloneSession::kPhaseTransfer));
}

} // namespace

class TestCloneSession : public QObject {
    Q_OBJECT
private slots:
    void readExchangeFrameByFrame_data();
    void readExchangeFrameByFrame();
    void readAdoptsTheRadiosBand_data();
    void readAdoptsTheRadiosBand();
    void writeSendsEveryBlockOfTheImage_data();
    void writeSendsEveryBlockOfTheImage();
    void writeImageIsMadeWhenTheRadioIdentifies();
    void bandMismatchRefusesTheWrite_data();
    void bandMismatchRefusesTheWrite();
    void bandChangedAfterTheFirstBlockDoesNotStopTheWrite_data();
    void bandChangedAfterTheFirstBlockDoesNotStopTheWrite();
    void bandOverrideAsks_data();
    void bandOverrideAsks();
    void acknowledgementInsideIdentification_data();
    void acknowledgementInsideIdentification();
    void identificationRecognition_data();
    void identificationRecognition();
    void retryRepeatsProgramOnceAfterThreeTicks();
    void retryCountCarriesOverToNextSession();
    void watchdogEndsSilentExchange_data();
    void watchdogEndsSilentExchange();
    void goodFramesHoldOffWatchdog();
    void blinkRestoresCommandsAfterTwelveCountedTicks();
    void stalledExchangesEndByTimeOut_data();
    void stalledExchangesEndByTimeOut();
    void portNotOpenChangesNothing_data();
    void portNotOpenChangesNothing();
    void deviceLostEndsLikeTimeOut();
    void timeOutWhileBandQuestionOpenWritesNothing();
    void lateReplyWhileErrorShownIsIgnored();
    void strayInputAfterReadIsIgnored();
    void endlessHandshakeTimesOut();
    void misfitAnswersStartTheHandshakeAgain_data();
    void misfitAnswersStartTheHandshakeAgain();
    void answersThatNeverFitEndByTimeOut();
    void startWhileBusyIsRefused();
    void startShowsSessionAndLocksCommands();
};

void TestCloneSession::readExchangeFrameByFrame_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("status");
    QTest::newRow("English") << 1 << "Read frequency success!";
    QTest::newRow("Chinese") << 0 << QString::fromUtf8("读频成功！");
}

void TestCloneSession::readExchangeFrameByFrame() {
    QFETCH(int, language);
    QFETCH(QString, status);
    LinkRig rig{qint16(language)};
    QRandomGenerator rng(7);
    rig.loadRadio(generatedImage(rng, 0x400));
    handshake(rig, false, RadioModel::identificationOf("K7403", 0x33, 0x12, 0x34));
    QVERIFY(rig.session.progressVisible());
    QCOMPARE(rig.session.progressValue(), 0.0f);

    for (int a = 0x0010; a <= 0x03D0; a += 0x40) {
        rig.port.deliver(bytes({0x06}));
        QCOMPARE(rig.port.takeWritten().toHex(), bytes({0x52, a >> 8, a & 0xFF, 0x40}).toHex());
        QCOMPARE(rig.session.progressValue(), float(25 * ((a - 0x10) / 0x40 + 1)));
        rig.port.deliver(readData(rig.radio, a));
        QCOMPARE(rig.port.takeWritten(), bytes({0x06}));
    }
    QCOMPARE(rig.decodedCount, 0);
    rig.port.deliver(bytes({0x06}));
    QCOMPARE(rig.port.takeWritten(), bytes({0x45}));
    QVERIFY(!rig.port.isOpen());
    QCOMPARE(rig.session.progressValue(), 425.0f);
    QVERIFY(!rig.session.progressVisible());
    QCOMPARE(rig.session.statusText(), status);
    QVERIFY(rig.session.sessionEnded());
    QVERIFY(!rig.session.watchdogTimer()->isActive());
    QVERIFY(rig.session.blinkTimer()->isActive());
    QCOMPARE(rig.decodedCount, 1);
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    QCOMPARE(rig.session.readImage().size(), 2048);
    const EditorState expected = stateAfterRead(rig.radio.memory, 0, qint16(language));
    QCOMPARE(EncodeImage(rig.state), EncodeImage(expected));
    QVERIFY(!rig.session.commandsEnabled());
}

void TestCloneSession::readAdoptsTheRadiosBand_data() {
    QTest::addColumn<QByteArray>("identification");
    QTest::addColumn<int>("band");
    QTest::newRow("33 is 400-470") << RadioModel::identificationOf("K7403", 0x33) << 0;
    QTest::newRow("21 is 200-260") << RadioModel::identificationOf("K7403", 0x21) << 1;
    QTest::newRow("43 is 400-430") << RadioModel::identificationOf("K7403", 0x43) << 2;
    QTest::newRow("63 is 370-390") << RadioModel::identificationOf("K7403", 0x63) << 3;
    QTest::newRow("53 is 350-370") << RadioModel::identificationOf("K7403", 0x53) << 4;
    QTest::newRow("01 is 136-174") << RadioModel::identificationOf("K7402", 0x01) << 5;
    QTest::newRow("73 is 600-720") << RadioModel::identificationOf("K7403", 0x73) << 6;
    QTest::newRow("unknown code keeps the last band")
        << RadioModel::identificationOf("K7403", 0x99) << 2;
}

void TestCloneSession::readAdoptsTheRadiosBand() {
    QFETCH(QByteArray, identification);
    QFETCH(int, band);
    LinkRig rig;
    QRandomGenerator rng(8);
    rig.loadRadio(generatedImage(rng, 0x400));
    // The image says 200-260MHz; the identification decides.
    rig.radio.memory[0x10 + Layout::kBandCode] = '\x21';
    // An earlier read of a 400-430MHz radio set the radio band.
    rig.radio.identification = RadioModel::identificationOf("K7403", 0x43);
    QVERIFY(rig.session.startRead());
    rig.pump();
    QCOMPARE(rig.session.radioBand(), 2);
    for (int i = 0; i < CloneSession::kBlinkTicks * 2; ++i)
        rig.session.blinkTick();
    QVERIFY(rig.session.commandsEnabled());

    rig.radio.identification = identification;
    QVERIFY(rig.session.startRead());
    rig.pump();
    QCOMPARE(rig.outcomes.size(), 2);
    QCOMPARE(rig.outcomes.last(), SessionOutcome::Success);
    QCOMPARE(rig.state.acceptedBand, band);
    QCOMPARE(rig.state.bandPosition, band);
    const EditorState expected = stateAfterRead(rig.radio.memory, band, 1);
    QCOMPARE(EncodeImage(rig.state), EncodeImage(expected));
}

void TestCloneSession::writeSendsEveryBlockOfTheImage_data() {
    QTest::addColumn<bool>("debugWriteMode");
    QTest::addColumn<int>("blocks");
    QTest::newRow("normal") << false << 46;
    QTest::newRow("debug write mode") << true << 47;
}

void TestCloneSession::writeSendsEveryBlockOfTheImage() {
    QFETCH(bool, debugWriteMode);
    QFETCH(int, blocks);
    LinkRig rig;
    QRandomGenerator rng(9);
    rig.state = generatedState(rng, 1);
    rig.state.bandPosition = rig.state.acceptedBand = 0;
    rig.state.debugWriteMode = debugWriteMode;
    const QByteArray before = rig.radio.memory;
    const QByteArray image = bytesFromImage(EncodeImage(rig.state));

    QVERIFY(rig.session.startWrite());
    rig.pump();

    const QList<int> addresses = writeAddresses(debugWriteMode);
    QCOMPARE(addresses.size(), blocks);
    QCOMPARE(rig.radio.frames, expectedWriteFrames(image, addresses));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    QCOMPARE(rig.session.statusText(), QStringLiteral("Write frequency success!"));
    QVERIFY(!rig.port.isOpen());
    QVERIFY(rig.messages.shown.isEmpty());
    // Progress: +10 per acknowledgement, never beyond 460.
    QCOMPARE(rig.progressValues.first(), 0);
    QCOMPARE(*std::max_element(rig.progressValues.begin(), rig.progressValues.end()), 460);
    QCOMPARE(rig.progressValues.at(46), 460);
    QCOMPARE(rig.session.progressValue(), 460.0f);
    // The radio's memory: the written blocks changed, nothing else.
    QByteArray expected = before;
    for (int a : addresses)
        expected.replace(a, 16, image.mid(a - 0x10, 16));
    QCOMPARE(rig.radio.memory.toHex(), expected.toHex());
}

void TestCloneSession::writeImageIsMadeWhenTheRadioIdentifies() {
    LinkRig rig;
    QVERIFY(rig.session.startWrite());
    rig.port.deliver(bytes({0x06}));
    rig.state.channels.setCell(3, ColRxFrequency, QStringLiteral("446.10000"));
    rig.port.takeWritten();
    rig.port.deliver(RadioModel::identificationOf("K7403", 0x33));
    QCOMPARE(rig.session.writeImage(), EncodeImage(rig.state));
    QVERIFY(rig.session.writeImage().mid(2 * 0x20, 8) == QLatin1String("00006144"));
}

void TestCloneSession::bandMismatchRefusesTheWrite_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("status");
    QTest::newRow("English") << 1 << "Frequency band with discrepancies, do not write.";
    QTest::newRow("Chinese") << 0 << QString::fromUtf8("频段不符，不可写入。");
}

void TestCloneSession::bandMismatchRefusesTheWrite() {
    QFETCH(int, language);
    QFETCH(QString, status);
    LinkRig rig{qint16(language)};
    handshake(rig, true, RadioModel::identificationOf("K7403", 0x21));
    QCOMPARE(rig.session.radioBand(), 1);
    rig.port.deliver(bytes({0x06}));
    QCOMPARE(rig.port.takeWritten(), bytes({0x45}));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::BandRefused});
    QCOMPARE(rig.session.statusText(), status);
    QVERIFY(rig.messages.shown.isEmpty());
    QVERIFY(!rig.port.isOpen());
    QVERIFY(!rig.session.progressVisible());
    QVERIFY(rig.session.sessionEnded());
    QCOMPARE(rig.session.radioBand(), 0);
    QVERIFY(!rig.session.commandsEnabled());
}

void TestCloneSession::bandChangedAfterTheFirstBlockDoesNotStopTheWrite_data() {
    QTest::addColumn<bool>("bandOverrideMode");
    QTest::newRow("band override mode off") << false;
    QTest::newRow("band override mode on") << true;
}

void TestCloneSession::bandChangedAfterTheFirstBlockDoesNotStopTheWrite() {
    QFETCH(bool, bandOverrideMode);
    LinkRig rig;
    rig.state.bandOverrideMode = bandOverrideMode;
    const QByteArray image = bytesFromImage(EncodeImage(rig.state));
    QVERIFY(rig.session.startWrite());
    int blocks = 0;
    for (;;) {
        const QByteArray out = rig.port.takeWritten();
        if (out.isEmpty())
            break;
        // A file of another band is opened while the second block goes out.
        if (out.startsWith('W') && ++blocks == 2)
            rig.state.bandPosition = rig.state.acceptedBand = 3;
        for (const QByteArray &reply : rig.radio.feed(out))
            rig.port.deliver(reply);
    }
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    QVERIFY(rig.messages.shown.isEmpty());
    QCOMPARE(rig.radio.frames, expectedWriteFrames(image, writeAddresses(false)));
}

void TestCloneSession::bandOverrideAsks_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("language");
    QTest::newRow("Yes writes") << int(MsgResult::Yes) << 1;
    QTest::newRow("No refuses") << int(MsgResult::No) << 1;
    QTest::newRow("No refuses, Chinese") << int(MsgResult::No) << 0;
}

void TestCloneSession::bandOverrideAsks() {
    QFETCH(int, answer);
    QFETCH(int, language);
    LinkRig rig{qint16(language)};
    rig.state.bandOverrideMode = true;
    rig.radio.identification = RadioModel::identificationOf("K7402", 0x01);
    rig.messages.answers << answer;
    QVERIFY(rig.session.startWrite());
    rig.pump();
    const QString question = linkText(LinkText::BandQuestion, qint16(language));
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown.at(0).text, question);
    QCOMPARE(rig.messages.shown.at(0).flags, quint32(68));
    QCOMPARE(rig.messages.shown.at(0).title, QString());
    if (answer == MsgResult::Yes) {
        const QByteArray image = bytesFromImage(EncodeImage(rig.state));
        QCOMPARE(rig.radio.frames, expectedWriteFrames(image, writeAddresses(false)));
        QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    } else {
        QCOMPARE(rig.radio.frames.size(), 4);
        QCOMPARE(rig.radio.frames.last(), bytes({0x45}));
        QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Declined});
        QCOMPARE(rig.session.statusText(), question);
    }
}

void TestCloneSession::acknowledgementInsideIdentification_data() {
    QTest::addColumn<QByteArray>("identification");
    QTest::newRow("seventh byte 06") << RadioModel::identificationOf("K7403", 0x33, 0x06);
    QTest::newRow("digits 0 and 6 across two bytes")
        << RadioModel::identificationOf("K7403", 0x30, 0x6F);
}

void TestCloneSession::acknowledgementInsideIdentification() {
    QFETCH(QByteArray, identification);
    LinkRig rig;
    QVERIFY(rig.session.startRead());
    rig.port.takeWritten();
    rig.port.deliver(bytes({0x06}));
    QCOMPARE(rig.port.takeWritten(), bytes({0x02}));
    rig.port.deliver(identification);
    // Taken as an acknowledgement: the mode byte again.
    QCOMPARE(rig.port.takeWritten(), bytes({0x02}));
    QCOMPARE(rig.session.phase(), int(CloneSession::kPhaseHandshake));
    QVERIFY(!rig.session.progressVisible());
    // A clean identification then goes on.
    rig.port.deliver(RadioModel::identificationOf("K7403", 0x33));
    QCOMPARE(rig.port.takeWritten(), bytes({0x06}));
}

void TestCloneSession::identificationRecognition_data() {
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<bool>("accepted");
    const QByteArray k7403 = RadioModel::identificationOf("K7403", 0x33);
    QTest::newRow("K7403") << QList<QByteArray>{k7403} << true;
    QTest::newRow("K7402") << QList<QByteArray>{RadioModel::identificationOf("K7402", 0x01)}
                           << true;
    QTest::newRow("model identity after a leading byte")
        << QList<QByteArray>{QByteArray("\x11K7403\x33\xF8", 8)} << true;
    QTest::newRow("in two pieces") << QList<QByteArray>{k7403.left(3), k7403.mid(3)} << true;
    QTest::newRow("seven bytes") << QList<QByteArray>{k7403.left(7)} << false;
    QTest::newRow("nine bytes") << QList<QByteArray>{k7403 + "\xFF"} << false;
    QTest::newRow("another model")
        << QList<QByteArray>{RadioModel::identificationOf("K7404", 0x33)} << false;
    QTest::newRow("lower-case model")
        << QList<QByteArray>{RadioModel::identificationOf("k7403", 0x33)} << false;
}

void TestCloneSession::identificationRecognition() {
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(bool, accepted);
    LinkRig rig;
    QVERIFY(rig.session.startWrite());
    rig.port.deliver(bytes({0x06}));
    rig.port.takeWritten();
    for (const QByteArray &piece : pieces)
        rig.port.deliver(piece);
    QCOMPARE(rig.port.takeWritten(), accepted ? bytes({0x06}) : QByteArray());
    QCOMPARE(rig.session.phase(),
             int(accepted ? CloneSession::kPhaseTransfer : CloneSession::kPhaseHandshake));
    QCOMPARE(rig.session.progressVisible(), accepted);
}

void TestCloneSession::retryRepeatsProgramOnceAfterThreeTicks() {
    LinkRig rig;
    QVERIFY(rig.session.startRead());
    QVERIFY(rig.session.retryTimer()->isActive());
    QCOMPARE(rig.port.takeWritten(), QByteArray("PROGRAM"));
    rig.session.retryTick();
    rig.session.retryTick();
    QCOMPARE(rig.port.takeWritten(), QByteArray());
    rig.session.retryTick();
    QCOMPARE(rig.port.takeWritten(), QByteArray("PROGRAM"));
    QCOMPARE(rig.session.retryCount(), 0);
    QVERIFY(!rig.session.retryTimer()->isActive());
    // The radio answers the repeat.
    for (const QByteArray &reply : rig.radio.feed("PROGRAM"))
        rig.port.deliver(reply);
    rig.pump();
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
}

void TestCloneSession::retryCountCarriesOverToNextSession() {
    LinkRig rig;
    QVERIFY(rig.session.startRead());
    rig.session.retryTick();
    rig.port.deliver(bytes({0x06}));
    QVERIFY(!rig.session.retryTimer()->isActive());
    QCOMPARE(rig.session.retryCount(), 1);
    for (int i = 0; i < CloneSession::kWatchdogTicks; ++i)
        rig.session.watchdogTick();
    QVERIFY(rig.session.commandsEnabled());
    rig.port.takeWritten();

    // The next session repeats its request after the remaining two ticks.
    QVERIFY(rig.session.startRead());
    QCOMPARE(rig.session.retryCount(), 1);
    QCOMPARE(rig.port.takeWritten(), QByteArray("PROGRAM"));
    rig.session.retryTick();
    QCOMPARE(rig.port.takeWritten(), QByteArray());
    rig.session.retryTick();
    QCOMPARE(rig.port.takeWritten(), QByteArray("PROGRAM"));
}

void TestCloneSession::watchdogEndsSilentExchange_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << 1
                             << "Communication error, please check the intercom model, fault, "
                                "attachment and computer serial choice!";
    QTest::newRow("Chinese") << 0
                             << QString::fromUtf8(
                                    "通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！");
}

void TestCloneSession::watchdogEndsSilentExchange() {
    QFETCH(int, language);
    QFETCH(QString, message);
    LinkRig rig{qint16(language)};
    QVERIFY(rig.session.startRead());
    rig.port.takeWritten();
    rig.session.blinkTick();
    QVERIFY(rig.session.statusVisible());
    for (int i = 0; i < 3; ++i)
        rig.session.watchdogTick();
    QVERIFY(rig.messages.shown.isEmpty());
    QVERIFY(!rig.session.commandsEnabled());
    rig.session.watchdogTick();
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown.at(0).text, message);
    QCOMPARE(rig.messages.shown.at(0).flags, quint32(16));
    QCOMPARE(rig.messages.shown.at(0).title, QString());
    QCOMPARE(rig.session.phase(), int(CloneSession::kPhaseAbandoned));
    QCOMPARE(rig.port.takeWritten(), bytes({0x45}));
    QVERIFY(rig.port.isOpen());
    QVERIFY(rig.session.commandsEnabled());
    QVERIFY(!rig.session.statusVisible());
    QVERIFY(!rig.session.watchdogTimer()->isActive());
    QVERIFY(!rig.session.blinkTimer()->isActive());
    QCOMPARE(rig.session.watchdogCount(), 0);
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
    // Later input is ignored.
    rig.port.deliver(bytes({0x06}));
    QCOMPARE(rig.port.takeWritten(), QByteArray());
}

void TestCloneSession::goodFramesHoldOffWatchdog() {
    LinkRig rig;
    QRandomGenerator rng(3);
    rig.loadRadio(generatedImage(rng, 0x400));
    QVERIFY(rig.session.startRead());
    // Each answer comes just before the fourth tick.
    for (int step = 0; step < 200 && rig.outcomes.isEmpty(); ++step) {
        for (int i = 0; i < 3; ++i)
            rig.session.watchdogTick();
        const QByteArray out = rig.port.takeWritten();
        for (const QByteArray &reply : rig.radio.feed(out))
            rig.port.deliver(reply);
    }
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    QVERIFY(rig.messages.shown.isEmpty());
}

void TestCloneSession::blinkRestoresCommandsAfterTwelveCountedTicks() {
    LinkRig rig;
    QSignalSpy visible(&rig.session, &CloneSession::statusVisibleChanged);
    QVERIFY(rig.session.startWrite());
    // Ticks during the exchange blink but do not count.
    for (int i = 0; i < 5; ++i)
        rig.session.blinkTick();
    QCOMPARE(rig.session.blinkCount(), 0);
    QCOMPARE(visible.size(), 5);
    rig.radio.identification = RadioModel::identificationOf("K7403", 0x21);
    rig.pump(); // refused: the exchange has ended
    QVERIFY(rig.session.sessionEnded());
    for (int i = 0; i < 11; ++i)
        rig.session.blinkTick();
    QCOMPARE(rig.session.blinkCount(), 11);
    QVERIFY(!rig.session.commandsEnabled());
    QVERIFY(rig.session.blinkTimer()->isActive());
    rig.session.blinkTick();
    QVERIFY(rig.session.commandsEnabled());
    QVERIFY(!rig.session.statusVisible());
    QVERIFY(!rig.session.sessionEnded());
    QCOMPARE(rig.session.blinkCount(), 0);
    QVERIFY(!rig.session.blinkTimer()->isActive());
}

void TestCloneSession::stalledExchangesEndByTimeOut_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("two replies in one notification") << "joined";
    QTest::newRow("data for the wrong address") << "address";
    QTest::newRow("data one byte short") << "short";
}

void TestCloneSession::stalledExchangesEndByTimeOut() {
    QFETCH(QString, fault);
    LinkRig rig;
    handshake(rig, false, RadioModel::identificationOf("K7403", 0x33));
    rig.port.deliver(bytes({0x06}));
    QCOMPARE(rig.port.takeWritten(), bytes({0x52, 0x00, 0x10, 0x40}));
    if (fault == QLatin1String("joined")) {
        rig.port.deliver(readData(rig.radio, 0x10));
        QCOMPARE(rig.port.takeWritten(), bytes({0x06}));
        // The radio's acknowledgement and the next data frame arrive together.
        rig.port.deliver(bytes({0x06}) + readData(rig.radio, 0x50));
    } else if (fault == QLatin1String("address")) {
        rig.port.deliver(readData(rig.radio, 0x50));
    } else {
        rig.port.deliver(readData(rig.radio, 0x10).left(67));
    }
    QCOMPARE(rig.port.takeWritten(), QByteArray());
    const float progress = rig.session.progressValue();
    for (int i = 0; i < 4; ++i)
        rig.session.watchdogTick();
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
    QCOMPARE(rig.port.takeWritten(), bytes({0x45}));
    QCOMPARE(rig.session.progressValue(), progress);
    QCOMPARE(rig.decodedCount, 0);
}

void TestCloneSession::portNotOpenChangesNothing_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << 1
                             << "Communication port not open, please first selection menu "
                                "'communication port' to open its serial ports!";
    QTest::newRow("Chinese") << 0
                             << QString::fromUtf8(
                                    "通信端口未打开，请先选择菜单“通信端口”打开其串口！");
}

void TestCloneSession::portNotOpenChangesNothing() {
    QFETCH(int, language);
    QFETCH(QString, message);
    LinkRig rig{qint16(language)};
    rig.port.missingDevices << QStringLiteral("/dev/fake0");
    QSignalSpy commands(&rig.session, &CloneSession::commandsEnabledChanged);
    QSignalSpy status(&rig.session, &CloneSession::statusTextChanged);
    QSignalSpy frame(&rig.session, &CloneSession::modelFrameActivated);
    QVERIFY(!rig.session.startWrite());
    QCOMPARE(rig.messages.shown.size(), 1);
    // The message, then why the remembered device did not open.
    const QStringList parts = rig.messages.shown.at(0).text.split(QStringLiteral("\n\n"));
    QCOMPARE(parts.size(), 2);
    QCOMPARE(parts.at(0), message);
    QVERIFY2(parts.at(1).startsWith(language == 0 ? QString::fromUtf8("无法打开 /dev/fake0：")
                                                  : QStringLiteral("Cannot open /dev/fake0: ")),
             qPrintable(parts.at(1)));
    QCOMPARE(rig.messages.shown.at(0).flags, quint32(64));
    QCOMPARE(rig.messages.shown.at(0).title, QString());
    QVERIFY(commands.isEmpty() && status.isEmpty() && frame.isEmpty());
    QVERIFY(rig.session.commandsEnabled());
    QVERIFY(rig.session.kind().isNull());
    QVERIFY(!rig.session.watchdogTimer()->isActive());
    QVERIFY(!rig.session.blinkTimer()->isActive());
    QVERIFY(!rig.session.retryTimer()->isActive());
    QCOMPARE(rig.port.written, QByteArray());
}

void TestCloneSession::deviceLostEndsLikeTimeOut() {
    LinkRig rig;
    QSignalSpy lost(&rig.session, &CloneSession::portLost);
    rig.radio.faults.stopAfterReplies = 5;
    QVERIFY(rig.session.startRead());
    rig.pump();
    rig.port.loseDevice();
    QCOMPARE(lost.size(), 1);
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown.at(0).flags, quint32(16));
    QCOMPARE(rig.session.phase(), int(CloneSession::kPhaseAbandoned));
    QVERIFY(rig.session.commandsEnabled());
    QVERIFY(!rig.session.progressVisible());
    QVERIFY(!rig.session.watchdogTimer()->isActive());
    QVERIFY(!rig.session.retryTimer()->isActive());
    // A later watchdog tick or loss does nothing more.
    rig.port.loseDevice();
    QCOMPARE(rig.outcomes.size(), 1);
}

void TestCloneSession::timeOutWhileBandQuestionOpenWritesNothing() {
    LinkRig rig;
    rig.state.bandOverrideMode = true;
    rig.radio.identification = RadioModel::identificationOf("K7403", 0x21);
    rig.messages.answers << MsgResult::Yes;
    rig.messages.whileShown = [&rig](const ShownMessage &m) {
        if (m.flags == 68) // the user is slow: the watchdog fires meanwhile
            for (int i = 0; i < CloneSession::kWatchdogTicks; ++i)
                rig.session.watchdogTick();
    };
    QVERIFY(rig.session.startWrite());
    rig.pump();
    QCOMPARE(rig.messages.shown.size(), 2);
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
    // The radio got the handshake and the end byte, no block.
    QCOMPARE(rig.radio.frames.size(), 4);
    QCOMPARE(rig.radio.frames.last(), bytes({0x45}));
}

void TestCloneSession::lateReplyWhileErrorShownIsIgnored() {
    LinkRig rig;
    handshake(rig, true, RadioModel::identificationOf("K7403", 0x33));
    rig.messages.whileShown = [&rig](const ShownMessage &) { rig.port.deliver(bytes({0x06})); };
    for (int i = 0; i < CloneSession::kWatchdogTicks; ++i)
        rig.session.watchdogTick();
    QCOMPARE(rig.port.takeWritten(), bytes({0x45}));
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
}

void TestCloneSession::strayInputAfterReadIsIgnored() {
    LinkRig rig;
    QVERIFY(rig.session.startRead());
    rig.pump();
    QCOMPARE(rig.decodedCount, 1);
    rig.state.channels.setCell(1, ColRxFrequency, QStringLiteral("446.10000"));
    // The user opens a port from the menu; a stray acknowledgement arrives.
    rig.chooser.choosePort(1, 1);
    QVERIFY(rig.port.isOpen());
    rig.port.takeWritten();
    rig.port.deliver(bytes({0x06}));
    QCOMPARE(rig.port.takeWritten(), QByteArray());
    QCOMPARE(rig.decodedCount, 1);
    QCOMPARE(rig.state.channels.cell(1, ColRxFrequency), QStringLiteral("446.10000"));
}

void TestCloneSession::endlessHandshakeTimesOut() {
    LinkRig rig;
    rig.radio.identification = RadioModel::identificationOf("K7403", 0x33, 0x06);
    QVERIFY(rig.session.startRead());
    for (int i = 0; i < CloneSession::kWatchdogTicks && rig.outcomes.isEmpty(); ++i) {
        // Each round the radio identifies itself again, with 06 inside.
        const QByteArray out = rig.port.takeWritten();
        for (const QByteArray &reply : rig.radio.feed(out))
            rig.port.deliver(reply);
        rig.session.watchdogTick();
    }
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
    QCOMPARE(rig.radio.frames.count(bytes({0x02})), 3);
}

void TestCloneSession::misfitAnswersStartTheHandshakeAgain_data() {
    QTest::addColumn<QByteArray>("left");    // bytes left over from an earlier exchange
    QTest::addColumn<bool>("afterModeByte"); // they arrive after the mode byte went out
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("programRequests"); // 2: the handshake started again
    const QByteArray frame = bytes({0x57, 0x00, 0x50, 0x40});
    QTest::newRow("an acknowledgement, read") << bytes({0x06}) << false << false << 2;
    QTest::newRow("an acknowledgement, write") << bytes({0x06}) << false << true << 2;
    QTest::newRow("a data frame holding 06")
        << frame + QByteArray(64, '\x06') << false << false << 2;
    QTest::newRow("a data frame without 06: the answer follows it")
        << frame + QByteArray(64, '\xFF') << false << false << 1;
    QTest::newRow("more than an identification")
        << RadioModel::identificationOf("K7403", 0x33) + "\xFF" << true << false << 2;
}

void TestCloneSession::misfitAnswersStartTheHandshakeAgain() {
    QFETCH(QByteArray, left);
    QFETCH(bool, afterModeByte);
    QFETCH(bool, write);
    QFETCH(int, programRequests);
    LinkRig rig;
    SerialTrace trace;
    rig.port.setTrace(&trace);
    QRandomGenerator rng(25);
    rig.loadRadio(generatedImage(rng, 0x400));
    if (write) {
        rig.state = generatedState(rng, 1);
        rig.state.bandPosition = rig.state.acceptedBand = 0;
    }
    const QByteArray image = bytesFromImage(EncodeImage(rig.state));
    QVERIFY(write ? rig.session.startWrite() : rig.session.startRead());
    if (afterModeByte) {
        for (const QByteArray &reply : rig.radio.feed(rig.port.takeWritten()))
            rig.port.deliver(reply);
    }
    rig.port.deliver(left);
    rig.pump();
    QCOMPARE(rig.session.resynchronising(), programRequests == 2);
    if (programRequests == 2) {
        QVERIFY(rig.outcomes.isEmpty());
        for (int i = 0; i < CloneSession::kRetryTicks; ++i)
            rig.session.retryTick();
        rig.pump();
    }
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::Success});
    QCOMPARE(rig.radio.programRequests, programRequests);
    if (write)
        QCOMPARE(rig.radio.memory.mid(0x10, 0x20).toHex(), image.left(0x20).toHex());
    else
        QCOMPARE(EncodeImage(rig.state), EncodeImage(stateAfterRead(rig.radio.memory, 0, 1)));
    const QString misfit =
        QStringLiteral("the answer does not fit the request: discarded, PROGRAM follows");
    QCOMPARE(trace.text(1).count(misfit), programRequests - 1);
}

void TestCloneSession::answersThatNeverFitEndByTimeOut() {
    // Every identification a byte too long: the handshake starts again as
    // often as allowed, then the watchdog ends the session.
    LinkRig rig;
    rig.radio.identification += '\xFF';
    QVERIFY(rig.session.startRead());
    for (rig.pump(); rig.session.resynchronising(); rig.pump()) {
        for (int i = 0; i < CloneSession::kRetryTicks; ++i)
            rig.session.retryTick();
    }
    QCOMPARE(rig.radio.programRequests, 1 + CloneSession::kResyncLimit);
    for (int i = 0; i < CloneSession::kWatchdogTicks; ++i)
        rig.session.watchdogTick();
    QCOMPARE(rig.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});

    // Given up while waiting to start again: nothing is repeated afterwards.
    LinkRig late;
    late.radio.identification += '\xFF';
    QVERIFY(late.session.startRead());
    late.pump();
    QVERIFY(late.session.retryTimer()->isActive());
    for (int i = 0; i < CloneSession::kWatchdogTicks; ++i)
        late.session.watchdogTick();
    QCOMPARE(late.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
    QVERIFY(!late.session.retryTimer()->isActive());
    QVERIFY(!late.session.resynchronising());
}

void TestCloneSession::startWhileBusyIsRefused() {
    LinkRig rig;
    QVERIFY(rig.session.startRead());
    rig.port.takeWritten();
    QVERIFY(!rig.session.startWrite());
    QCOMPARE(rig.port.takeWritten(), QByteArray());
    QCOMPARE(rig.session.kind(), QLatin1Char('R'));
    QCOMPARE(rig.port.opens, 1);
}

void TestCloneSession::startShowsSessionAndLocksCommands() {
    LinkRig rig(0);
    QSignalSpy commands(&rig.session, &CloneSession::commandsEnabledChanged);
    QSignalSpy frame(&rig.session, &CloneSession::modelFrameActivated);
    QVERIFY(rig.session.startWrite());
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands.at(0).at(0).toBool(), false);
    QCOMPARE(frame.size(), 1);
    QCOMPARE(rig.session.statusText(), QString::fromUtf8("正在通信,请稍后……"));
    QVERIFY(!rig.session.statusVisible());
    QVERIFY(rig.session.blinkTimer()->isActive());
    QVERIFY(rig.session.watchdogTimer()->isActive());
    QVERIFY(rig.session.retryTimer()->isActive());
    QCOMPARE(rig.session.watchdogTimer()->interval(), 1000);
    QCOMPARE(rig.session.blinkTimer()->interval(), 200);
    QCOMPARE(rig.session.retryTimer()->interval(), 500);
    QCOMPARE(rig.session.kind(), QLatin1Char('W'));
    QCOMPARE(rig.session.phase(), int(CloneSession::kPhaseHandshake));
    // One write call per byte.
    QCOMPARE(rig.port.writeCalls, 7);
}

QTEST_GUILESS_MAIN(TestCloneSession)
#include "tst_clonesession.moc"
