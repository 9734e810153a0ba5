// vq740-cli read and write against the simulated radio, through the real
// program and its exit statuses.
#include "linkrig.h"
#include "simradio.h"
#include "tests/support/clirun.h"
#include "tests/support/testfiles.h"

#include "tests/support/imagebuilder.h"

#include "image/imagecodec.h"
#include "image/jsonform.h"
#include "link/portdiagnostics.h"
#include "link/portnames.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"
#include "model/layout.h"
#include "shell/journal.h"
#include "tests/support/tracebytes.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "tests/support/unixcalls.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

CliRun runProgram(const QString &program, const QStringList &args) {
    return runCliProgram(program, args);
}

// The tool run as the user nobody (when the tests run as root), so that the
// system refuses it what it refuses users.
QString asNobody() {
    if (::geteuid() != 0)
        return QString();
    return QStandardPaths::findExecutable(QStringLiteral("setpriv"));
}

CliRun runCliAsNobody(const QStringList &args) {
    return runProgram(asNobody(), QStringList{"--reuid=65534", "--regid=65534", "--clear-groups",
                                              QStringLiteral(VQ740_CLI)} +
                                      args);
}

// A process id that no process has: a child that has ended.
qint64 endedProcessId() {
    QProcess child;
    child.start(QStringLiteral("true"), QStringList());
    const qint64 pid = child.waitForStarted() ? child.processId() : 0;
    child.waitForFinished();
    return pid;
}

} // namespace

class TestLinkCli : public QObject {
    Q_OBJECT
private slots:
    void init();
    void readSavesWhatTheRadioHolds_data();
    void readSavesWhatTheRadioHolds();
    void writeProgramsTheRadio_data();
    void writeProgramsTheRadio();
    void failedSessionsWriteNoFile_data();
    void failedSessionsWriteNoFile();
    void portThatCannotBeOpened_data();
    void portThatCannotBeOpened();
    void unusableInputFile_data();
    void unusableInputFile();
    void usageErrors_data();
    void usageErrors();
    void unwritableOutputIsRefusedBeforeReading();
    void traceFileHoldsTheExchange_data();
    void traceFileHoldsTheExchange();
    void traceOfAPortThatDidNotOpen();
    void traceThatCannotBeWritten();
    void refusedAsAnotherUser_data();
    void refusedAsAnotherUser();
    void lockFileOfAnotherProgram_data();
    void lockFileOfAnotherProgram();
    void simulatedRadioProgram_data();
    void simulatedRadioProgram();
    void simulatedRadioUsage_data();
    void simulatedRadioUsage();
    void writeFlowOptions_data();
    void writeFlowOptions();
    void readThenWriteBackLeavesTheRadio_data();
    void readThenWriteBackLeavesTheRadio();
    void programsRadiosOneAfterAnother_data();
    void programsRadiosOneAfterAnother();
    void readBackThatDiffers_data();
    void readBackThatDiffers();
    void backupThatCannotBeSavedWritesNothing();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    CliRun runCli(const QStringList &args, const QByteArray &input = QByteArray(),
                  const QString &locale = QStringLiteral("C.UTF-8")) const {
        return runCliProgram(QStringLiteral(VQ740_CLI), args, path("data"), input, locale);
    }
    // The folder backups go to without --backup-dir.
    QString defaultBackups() const { return path("data/VQ-740/vq740/backups"); }
    // The backups in a folder, by name.
    static QStringList backupsIn(const QString &folder) {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SimRadio> m_sim;
};

void TestLinkCli::init() {
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_sim.reset(new SimRadio);
    // Without pseudo-terminals the cases that need the radio skip.
    QVERIFY(m_sim->open() || !ptyAvailable());
}

void TestLinkCli::readSavesWhatTheRadioHolds_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("locale");   // LANG
    QTest::addColumn<QStringList>("lang"); // --lang, if given
    QTest::addColumn<bool>("chinese");     // the messages are in Chinese
    QTest::addColumn<QString>("success");
    const QString chineseSuccess = QString::fromUtf8("读频成功！");
    QTest::newRow("data file") << "radio.DAT"
                               << "C.UTF-8" << QStringList{"--lang", "en"} << false
                               << "Read frequency success!";
    QTest::newRow("JSON form, Chinese")
        << "radio.json"
        << "C.UTF-8" << QStringList{"--lang", "zh"} << true << chineseSuccess;
    QTest::newRow("Chinese locale") << "radio.dat"
                                    << "zh_CN.UTF-8" << QStringList() << true << chineseSuccess;
    QTest::newRow("Chinese locale, --lang en")
        << "radio.dat"
        << "zh_CN.UTF-8" << QStringList{"--lang", "en"} << false << "Read frequency success!";
    QTest::newRow("other locale") << "radio.dat"
                                  << "de_DE.UTF-8" << QStringList() << false
                                  << "Read frequency success!";
}

