// The Program radios window and the Journal window, driven as a user
// drives them, against simulated radios on pseudo-terminals: a run of
// radios of every kind on one port, Retry after a failure, Enter on one of
// two ports, a master the radio could not hold, both windows following the
// main window's language, and the journal shown, read again and its folder
// opened.
#include "radiowindow.h"
#include "scriptedenumerator.h"

#include "tests/support/unixcalls.h"

#include "model/celltexts.h"
#include "shell/fleetpart.h"
#include "shell/journal.h"
#include "shell/journalwindow.h"
#include "shell/programmedradiostable.h"
#include "shell/programradioswindow.h"
#include "shell/radiolinegroup.h"

#include <QListWidget>
#include <QRadioButton>
#include <QUrl>

namespace {

QByteArray languageFile(int language) {
    return QByteArray("\x00\x01", 2) + char(language); // COM1 remembered
}

// What each radio on the bench is: g good, s silent, b of another band
// (200-260MHz), c keeps a written block wrongly.
void makeRadio(RadioModel &radio, QChar kind) {
    radio = RadioModel();
    radio.identification = RadioModel::identificationOf("K7403", 0x33);
    if (kind == QLatin1Char('s'))
        radio.faults.silent = true;
    if (kind == QLatin1Char('b'))
        radio.identification = RadioModel::identificationOf("K7403", 0x21);
    if (kind == QLatin1Char('c'))
        radio.faults.changedWriteByte = 0x0028;
}

// A master of the 400-470MHz band with two channels in use; `mistake`
// "outside" puts channel 3 at 146 MHz, "tone" gives it a TX tone without TX
// frequency.
EditorState master(qint16 language, const QString &mistake = QString()) {
    EditorState st = startUpState(language);
    ChannelTable &t = st.channels;
    for (int row : {1, 2}) {
        t.setCell(row, ColRxFrequency, QStringLiteral("44%1.12500").arg(row));
        t.setCell(row, ColTxFrequency, QStringLiteral("44%1.12500").arg(row));
        t.setCell(row, ColRxTone, offCaption(language));
        t.setCell(row, ColTxTone, QStringLiteral("D023N"));
        for (int column = ColPower; column <= ColScanAdd; ++column)
            t.setOption(row, column, 0, language);
    }
    if (!mistake.isEmpty()) {
        const bool outside = mistake == QLatin1String("outside");
        t.setCell(3, ColRxFrequency, outside ? QStringLiteral("146.00000") : "446.50000");
        t.setCell(3, ColTxFrequency, outside ? QStringLiteral("146.00000") : QString());
        t.setCell(3, ColRxTone, offCaption(language));
        t.setCell(3, ColTxTone, QStringLiteral("88.5"));
        for (int column = ColPower; column <= ColScanAdd; ++column)
            t.setOption(3, column, 0, language);
    }
    st.bandPosition = st.acceptedBand = 0;
    return st;
}

QString text(const char *english, const char *chinese, bool zh) {
    return zh ? QString::fromUtf8(chinese) : QString::fromUtf8(english);
}

// The main window with the simulated radios behind COM1 and COM3, its
// journal in the test's folder, and the Program radios window open with
// its beeps counted.
struct Bench {
    explicit Bench(int language) : w(languageFile(language)) {
        enumerator.script = {{}};
        w.form->setPortEnumerator(&enumerator);
        w.form->setUrlOpener([this](const QUrl &url) {
            opened << url;
            return true;
        });
        w.get<FleetPart>("fleetPart")->setJournalPath(journalPath());
    }
    QString journalPath() const { return w.dir.filePath("journal.csv"); }

