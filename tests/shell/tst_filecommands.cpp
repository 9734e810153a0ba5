// New, Open and Save on the editor state, answered by a test chooser and a
// test message port.
#include "image/imagecodec.h"
#include "shell/filecommands.h"
#include "tests/support/imagebuilder.h"
#include "tests/support/recordingmessageport.h"
#include "tests/support/testfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <QTest>
#include <cerrno>

namespace {
class ListChooser : public FileChooser {
public:
    QString openPath(const QString &filter) override { return next(filter); }
    QString savePath(const QString &filter) override { return next(filter); }
    QString next(const QString &filter) {
        filters << filter;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QStringList paths;
    QStringList filters;
};

EditorState stateWithChannel(qint16 language) {
    EditorState s = startUpState(language);
    s.channels.setCell(3, ColRxFrequency, "146.12500");
    s.channels.setCell(3, ColTxFrequency, "146.12500");
    s.channels.setCell(3, ColRxTone, "88.5");
    s.channels.setOption(3, ColWn, 1, language);
    s.functions.squelchLevel = 7;
    s.store.embeddedLine1 = "HELLO";
    return s;
}
} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void filterNamesTheApplication() {
        QVERIFY(dataFileFilter().startsWith("VQ-740 Software(*.DAT"));
        QVERIFY(dataFileFilter().endsWith(")"));
    }