void TestLinkCli::readSavesWhatTheRadioHolds() {
    VQ740_NEEDS_PTY();
    QFETCH(QString, output);
    QFETCH(QString, locale);
    QFETCH(QStringList, lang);
    QFETCH(bool, chinese);
    QFETCH(QString, success);
    QRandomGenerator rng(31);
    m_sim->model.memory.replace(0x10, 0x400, generatedImage(rng, 0x400));
    m_sim->model.identification = RadioModel::identificationOf("K7403", 0x73);
    const CliRun run = runCli(
        lang + QStringList{"read", "--port", m_sim->devicePath(), "-o", path(output)}, {}, locale);
    QCOMPARE(run.status, 0);
    QCOMPARE(m_sim->model.frames, expectedReadFrames());
    // The read is kept as a backup too: the radio's memory exactly as read,
    // named by its whole path.
    const QStringList backups = backupsIn(defaultBackups());
    QCOMPARE(backups.size(), 1);
    const QString backupLine =
        (chinese ? QString::fromUtf8("备份：") : QStringLiteral("Backup: ")) +
        QDir::toNativeSeparators(QDir(defaultBackups()).filePath(backups.first()));
    QCOMPARE(run.out.trimmed(), success + QLatin1Char('\n') + backupLine);
    QVERIFY2(backups.first().endsWith("_read_600-720MHz.DAT"), qPrintable(backups.first()));
    QCOMPARE(readFile(QDir(defaultBackups()).filePath(backups.first())),
             m_sim->model.memory.mid(0x10, 0x400));

    EditorState expected = startUpState(chinese ? 0 : 1);
    QVERIFY(DecodeImage(expected, imageFromBytes(m_sim->model.memory.mid(0x10, 0x400))));
    expected.acceptedBand = expected.bandPosition = 6; // 73: 600-720MHz
    EditorState saved = startUpState(1);
    if (output.endsWith(QLatin1String(".json"))) {
        QString error;
        QVERIFY2(stateFromJson(readFile(path(output)), saved, &error), qPrintable(error));
    } else {
        QCOMPARE(readFile(path(output)).size(), 848);
        QVERIFY(DecodeImage(saved, imageFromBytes(readFile(path(output)))));
    }
    QCOMPARE(EncodeImage(saved), EncodeImage(expected));
}

void TestLinkCli::writeProgramsTheRadio_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("radioBandCode");
    QTest::addColumn<bool>("json");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("debug");
    QTest::newRow("plain") << QStringList() << 0x33 << false << 0 << false;
    QTest::newRow("debug write") << QStringList{"--debug-write"} << 0x33 << false << 0 << true;
    QTest::newRow("JSON input") << QStringList() << 0x33 << true << 0 << false;
    QTest::newRow("another band, refused") << QStringList() << 0x21 << false << 2 << false;
    QTest::newRow("another band, overridden")
        << QStringList{"--band-override"} << 0x21 << false << 0 << false;
}

void TestLinkCli::writeProgramsTheRadio() {
    VQ740_NEEDS_PTY();
    QFETCH(QStringList, options);
    QFETCH(int, radioBandCode);
    QFETCH(bool, json);
    QFETCH(int, status);
    QFETCH(bool, debug);
    QRandomGenerator rng(32);
    EditorState state = generatedState(rng, 1);
    state.acceptedBand = state.bandPosition = 0;
    const QString input = path(json ? "in.json" : "in.dat");
    QVERIFY(writeFile(input, json ? stateToJson(state) : bytesFromImage(EncodeImage(state))));
    // What the program holds after opening the file.
    EditorState opened = startUpState(1);
    QVERIFY(DecodeImage(opened, EncodeImage(state)));
    const QByteArray image = bytesFromImage(EncodeImage(opened));
    m_sim->model.identification = RadioModel::identificationOf("K7403", quint8(radioBandCode));
    const QByteArray before = m_sim->model.memory;

    const CliRun run = runCli(QStringList{"write", "--port", m_sim->devicePath(), input} + options);
    QCOMPARE(run.status, status);
    // The radio's old contents were read and kept before anything was sent.
    const QStringList backups = backupsIn(defaultBackups());
    QCOMPARE(backups.size(), 1);
    QVERIFY2(backups.first().contains("_before-write_"), qPrintable(backups.first()));
    QCOMPARE(readFile(QDir(defaultBackups()).filePath(backups.first())), before.mid(0x10, 0x400));
    if (status == 2) {
        QTRY_COMPARE(m_sim->model.endBytes, 2);
        QVERIFY2(run.err.contains("Frequency band with discrepancies, do not write."),
                 qPrintable(run.err));
        // The read, then PROGRAM, 02, 06 and the end byte: no block.
        const QList<QByteArray> refusal{"PROGRAM", QByteArray(1, '\x02'), QByteArray(1, '\x06'),
                                        QByteArray(1, '\x45')};
        QCOMPARE(m_sim->model.frames, expectedReadFrames() + refusal);
        QCOMPARE(m_sim->model.memory, before);
        return;
    }
    QTRY_COMPARE(m_sim->model.endBytes, 3);
    QVERIFY2(run.out.contains(QStringLiteral("Write frequency success! Read back and checked")),
             qPrintable(run.out));
    QVERIFY2(run.out.contains(backups.first()), qPrintable(run.out));
    const QList<int> addresses = writeAddresses(debug);
    // Backup read, write, read back.
    QCOMPARE(m_sim->model.frames,
             expectedReadFrames() + expectedWriteFrames(image, addresses) + expectedReadFrames());
    QByteArray expected = before;
    for (int a : addresses)
        expected.replace(a, 16, image.mid(a - 0x10, 16));
    QCOMPARE(m_sim->model.memory.toHex(), expected.toHex());
}