    ProgramRadiosWindow *open() {
        w.showActive();
        w.get<QAction>("mnuProgramRadios")->trigger();
        window = w.get<ProgramRadiosWindow>("ProgramRadiosWindow");
        window->setBeep([this] { ++beeps; });
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the Program radios window did not become active");
        return window;
    }
    template <typename T> T *part(const char *name) const { return childNamed<T>(window, name); }
    ProgrammedRadiosTable *list() const { return part<ProgrammedRadiosTable>("programRadiosList"); }
    RadioLineGroup *line(const QString &device) const {
        for (RadioLineGroup *g : window->lines())
            if (g->device() == device)
                return g;
        return nullptr;
    }
    QListWidgetItem *portItem(const QString &device) const {
        auto *ports = part<QListWidget>("programRadiosPorts");
        for (int row = 0; row < ports->count(); ++row)
            if (ports->item(row)->data(Qt::UserRole).toString() == device)
                return ports->item(row);
        return nullptr;
    }

    // Starts the next radio of `group` (by Enter from the focus, or by its
    // button), answers Write when its changes are shown, and waits for
    // its row.
    void program(RadioLineGroup *group, bool byEnter, bool retry = false) {
        const int rows = list()->rowCount();
        if (retry)
            QTest::mouseClick(group->retryButton(), Qt::LeftButton);
        else if (byEnter)
            QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Return);
        else
            QTest::mouseClick(group->startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(list()->rowCount() > rows || group->preview()->isVisible(), 20000);
        if (group->preview()->isVisible()) {
            ++previews;
            QTest::mouseClick(group->preview()->writeButton(), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(list()->rowCount(), rows + 1, 20000);
        }
    }

    RadioWindow w;
    ScriptedEnumerator enumerator;
    ProgramRadiosWindow *window = nullptr;
    QList<QUrl> opened;
    int beeps = 0;
    int previews = 0;
};

} // namespace

class TestProgramRadios : public QObject {
    Q_OBJECT
private slots:
    void aRunRecordsEveryRadio_data();
    void aRunRecordsEveryRadio();
    void retryProgramsTheFailedRadioAgain_data();
    void retryProgramsTheFailedRadioAgain();
    void enterStartsTheFocusedPort_data();
    void enterStartsTheFocusedPort();
    void aMasterTheRadioCannotHoldStartsNoRadio_data();
    void aMasterTheRadioCannotHoldStartsNoRadio();
    void windowsFollowTheMainWindowsLanguage_data();
    void windowsFollowTheMainWindowsLanguage();
    void journalWindowShowsTheJournal_data();
    void journalWindowShowsTheJournal();
};

void TestProgramRadios::aRunRecordsEveryRadio_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("English, Start button") << 1 << false;
    QTest::newRow("Chinese, Enter") << 0 << true;
}

