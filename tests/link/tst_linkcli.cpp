// vq740-cli read and write against the simulated radio, through the real
// program and its exit statuses.
#include "linkrig.h"
#include "simradio.h"

#include "../image/imagebuilder.h"

#include "image/imagecodec.h"
#include "image/jsonform.h"
#include "link/portdiagnostics.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"
#include "tests/support/tracebytes.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the tool while this process's event loop keeps the radio answering.
CliRun runProgram(const QString &program, const QStringList &args) {
    QProcess p;
    QSignalSpy finished(&p, &QProcess::finished);
    p.start(program, args);
    if (!finished.wait(20000)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

CliRun runCli(const QStringList &args) {
    return runProgram(QStringLiteral(VQ740_CLI), args);
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

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
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
    void simulatedRadioProgram();
    void simulatedRadioUsage_data();
    void simulatedRadioUsage();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SimRadio> m_sim;
};

void TestLinkCli::init() {
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_sim.reset(new SimRadio);
    QVERIFY(m_sim->open());
}

void TestLinkCli::readSavesWhatTheRadioHolds_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("success");
    QTest::newRow("data file") << "radio.DAT"
                               << "en"
                               << "Read frequency success!";
    QTest::newRow("JSON form, Chinese") << "radio.json"
                                        << "zh" << QString::fromUtf8("读频成功！");
}

void TestLinkCli::readSavesWhatTheRadioHolds() {
    QFETCH(QString, output);
    QFETCH(QString, lang);
    QFETCH(QString, success);
    QRandomGenerator rng(31);
    m_sim->model.memory.replace(0x10, 0x400, generatedImage(rng, 0x400));
    m_sim->model.identification = RadioModel::identificationOf("K7403", 0x73);
    const CliRun run =
        runCli({"--lang", lang, "read", "--port", m_sim->devicePath(), "-o", path(output)});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.trimmed(), success);
    QCOMPARE(m_sim->model.frames, expectedReadFrames());

    EditorState expected = startUpState(lang == QLatin1String("zh") ? 0 : 1);
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
    QFETCH(QStringList, options);
    QFETCH(int, radioBandCode);
    QFETCH(bool, json);
    QFETCH(int, status);
    QFETCH(bool, debug);
    QRandomGenerator rng(32);
    EditorState state = generatedState(rng, 1);
    state.acceptedBand = state.bandPosition = 0;
    const QString input = path(json ? "in.json" : "in.dat");
    writeFile(input, json ? stateToJson(state) : bytesFromImage(EncodeImage(state)));
    // What the program holds after opening the file.
    EditorState opened = startUpState(1);
    QVERIFY(DecodeImage(opened, EncodeImage(state)));
    const QByteArray image = bytesFromImage(EncodeImage(opened));
    m_sim->model.identification = RadioModel::identificationOf("K7403", quint8(radioBandCode));
    const QByteArray before = m_sim->model.memory;

    const CliRun run = runCli(QStringList{"write", "--port", m_sim->devicePath(), input} + options);
    QCOMPARE(run.status, status);
    QTRY_COMPARE(m_sim->model.endBytes, 1);
    if (status == 2) {
        QVERIFY2(run.err.contains("Frequency band with discrepancies, do not write."),
                 qPrintable(run.err));
        QCOMPARE(m_sim->model.frames.size(), 4); // PROGRAM, 02, 06, end byte
        QCOMPARE(m_sim->model.memory, before);
        return;
    }
    QCOMPARE(run.out.trimmed(), QStringLiteral("Write frequency success!"));
    const QList<int> addresses = writeAddresses(debug);
    QCOMPARE(m_sim->model.frames, expectedWriteFrames(image, addresses));
    QByteArray expected = before;
    for (int a : addresses)
        expected.replace(a, 16, image.mid(a - 0x10, 16));
    QCOMPARE(m_sim->model.memory.toHex(), expected.toHex());
}

void TestLinkCli::failedSessionsWriteNoFile_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("silent radio") << "silent";
    QTest::newRow("cable pulled") << "closed";
}

