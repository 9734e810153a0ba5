// Backups: their names, saving, listing among other files, pruning by age,
// the shared per-user folder, and the message of a backup that failed.
#include "image/backups.h"
#include "image/imagecodec.h"
#include "model/bands.h"
#include "tests/support/testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QDateTime at(const char *text) {
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
}
} // namespace

class TestBackups : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void namesTellDateKindAndBand_data() {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<bool>("beforeWrite");
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("sequence");
        QTest::addColumn<QString>("name");
        QTest::newRow("read") << at("2026-12-08T14:38:55") << false << 0 << 1
                              << "2026-12-08_143855_read_400-470MHz.DAT";
        QTest::newRow("before a write") << at("2026-01-02T03:04:05") << true << 5 << 1
                                        << "2026-01-02_030405_before-write_136-174MHz.DAT";
        QTest::newRow("second in the same second") << at("2026-12-08T14:38:55") << false << 6 << 2
                                                   << "2026-12-08_143855_read_600-720MHz-2.DAT";
        QTest::newRow("band code outside the table") << at("2027-07-31T23:59:59") << true << -1 << 1
                                                     << "2027-07-31_235959_before-write_unknown-"
                                                        "band.DAT";
    }
    void namesTellDateKindAndBand() {
        QFETCH(QDateTime, when);
        QFETCH(bool, beforeWrite);
        QFETCH(int, band);
        QFETCH(int, sequence);
        QFETCH(QString, name);
        const BackupKind kind = beforeWrite ? BackupKind::BeforeWrite : BackupKind::Read;
        QCOMPARE(BackupStore::fileName(when, kind, band, sequence), name);
        BackupEntry entry;
        QVERIFY(BackupStore::parseFileName(name, &entry));
        QCOMPARE(entry.when, when);
        QCOMPARE(entry.kind, kind);
        QCOMPARE(entry.band, band < 0 ? QString("unknown-band") : bandText(band));
    }

    void strangersAreNotBackups_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("another file") << "notes.txt";
        QTest::newRow("a data file of the user's") << "radio.DAT";
        QTest::newRow("month 13") << "2026-13-08_143855_read_400-470MHz.DAT";
        QTest::newRow("hour 25") << "2026-12-08_253855_read_400-470MHz.DAT";
        QTest::newRow("unknown kind") << "2026-12-08_143855_write_400-470MHz.DAT";
        QTest::newRow("unknown band") << "2026-12-08_143855_read_100-200MHz.DAT";
        QTest::newRow("lower-case extension") << "2026-12-08_143855_read_400-470MHz.dat";
        QTest::newRow("something after it") << "2026-12-08_143855_read_400-470MHz.DAT.bak";
    }
    void strangersAreNotBackups() {
        QFETCH(QString, name);
        QVERIFY(!BackupStore::parseFileName(name, nullptr));
    }

    void saveKeepsTheImageExactlyAndNeverReplaces() {
        QTemporaryDir dir;
        const BackupStore store(dir.filePath("a/b/backups"));
        QByteArray memory(0x400, '\0');
        for (int i = 0; i < memory.size(); ++i)
            memory[i] = char(i * 7);
        const QDateTime when = at("2026-12-08T14:38:55");
        const BackupSaveResult first =
            store.save(imageFromBytes(memory), BackupKind::Read, 3, when);
        QVERIFY2(first.ok, qPrintable(first.reason));
        QCOMPARE(first.path, dir.filePath("a/b/backups/2026-12-08_143855_read_370-390MHz.DAT"));
        QCOMPARE(readFile(first.path), memory);
        const BackupSaveResult second =
            store.save(imageFromBytes(QByteArray(0x400, '\x11')), BackupKind::Read, 3, when);
        QVERIFY(second.ok);
        QCOMPARE(QFileInfo(second.path).fileName(),
                 QString("2026-12-08_143855_read_370-390MHz-2.DAT"));
        QCOMPARE(readFile(first.path), memory);
        QCOMPARE(store.list().size(), 2);
    }

    void listIsNewestFirstAmongStrangers() {
        QTemporaryDir dir;
        const BackupStore store(dir.path());
        for (const char *name :
             {"2026-01-05_080000_read_400-470MHz.DAT",
              "2026-03-01_120000_before-write_136-174MHz.DAT",
              "2025-12-31_235959_read_unknown-band.DAT", "notes.txt", "radio.DAT"})
            QVERIFY(writeFile(dir.filePath(name), "x"));
        QVERIFY(QDir(dir.path()).mkdir("2026-04-01_000000_read_400-470MHz.DAT"));
        const QList<BackupEntry> entries = store.list();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].when, at("2026-03-01T12:00:00"));
        QCOMPARE(entries[0].kind, BackupKind::BeforeWrite);
        QCOMPARE(entries[0].band, QString("136-174MHz"));
        QCOMPARE(entries[0].path, dir.filePath("2026-03-01_120000_before-write_136-174MHz.DAT"));
        QCOMPARE(entries[1].when, at("2026-01-05T08:00:00"));
        QCOMPARE(entries[2].band, QString("unknown-band"));
    }

    void pruneRemovesWhatIsOlderThanTheRetention_data() {
        QTest::addColumn<int>("retentionDays");
        QTest::addColumn<QStringList>("kept");
        const QStringList all{"2026-12-08_100000_read_400-470MHz.DAT",
                              "2026-06-01_100000_before-write_400-470MHz.DAT",
                              "2025-12-09_100000_read_400-470MHz.DAT",
                              "2025-12-08_095959_read_400-470MHz.DAT",
                              "2020-01-01_000000_before-write_400-470MHz.DAT"};
        QTest::newRow("a year") << 365 << all.mid(0, 3);
        QTest::newRow("thirty days") << 30 << all.mid(0, 1);
        QTest::newRow("ten years") << 3650 << all;
    }
    void pruneRemovesWhatIsOlderThanTheRetention() {
        QFETCH(int, retentionDays);
        QFETCH(QStringList, kept);
        QTemporaryDir dir;
        for (const char *name :
             {"2026-12-08_100000_read_400-470MHz.DAT",
              "2026-06-01_100000_before-write_400-470MHz.DAT",
              "2025-12-09_100000_read_400-470MHz.DAT", "2025-12-08_095959_read_400-470MHz.DAT",
              "2020-01-01_000000_before-write_400-470MHz.DAT", "2001-01-01_old-notes.DAT"})
            QVERIFY(writeFile(dir.filePath(name), "x"));
        const BackupStore store(dir.path(), retentionDays);
        QCOMPARE(store.retentionDays(), retentionDays);
        const int removed = store.prune(at("2026-12-08T10:00:00"));
        QCOMPARE(removed, 5 - int(kept.size()));
        QStringList left = QDir(dir.path()).entryList(QDir::Files);
        QVERIFY(left.removeOne("2001-01-01_old-notes.DAT")); // not ours: kept
        std::sort(kept.begin(), kept.end());
        QCOMPARE(left, kept);
    }

    void bothProgramsShareOneFolder() {
        QCOMPARE(BackupStore().retentionDays(), 365);
        const QString app = QCoreApplication::applicationName();
        const QString folder = BackupStore::standardFolder();
        QVERIFY2(folder.endsWith("/VQ-740/vq740/backups"), qPrintable(folder));
        QCOMPARE(BackupStore().folder(), folder);
        // Asking leaves the asking program's own names alone.
        QCOMPARE(QCoreApplication::applicationName(), app);
        QCoreApplication::setApplicationName("vq740-cli");
        QCOMPARE(BackupStore::standardFolder(), folder);
        QCOMPARE(QCoreApplication::applicationName(), QString("vq740-cli"));
        QCoreApplication::setApplicationName(app);
    }

    void failureMessageNamesFileAndReason_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("beforeWrite");
        QTest::addColumn<QString>("message");
        QTest::newRow("read, English")
            << 1 << false << "The backup /b/x.DAT cannot be written (No space).";
        QTest::newRow("write, English") << 1 << true
                                        << "The backup /b/x.DAT cannot be written (No space). "
                                           "Nothing was written to the radio.";
        QTest::newRow("write, Chinese")
            << 0 << true
            << QString::fromUtf8("无法写入备份文件 /b/x.DAT（No space）。未向对讲机写入任何数据。");
    }
    void failureMessageNamesFileAndReason() {
        QFETCH(int, language);
        QFETCH(bool, beforeWrite);
        QFETCH(QString, message);
        BackupSaveResult result;
        result.path = "/b/x.DAT";
        result.reason = "No space";
        QCOMPARE(backupFailureMessage(result, beforeWrite, qint16(language)),
                 QDir::toNativeSeparators(message));
    }

    void unwritableFolderFails() {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("file"), "x"));
        const BackupStore store(dir.filePath("file"));
        const BackupSaveResult result =
            store.save(imageFromBytes(QByteArray(0x400, 0)), BackupKind::Read, 0);
        QVERIFY(!result.ok);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(readFile(dir.filePath("file")), QByteArray("x"));
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "tst_backups.moc"