void TestProgramRadios::aRunRecordsEveryRadio() {
    VQ740_NEEDS_PTY();
    QFETCH(int, language);
    QFETCH(bool, byEnter);
    const bool zh = language == 0;
    Bench b(language);
    QVERIFY(b.w.ready);
    b.w.open(master(qint16(language)));
    ProgramRadiosWindow *window = b.open();
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    // The port chosen in the main window is checked and has its group.
    const QString device = b.w.radio.devicePath();
    QCOMPARE(b.portItem(device)->checkState(), Qt::Checked);
    QCOMPARE(b.portItem(b.w.other.devicePath())->checkState(), Qt::Unchecked);
    QCOMPARE(window->lines().size(), 1);
    RadioLineGroup *group = b.line(device);
    QCOMPARE(childNamed<QLabel>(group, "lblLinePrompt")->text(),
             text("Connect the next radio and press Start (Enter).",
                  "连接下一台对讲机，然后按“开始”（回车）。", zh));

    const QString radios = QStringLiteral("gsbcg");
    for (QChar kind : radios) {
        makeRadio(b.w.radio.model, kind);
        b.program(group, byEnter);
    }

    ProgrammedRadiosTable *list = b.list();
    QCOMPARE(column(list, ProgrammedRadiosTable::Number), (QStringList{"1", "2", "3", "4", "5"}));
    QCOMPARE(column(list, ProgrammedRadiosTable::Port), QStringList(5, device));
    QCOMPARE(column(list, ProgrammedRadiosTable::Band),
             (QStringList{"400-470MHz", "", "200-260MHz", "400-470MHz", "400-470MHz"}));
    QCOMPARE(column(list, ProgrammedRadiosTable::Model),
             (QStringList{"K7403", "", "K7403", "K7403", "K7403"}));
    const QStringList outcomes =
        zh ? QStringList{"已写入并校验", "失败：无应答", "已拒绝：频段不同", "失败：校验不符",
                         "已写入并校验"}
           : QStringList{"written and checked", "failed: no answer", "refused: other band",
                         "failed: check differs", "written and checked"};
    QCOMPARE(column(list, ProgrammedRadiosTable::Outcome), outcomes);
    // Failed radios are red and sound the beep; only the first radio
    // showed its changes.
    for (int row = 0; row < 5; ++row) {
        const bool failed = row >= 1 && row <= 3;
        QCOMPARE(list->item(row, ProgrammedRadiosTable::Outcome)->background().color() ==
                     ProgrammedRadiosTable::failureColour(),
                 failed);
        // A backup names what every radio that answered held.
        QCOMPARE(list->item(row, ProgrammedRadiosTable::Backup)->text().isEmpty(), row == 1);
    }
    QCOMPARE(b.beeps, 3);
    QCOMPARE(b.previews, 1);
    QCOMPARE(b.part<QLabel>("programRadiosCounters")->text(),
             text("Written and checked: 2    Failed: 3", "已写入并校验：2    失败：3", zh));
    QCOMPARE(window->doneCount(), 2);
    // The last good radio holds the master.
    const QByteArray image = bytesFromImage(EncodeImage(master(qint16(language))));
    QCOMPARE(b.w.radio.model.memory.mid(0x10, 0x170).toHex(), image.left(0x170).toHex());

    // Every radio is in the journal, naming its port and the master.
    const QList<QStringList> lines = Journal(b.journalPath()).lines();
    QCOMPARE(lines.size(), 5);
    QStringList words;
    for (const QStringList &line : lines) {
        words << line.at(6);
        QCOMPARE(line.at(1), "editor: " + QDir::toNativeSeparators(b.w.dir.filePath("radio.DAT")));
        QCOMPARE(line.at(2), masterDigest(image));
        QCOMPARE(line.at(3), device);
    }
    QCOMPARE(words, (QStringList{"written and checked", "failed: no answer", "refused: other band",
                                 "failed: check differs", "written and checked"}));
}

void TestProgramRadios::retryProgramsTheFailedRadioAgain_data() {
    QTest::addColumn<QString>("failure"); // the kind of the second radio at first
    QTest::addColumn<QString>("word");
    QTest::newRow("silent") << "s"
                            << "failed: no answer";
    QTest::newRow("keeps a block wrongly") << "c"
                                           << "failed: check differs";
    QTest::newRow("of another band") << "b"
                                     << "refused: other band";
}

void TestProgramRadios::retryProgramsTheFailedRadioAgain() {
    VQ740_NEEDS_PTY();
    QFETCH(QString, failure);
    QFETCH(QString, word);
    Bench b(1);
    QVERIFY(b.w.ready);
    b.w.open(master(1));
    b.open();
    RadioLineGroup *group = b.line(b.w.radio.devicePath());
    QVERIFY(!group->retryButton()->isEnabled());
    makeRadio(b.w.radio.model, QLatin1Char('g'));
    b.program(group, false);
    makeRadio(b.w.radio.model, failure.at(0));
    b.program(group, false);
    QVERIFY(group->retryButton()->isEnabled());
    QCOMPARE(childNamed<QLabel>(group, "lblLinePrompt")->text(),
             QString("Connect radio 2 again and press Retry, or connect the next radio and press "
                     "Start (Enter)."));
    QCOMPARE(b.part<QLabel>("programRadiosCounters")->text(),
             QString("Written and checked: 1    Failed: 1"));
    // The same radio, mended, again: it keeps its number and no longer
    // counts as failed; its failed try stays in the list.
    makeRadio(b.w.radio.model, QLatin1Char('g'));
    b.program(group, false, true);
    QCOMPARE(column(b.list(), ProgrammedRadiosTable::Number), (QStringList{"1", "2", "2"}));
    QCOMPARE(column(b.list(), ProgrammedRadiosTable::Outcome),
             (QStringList{"written and checked", word, "written and checked"}));
    QCOMPARE(b.part<QLabel>("programRadiosCounters")->text(),
             QString("Written and checked: 2    Failed: 0"));
    QVERIFY(!group->retryButton()->isEnabled());
    QCOMPARE(b.beeps, 1);
    QCOMPARE(b.previews, 1);
    const QList<QStringList> lines = Journal(b.journalPath()).lines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(1).at(6), word);
    QCOMPARE(lines.at(2).at(6), QString("written and checked"));
}