    void newAsks_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("Chinese OK") << 0 << MsgResult::Ok << "警告"
                                    << "所有信道的数据将被清除！" << true;
        QTest::newRow("English OK") << 1 << MsgResult::Ok << "Warnning"
                                    << "All channel data will be clear." << true;
        QTest::newRow("English Cancel") << 1 << MsgResult::Cancel << "Warnning"
                                        << "All channel data will be clear." << false;
    }
    void newAsks() {
        QFETCH(int, language);
        QFETCH(int, answer);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(bool, cleared);
        EditorState s = stateWithChannel(static_cast<qint16>(language));
        s.bandPosition = s.acceptedBand = 5;
        const EditorState before = s;
        RecordingMessagePort port;
        port.answers = {answer};
        QCOMPARE(newCommand(s, port), cleared ? FileOutcome::Done : FileOutcome::Cancelled);
        QCOMPARE(port.shown.size(), 1);
        QCOMPARE(port.shown[0].flags, quint32(305));
        QCOMPARE(port.shown[0].title, title);
        QCOMPARE(port.shown[0].text, text);
        QCOMPARE(s.channels.inUse(3), !cleared);
        // The band, the function settings and the store never change.
        QCOMPARE(s.bandPosition, 5);
        QVERIFY(s.functions == before.functions);
        QVERIFY(s.store == before.store);
    }

    void saveThenOpenGivesTheSameEditor() {
        QTemporaryDir dir;
        const EditorState saved = stateWithChannel(1);
        ListChooser chooser;
        chooser.paths = {dir.filePath("a.DAT")};
        RecordingMessagePort port;
        QCOMPARE(saveCommand(saved, chooser, port), FileOutcome::Done);
        QVERIFY(port.shown.isEmpty());
        QCOMPARE(chooser.filters, QStringList{dataFileFilter()});
        const QByteArray bytes = readFile(dir.filePath("a.DAT"));
        QCOMPARE(bytes.size(), 848);
        QCOMPARE(imageFromBytes(bytes), EncodeImage(saved));

        EditorState opened = startUpState(1);
        chooser.paths = {dir.filePath("a.DAT")};
        QCOMPARE(openCommand(opened, chooser, port), FileOutcome::Done);
        QCOMPARE(EncodeImage(opened), EncodeImage(saved));
        QCOMPARE(opened.channels.cell(3, ColRxTone), QString("88.5"));
        QCOMPARE(opened.functions.squelchLevel, 7);
    }

    void overwriteQuestion_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<bool>("overwritten");
        QTest::addColumn<int>("outcome");
        // Yes replaces the longer file with exactly 848 bytes.
        QTest::newRow("Yes") << QList<int>{MsgResult::Yes} << 1 << true << int(FileOutcome::Done);
        // No shows the dialog again; cancelling it writes nothing.
        QTest::newRow("No then cancel")
            << QList<int>{MsgResult::No} << 2 << false << int(FileOutcome::Cancelled);
        // No, then the same name again, then Yes.
        QTest::newRow("No then Yes")
            << QList<int>{MsgResult::No, MsgResult::Yes} << 2 << true << int(FileOutcome::Done);
    }
    void overwriteQuestion() {
        QFETCH(QList<int>, answers);
        QFETCH(int, dialogs);
        QFETCH(bool, overwritten);
        QFETCH(int, outcome);
        QTemporaryDir dir;
        const QString path = dir.filePath("old.DAT");
        const QByteArray old(1024, '\x5A');
        QVERIFY(writeFile(path, old));
        const EditorState s = stateWithChannel(0);
        ListChooser chooser;
        chooser.paths = {path};
        if (answers.size() > 1)
            chooser.paths << path;
        RecordingMessagePort port;
        port.answers = answers;
        QCOMPARE(int(saveCommand(s, chooser, port)), outcome);
        QCOMPARE(chooser.filters.size(), dialogs);
        QCOMPARE(port.shown.size(), answers.size());
        QCOMPARE(port.shown[0].flags, quint32(36));
        QCOMPARE(port.shown[0].title, QString()); // the application title
        QCOMPARE(port.shown[0].text, QString("该文件已存在，是否覆盖？"));
        QCOMPARE(readFile(path), overwritten ? bytesFromImage(EncodeImage(s)) : old);
    }

    void cancelledDialogsDoNothing() {
        EditorState s = stateWithChannel(1);
        const EditorState before = s;
        ListChooser chooser;
        RecordingMessagePort port;
        QCOMPARE(openCommand(s, chooser, port), FileOutcome::Cancelled);
        QCOMPARE(saveCommand(s, chooser, port), FileOutcome::Cancelled);
        QVERIFY(port.shown.isEmpty());
        QVERIFY(s.channels == before.channels);
    }

    void badFilesAreRefusedAndTheEditorKept_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("needle");
        QTest::newRow("empty, English") << 0 << 1 << "too short";
        QTest::newRow("815 bytes, Chinese") << 815 << 0 << "太短";
        QTest::newRow("missing file") << -1 << 1 << "cannot be read";
    }
    void badFilesAreRefusedAndTheEditorKept() {
        QFETCH(int, size);
        QFETCH(int, language);
        QFETCH(QString, needle);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.DAT");
        if (size >= 0)
            QVERIFY(writeFile(path, startUpImageBytes().left(size)));
        EditorState s = stateWithChannel(static_cast<qint16>(language));
        s.debugWriteMode = true;
        const EditorState before = s;
        ListChooser chooser;
        chooser.paths = {path};
        RecordingMessagePort port;
        QCOMPARE(openCommand(s, chooser, port), FileOutcome::Failed);
        QCOMPARE(port.shown.size(), 1);
        QVERIFY2(port.shown[0].text.contains(needle), qPrintable(port.shown[0].text));
        QCOMPARE(port.shown[0].flags, quint32(16));
        QVERIFY(s.channels == before.channels);
        QVERIFY(s.store == before.store);
        QVERIFY(s.debugWriteMode);
    }

    void smallestUsableFileOpens() {
        QTemporaryDir dir;
        const QString path = dir.filePath("816.DAT");
        QVERIFY(writeFile(path, startUpImageBytes().left(816)));
        EditorState s = stateWithChannel(1);
        ListChooser chooser;
        chooser.paths = {path};
        RecordingMessagePort port;
        QCOMPARE(openCommand(s, chooser, port), FileOutcome::Done);
        QVERIFY(!s.channels.inUse(3));
    }

    // A save that fails says what became of the file: an old file is kept
    // as it was; where there was none, nothing was written.
    void failedSaveIsReported_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("oldFile");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("reason");
        QTest::newRow("old file, English")
            << "taken.DAT" << true << 1 << "the old file is unchanged."
            << "";
        QTest::newRow("old file, Chinese") << "taken.DAT" << true << 0 << "原文件未改动。"
                                           << "";
        // No folder "gone": the system's words for a missing path.
#ifdef Q_OS_WIN
        const QString missing = qt_error_string(3); // ERROR_PATH_NOT_FOUND
#else
        const QString missing = qt_error_string(ENOENT);
