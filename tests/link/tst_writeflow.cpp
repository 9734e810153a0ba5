// Write To Radio as a whole against the radio model: the backup read keeps
// the radio's exact contents, the preview lists what will change, the write
// sends exactly the image previewed, and the read back catches a radio that
// drops a block or changes a byte. The sessions run through the in-memory
// port; the flow's steps through the event loop.
#include "linkrig.h"
#include "tests/support/testfiles.h"

#include "tests/support/imagebuilder.h"

#include "image/imagecodec.h"
#include "link/writeflow.h"
#include "model/layout.h"
#include "model/settingfields.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Cell = QPair<int, int>;

struct FlowRig : LinkRig {
    FlowRig() : flow(state, session) {
        flow.setBackupStore(BackupStore(dir.filePath("backups")));
        QObject::connect(&flow, &WriteFlow::finished,
                         [this](WriteFlowOutcome o) { flowOutcomes << o; });
        QObject::connect(&flow, &WriteFlow::previewReady, [this] {
            ++previews;
            if (answer == Answer::Write)
                flow.write();
            else if (answer == Answer::Cancel)
                flow.cancel();
        });
    }

    // Lets the radio answer and the flow take its steps until it rests:
    // finished, or waiting for an answer at the preview.
    void run() {
        for (int i = 0; i < 100; ++i) {
            pump();
            QCoreApplication::processEvents();
            if (port.written.isEmpty())
                return;
        }
        QFAIL("the flow never rested");
    }

    // The radio holds the image of `s`; everything else FF.
    void radioHolds(const EditorState &s) { loadRadio(bytesFromImage(EncodeImage(s))); }

    enum class Answer { Write, Cancel, None };
    QTemporaryDir dir;
    WriteFlow flow;
    Answer answer = Answer::Write;
    QList<WriteFlowOutcome> flowOutcomes;
    int previews = 0;
};

EditorState radioState(quint32 seed) {
    QRandomGenerator rng{seed};
    EditorState s = generatedState(rng, 1);
    s.acceptedBand = s.bandPosition = 0;
    return s;
}

QList<QByteArray> refusalFrames() {
    return {"PROGRAM", QByteArray(1, '\x02'), QByteArray(1, '\x06'), QByteArray(1, '\x45')};
}

} // namespace

class TestWriteFlow : public QObject {
    Q_OBJECT
private slots:
    void backupHoldsTheRadiosExactContents_data();
    void backupHoldsTheRadiosExactContents();
    void previewListsExactlyTheChangedFields_data();
    void previewListsExactlyTheChangedFields();
    void writeSendsThePreviewedImageAndChecksIt_data();
    void writeSendsThePreviewedImageAndChecksIt();
    void cancelWritesNothing();
    void identicalContentsAreWrittenOnlyWhenAsked_data();
    void identicalContentsAreWrittenOnlyWhenAsked();
    void bandMismatchIsFlaggedAndRefused_data();
    void bandMismatchIsFlaggedAndRefused();
    void corruptedWriteIsNeverASuccess_data();
    void corruptedWriteIsNeverASuccess();
    void restoreWritesTheBackupBack();
    void backupThatCannotBeSavedWritesNothing();
    void silentRadioEndsTheFlowAtItsStep_data();
    void silentRadioEndsTheFlowAtItsStep();
    void dryRunStopsAtThePreview();
    void startRefusedWhilePortIsMissing();
};

void TestWriteFlow::backupHoldsTheRadiosExactContents_data() {
    QTest::addColumn<int>("bandCode");
    QTest::addColumn<QString>("bandWord");
    QTest::newRow("400-470MHz") << 0x33 << "400-470MHz";
    QTest::newRow("136-174MHz") << 0x01 << "136-174MHz";
    QTest::newRow("a code outside the table") << 0x99 << "unknown-band";
}