void TestLinkCli::writeFlowOptions_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("sameAsRadio");
    QTest::addColumn<int>("sessions"); // read, write, read back
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("backupKind");
    QTest::newRow("dry run") << QStringList{"--dry-run"} << false << 1
                             << "Dry run: nothing was written to the radio."
                             << "_read_";
    QTest::newRow("no verify") << QStringList{"--no-verify"} << false << 2
                               << "Write frequency success! (not read back to check)"
                               << "_before-write_";
    QTest::newRow("verify said twice")
        << QStringList{"--verify"} << false << 3 << "Read back and checked"
        << "_before-write_";
    QTest::newRow("radio already holds it")
        << QStringList{} << true << 1
        << "The radio already holds these contents; nothing was written."
        << "_before-write_";
    QTest::newRow("radio already holds it, forced")
        << QStringList{"--force"} << true << 3 << "Read back and checked"
        << "_before-write_";
}

void TestLinkCli::writeFlowOptions() {
    VQ740_NEEDS_PTY();
    QFETCH(QStringList, options);
    QFETCH(bool, sameAsRadio);
    QFETCH(int, sessions);
    QFETCH(QString, printed);
    QFETCH(QString, backupKind);
    // The radio holds one state; the file differs from it in one channel's
    // RX frequency and the squelch level, unless it is the same.
    QRandomGenerator rng(33);
    EditorState radioState = generatedState(rng, 1);
    radioState.acceptedBand = radioState.bandPosition = 0;
    const QByteArray radioImage = bytesFromImage(EncodeImage(radioState));
    m_sim->model.memory.replace(0x10, radioImage.size(), radioImage);
    const QByteArray before = m_sim->model.memory;
    EditorState fileState = radioState;
    if (!sameAsRadio) {
        fileState.channels.setCell(3, ColRxFrequency, QStringLiteral("401.12500"));
        fileState.channels.setCell(3, ColTxFrequency, QStringLiteral("401.12500"));
        fileState.functions.squelchLevel = (radioState.functions.squelchLevel + 1) % 10;
    }
    QVERIFY(writeFile(path("in.dat"), bytesFromImage(EncodeImage(fileState))));
    const QString backupFolder = path("chosen backups");

    const CliRun run = runCli(QStringList{"write", "--port", m_sim->devicePath(), path("in.dat"),
                                          "--backup-dir", backupFolder} +
                              options);
    QCOMPARE(run.status, 0);
    QTRY_COMPARE(m_sim->model.endBytes, sessions);
    QVERIFY2(run.out.contains(printed), qPrintable(run.out));
    // --backup-dir takes the backup; the default folder stays empty.
    QVERIFY(backupsIn(defaultBackups()).isEmpty());
    const QStringList backups = backupsIn(backupFolder);
    QCOMPARE(backups.size(), 1);
    QVERIFY2(backups.first().contains(backupKind), qPrintable(backups.first()));
    QCOMPARE(readFile(QDir(backupFolder).filePath(backups.first())), before.mid(0x10, 0x400));

    if (sessions == 1) {
        QCOMPARE(m_sim->model.frames, expectedReadFrames());
        QCOMPARE(m_sim->model.memory, before);
    }
    if (!sameAsRadio) {
        // The change list names exactly what differs.
        QVERIFY2(run.out.contains("The write changes"), qPrintable(run.out));
        const QString rx = QStringLiteral("CH 03 RX frequency: %1 → 401.12500")
                               .arg(radioState.channels.cell(3, ColRxFrequency).isEmpty()
                                        ? QStringLiteral("(empty)")
                                        : radioState.channels.cell(3, ColRxFrequency));
        QVERIFY2(run.out.contains(rx), qPrintable(run.out));
        const QString squelch = QStringLiteral("Squelch Level: Level %1 → Level %2")
                                    .arg(radioState.functions.squelchLevel)
                                    .arg(fileState.functions.squelchLevel);
        QVERIFY2(run.out.contains(squelch), qPrintable(run.out));
    } else {
        QVERIFY2(run.out.contains("The radio already holds exactly these contents"),
                 qPrintable(run.out));
    }
    if (sessions >= 2) {
        const QByteArray image = bytesFromImage(EncodeImage(fileState));
        for (int a : writeAddresses(false))
            QCOMPARE(m_sim->model.memory.mid(a, 16).toHex(), image.mid(a - 0x10, 16).toHex());
    }
}

void TestLinkCli::readThenWriteBackLeavesTheRadio_data() {
    QTest::addColumn<int>("seed");
    QTest::addColumn<QString>("form");
    for (int seed = 1; seed <= 4; ++seed)
        QTest::addRow("seed %d", seed) << seed << (seed % 2 ? "radio.dat" : "radio.json");
}

