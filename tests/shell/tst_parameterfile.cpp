// The parameter file: first run, restore, odd contents, the fallback
// folder and the per-user folder of an installed program.
#include "installtree.h"
#include "shell/parameterfile.h"
#include "tests/support/testfiles.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestParameterFile : public QObject {
    Q_OBJECT
private:
private slots:
    void firstRunCreatesEmptyFileAndGivesDefaults() {
        QTemporaryDir program, config;
        ParameterFile file(program.path(), config.path());
        const Preferences p = file.load();
        QCOMPARE(p, Preferences());
        QCOMPARE(file.path(), program.filePath("parameter"));
        QCOMPARE(readFile(program.filePath("parameter")), QByteArray());
        QVERIFY(!QFile::exists(config.filePath("parameter")));
    }

    void bytesGivePreferences_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("lock");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("language");
        QTest::newRow("empty") << QByteArray() << false << 0 << 0;
        QTest::newRow("lock on, COM3, English") << QByteArray("\x01\x03\x01", 3) << true << 3 << 1;
        QTest::newRow("COM8, Chinese") << QByteArray("\x00\x08\x00", 3) << false << 8 << 0;
        QTest::newRow("lock byte 2 is off") << QByteArray("\x02\x01\x00", 3) << false << 1 << 0;
        QTest::newRow("lock byte FF is off") << QByteArray("\xFF\x00\x01", 3) << false << 0 << 1;
        QTest::newRow("port 9 is none") << QByteArray("\x00\x09\x01", 3) << false << 0 << 1;
        QTest::newRow("port FF is none") << QByteArray("\x00\xFF\x01", 3) << false << 0 << 1;
        QTest::newRow("language 2 kept") << QByteArray("\x00\x00\x02", 3) << false << 0 << 2;
        QTest::newRow("language 200 kept") << QByteArray("\x00\x00\xC8", 3) << false << 0 << 200;
        QTest::newRow("one byte") << QByteArray("\x01", 1) << true << 0 << 0;
        QTest::newRow("two bytes") << QByteArray("\x01\x05", 2) << true << 5 << 0;
        QTest::newRow("longer file") << QByteArray("\x00\x02\x01\x07\x07", 5) << false << 2 << 1;
    }
    void bytesGivePreferences() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, lock);
        QFETCH(int, port);
        QFETCH(int, language);
        QTemporaryDir program, config;
        QVERIFY(writeFile(program.filePath("parameter"), bytes));
        const Preferences p = ParameterFile(program.path(), config.path()).load();
        QCOMPARE(p.editLock, lock);
        QCOMPARE(p.rememberedPort, port);
        QCOMPARE(int(p.language), language);
    }

    void saveWritesExactlyThreeBytes_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("lock");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("first run") << QByteArray() << false << 0 << 0 << QByteArray(3, '\0');
        QTest::newRow("longer file shrinks")
            << QByteArray(10, '\x05') << true << 4 << 1 << QByteArray("\x01\x04\x01", 3);
        QTest::newRow("language 2 kept")
            << QByteArray() << false << 8 << 2 << QByteArray("\x00\x08\x02", 3);
    }
    void saveWritesExactlyThreeBytes() {
        QFETCH(QByteArray, before);
        QFETCH(bool, lock);
        QFETCH(int, port);
        QFETCH(int, language);
        QFETCH(QByteArray, after);
        QTemporaryDir program, config;
        QVERIFY(writeFile(program.filePath("parameter"), before));
        ParameterFile file(program.path(), config.path());
        file.load();
        Preferences p;
        p.editLock = lock;
        p.rememberedPort = port;
        p.language = static_cast<qint16>(language);
        QVERIFY(file.save(p));
        QCOMPARE(readFile(program.filePath("parameter")), after);
        QCOMPARE(ParameterFile(program.path(), config.path()).load(), p);
    }

    void unwritableProgramFolderFallsBackToConfigFolder() {
        QTemporaryDir base, config;
        // A regular file where the program folder should be: nothing can be
        // created inside it, whoever runs the test.
        const QString notAFolder = base.filePath("program");
        QVERIFY(writeFile(notAFolder, "x"));
        const QString configFolder = config.filePath("vq740");
        ParameterFile file(notAFolder, configFolder);
        QCOMPARE(file.load(), Preferences());
        QCOMPARE(file.path(), configFolder + "/parameter");
        Preferences p;
        p.editLock = true;
        p.rememberedPort = 2;
        p.language = 1;
        QVERIFY(file.save(p));
        QCOMPARE(readFile(configFolder + "/parameter"), QByteArray("\x01\x02\x01", 3));
        QCOMPARE(ParameterFile(notAFolder, configFolder).load(), p);
    }

    // Both folders hold a file, as after an exit that found the program's
    // folder full: the one written last holds the preferences, and the next
    // exit writes there first.
    void newerOfTwoFilesIsRead_data() {
        QTest::addColumn<int>("programAge"); // seconds; -1: no file
        QTest::addColumn<int>("userAge");
        QTest::addColumn<bool>("userFile");
        QTest::newRow("per-user file newer") << 3600 << 60 << true;
        QTest::newRow("program's file newer") << 60 << 3600 << false;
        QTest::newRow("same time") << 60 << 60 << false;
        QTest::newRow("only the per-user file") << -1 << 60 << true;
        QTest::newRow("only the program's file") << 60 << -1 << false;
    }
    void newerOfTwoFilesIsRead() {
        QFETCH(int, programAge);
        QFETCH(int, userAge);
        QFETCH(bool, userFile);
        QTemporaryDir program, config;
        const QDateTime now = QDateTime::currentDateTime();
        const auto place = [&now](const QString &path, const QByteArray &bytes, int age) {
            if (age < 0)
                return;
            QVERIFY(writeFile(path, bytes));
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(now.addSecs(-age), QFileDevice::FileModificationTime));
        };
        const QByteArray inProgram("\x00\x01\x00", 3);    // lock off, COM1, Chinese
        const QByteArray inUserFolder("\x01\x03\x01", 3); // lock on, COM3, English
        place(program.filePath("parameter"), inProgram, programAge);
        place(config.filePath("parameter"), inUserFolder, userAge);
        ParameterFile file(program.path(), config.path());
        const Preferences p = file.load();
        QCOMPARE(p, ParameterFile::decode(userFile ? inUserFolder : inProgram));
        QCOMPARE(file.path(), (userFile ? config : program).filePath("parameter"));
        Preferences changed;
        changed.rememberedPort = 7;
        QVERIFY(file.save(changed));
        QCOMPARE(readFile(file.path()), QByteArray("\x00\x07\x00", 3));
        QCOMPARE(ParameterFile(program.path(), config.path()).load(), changed);
    }

    // An installed program keeps its file in the user's folder although its
    // own folder can be written (as when the administrator runs it); a
    // program elsewhere keeps it next to itself.
    void installedProgramUsesTheUserFolder_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("userFolder");
        QTest::newRow("build folder") << "build" << false;
        QTest::newRow("installed under /usr") << "usr" << true;
        QTest::newRow("installation moved elsewhere") << "opt/vq740" << true;
        QTest::newRow("program folder named bin, no data folder") << "bin-only" << false;
    }
    void installedProgramUsesTheUserFolder() {
        QFETCH(QString, layout);
        QFETCH(bool, userFolder);
        QTemporaryDir base, config;
        QString programFolder;
        if (layout == "build") {
            programFolder = base.filePath("build/shell");
        } else if (layout == "bin-only") {
            programFolder = base.filePath("usr/" VQ740_INSTALL_BIN);
        } else {
            programFolder = makeInstallation(base.filePath(layout));
        }
        QVERIFY(QDir().mkpath(programFolder));
        ParameterFile file = ParameterFile::forProgram(programFolder, config.path());
        file.load();
        Preferences p;
        p.rememberedPort = 4;
        p.language = 1;
        QVERIFY(file.save(p));
        const QString expected = (userFolder ? config.path() : programFolder) + "/parameter";
        QCOMPARE(file.path(), expected);
        QCOMPARE(readFile(expected), QByteArray("\x00\x04\x01", 3));
        QCOMPARE(QFile::exists(programFolder + "/parameter"), !userFolder);
        QCOMPARE(ParameterFile::forProgram(programFolder, config.path()).load(), p);
    }

    void nowhereToWriteIsSilent() {
        QTemporaryDir base;
        const QString notAFolder = base.filePath("file");
        QVERIFY(writeFile(notAFolder, "x"));
        ParameterFile file(notAFolder, notAFolder + "/config");
        QCOMPARE(file.load(), Preferences());
        QVERIFY(!file.save(Preferences()));
    }
};

QTEST_GUILESS_MAIN(TestParameterFile)
#include "tst_parameterfile.moc"