void TestWriteFlow::backupHoldsTheRadiosExactContents() {
    QFETCH(int, bandCode);
    QFETCH(QString, bandWord);
    FlowRig rig;
    QRandomGenerator rng(5);
    rig.radio.memory.replace(0x10, 0x400, generatedImage(rng, 0x400));
    rig.radio.identification = RadioModel::identificationOf("K7403", quint8(bandCode));
    const QByteArray before = rig.radio.memory;
    const QString editorImage = EncodeImage(rig.state);
    rig.answer = FlowRig::Answer::Cancel;
    QVERIFY(rig.flow.start());
    rig.run();
    QCOMPARE(rig.flowOutcomes, QList<WriteFlowOutcome>{WriteFlowOutcome::Cancelled});
    QVERIFY(rig.flow.backup().ok);
    const QString name = QFileInfo(rig.flow.backup().path).fileName();
    QVERIFY2(name.endsWith("_before-write_" + bandWord + ".DAT"), qPrintable(name));
    QCOMPARE(readFile(rig.flow.backup().path).toHex(), before.mid(0x10, 0x400).toHex());
    QCOMPARE(bytesFromImage(rig.flow.backupImage()), before.mid(0x10, 0x400));
    // The read before the write leaves the editor alone.
    QCOMPARE(rig.decodedCount, 0);
    QCOMPARE(EncodeImage(rig.state), editorImage);
    QCOMPARE(rig.state.bandPosition, 0);
}

void TestWriteFlow::previewListsExactlyTheChangedFields_data() {
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 8; ++seed)
        QTest::addRow("seed %d", seed) << seed;
}

void TestWriteFlow::previewListsExactlyTheChangedFields() {
    QFETCH(int, seed);
    FlowRig rig;
    const EditorState onRadio = radioState(quint32(seed));
    rig.radioHolds(onRadio);
    // The editor: what the radio holds with some channels changed.
    QRandomGenerator rng{quint32(seed) * 7};
    EditorState editor = onRadio;
    QSet<Cell> expected;
    for (int k = 0; k < 4; ++k) {
        const int row = rng.bounded(1, 17);
        if (!editor.channels.inUse(row) || editor.channels.cell(row, ColTxFrequency).isEmpty())
            continue;
        const int column = rng.bounded(ColPower, ColScanAdd + 1);
        editor.channels.setOption(row, column, 1 - editor.channels.optionIndex(row, column), 1);
        expected << Cell{row, column};
    }
    // Channel 16 as a new channel is stored: TX = RX, tones Off, High,
    // BCLO Off, Wide, Scan Add Yes.
    editor.channels.setCell(16, ColRxFrequency, QStringLiteral("401.00000"));
    editor.channels.setCell(16, ColTxFrequency, QStringLiteral("401.00000"));
    editor.channels.setCell(16, ColRxTone, QStringLiteral("Off"));
    editor.channels.setCell(16, ColTxTone, QStringLiteral("Off"));
    const int newChannel[4] = {1, 0, 1, 1};
    for (int column = ColPower; column <= ColScanAdd; ++column)
        editor.channels.setOption(16, column, newChannel[column - ColPower], 1);
    for (int column = ColRxFrequency; column <= ColScanAdd; ++column)
        if (editor.channels.cell(16, column) != onRadio.channels.cell(16, column))
            expected << Cell{16, column};
    for (const Cell &cell : QSet<Cell>(expected))
        if (editor.channels.cell(cell.first, cell.second) ==
            onRadio.channels.cell(cell.first, cell.second))
            expected.remove(cell);
    rig.state = editor;
    rig.answer = FlowRig::Answer::None;
    QVERIFY(rig.flow.start());
    rig.run();
    QCOMPARE(rig.flow.step(), WriteFlowStep::Preview);
    QCOMPARE(rig.previews, 1);
    QSet<Cell> listed;
    for (const ChannelChange &c : rig.flow.changes().channels) {
        listed << Cell{c.channel, c.column};
        QCOMPARE(c.before, onRadio.channels.cell(c.channel, c.column));
        QCOMPARE(c.after, editor.channels.cell(c.channel, c.column));
    }
    QCOMPARE(listed, expected);
    QVERIFY(rig.flow.changes().bytes.isEmpty());
    // Nothing has gone to the radio but a read.
    QCOMPARE(rig.radio.frames, expectedReadFrames());
    rig.flow.cancel();
    QCOMPARE(rig.flowOutcomes, QList<WriteFlowOutcome>{WriteFlowOutcome::Cancelled});
}

void TestWriteFlow::writeSendsThePreviewedImageAndChecksIt_data() {
    QTest::addColumn<bool>("debugWriteMode");
    QTest::addColumn<bool>("verify");
    QTest::newRow("verified") << false << true;
    QTest::newRow("debug write mode, verified") << true << true;
    QTest::newRow("no read back") << false << false;
}