void TestProgramRadios::enterStartsTheFocusedPort_data() {
    QTest::addColumn<int>("focused"); // 0 the port of COM1, 1 that of COM3
    QTest::newRow("the first port") << 0;
    QTest::newRow("the second port") << 1;
}

void TestProgramRadios::enterStartsTheFocusedPort() {
    VQ740_NEEDS_PTY();
    QFETCH(int, focused);
    Bench b(1);
    QVERIFY(b.w.ready);
    b.w.open(master(1));
    b.open();
    const QStringList devices{b.w.radio.devicePath(), b.w.other.devicePath()};
    b.portItem(devices.at(1))->setCheckState(Qt::Checked);
    QCOMPARE(b.window->lines().size(), 2);
    for (SimRadio *sim : {&b.w.radio, &b.w.other})
        makeRadio(sim->model, QLatin1Char('g'));
    RadioLineGroup *group = b.line(devices.at(focused));
    group->startButton()->setFocus();
    b.program(group, true);
    QCOMPARE(column(b.list(), ProgrammedRadiosTable::Port), QStringList{devices.at(focused)});
    // The other radio heard nothing.
    SimRadio &other = focused == 0 ? b.w.other : b.w.radio;
    QCOMPARE(other.bytesFromProgram(), 0);
    // Unchecking a port takes its group away.
    b.portItem(devices.at(1))->setCheckState(Qt::Unchecked);
    QCOMPARE(b.window->lines().size(), 1);
}

void TestProgramRadios::aMasterTheRadioCannotHoldStartsNoRadio_data() {
    QTest::addColumn<bool>("fromFile"); // the master chosen with Master file...
    QTest::addColumn<QString>("mistake");
    QTest::addColumn<bool>("refused");
    QTest::newRow("the editor's, a frequency outside the band") << false << "outside" << true;
    QTest::newRow("a file's, a frequency outside the band") << true << "outside" << true;
    QTest::newRow("a TX tone without TX frequency only warns") << false << "tone" << false;
}