void TestLinkCli::readThenWriteBackLeavesTheRadio() {
    VQ740_NEEDS_PTY();
    QFETCH(int, seed);
    QFETCH(QString, form);
    // A radio with tone words of every kind: read, then written back.
    QRandomGenerator rng(quint32(seed) * 1801);
    m_sim->model.memory.replace(0x10, Layout::kImageSize, generatedStableImage(rng, 0));
    m_sim->model.identification = RadioModel::identificationOf("K7403", 0x33);
    const QByteArray before = m_sim->model.memory;
    QCOMPARE(runCli({"read", "--port", m_sim->devicePath(), "-o", path(form)}).status, 0);
    // Unforced, the radio already holds it: nothing but the backup read.
    const CliRun same = runCli({"write", "--port", m_sim->devicePath(), path(form)});
    QCOMPARE(same.status, 0);
    QVERIFY2(same.out.contains("The radio already holds exactly these contents"),
             qPrintable(same.out));
    QTRY_COMPARE(m_sim->model.endBytes, 2);
    // Forced, every block goes to the radio, and not one byte changes.
    const CliRun forced = runCli({"write", "--port", m_sim->devicePath(), path(form), "--force"});
    QCOMPARE(forced.status, 0);
    QTRY_COMPARE(m_sim->model.endBytes, 5);
    QVERIFY2(forced.out.contains("Read back and checked"), qPrintable(forced.out));
    QCOMPARE(m_sim->model.memory.toHex(), before.toHex());
}

void TestLinkCli::programsRadiosOneAfterAnother_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("secondPortSilent");
    QTest::addColumn<QStringList>("journal"); // port (1 or 2), radio outcome
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("summary");
    // The first radio on port 1 keeps a block wrongly; Enter tries it again
    // (the radio is mended meanwhile), Enter programs the next, q stops.
    QTest::newRow("waiting for Enter, a retry")
        << QStringList{} << QByteArray("\n\n\nq\n") << false
        << QStringList{"1 failed: check differs", "1 written and checked", "1 written and checked"}
        << 0 << "Radios written and checked: 2 of 2.";
    // Two ports at once, going straight on: a fault stops only its port.
    // Port 1's first radio keeps a block wrongly, port 2's never answers.
    QTest::newRow("two ports without waiting")
        << QStringList{"--no-wait", "--count", "2"} << QByteArray() << true
        << QStringList{"1 failed: check differs", "2 failed: no answer"} << 5
        << "Radios written and checked: 0 of 2.";
    QTest::newRow("two ports, the second good")
        << QStringList{"--no-wait", "--count", "2"} << QByteArray() << false
        << QStringList{"1 failed: check differs", "2 written and checked", "2 written and checked"}
        << 5 << "Radios written and checked: 2 of 3.";
}

void TestLinkCli::programsRadiosOneAfterAnother() {
    VQ740_NEEDS_PTY();
    QFETCH(QStringList, options);
    QFETCH(QByteArray, input);
    QFETCH(bool, secondPortSilent);
    QFETCH(QStringList, journal);
    QFETCH(int, status);
    QFETCH(QString, summary);
    EditorState master = startUpState(1);
    master.channels.setCell(2, ColRxFrequency, QStringLiteral("446.00625"));
    master.channels.setCell(2, ColTxFrequency, QStringLiteral("446.00625"));
    master.channels.setCell(2, ColRxTone, QStringLiteral("88.5"));
    master.functions.squelchLevel = 7;
    QVERIFY(writeFile(path("club.dat"), bytesFromImage(EncodeImage(master))));
    // The first radio on port 1 keeps a byte wrongly; the ones after are good.
    m_sim->model.faults.changedWriteByte = 0x0028;
    connect(m_sim.get(), &SimRadio::endReceived, this, [this] {
        if (m_sim->model.endBytes == 3)
            m_sim->model.faults.changedWriteByte = -1;
    });
    SimRadio second;
    QVERIFY(second.open());
    second.model.faults.silent = secondPortSilent;
    QStringList args{"program",           path("club.dat"), "--port",
                     m_sim->devicePath(), "--journal",      path("journal.csv")};
    if (options.contains("--no-wait"))
        args << "--port" << second.devicePath();
    const CliRun run = runCli(args + options, input);
    QCOMPARE(run.status, status);
    const Journal log(path("journal.csv"));
    QStringList lines;
    for (const QStringList &fields : log.lines()) {
        lines << QStringLiteral("%1 %2")
                     .arg(fields.at(3) == m_sim->devicePath() ? 1 : 2)
                     .arg(fields.at(6));
        QCOMPARE(fields.at(1), path("club.dat"));
        QCOMPARE(fields.at(2), masterDigest(bytesFromImage(EncodeImage(master))));
    }
    lines.sort();
    journal.sort();
    QCOMPARE(lines, journal);
    QVERIFY2(run.out.contains(summary), qPrintable(run.out));
    if (!input.isEmpty())
        QVERIFY2(run.out.contains("connect radio 1 again and press Enter"), qPrintable(run.out));
}

