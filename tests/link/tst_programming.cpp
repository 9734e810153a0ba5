// Programming radios one after another over the real serial path: radios
// that stay silent, are of another band or keep a block wrongly, and good
// ones; the records, the counters and the journal kept of them, and a
// journal cut short by a crash.
#include "simradio.h"
#include "tests/support/unixcalls.h"

#include "tests/support/imagebuilder.h"

#include "image/imagecodec.h"
#include "link/clonesession.h"
#include "link/programmingline.h"
#include "shell/journal.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What each radio on the bench is: g good, s silent, b of another band
// (200-260MHz), c keeps a written block wrongly, 2 a good one of the
// other model (136-174MHz master only).
void makeRadio(RadioModel &radio, QChar kind, int bandCode) {
    radio = RadioModel();
    radio.identification = RadioModel::identificationOf("K7403", quint8(bandCode));
    if (kind == QLatin1Char('s'))
        radio.faults.silent = true;
    if (kind == QLatin1Char('b'))
        radio.identification = RadioModel::identificationOf("K7403", 0x21);
    if (kind == QLatin1Char('c'))
        radio.faults.changedWriteByte = 0x0028;
}

} // namespace

class TestProgramming : public QObject {
    Q_OBJECT
private slots:
    void radiosOfEveryKindAreRecorded_data() {
        QTest::addColumn<QString>("radios");  // one letter per try, as above
        QTest::addColumn<QString>("retries"); // r: the try is a retry of the last radio
        QTest::addColumn<QStringList>("journal");
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("questions");
        QTest::newRow("good, silent, other band, corrupt, good")
            << "gsbcg"
            << "....."
            << QStringList{"1 written and checked", "2 failed: no answer", "3 refused: other band",
                           "4 failed: check differs", "5 written and checked"}
            << 2 << 1;
        QTest::newRow("a failed radio tried again is done under its number")
            << "gsg"
            << "..r"
            << QStringList{"1 written and checked", "2 failed: no answer", "2 written and checked"}
            << 2 << 1;
        QTest::newRow("the first radio silent: the next is the first written")
            << "sgg"
            << "..."
            << QStringList{"1 failed: no answer", "2 written and checked", "3 written and checked"}
            << 2 << 1;
    }
    void radiosOfEveryKindAreRecorded() {
        VQ740_NEEDS_PTY();
        QFETCH(QString, radios);
        QFETCH(QString, retries);
        QFETCH(QStringList, journal);
        QFETCH(int, done);
        QFETCH(int, questions);
        QTemporaryDir dir;
        SimRadio sim;
        QVERIFY(sim.open());
        QRandomGenerator rng(23);
        EditorState master = generatedState(rng, 1);
        master.bandPosition = master.acceptedBand = 0;
        ProgrammingLine line(master, sim.devicePath(), BackupStore(dir.filePath("backups")));
        Journal log(dir.filePath("journal.csv"));
        int asked = 0;
        connect(&line, &ProgrammingLine::confirmationNeeded, this, [&] {
            ++asked;
            line.confirm(true);
        });
        QList<RadioRecord> records;
        connect(&line, &ProgrammingLine::radioFinished, this, [&](const RadioRecord &r) {
            records << r;
            QVERIFY(log.append(journalEntryOf(r, line.port(), "master.DAT", "digest")));
        });
        for (int i = 0; i < radios.size(); ++i) {
            makeRadio(sim.model, radios.at(i), 0x33);
            QVERIFY(retries.at(i) == QLatin1Char('r') ? line.retry() : line.start());
            QTRY_COMPARE_WITH_TIMEOUT(records.size(), i + 1, 20000);
        }
        QStringList written;
        const QList<QStringList> lines = log.lines();
        QCOMPARE(lines.size(), radios.size());
        for (int i = 0; i < lines.size(); ++i) {
            written << QStringLiteral("%1 %2").arg(records.at(i).number).arg(lines.at(i).at(6));
            QCOMPARE(lines.at(i).at(3), sim.devicePath());
            // A backup is named for every radio that answered.
            QCOMPARE(lines.at(i).at(7).isEmpty(), radios.at(i) == QLatin1Char('s'));
        }
        QCOMPARE(written, journal);
        QCOMPARE(line.doneCount(), done);
        QCOMPARE(asked, questions);
        // A good radio holds the master in every block written.
        if (radios.endsWith(QLatin1Char('g'))) {
            const QByteArray image = bytesFromImage(EncodeImage(master));
            QCOMPARE(sim.model.memory.mid(0x10, 0x170).toHex(), image.left(0x170).toHex());
        }
    }

