// Every way the program saves a file, on a real full file system (a small
// tmpfs filled up): the old file must stay byte for byte, no temporary file
// may be left, and the failure must be reported with the file's name and
// the system's reason (the window: a message; the command line: status 73).
#include "linkrig.h"
#include "msgboxrecorder.h"
#include "simradio.h"
#include "tests/support/clirun.h"
#include "tests/support/fullfilesystem.h"
#include "tests/support/testfiles.h"
#include "tests/support/unixcalls.h"

#include "tests/support/imagebuilder.h"

#include "image/backups.h"
#include "image/filewriter.h"
#include "image/imagecodec.h"
#include "image/jsonform.h"
#include "image/statefile.h"
#include "link/portchooser.h"
#include "shell/channelcommandspart.h"
#include "shell/filecommands.h"
#include "shell/form1.h"
#include "shell/parameterfile.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace {

enum class SavePath {
    Writer,
    DataFile,
    Json,
    WindowSave,
    ConvertToDat,
    ConvertToJson,
    CliRead,
    ParameterFile,
    Backup,
};

class PathChooser : public FileChooser {
public:
    QString openPath(const QString &) override { return QString(); }
    QString savePath(const QString &) override { return std::exchange(path, QString()); }
    QString path;
};

CliRun runCli(const QStringList &args) {
    return runCliProgram(QStringLiteral(VQ740_CLI), args);
}

// A state whose JSON form is well beyond one page.
EditorState bigState(qint16 language) {
    QRandomGenerator rng(71);
    EditorState state = generatedState(rng, language);
    for (int row = 1; row <= 16; ++row) {
        state.channels.setCell(row, ColRxFrequency, QStringLiteral("446.00625"));
        state.channels.setCell(row, ColTxFrequency, QStringLiteral("446.00625"));
        state.channels.setCell(row, ColRxTone, QStringLiteral("88.5"));
        state.channels.setCell(row, ColTxTone, QStringLiteral("D023N"));
        for (int column : {ColPower, ColBclo, ColWn, ColScanAdd})
            state.channels.setOption(row, column, 1, language);
    }
    state.acceptedBand = state.bandPosition = 0;
    return state;
}

} // namespace

class TestFullDisk : public QObject {
    Q_OBJECT
private slots:
    void oldFileSurvivesEverySavePath_data();
    void oldFileSurvivesEverySavePath();
    void writerSucceedsWhereThereIsRoom();
    void parameterFileWithNoRoomAnywhereIsReported_data();
    void parameterFileWithNoRoomAnywhereIsReported();
};

void TestFullDisk::parameterFileWithNoRoomAnywhereIsReported_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << 1;
    QTest::newRow("Chinese") << 0;
}

void TestFullDisk::parameterFileWithNoRoomAnywhereIsReported() {
    QFETCH(int, language);
    FullFileSystem fs;
    if (!fs.mounted())
        QSKIP(qPrintable(fs.whyNot()));
    const QByteArray old = QByteArray("\x00\x03", 2) + char(language);
    QVERIFY(writeFile(fs.filePath("parameter"), old));
    QVERIFY(QDir(fs.path()).mkdir("config"));
    QVERIFY(fs.fill());
    MsgBoxRecorder boxes;
    {
        Form1 form(ParameterFile(fs.path(), fs.filePath("config")));
        form.findChild<PortChooser *>("portChooser")->setRememberedPort(5);
        form.close();
    }
    QCOMPARE(readFile(fs.filePath("parameter")), old);
    QCOMPARE(fs.entries(), (QStringList{"config", "parameter"}));
    QVERIFY(QDir(fs.filePath("config")).isEmpty());
    QCOMPARE(boxes.boxes.size(), 1);
    const QString text = boxes.boxes.first().text;
    QVERIFY2(text.contains(QDir::toNativeSeparators(fs.filePath("config/parameter"))),
             qPrintable(text));
    QVERIFY2(text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(text));
    QVERIFY2(text.contains(language == 0 ? QString::fromUtf8("无法保存参数文件")
                                         : QString("cannot be written")),
             qPrintable(text));
}