void TestLinkCli::readBackThatDiffers_data() {
    QTest::addColumn<int>("droppedBlock");
    QTest::addColumn<int>("changedByte");
    QTest::addColumn<QString>("field");
    // Channel 2's record lies at 0x0020; its RX tone at 0x0028.
    QTest::newRow("a block silently dropped") << 0x0020 << -1 << "CH 02 RX frequency";
    QTest::newRow("a byte changed") << -1 << 0x0028 << "CH 02 RX QT/DQT";
}

void TestLinkCli::readBackThatDiffers() {
    VQ740_NEEDS_PTY();
    QFETCH(int, droppedBlock);
    QFETCH(int, changedByte);
    QFETCH(QString, field);
    m_sim->model.faults.droppedWriteBlock = droppedBlock;
    m_sim->model.faults.changedWriteByte = changedByte;
    QRandomGenerator rng(34);
    EditorState state = generatedState(rng, 1);
    state.acceptedBand = state.bandPosition = 0;
    state.channels.setCell(2, ColRxFrequency, QStringLiteral("446.00625"));
    state.channels.setCell(2, ColTxFrequency, QStringLiteral("446.00625"));
    state.channels.setCell(2, ColRxTone, QStringLiteral("88.5"));
    for (int column : {ColPower, ColBclo, ColWn, ColScanAdd})
        state.channels.setOption(2, column, 1, 1);
    state.channels.setCell(2, ColTxTone, QStringLiteral("Off"));
    QVERIFY(writeFile(path("in.dat"), bytesFromImage(EncodeImage(state))));
    const CliRun run = runCli({"write", "--port", m_sim->devicePath(), path("in.dat")});
    QCOMPARE(run.status, 5);
    QTRY_COMPARE(m_sim->model.endBytes, 3);
    QVERIFY2(!run.out.contains("success"), qPrintable(run.out));
    QVERIFY2(run.err.contains("Write check failed: the radio does not hold what was written"),
             qPrintable(run.err));
    QVERIFY2(run.err.contains(field), qPrintable(run.err));
    const QStringList backups = backupsIn(defaultBackups());
    QCOMPARE(backups.size(), 1);
    QVERIFY2(run.err.contains(backups.first()), qPrintable(run.err));
}

void TestLinkCli::backupThatCannotBeSavedWritesNothing() {
    VQ740_NEEDS_PTY();
    // A file where the backup folder should be: no folder can be made.
    QVERIFY(writeFile(path("not a folder"), "x"));
    QRandomGenerator rng(35);
    EditorState state = generatedState(rng, 1);
    state.acceptedBand = state.bandPosition = 0;
    QVERIFY(writeFile(path("in.dat"), bytesFromImage(EncodeImage(state))));
    const QByteArray before = m_sim->model.memory;
    const CliRun run = runCli({"--lang", "zh", "write", "--port", m_sim->devicePath(),
                               path("in.dat"), "--backup-dir", path("not a folder")});
    QCOMPARE(run.status, 73);
    QVERIFY2(run.err.contains(QString::fromUtf8("无法写入备份文件")), qPrintable(run.err));
    QVERIFY2(run.err.contains(QString::fromUtf8("未向对讲机写入任何数据")), qPrintable(run.err));
    QTRY_COMPARE(m_sim->model.endBytes, 1);
    QCOMPARE(m_sim->model.frames, expectedReadFrames());
    QCOMPARE(m_sim->model.memory, before);
}

void TestLinkCli::failedSessionsWriteNoFile_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("silent radio") << "silent";
    QTest::newRow("cable pulled") << "closed";
}

void TestLinkCli::failedSessionsWriteNoFile() {
    VQ740_NEEDS_PTY();
    QFETCH(QString, fault);
    if (fault == QLatin1String("silent"))
        m_sim->model.faults.silent = true;
    else
        m_sim->options.closeAfterReplies = 8;
    const CliRun run = runCli({"read", "--port", m_sim->devicePath(), "-o", path("out.dat")});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("Communication error, please check the intercom model, fault, "
                              "attachment and computer serial choice!"),
             qPrintable(run.err));
    QVERIFY(!QFile::exists(path("out.dat")));
    if (fault == QLatin1String("silent")) {
        QTRY_COMPARE(m_sim->model.endBytes, 1);
        QCOMPARE(m_sim->model.programRequests, 2);
    } else {
        QVERIFY2(run.err.contains("hung up"), qPrintable(run.err));
    }
}

void TestLinkCli::portThatCannotBeOpened_data() {
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("device");
    QTest::newRow("device path") << "/dev/vq740-missing"
                                 << "/dev/vq740-missing";
    QTest::newRow("COM4 by the naming rule") << "com4" << portDevice(4);
}

void TestLinkCli::portThatCannotBeOpened() {
    QFETCH(QString, port);
    QFETCH(QString, device);
    if (QFile::exists(device))
        QSKIP("the device exists on this machine");
    const CliRun run = runCli({"read", "--port", port, "-o", path("out.dat")});
    QCOMPARE(run.status, 3);
    QVERIFY2(run.err.contains("Communication port not open, please first selection menu "
                              "'communication port' to open its serial ports!"),
             qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("Cannot open %1: ").arg(device)), qPrintable(run.err));
    QVERIFY(!QFile::exists(path("out.dat")));
}

