// Where the program finds its user guide: beside a program in its build
// folder, in the data folder of an installation (wherever the installation
// lies), in Chinese for language flag 0 and in English otherwise.
#include "installtree.h"
#include "shell/helpfile.h"
#include "shell/programlayout.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestProgramLayout : public QObject {
    Q_OBJECT
private slots:
    void guideOfEachLayout_data() {
        QTest::addColumn<QString>("prefix"); // empty: a build folder
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("guide");
        QTest::newRow("build folder, Chinese") << "" << 0 << "guide-zh.html";
        QTest::newRow("build folder, English") << "" << 1 << "guide.html";
        QTest::newRow("build folder, flag 2") << "" << 2 << "guide.html";
        QTest::newRow("installed, Chinese") << "usr" << 0 << "guide-zh.html";
        QTest::newRow("installed, English") << "usr" << 1 << "guide.html";
        QTest::newRow("moved installation") << "home/user/.local" << 0 << "guide-zh.html";
    }
    void guideOfEachLayout() {
        QFETCH(QString, prefix);
        QFETCH(int, language);
        QFETCH(QString, guide);
        QTemporaryDir base;
        const bool installed = !prefix.isEmpty();
        const QString programFolder =
            installed ? makeInstallation(base.filePath(prefix)) : base.filePath("build/shell");
        QVERIFY(QDir().mkpath(programFolder));
        const QString folder =
            installed ? installationDataFolder(base.filePath(prefix)) : programFolder + "/docs";
        QCOMPARE(isInstalledProgram(programFolder), installed);
        QCOMPARE(guideFolder(programFolder), folder);
        QCOMPARE(userGuidePath(programFolder, qint16(language)), folder + "/" + guide);
        // No compiled help file beside the program: the guide, on Windows too.
        QCOMPARE(helpTarget(programFolder, qint16(language)), folder + "/" + guide);
        QVERIFY(!userGuidePath(programFolder, qint16(language)).contains(".."));
    }

    void compiledHelpFileWhereThereIsOne_data() {
        QTest::addColumn<QString>("prefix"); // empty: a build folder
        QTest::newRow("build folder") << "";
        QTest::newRow("installed") << "usr";
    }
    void compiledHelpFileWhereThereIsOne() {
        QFETCH(QString, prefix);
        QTemporaryDir base;
        const QString programFolder = prefix.isEmpty() ? base.filePath("build/shell")
                                                       : makeInstallation(base.filePath(prefix));
        QVERIFY(QDir().mkpath(programFolder));
        QFile compiled(helpFilePath(programFolder));
        QVERIFY(compiled.open(QIODevice::WriteOnly));
        compiled.close();
        // Windows has the viewer of the compiled help file; elsewhere the
        // guide stays the help.
#ifdef Q_OS_WIN
        QCOMPARE(helpTarget(programFolder, 1), helpFilePath(programFolder));
#else
        QCOMPARE(helpTarget(programFolder, 1), userGuidePath(programFolder, 1));
#endif
    }

    void installedDataFolderIsFoundFromTheProgramFolder() {
        QTemporaryDir base;
        const QString programFolder = makeInstallation(base.filePath("usr"));
        QCOMPARE(installedDataFolder(programFolder), installationDataFolder(base.filePath("usr")));
        // The data folder alone makes an installation: a program folder of
        // that name without it is not one.
        QVERIFY(QDir(installationDataFolder(base.filePath("usr"))).removeRecursively());
        QVERIFY(!isInstalledProgram(programFolder));
        QVERIFY(!isInstalledProgram(QString()));
    }
};

QTEST_GUILESS_MAIN(TestProgramLayout)
#include "tst_programlayout.moc"