void TestFullDisk::oldFileSurvivesEverySavePath_data() {
    QTest::addColumn<int>("path");
    QTest::addColumn<QString>("name");  // the old file on the full disk
    QTest::addColumn<int>("freeBytes"); // room left: a write beyond it is cut off
    QTest::addColumn<int>("language");
    QTest::newRow("the writer") << int(SavePath::Writer) << "old.DAT" << 0 << 1;
    QTest::newRow("data file") << int(SavePath::DataFile) << "old.DAT" << 0 << 1;
    QTest::newRow("JSON form") << int(SavePath::Json) << "old.json" << 0 << 1;
    QTest::newRow("JSON form beyond the one page left")
        << int(SavePath::Json) << "old.json" << 4096 << 1;
    QTest::newRow("window Save") << int(SavePath::WindowSave) << "old.DAT" << 0 << 1;
    QTest::newRow("window Save, Chinese") << int(SavePath::WindowSave) << "old.DAT" << 0 << 0;
    QTest::newRow("convert to a data file") << int(SavePath::ConvertToDat) << "old.DAT" << 0 << 1;
    QTest::newRow("convert to JSON beyond the one page left")
        << int(SavePath::ConvertToJson) << "old.json" << 4096 << 1;
    QTest::newRow("convert, Chinese") << int(SavePath::ConvertToDat) << "old.DAT" << 0 << 0;
    QTest::newRow("read -o") << int(SavePath::CliRead) << "old.DAT" << 0 << 1;
    QTest::newRow("parameter file") << int(SavePath::ParameterFile) << "parameter" << 0 << 1;
    QTest::newRow("backup") << int(SavePath::Backup) << QString() << 0 << 1;
}