void TestLinkCli::unusableInputFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("short data file") << QByteArray(0x32F, '\xFF') << "too short";
    QTest::newRow("missing file") << QByteArray() << "cannot be read";
}

void TestLinkCli::unusableInputFile() {
    VQ740_NEEDS_PTY();
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    if (!content.isEmpty())
        QVERIFY(writeFile(path("in.dat"), content));
    const CliRun run = runCli({"write", "--port", m_sim->devicePath(), path("in.dat")});
    QCOMPARE(run.status, 4);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(m_sim->model.frames.isEmpty());
}

void TestLinkCli::usageErrors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("read without port") << QStringList{"read", "-o", "x.dat"};
    QTest::newRow("read without output") << QStringList{"read", "--port", "COM1"};
    QTest::newRow("read with a write option")
        << QStringList{"read", "--port", "COM1", "-o", "x.dat", "--debug-write"};
    QTest::newRow("read with a stray file")
        << QStringList{"read", "--port", "COM1", "-o", "x.dat", "y"};
    QTest::newRow("write without file") << QStringList{"write", "--port", "COM1"};
    QTest::newRow("write with two files")
        << QStringList{"write", "--port", "COM1", "a.dat", "b.dat"};
    QTest::newRow("port without value") << QStringList{"write", "a.dat", "--port"};
    QTest::newRow("unknown option") << QStringList{"write", "--port", "COM1", "a.dat", "--fast"};
    QTest::newRow("verify and no verify")
        << QStringList{"write", "--port", "COM1", "a.dat", "--verify", "--no-verify"};
    QTest::newRow("backup folder without value")
        << QStringList{"write", "--port", "COM1", "a.dat", "--backup-dir"};
}

void TestLinkCli::usageErrors() {
    QFETCH(QStringList, args);
    const CliRun run = runCli(args);
    QCOMPARE(run.status, 64);
    QVERIFY2(run.err.contains("Usage: vq740-cli " + args.first()), qPrintable(run.err));
}

void TestLinkCli::unwritableOutputIsRefusedBeforeReading() {
    VQ740_NEEDS_PTY();
    const CliRun run =
        runCli({"read", "--port", m_sim->devicePath(), "-o", path("no/such/folder/out.dat")});
    QCOMPARE(run.status, 73);
    QVERIFY(m_sim->model.frames.isEmpty());
}

void TestLinkCli::traceFileHoldsTheExchange_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("lang");
    QTest::newRow("read") << false << "en";
    QTest::newRow("write, Chinese") << true << "zh";
}

void TestLinkCli::traceFileHoldsTheExchange() {
    VQ740_NEEDS_PTY();
    QFETCH(bool, write);
    QFETCH(QString, lang);
    const qint16 language = lang == QLatin1String("zh") ? 0 : 1;
    QRandomGenerator rng(33);
    m_sim->model.memory.replace(0x10, 0x400, generatedImage(rng, 0x400));
    const QString input = path("in.dat");
    QVERIFY(writeFile(input, bytesFromImage(EncodeImage(startUpState(1)))));
    const QString trace = path("trace.txt");
    const QStringList args =
        write ? QStringList{"--lang", lang,      "write", "--port", m_sim->devicePath(),
                            input,    "--trace", trace}
              : QStringList{"--lang",  lang,  "read", "--port",       m_sim->devicePath(),
                            "--trace", trace, "-o",   path("out.dat")};
    const CliRun run = runCli(args);
    QCOMPARE(run.status, 0);
    // A write is three exchanges: the backup read, the write, the read back.
    const int sessions = write ? 3 : 1;
    QTRY_COMPARE(m_sim->model.endBytes, sessions);
    const QString text = QString::fromUtf8(readFile(trace));
    QVERIFY2(text.startsWith(SerialTrace::headerText(language)), qPrintable(text));
    const TraceTextBytes bytes = traceTextBytes(text);
    QCOMPARE(bytes.sessions, sessions);
    QByteArray sent, received;
    const auto &logged = m_sim->wireLog.sessions();
    for (auto it = logged.end() - sessions; it != logged.end(); ++it) {
        sent += SerialTrace::bytesOf(*it, TraceEventKind::Sent);
        received += SerialTrace::bytesOf(*it, TraceEventKind::Received);
    }
    QCOMPARE(bytes.sent.toHex(' '), sent.toHex(' '));
    QCOMPARE(bytes.received.toHex(' '), received.toHex(' '));
    const QString end = language == 0 ? QString::fromUtf8("结束：") : QStringLiteral("end: ");
    QVERIFY2(bytes.marks.last().startsWith(end), qPrintable(bytes.marks.last()));
    if (!write)
        QCOMPARE(bytes.marks.last(), end + run.out.trimmed().section(QLatin1Char('\n'), 0, 0));
}