void TestWriteFlow::writeSendsThePreviewedImageAndChecksIt() {
    QFETCH(bool, debugWriteMode);
    QFETCH(bool, verify);
    FlowRig rig;
    rig.radioHolds(radioState(11));
    rig.state = radioState(12);
    rig.state.debugWriteMode = debugWriteMode;
    rig.flow.setVerify(verify);
    const QByteArray image = bytesFromImage(EncodeImage(rig.state));
    QVERIFY(rig.flow.start());
    rig.run();
    QCOMPARE(rig.flowOutcomes, QList<WriteFlowOutcome>{verify ? WriteFlowOutcome::Verified
                                                              : WriteFlowOutcome::Written});
    QList<QByteArray> frames =
        expectedReadFrames() + expectedWriteFrames(image, writeAddresses(debugWriteMode));
    if (verify)
        frames += expectedReadFrames();
    QCOMPARE(rig.radio.frames, frames);
    QCOMPARE(rig.radio.endBytes, verify ? 3 : 2);
    QVERIFY(rig.flow.differences().isEmpty());
    QCOMPARE(rig.decodedCount, 0);
    // The commands come back once the last session's blink has run out.
    QVERIFY(!rig.session.commandsEnabled());
    for (int tick = 0; tick < CloneSession::kBlinkTicks; ++tick)
        rig.session.blinkTick();
    QVERIFY(rig.session.commandsEnabled());
}

void TestWriteFlow::cancelWritesNothing() {
    FlowRig rig;
    rig.radioHolds(radioState(13));
    rig.state = radioState(14);
    const QByteArray before = rig.radio.memory;
    rig.answer = FlowRig::Answer::Cancel;
    QVERIFY(rig.flow.start());
    rig.run();
    QCOMPARE(rig.flowOutcomes, QList<WriteFlowOutcome>{WriteFlowOutcome::Cancelled});
    QVERIFY(!rig.flow.changes().isEmpty());
    QCOMPARE(rig.radio.frames, expectedReadFrames());
    QCOMPARE(rig.radio.memory, before);
    QVERIFY(!rig.flow.running());
    QVERIFY(rig.session.commandsEnabled());
}

void TestWriteFlow::identicalContentsAreWrittenOnlyWhenAsked_data() {
    QTest::addColumn<bool>("insist");
    QTest::newRow("cancelled") << false;
    QTest::newRow("written anyway") << true;
}

void TestWriteFlow::identicalContentsAreWrittenOnlyWhenAsked() {
    QFETCH(bool, insist);
    FlowRig rig;
    rig.state = radioState(15);
    rig.radioHolds(rig.state);
    rig.answer = insist ? FlowRig::Answer::Write : FlowRig::Answer::Cancel;
    QVERIFY(rig.flow.start());
    rig.run();
    QVERIFY(rig.flow.changes().isEmpty());
    QCOMPARE(rig.previews, 1);
    QCOMPARE(rig.flowOutcomes, QList<WriteFlowOutcome>{insist ? WriteFlowOutcome::Verified
                                                              : WriteFlowOutcome::Cancelled});
    QCOMPARE(rig.radio.endBytes, insist ? 3 : 1);
}

void TestWriteFlow::bandMismatchIsFlaggedAndRefused_data() {
    QTest::addColumn<bool>("bandOverride");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("outcome");
    QTest::newRow("refused") << false << 0 << int(WriteFlowOutcome::BandRefused);
    QTest::newRow("override, No") << true << int(MsgResult::No) << int(WriteFlowOutcome::Declined);
    QTest::newRow("override, Yes")
        << true << int(MsgResult::Yes) << int(WriteFlowOutcome::Verified);
}

void TestWriteFlow::bandMismatchIsFlaggedAndRefused() {
    QFETCH(bool, bandOverride);
    QFETCH(int, answer);
    QFETCH(int, outcome);
    FlowRig rig;
    rig.radio.identification = RadioModel::identificationOf("K7402", 0x01); // 136-174MHz
    rig.state = radioState(16);
    rig.state.bandOverrideMode = bandOverride;
    if (answer)
        rig.messages.answers = {answer};
    const QByteArray before = rig.radio.memory;
    QVERIFY(rig.flow.start());
    rig.run();
    // Flagged at the preview, before any block.
    QCOMPARE(rig.flow.radioBand(), 5);
    QVERIFY(!rig.flow.warnings().isEmpty());
    QCOMPARE(rig.flow.warnings().first().kind, WriteWarningKind::BandMismatch);
    QCOMPARE(rig.flow.warnings().first().value, QString("136-174MHz"));
    QCOMPARE(int(rig.flowOutcomes.value(0)), outcome);
    if (outcome != int(WriteFlowOutcome::Verified)) {
        QCOMPARE(rig.radio.frames, expectedReadFrames() + refusalFrames());
        QCOMPARE(rig.radio.memory, before);
    }
}