    // A radio unlike the first written one (another model) shows its changes
    // again before it is written.
    void aRadioUnlikeTheFirstIsAskedAbout() {
        VQ740_NEEDS_PTY();
        QTemporaryDir dir;
        SimRadio sim;
        QVERIFY(sim.open());
        EditorState master = startUpState(1);
        master.bandPosition = master.acceptedBand = 0;
        ProgrammingLine line(master, sim.devicePath(), BackupStore(dir.filePath("backups")));
        QStringList asked;
        connect(&line, &ProgrammingLine::confirmationNeeded, this, [&] {
            asked << line.session().identifiedModel();
            line.confirm(asked.size() < 2);
        });
        QList<RadioRecord> records;
        connect(&line, &ProgrammingLine::radioFinished, this,
                [&](const RadioRecord &r) { records << r; });
        for (const char *model : {"K7403", "K7403", "K7402", "K7403"}) {
            sim.model.identification = RadioModel::identificationOf(model, 0x33);
            QVERIFY(line.start());
            QTRY_VERIFY_WITH_TIMEOUT(!line.busy(), 20000);
        }
        QCOMPARE(asked, (QStringList{"K7403", "K7402"}));
        QCOMPARE(records.at(2).outcome, RadioOutcome::Stopped);
        QCOMPARE(line.doneCount(), 3);
    }

    // A crash can cut the journal's last line short; every line before it
    // stays whole, and the next radio's line stands on its own.
    void aJournalCutShortKeepsItsLines_data() {
        QTest::addColumn<int>("cut");  // bytes of the third line left
        QTest::addColumn<int>("kept"); // lines read once the next is appended
        QTest::newRow("nothing of it") << 0 << 3;
        QTest::newRow("a few bytes") << 5 << 3;
        QTest::newRow("all but the line end") << -2 << 4;
    }
    void aJournalCutShortKeepsItsLines() {
        QFETCH(int, cut);
        QFETCH(int, kept);
        QTemporaryDir dir;
        Journal log(dir.filePath("journal.csv"));
        JournalEntry e;
        e.when = QDateTime(QDate(2026, 12, 9), QTime(14, 38, 55));
        e.master = QStringLiteral("/home/ann/club, 2026.DAT");
        e.port = QStringLiteral("COM5");
        for (int i = 0; i < 3; ++i) {
            e.model = QStringLiteral("K740%1").arg(i);
            QVERIFY(log.append(e));
        }
        QFile file(log.path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray bytes = file.readAll();
        const int third = bytes.lastIndexOf('\n', bytes.size() - 2) + 1;
        QVERIFY(file.resize(cut >= 0 ? third + cut : bytes.size() + cut));
        file.close();
        QCOMPARE(log.lines().size(), 2);
        // The journal names the master as the system writes paths.
        QCOMPARE(log.lines().at(1).at(1), QDir::toNativeSeparators(e.master));
        e.model = QStringLiteral("K7409");
        QVERIFY(log.append(e));
        const QList<QStringList> lines = log.lines();
        QCOMPARE(lines.size(), kept);
        QCOMPARE(lines.last().at(5), QStringLiteral("K7409"));
    }
};

QTEST_MAIN(TestProgramming)
#include "tst_programming.moc"