void TestLinkCli::traceOfAPortThatDidNotOpen() {
    const QString trace = path("trace.txt");
    const CliRun run =
        runCli({"read", "--port", "/dev/vq740-missing", "-o", path("out.dat"), "--trace", trace});
    QCOMPARE(run.status, 3);
    const TraceTextBytes bytes = traceTextBytes(QString::fromUtf8(readFile(trace)));
#ifdef Q_OS_WIN
    const QString missing = qt_error_string(2); // ERROR_FILE_NOT_FOUND
#else
    const QString missing = QStringLiteral("No such file or directory");
#endif
    QCOMPARE(bytes.marks, QStringList{"cannot open: /dev/vq740-missing: " + missing});
    QVERIFY(bytes.sent.isEmpty());
}

void TestLinkCli::traceThatCannotBeWritten() {
    VQ740_NEEDS_PTY();
    const QString trace = path("no/such/folder/trace.txt");
    const CliRun run =
        runCli({"read", "--port", m_sim->devicePath(), "-o", path("out.dat"), "--trace", trace});
    QCOMPARE(run.status, 73);
    QVERIFY2(run.err.contains(trace), qPrintable(run.err));
    QVERIFY(!QFile::exists(path("out.dat")));
    QCOMPARE(m_sim->model.frames, expectedReadFrames());
}

void TestLinkCli::refusedAsAnotherUser_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason"); // {device} {owner} {group} {program} {pid} {lock}
    QTest::newRow("no permission") << "permission"
                                   << "{device} belongs to user {owner} and group {group}, mode "
                                      "crw-------.";
    QTest::newRow("in use") << "busy"
                            << "{device} is in use by {program} (process {pid}) (lock file "
                               "{lock}): close that program.";
    QTest::newRow("lock file left behind")
        << "stale"
        << "A program that has ended (process {pid}) left the lock file {lock} behind. Remove it: "
           "sudo rm {lock}";
}

void TestLinkCli::refusedAsAnotherUser() {
    VQ740_NEEDS_PTY();
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    if (asNobody().isEmpty())
        QSKIP("needs root and setpriv to run the tool as another user");
    const QString device = m_sim->devicePath();
    const QByteArray devicePath = device.toLocal8Bit();
    QVERIFY(::chmod(devicePath.constData(), fault == QLatin1String("permission") ? 0600 : 0666) ==
            0);
    SystemSerialPort holder;
    QString lockPath;
    qint64 pid = 0;
    QString program;
    if (fault == QLatin1String("busy")) {
        holder.setDevice(device);
        QVERIFY(holder.open());
        const std::optional<PortLock> lock = findPortLock(device, serialLockDirectories());
        if (!lock)
            QSKIP("QSerialPort found no lock folder here");
        lockPath = lock->path;
        pid = lock->pid;
        program = lock->program;
    } else if (fault == QLatin1String("stale")) {
        // Where QSerialPort looks first: a lock of root's that nobody may remove.
        lockPath = QStringLiteral("/var/lock/") + lockFileNames(device).first();
        pid = endedProcessId();
        QFile lock(lockPath);
        if (!lock.open(QIODevice::WriteOnly))
            QSKIP("/var/lock cannot be written here");
        lock.write(QByteArray::number(pid) + "\nminicom\n\n");
        lock.close();
        QFileInfo folder(QStringLiteral("/var/lock/"));
        if (!(folder.permissions() & QFile::WriteOther)) {
            QFile::remove(lockPath);
            QSKIP("/var/lock is not the shared lock folder here");
        }
    }
    QTemporaryDir out;
    QFile::setPermissions(out.path(), QFileDevice::Permissions(0x7777));
    const CliRun run = runCliAsNobody({"read", "--port", device, "-o", out.filePath("x.dat")});
    if (!lockPath.isEmpty() && fault == QLatin1String("stale"))
        QFile::remove(lockPath);
    holder.close();
    QCOMPARE(run.status, 3);
    const DeviceAccess access = deviceAccess(device);
    const QString expected = QString(reason)
                                 .replace("{device}", device)
                                 .replace("{owner}", access.owner)
                                 .replace("{group}", access.group)
                                 .replace("{program}", program)
                                 .replace("{pid}", QString::number(pid))
                                 .replace("{lock}", lockPath);
    QVERIFY2(run.err.contains(QStringLiteral("Cannot open %1: ").arg(device)), qPrintable(run.err));
    QVERIFY2(run.err.contains(expected), qPrintable(run.err + "\nexpected: " + expected));
    QVERIFY(m_sim->model.frames.isEmpty());
}

void TestLinkCli::lockFileOfAnotherProgram_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("said"); // {device} {pid} {lock}
    QTest::newRow("English") << "en"
                             << "Cannot open {device}: Device or resource busy\n{device} is in use "
                                "by sleep (process {pid}) (lock file {lock}): close that program.";
    QTest::newRow("Chinese")
        << "zh"
        << "无法打开 {device}：设备正被占用（Device or resource busy）\n{device} 正被 sleep（进程 "
           "{pid}） 使用（锁文件 {lock}）：请关掉该程序。";
}