void TestWriteFlow::corruptedWriteIsNeverASuccess_data() {
    QTest::addColumn<int>("droppedBlock");
    QTest::addColumn<int>("changedByte");
    QTest::addColumn<QList<int>>("columns"); // of channel 3
    // A dropped block leaves the radio's old record: every field that the
    // write changed differs.
    QTest::newRow("a block dropped") << 0x0030 << -1 << QList<int>{};
    QTest::newRow("the RX frequency changed") << -1 << 0x0031 << QList<int>{ColRxFrequency};
    QTest::newRow("a bit no field holds") << -1 << 0x003D << QList<int>{};
    QTest::newRow("a setting byte changed") << -1 << 0x0135 << QList<int>{};
}

void TestWriteFlow::corruptedWriteIsNeverASuccess() {
    QFETCH(int, droppedBlock);
    QFETCH(int, changedByte);
    QFETCH(QList<int>, columns);
    FlowRig rig;
    const EditorState onRadio = radioState(17);
    rig.radioHolds(onRadio);
    rig.radio.faults.droppedWriteBlock = droppedBlock;
    rig.radio.faults.changedWriteByte = changedByte;
    rig.state = radioState(18);
    rig.state.channels.setCell(3, ColRxFrequency, QStringLiteral("446.00625"));
    rig.state.channels.setCell(3, ColTxFrequency, QStringLiteral("446.01250"));
    rig.state.channels.setCell(3, ColRxTone, QStringLiteral("88.5"));
    rig.state.channels.setCell(3, ColTxTone, QStringLiteral("D023N"));
    for (int column = ColPower; column <= ColScanAdd; ++column)
        rig.state.channels.setOption(3, column, 1, 1);
    QVERIFY(rig.flow.start());
    rig.run();
    QCOMPARE(rig.flowOutcomes, QList<WriteFlowOutcome>{WriteFlowOutcome::VerifyFailed});
    QCOMPARE(rig.flow.failedStep(), WriteFlowStep::VerifyRead);
    const ImageChanges &diff = rig.flow.differences();
    QVERIFY(!diff.isEmpty());
    QList<int> found;
    for (const ChannelChange &c : diff.channels) {
        QCOMPARE(c.channel, 3);
        found << c.column;
        QCOMPARE(c.before, rig.state.channels.cell(3, c.column));
    }
    if (droppedBlock >= 0) {
        // Scan Add lives in the bitmap, in another block.
        for (int column = ColRxFrequency; column < ColScanAdd; ++column)
            if (onRadio.channels.cell(3, column) != rig.state.channels.cell(3, column))
                columns << column;
        QVERIFY(!columns.isEmpty());
        for (const ChannelChange &c : diff.channels)
            QCOMPARE(c.after, onRadio.channels.cell(3, c.column));
    }
    if (changedByte == 0x003D) {
        // Bit 0 of the power/bandwidth byte belongs to no field.
        QVERIFY(found.isEmpty());
        QCOMPARE(diff.bytes.size(), 1);
        QCOMPARE(diff.bytes[0].address, 0x003D);
        QCOMPARE(diff.bytes[0].channel, 3);
    } else if (changedByte == 0x0135) {
        // Image offset 0x125: the Battery Save setting.
        QVERIFY(found.isEmpty());
        QVERIFY(diff.bytes.isEmpty());
        QCOMPARE(diff.settings.size(), 1);
        QCOMPARE(QLatin1String(settingFieldAt(diff.settings[0].field).name),
                 QLatin1String("Battery Save"));
    } else {
        QCOMPARE(found, columns);
    }
    QCOMPARE(bytesFromImage(rig.flow.readBackImage()).mid(0, Layout::kImageSize),
             rig.radio.memory.mid(0x10, Layout::kImageSize));
}