void TestLinkCli::failedSessionsWriteNoFile() {
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
    QTest::newRow("COM4 by the naming rule") << "com4"
                                             << "/dev/ttyUSB3";
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
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    if (!content.isEmpty())
        writeFile(path("in.dat"), content);
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
}

void TestLinkCli::usageErrors() {
    QFETCH(QStringList, args);
    const CliRun run = runCli(args);
    QCOMPARE(run.status, 64);
    QVERIFY2(run.err.contains("Usage: vq740-cli " + args.first()), qPrintable(run.err));
}

void TestLinkCli::unwritableOutputIsRefusedBeforeReading() {
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
    QFETCH(bool, write);
    QFETCH(QString, lang);
    const qint16 language = lang == QLatin1String("zh") ? 0 : 1;
    QRandomGenerator rng(33);
    m_sim->model.memory.replace(0x10, 0x400, generatedImage(rng, 0x400));
    const QString input = path("in.dat");
    writeFile(input, bytesFromImage(EncodeImage(startUpState(1))));
    const QString trace = path("trace.txt");
    const QStringList args =
        write ? QStringList{"--lang", lang,      "write", "--port", m_sim->devicePath(),
                            input,    "--trace", trace}
              : QStringList{"--lang",  lang,  "read", "--port",       m_sim->devicePath(),
                            "--trace", trace, "-o",   path("out.dat")};
    const CliRun run = runCli(args);
    QCOMPARE(run.status, 0);
    QTRY_COMPARE(m_sim->model.endBytes, 1);
    const QString text = QString::fromUtf8(readFile(trace));
    QVERIFY2(text.startsWith(SerialTrace::headerText(language)), qPrintable(text));
    const TraceTextBytes bytes = traceTextBytes(text);
    QCOMPARE(bytes.sessions, 1);
    const TraceSession &radio = m_sim->wireLog.sessions().back();
    QCOMPARE(bytes.sent.toHex(' '), SerialTrace::bytesOf(radio, TraceEventKind::Sent).toHex(' '));
    QCOMPARE(bytes.received.toHex(' '),
             SerialTrace::bytesOf(radio, TraceEventKind::Received).toHex(' '));
    QCOMPARE(bytes.marks.last(),
             (language == 0 ? QString::fromUtf8("结束：") : "end: ") + run.out.trimmed());
}

void TestLinkCli::traceOfAPortThatDidNotOpen() {
    const QString trace = path("trace.txt");
    const CliRun run =
        runCli({"read", "--port", "/dev/vq740-missing", "-o", path("out.dat"), "--trace", trace});
    QCOMPARE(run.status, 3);
    const TraceTextBytes bytes = traceTextBytes(QString::fromUtf8(readFile(trace)));
    QCOMPARE(bytes.marks,
             QStringList{"cannot open: /dev/vq740-missing: No such file or directory"});
    QVERIFY(bytes.sent.isEmpty());
}

void TestLinkCli::traceThatCannotBeWritten() {
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

void TestLinkCli::simulatedRadioProgram() {
    // The program prints its device; with --log and --once it keeps what
    // crossed the wire and ends after the exchange.
    const QString log = path("radio.log");
    QProcess radio;
    radio.start(QStringLiteral(VQ740_SIMRADIO), {"--sample", "--once", "--log", log});
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
}

void TestLinkCli::simulatedRadioUsage() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    const CliRun run = runProgram(QStringLiteral(VQ740_SIMRADIO), args);
    QCOMPARE(run.status, status);
    if (status != 0)
        return;
    QVERIFY(run.out.startsWith(QLatin1String("Usage: vq740-simradio")));
    for (const char *option : {"--sample", "--memory FILE", "--band HEX", "--pace", "--pieces N",
                               "--silent", "--close-after N", "--log FILE", "--once", "--help"})
        QVERIFY2(run.out.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(TestLinkCli)
#include "tst_linkcli.moc"