void TestProgramRadios::aMasterTheRadioCannotHoldStartsNoRadio() {
    VQ740_NEEDS_PTY();
    QFETCH(bool, fromFile);
    QFETCH(QString, mistake);
    QFETCH(bool, refused);
    Bench b(1);
    QVERIFY(b.w.ready);
    const EditorState wrong = master(1, mistake);
    if (fromFile) {
        b.w.open(master(1));
        const QString path = b.w.dir.filePath("master.DAT");
        QVERIFY(writeFile(path, bytesFromImage(EncodeImage(wrong))));
        b.open();
        b.w.chooser.paths = {path};
        QTest::mouseClick(b.part<QPushButton>("cmdMasterFile"), Qt::LeftButton);
        QVERIFY(b.part<QRadioButton>("optFileMaster")->isChecked());
        QVERIFY(b.part<QLabel>("programRadiosMaster")->text().contains(path));
    } else {
        b.w.open(wrong);
        b.open();
    }
    makeRadio(b.w.radio.model, QLatin1Char('g'));
    const QString check = b.part<QLabel>("programRadiosMasterCheck")->text();
    const QString outside("CH 03 RX frequency 146.00000 lies outside the radio's band.");
    const QString tone("CH 03 TX QT/DQT is 88.5 on a channel without TX frequency.");
    QCOMPARE(check.contains(outside), refused);
    QCOMPARE(check.startsWith("The radio cannot hold this master as it is"), refused);
    QCOMPARE(check.contains(tone), !refused);
    RadioLineGroup *group = b.line(b.w.radio.devicePath());
    if (refused) {
        QTest::mouseClick(group->startButton(), Qt::LeftButton);
        QCOMPARE(b.part<QLabel>("programRadiosStatus")->text(),
                 QString("No radio was programmed: mend the master first."));
        QCOMPARE(b.list()->rowCount(), 0);
        QVERIFY(!group->busy());
        QCOMPARE(b.w.radio.bytesFromProgram(), 0);
        QVERIFY(!QFile::exists(b.journalPath()));
        return;
    }
    b.program(group, false);
    QCOMPARE(column(b.list(), ProgrammedRadiosTable::Outcome), QStringList{"written and checked"});
}

void TestProgramRadios::windowsFollowTheMainWindowsLanguage_data() {
    QTest::addColumn<int>("language"); // at start; then the other one
    QTest::newRow("English, then Chinese") << 1;
    QTest::newRow("Chinese, then English") << 0;
}

void TestProgramRadios::windowsFollowTheMainWindowsLanguage() {
    VQ740_NEEDS_PTY();
    QFETCH(int, language);
    Bench b(language);
    QVERIFY(b.w.ready);
    b.w.open(master(qint16(language)));
    b.open();
    b.w.get<QAction>("mnuJournal")->trigger();
    auto *journal = b.w.get<JournalWindow>("JournalWindow");
    for (bool zh : {language == 0, language != 0}) {
        if (zh != (language == 0))
            b.w.get<QAction>(zh ? "mnuChinese" : "mnuEnglish")->trigger();
        QCOMPARE(b.w.get<QAction>("mnuProgramRadios")->text(),
                 text("Program radios...", "批量写频...", zh));
        QCOMPARE(b.w.get<QAction>("mnuJournal")->text(), text("Journal...", "写频记录...", zh));
        QCOMPARE(b.window->windowTitle(), text("Program radios", "批量写频", zh));
        QCOMPARE(b.line(b.w.radio.devicePath())->startButton()->text(), text("Start", "开始", zh));
        QCOMPARE(headers(b.list()).at(ProgrammedRadiosTable::Outcome), text("Outcome", "结果", zh));
        QCOMPARE(b.part<QLabel>("programRadiosCounters")->text(),
                 text("Written and checked: 0    Failed: 0", "已写入并校验：0    失败：0", zh));
        QCOMPARE(journal->windowTitle(), text("Journal", "写频记录", zh));
        QCOMPARE(childNamed<QLabel>(journal, "lblNoJournal")->text(),
                 text("No radio has been programmed yet.", "还没有写过任何对讲机。", zh));
    }
}

void TestProgramRadios::journalWindowShowsTheJournal_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("radios"); // lines in the journal at first
    QTest::newRow("English, three radios") << 1 << 3;
    QTest::newRow("Chinese, three radios") << 0 << 3;
    QTest::newRow("no radio yet") << 1 << 0;
}