void TestWriteFlow::restoreWritesTheBackupBack() {
    FlowRig rig;
    QRandomGenerator rng(19);
    rig.radio.memory.replace(0x10, 0x400, generatedImage(rng, 0x400));
    const QByteArray before = rig.radio.memory;
    rig.radio.faults.droppedWriteBlock = 0x0200;
    rig.state = radioState(20);
    QVERIFY(rig.flow.start());
    rig.run();
    QCOMPARE(rig.flowOutcomes, QList<WriteFlowOutcome>{WriteFlowOutcome::VerifyFailed});
    rig.radio.faults.droppedWriteBlock = -1;
    rig.radio.frames.clear();
    QVERIFY(rig.flow.startRestore());
    QVERIFY(rig.flow.restoring());
    rig.run();
    QCOMPARE(rig.flowOutcomes.last(), WriteFlowOutcome::Verified);
    // The radio holds its old contents again in every range a write sends.
    const QByteArray backup = before.mid(0x10, Layout::kImageSize);
    QCOMPARE(rig.radio.frames,
             expectedWriteFrames(backup, writeAddresses(false)) + expectedReadFrames());
    QCOMPARE(rig.radio.memory.toHex(), before.toHex());
}

void TestWriteFlow::backupThatCannotBeSavedWritesNothing() {
    FlowRig rig;
    QFile blocker(rig.dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    rig.flow.setBackupStore(BackupStore(rig.dir.filePath("file/backups")));
    rig.state = radioState(21);
    const QByteArray before = rig.radio.memory;
    QVERIFY(rig.flow.start());
    rig.run();
    QCOMPARE(rig.flowOutcomes, QList<WriteFlowOutcome>{WriteFlowOutcome::BackupFailed});
    QCOMPARE(rig.previews, 0);
    QVERIFY(!rig.flow.backup().ok);
    QVERIFY(!rig.flow.backup().reason.isEmpty());
    QCOMPARE(rig.radio.frames, expectedReadFrames());
    QCOMPARE(rig.radio.memory, before);
}

void TestWriteFlow::silentRadioEndsTheFlowAtItsStep_data() {
    QTest::addColumn<int>("stopAfter"); // replies before the radio goes silent
    QTest::addColumn<int>("step");
    QTest::newRow("before the backup") << 0 << int(WriteFlowStep::BackupRead);
    // A read session takes 3 + 2 * 16 + 1 replies.
    QTest::newRow("during the write") << 36 + 10 << int(WriteFlowStep::Write);
    QTest::newRow("during the read back") << 36 + 49 + 5 << int(WriteFlowStep::VerifyRead);
}

void TestWriteFlow::silentRadioEndsTheFlowAtItsStep() {
    QFETCH(int, stopAfter);
    QFETCH(int, step);
    FlowRig rig;
    rig.radio.faults.stopAfterReplies = stopAfter;
    rig.state = radioState(22);
    QVERIFY(rig.flow.start());
    rig.run();
    QCOMPARE(int(rig.flow.step()), step);
    for (int tick = 0; tick < CloneSession::kWatchdogTicks; ++tick)
        rig.session.watchdogTick();
    QCoreApplication::processEvents();
    QCOMPARE(rig.flowOutcomes, QList<WriteFlowOutcome>{WriteFlowOutcome::TimedOut});
    QCOMPARE(int(rig.flow.failedStep()), step);
    QCOMPARE(rig.flow.backup().ok, step != int(WriteFlowStep::BackupRead));
    QCOMPARE(rig.messages.shown.size(), 1); // the communication error
    QVERIFY(!rig.flow.running());
}

void TestWriteFlow::dryRunStopsAtThePreview() {
    FlowRig rig;
    rig.radioHolds(radioState(23));
    rig.state = radioState(24);
    rig.flow.setDryRun(true);
    QVERIFY(rig.flow.start());
    rig.run();
    QCOMPARE(rig.flowOutcomes, QList<WriteFlowOutcome>{WriteFlowOutcome::DryRun});
    QCOMPARE(rig.previews, 0);
    QVERIFY(!rig.flow.changes().isEmpty());
    QCOMPARE(rig.radio.frames, expectedReadFrames());
    QVERIFY2(rig.flow.backup().path.contains("_read_"), qPrintable(rig.flow.backup().path));
}

void TestWriteFlow::startRefusedWhilePortIsMissing() {
    FlowRig rig;
    rig.port.missingDevices << QStringLiteral("/dev/fake0");
    QVERIFY(!rig.flow.start());
    QVERIFY(!rig.flow.running());
    QCOMPARE(rig.messages.shown.size(), 1);
    QVERIFY(rig.radio.frames.isEmpty());
    QVERIFY(!rig.flow.startRestore()); // no backup yet
}

QTEST_GUILESS_MAIN(TestWriteFlow)
#include "tst_writeflow.moc"