#endif
        QTest::newRow("new file, English") << "gone/new.DAT" << false << 1 << "nothing was written."
                                           << QStringLiteral("(%1)").arg(missing);
        QTest::newRow("new file, Chinese")
            << "gone/new.DAT" << false << 0 << "未写入任何数据。"
            << QString::fromUtf8("文件或目录不存在（%1）").arg(missing);
    }
    void failedSaveIsReported() {
        QFETCH(QString, name);
        QFETCH(bool, oldFile);
        QFETCH(int, language);
        QFETCH(QString, outcome);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        // A folder in place of the file cannot be replaced; a file in a
        // folder that does not exist cannot be made.
        const QString path = dir.filePath(name);
        if (oldFile)
            QVERIFY(QDir().mkpath(path + "/inside"));
        const EditorState s = stateWithChannel(qint16(language));
        ListChooser chooser;
        chooser.paths = {path};
        RecordingMessagePort port;
        port.answers = {MsgResult::Yes};
        QCOMPARE(saveCommand(s, chooser, port), FileOutcome::Failed);
        QCOMPARE(port.shown.size(), oldFile ? 2 : 1);
        const QString text = port.shown.last().text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(path)), qPrintable(text));
        QVERIFY2(text.contains(language == 0 ? QString("无法写入") : QString("cannot be written")),
                 qPrintable(text));
        QVERIFY2(text.endsWith(outcome), qPrintable(text));
        // The system's reason in brackets of the message's language.
        QVERIFY2(text.contains(language == 0 ? QString("（") : QString(" (")), qPrintable(text));
        // A reason the program knows is named in the message's language.
        QVERIFY2(text.contains(reason), qPrintable(text));
        QCOMPARE(port.shown.last().flags, quint32(16));
        QCOMPARE(QFileInfo(path + "/inside").isDir(), oldFile);
        QVERIFY(!QFileInfo::exists(dir.filePath("gone")));
    }

    // A save cut off between writing its temporary file and putting it in
    // place leaves that file beside the target: the next save of the same
    // file removes it once it is old enough not to belong to a save still
    // running. Every other file stays.
    void leftOversOfEarlierSavesGo_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<bool>("removed");
        QTest::newRow("cut off an hour ago") << "radio.DAT.vq740-save-Ab12Cd" << 3600 << true;
        QTest::newRow("cut off yesterday") << "radio.DAT.vq740-save-zzzzzz" << 86400 << true;
        QTest::newRow("a save still running") << "radio.DAT.vq740-save-Ab12Cd" << 5 << false;
        QTest::newRow("another file's") << "other.DAT.vq740-save-Ab12Cd" << 3600 << false;
        QTest::newRow("a longer name") << "radio.DAT.vq740-save-Ab12Cde" << 3600 << false;
        QTest::newRow("a user's copy") << "radio.DAT.backup" << 3600 << false;
        QTest::newRow("a user's file") << "radio.DAT.vq740-save-Ab-2Cd" << 3600 << false;
    }
    void leftOversOfEarlierSavesGo() {
        QFETCH(QString, name);
        QFETCH(int, ageSeconds);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString path = dir.filePath("radio.DAT");
        QVERIFY(writeFile(path, "old"));
        const QFileDevice::Permissions permissions =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(path, permissions));
        const QString leftOver = dir.filePath(name);
        QVERIFY(writeFile(leftOver, "new content, never put in place"));
        QFile file(leftOver);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                 QFileDevice::FileModificationTime));
        file.close();
        const EditorState s = stateWithChannel(1);
        RecordingMessagePort port;
        QCOMPARE(saveToFile(s, path, port), FileOutcome::Done);
        QCOMPARE(readFile(path), bytesFromImage(EncodeImage(s)));
        // The new file has the old one's permissions (Windows keeps none for
        // the group and others).
#ifndef Q_OS_WIN
        const QFileDevice::Permissions user =
            QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
        QCOMPARE(QFileInfo(path).permissions() & ~user, permissions);
#endif
        QCOMPARE(QFile::exists(leftOver), !removed);
        // Nothing of the save itself stays behind.
        QStringList expected{"radio.DAT"};
        if (!removed)
            expected << name;
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        left.sort();
        expected.sort();
        QCOMPARE(left, expected);
    }
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