void TestFullDisk::oldFileSurvivesEverySavePath() {
    VQ740_NEEDS_PTY();
    QFETCH(int, path);
    QFETCH(QString, name);
    QFETCH(int, freeBytes);
    QFETCH(int, language);
    FullFileSystem fs;
    if (!fs.mounted())
        QSKIP(qPrintable(fs.whyNot()));
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());

    const EditorState state = bigState(qint16(language));
    QVERIFY(stateToJson(state).size() > 2 * FullFileSystem::kPage);
    const QString target = name.isEmpty() ? QString() : fs.filePath(name);
    const QByteArray old = name == QLatin1String("parameter") ? QByteArray("\x01\x03\x01", 3)
                           : name.endsWith(QLatin1String(".json"))
                               ? stateToJson(startUpState(1))
                               : bytesFromImage(EncodeImage(startUpState(1)));
    if (!target.isEmpty())
        QVERIFY(writeFile(target, old));
    QVERIFY(fs.fill(freeBytes));

    // What each path reports: the message shown or printed.
    QString reported;
    switch (SavePath(path)) {
    case SavePath::Writer: {
        QString reason;
        QVERIFY(!writeWholeFile(target, bytesFromImage(EncodeImage(state)), &reason));
        reported = target + QLatin1Char(' ') + reason;
        break;
    }
    case SavePath::DataFile:
    case SavePath::Json: {
        const StateFileStatus status = saveStateFile(target, state);
        QCOMPARE(status.error, StateFileError::CannotWrite);
        reported = stateFileMessage(status, target, qint16(language));
        break;
    }
    case SavePath::WindowSave: {
        QVERIFY(
            writeFile(elsewhere.filePath("parameter"), QByteArray("\x00\x00", 2) + char(language)));
        MsgBoxRecorder boxes;
        Form1 form(ParameterFile(elsewhere.path(), elsewhere.filePath("config")));
        PathChooser chooser;
        form.setFileChooser(&chooser);
        form.findChild<ChannelCommandsPart *>("channelCommandsPart")
            ->applyEditorChange(QStringLiteral("Test"), state);
        chooser.path = target;
        boxes.answers = {MsgResult::Yes}; // replace the existing file
        form.findChild<QAction *>("mnuAssave")->trigger();
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(boxes.boxes[1].icon, QMessageBox::Critical);
        reported = boxes.boxes[1].text;
        break;
    }
    case SavePath::ConvertToDat:
    case SavePath::ConvertToJson: {
        const QString input = elsewhere.filePath("in.DAT");
        QVERIFY(writeFile(input, bytesFromImage(EncodeImage(state))));
        const CliRun run =
            runCli({"--lang", language == 0 ? "zh" : "en", "convert", input, target});
        QCOMPARE(run.status, 73);
        reported = run.err;
        break;
    }
    case SavePath::CliRead: {
        SimRadio sim;
        QVERIFY(sim.open());
        const CliRun run = runCli({"read", "--port", sim.devicePath(), "-o", target, "--backup-dir",
                                   elsewhere.filePath("backups")});
        QCOMPARE(run.status, 73);
        QCOMPARE(sim.model.endBytes, 1);
        reported = run.err;
        break;
    }
    case SavePath::ParameterFile: {
        // The program folder is full: the file goes to the per-user folder,
        // and the one in the program folder, which an exit a while ago
        // wrote, stays as it was.
        {
            QFile old(target);
            QVERIFY(old.open(QIODevice::ReadWrite));
            QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                    QFileDevice::FileModificationTime));
        }
        ParameterFile file(fs.path(), elsewhere.filePath("config"));
        QCOMPARE(file.load().rememberedPort, 3);
        Preferences changed;
        changed.rememberedPort = 5;
        QVERIFY(file.save(changed));
        QCOMPARE(file.path(), elsewhere.filePath("config/parameter"));
        QCOMPARE(readFile(file.path()), QByteArray("\x00\x05\x00", 3));
        // The next start reads what was saved, not the older file left in
        // the program's folder.
        QCOMPARE(ParameterFile(fs.path(), elsewhere.filePath("config")).load(), changed);
        break;
    }
    case SavePath::Backup: {
        const BackupStore store(fs.path());
        const BackupSaveResult result =
            store.save(imageFromBytes(QByteArray(0x400, '\x5A')), BackupKind::BeforeWrite, 0);
        QVERIFY(!result.ok);
        QVERIFY(store.list().isEmpty());
        reported = backupFailureMessage(result, true, qint16(language));
        QVERIFY2(reported.contains("Nothing was written to the radio."), qPrintable(reported));
        break;
    }
    }

    // The old file byte for byte, and nothing else left behind.
    if (!target.isEmpty())
        QCOMPARE(readFile(target).toHex(), old.toHex());
    QCOMPARE(fs.entries(), target.isEmpty() ? QStringList() : QStringList{name});
    // The file named and the system's reason given; the parameter file
    // moves to the per-user folder without a word, as it always does.
    if (SavePath(path) == SavePath::ParameterFile)
        return;
    if (SavePath(path) != SavePath::Backup)
        QVERIFY2(reported.contains(QDir::toNativeSeparators(target)), qPrintable(reported));
    QVERIFY2(reported.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))),
             qPrintable(reported));
    if (language == 0)
        QVERIFY2(reported.contains(QString::fromUtf8("无法写入")), qPrintable(reported));
}

void TestFullDisk::writerSucceedsWhereThereIsRoom() {
    FullFileSystem fs;
    if (!fs.mounted())
        QSKIP(qPrintable(fs.whyNot()));
    const QString target = fs.filePath("new.json");
    QVERIFY(writeFile(target, "old"));
    const QByteArray json = stateToJson(bigState(1));
    QVERIFY(fs.fill(4 * FullFileSystem::kPage));
    QString reason;
    QVERIFY2(writeWholeFile(target, json, &reason), qPrintable(reason));
    QCOMPARE(readFile(target), json);
    QCOMPARE(fs.entries(), QStringList{"new.json"});
}

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