void TestLinkCli::lockFileOfAnotherProgram() {
    VQ740_NEEDS_PTY();
    // A running program's lock in the form minicom, uucp and lockdev write:
    // the process id in ten characters and a newline.
    QFETCH(QString, lang);
    QFETCH(QString, said);
    const QString device = m_sim->devicePath();
    QProcess program;
    program.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(program.waitForStarted());
    const QString lockPath =
        QDir(serialLockDirectories().first()).filePath(lockFileNames(device).first());
    const QByteArray content = QByteArray::number(program.processId()).rightJustified(10) + "\n";
    QFile lock(lockPath);
    if (!lock.open(QIODevice::WriteOnly))
        QSKIP("the lock folder cannot be written here");
    lock.write(content);
    lock.close();
    const CliRun run = runCli({"--lang", lang, "read", "--port", device, "-o", path("out.dat")});
    const QByteArray left = readFile(lockPath);
    QFile::remove(lockPath);
    said.replace("{device}", device)
        .replace("{pid}", QString::number(program.processId()))
        .replace("{lock}", lockPath);
    program.kill();
    program.waitForFinished();
    QCOMPARE(run.status, 3);
    QVERIFY2(run.err.contains(said), qPrintable(run.err + "\nexpected: " + said));
    // The lock is the other program's still, and the radio heard nothing.
    QCOMPARE(left, content);
    QVERIFY(m_sim->model.frames.isEmpty());
}

void TestLinkCli::simulatedRadioProgram_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("marks"); // the trace's first marks after the opening
    QTest::newRow("sample") << QStringList{"--sample"} << QStringList{};
    QTest::newRow("bytes of an exchange cut short")
        << QStringList{"--sample", "--stale", "0657"}
        << QStringList{"2 bytes left over from an earlier exchange discarded: 06 57"};
}

void TestLinkCli::simulatedRadioProgram() {
    VQ740_NEEDS_PTY();
    // The program prints its device; with --log and --once it keeps what
    // crossed the wire and ends after the exchange.
    QFETCH(QStringList, options);
    QFETCH(QStringList, marks);
    const QString log = path("radio.log");
    QProcess radio;
    radio.start(QStringLiteral(VQ740_SIMRADIO), options + QStringList{"--once", "--log", log});
    QVERIFY(radio.waitForReadyRead(5000));
    const QString device = QString::fromLocal8Bit(radio.readLine()).trimmed();
    QVERIFY2(device.startsWith(QLatin1String("/dev/")), qPrintable(device));
    const QString trace = path("trace.txt");
    const CliRun run = runCli({"read", "--port", device, "-o", path("out.json"), "--trace", trace});
    QCOMPARE(run.status, 0);
    // (It may have ended while the tool's run was waited for.)
    const bool ended = radio.state() == QProcess::NotRunning || radio.waitForFinished(5000);
    QVERIFY2(ended, radio.readAllStandardError().constData());
    QCOMPARE(radio.exitCode(), 0);
    const TraceTextBytes program = traceTextBytes(QString::fromUtf8(readFile(trace)));
    const TraceTextBytes wire = traceTextBytes(QString::fromUtf8(readFile(log)));
    QCOMPARE(wire.sessions, 1);
    QCOMPARE(program.sent.toHex(' '), wire.sent.toHex(' '));
    QCOMPARE(program.received.toHex(' '), wire.received.toHex(' '));
    QCOMPARE(program.sent.size(), 7 + 1 + 1 + 16 * (4 + 1) + 1);
    QCOMPARE(program.marks.mid(1, marks.size()), marks);
    // The sample channels were read.
    EditorState state = startUpState(1);
    QString error;
    QVERIFY2(stateFromJson(readFile(path("out.json")), state, &error), qPrintable(error));
    QCOMPARE(state.channels.cell(1, ColRxFrequency), QStringLiteral("446.00625"));
}

void TestLinkCli::simulatedRadioUsage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::newRow("help") << QStringList{"--help"} << 0;
    QTest::newRow("unknown option") << QStringList{"--fast"} << 64;
    QTest::newRow("missing value") << QStringList{"--pieces"} << 64;
    QTest::newRow("bad number") << QStringList{"--close-after", "x"} << 64;
    QTest::newRow("bad band") << QStringList{"--band", "zz"} << 64;
    QTest::newRow("missing memory file") << QStringList{"--memory", "/no/such.dat"} << 4;
    QTest::newRow("bytes not in hexadecimal") << QStringList{"--stale", "6"} << 64;
}

void TestLinkCli::simulatedRadioUsage() {
    VQ740_NEEDS_PTY();
    QFETCH(QStringList, args);
    QFETCH(int, status);
    const CliRun run = runProgram(QStringLiteral(VQ740_SIMRADIO), args);
    QCOMPARE(run.status, status);
    if (status != 0)
        return;
    QVERIFY(run.out.startsWith(QLatin1String("Usage: vq740-simradio")));
    for (const char *option :
         {"--sample", "--memory FILE", "--band HEX", "--pace", "--pieces N", "--silent",
          "--close-after N", "--stale HEX", "--log FILE", "--once", "--help"})
        QVERIFY2(run.out.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(TestLinkCli)
#include "tst_linkcli.moc"
