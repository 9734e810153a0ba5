// The one file writer: whole files replaced and lines appended in folders
// whose names hold spaces and characters beyond ASCII (a Chinese user
// name on Windows), and the sync to the disk reaching the system.
#include "image/filewriter.h"
#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestFileWriter : public QObject {
    Q_OBJECT
private slots:
    void wholeFileInAnyFolder_data();
    void wholeFileInAnyFolder();
    void appendInAnyFolder_data() { wholeFileInAnyFolder_data(); }
    void appendInAnyFolder();
    void syncReachesTheSystem_data();
    void syncReachesTheSystem();
};

void TestFileWriter::wholeFileInAnyFolder_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "data"
                           << "radio.DAT";
    QTest::newRow("spaces") << "My Documents/VQ-740 files"
                            << "club radios.DAT";
    QTest::newRow("Chinese user name") << QString::fromUtf8("用户/张 伟") << "radio.DAT";
    QTest::newRow("Chinese file name") << "data" << QString::fromUtf8("对讲机 一号.DAT");
    QTest::newRow("accents") << QString::fromUtf8("Zoë Ångström") << QString::fromUtf8("café.DAT");
}

void TestFileWriter::wholeFileInAnyFolder() {
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(folder));
    const QString path = QDir(dir.filePath(folder)).filePath(name);
    QString reason;
    QVERIFY2(writeWholeFile(path, "first", &reason), qPrintable(reason));
    QCOMPARE(readFile(path), QByteArray("first"));
    // Replacing keeps no temporary file beside it.
    QVERIFY2(writeWholeFile(path, QByteArray(848, '\x5A'), &reason), qPrintable(reason));
    QCOMPARE(readFile(path), QByteArray(848, '\x5A'));
    QCOMPARE(QDir(dir.filePath(folder)).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

void TestFileWriter::appendInAnyFolder() {
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(folder));
    const QString path = QDir(dir.filePath(folder)).filePath(name);
    QString reason;
    QVERIFY2(appendToFile(path, "one\n", &reason), qPrintable(reason));
    QVERIFY2(appendToFile(path, "two\n", &reason), qPrintable(reason));
    QCOMPARE(readFile(path), QByteArray("one\ntwo\n"));
}

void TestFileWriter::syncReachesTheSystem_data() {
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("synced");
    QTest::newRow("open for writing") << true << true;
    // Windows flushes only a handle open for writing: the failure shows the
    // flush reached the file's own handle. fsync takes any descriptor.
#ifdef Q_OS_WIN
    QTest::newRow("open for reading") << false << false;
#else
    QTest::newRow("open for reading") << false << true;
#endif
}

void TestFileWriter::syncReachesTheSystem() {
    QFETCH(bool, writable);
    QFETCH(bool, synced);
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.DAT");
    QVERIFY(writeFile(path, "bytes"));
    QFile file(path);
    QVERIFY(file.open(writable ? QIODevice::ReadWrite : QIODevice::ReadOnly));
    QString reason;
    QCOMPARE(syncToDisk(file, &reason), synced);
    QCOMPARE(reason.isEmpty(), synced);
}

QTEST_GUILESS_MAIN(TestFileWriter)
#include "tst_filewriter.moc"