void TestProgramRadios::journalWindowShowsTheJournal() {
    VQ740_NEEDS_PTY();
    QFETCH(int, language);
    QFETCH(int, radios);
    const bool zh = language == 0;
    Bench b(language);
    QVERIFY(b.w.ready);
    const Journal journal(b.journalPath());
    const QString digest = masterDigest("master");
    const QString backup =
        b.w.dir.filePath("backups/2026-12-09_143800_before-write_400-470MHz.DAT");
    auto entry = [&](int minute, RadioOutcome outcome) {
        JournalEntry e;
        e.when = QDateTime(QDate(2026, 12, 9), QTime(14, minute, 55));
        e.master = QStringLiteral("/home/ann/club.DAT");
        e.masterSha256 = digest;
        e.port = QStringLiteral("/dev/ttyUSB%1").arg(minute % 2);
        e.band = QStringLiteral("400-470MHz");
        e.model = QStringLiteral("K7403");
        e.outcome = outcome;
        e.backup = outcome == RadioOutcome::NoAnswer ? QString() : backup;
        return e;
    };
    // Appended out of time order: the window shows the oldest first.
    const QList<JournalEntry> entries{entry(38, RadioOutcome::Done),
                                      entry(40, RadioOutcome::CheckDiffers),
                                      entry(39, RadioOutcome::NoAnswer)};
    for (int i = 0; i < radios; ++i)
        QVERIFY(journal.append(entries.at(i)));
    b.w.showActive();
    b.w.get<QAction>("mnuJournal")->trigger();
    auto *window = b.w.get<JournalWindow>("JournalWindow");
    QVERIFY(window->isVisible());
    QTableWidget *list = window->list();
    auto *none = childNamed<QLabel>(window, "lblNoJournal");
    const QStringList expectedHeaders =
        zh ? QStringList{"时间", "母版", "SHA-256", "端口", "频段", "型号", "结果", "备份"}
           : QStringList{"Time", "Master", "SHA-256", "Port", "Band", "Model", "Outcome", "Backup"};
    QCOMPARE(headers(list), expectedHeaders);
    QCOMPARE(list->rowCount(), radios);
    QCOMPARE(none->isVisible(), radios == 0);
    if (radios > 0) {
        QCOMPARE(column(list, 0), (QStringList{"2026-12-09 14:38:55", "2026-12-09 14:39:55",
                                               "2026-12-09 14:40:55"}));
        QCOMPARE(column(list, 1), QStringList(3, "/home/ann/club.DAT"));
        QCOMPARE(list->item(0, 2)->text(), digest.left(12) + QString::fromUtf8("…"));
        QCOMPARE(list->item(0, 2)->toolTip(), digest);
        QCOMPARE(column(list, 3), (QStringList{"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB0"}));
        const QStringList outcomes =
            zh ? QStringList{"已写入并校验", "失败：无应答", "失败：校验不符"}
               : QStringList{"written and checked", "failed: no answer", "failed: check differs"};
        QCOMPARE(column(list, 6), outcomes);
        QCOMPARE(column(list, 7),
                 (QStringList{QFileInfo(backup).fileName(), "", QFileInfo(backup).fileName()}));
        QCOMPARE(list->item(2, 7)->toolTip(), QDir::toNativeSeparators(backup));
        QVERIFY(list->item(1, 6)->background().color() == ProgrammedRadiosTable::failureColour());
        QVERIFY(list->item(0, 6)->background().color() != ProgrammedRadiosTable::failureColour());
    }
    // A radio programmed meanwhile shows after Refresh.
    QVERIFY(journal.append(entry(41, RadioOutcome::RefusedBand)));
    QCOMPARE(list->rowCount(), radios);
    QTest::mouseClick(childNamed<QPushButton>(window, "cmdRefreshJournal"), Qt::LeftButton);
    QCOMPARE(list->rowCount(), radios + 1);
    QVERIFY(!none->isVisible());
    QCOMPARE(list->item(radios, 6)->text(), text("refused: other band", "已拒绝：频段不同", zh));
    // Open folder opens the journal's folder through the program's opener.
    QTest::mouseClick(childNamed<QPushButton>(window, "cmdOpenJournalFolder"), Qt::LeftButton);
    QCOMPARE(b.opened, QList<QUrl>{QUrl::fromLocalFile(b.w.dir.path())});
}

QTEST_MAIN(TestProgramRadios)
#include "tst_programradios.moc"
