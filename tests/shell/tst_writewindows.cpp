// The windows of a write and of the backups, driven as a user drives them,
// in both languages: the preview (the changes, the warnings, Write, Cancel,
// Write anyway), the message of a write that did not check out and the
// backup written back, a backup that cannot be saved, the line that keeps
// the outcome, and File > Backups... with Open, Enter, a double click,
// Close and Escape.
#include "radiowindow.h"
#include "tests/support/unixcalls.h"

#include "model/celltexts.h"
#include "shell/backupswindow.h"
#include "shell/channelcommandspart.h"

#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QStatusBar>

namespace {

// Channel 2 and the squelch level changed from what the radio holds.
struct ChangedRadio {
    EditorState onRadio;
    EditorState edited;
};

ChangedRadio changedRadio(RadioWindow &w, qint16 language) {
    // The radio holds one channel, 5, within its band.
    ChangedRadio c{startUpState(language), EditorState()};
    ChannelTable &r = c.onRadio.channels;
    r.setCell(5, ColRxFrequency, QStringLiteral("440.12500"));
    r.setCell(5, ColTxFrequency, QStringLiteral("445.12500"));
    r.setCell(5, ColRxTone, QStringLiteral("100.0"));
    r.setCell(5, ColTxTone, QStringLiteral("D023I"));
    for (int column = ColPower; column <= ColScanAdd; ++column)
        r.setOption(5, column, 0, language);
    const QByteArray image = bytesFromImage(EncodeImage(c.onRadio));
    w.radio.model.memory.replace(0x10, image.size(), image);
    c.edited = c.onRadio;
    ChannelTable &t = c.edited.channels;
    t.setCell(2, ColRxFrequency, QStringLiteral("446.00625"));
    t.setCell(2, ColTxFrequency, QStringLiteral("446.00625"));
    t.setCell(2, ColRxTone, offCaption(language));
    t.setCell(2, ColTxTone, offCaption(language));
    const int options[4] = {1, 0, 1, 1};
    for (int column = ColPower; column <= ColScanAdd; ++column)
        t.setOption(2, column, options[column - ColPower], language);
    c.edited.functions.squelchLevel = 7;
    return c;
}

// Shows the window with `edited` in the editor, gives Write To Radio and
// waits for the preview (the caller checks that it came).
void openPreview(RadioWindow &w, const EditorState &edited) {
    w.showActive();
    w.get<ChannelCommandsPart>("channelCommandsPart")->applyEditorChange("Test", edited);
    w.get<QAction>("Toolbar1_6")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(w.get<WritePreviewWindow>("frmWritePreview")->isVisible(), 10000);
}

QByteArray languageFile(int language) {
    return QByteArray("\x00\x01", 2) + char(language);
}

} // namespace

class TestWriteWindows : public QObject {
    Q_OBJECT
private slots:
    void previewShowsTheChanges_data();
    void previewShowsTheChanges();
    void previewWarnsBeforeAnyBlock();
    void cancelAtThePreviewWritesNothing_data();
    void cancelAtThePreviewWritesNothing();
    void identicalContentsAskForWriteAnyway();
    void failedCheckOffersTheBackup_data();
    void failedCheckOffersTheBackup();
    void backupThatCannotBeSavedIsReported();
    void backupsWindowListsAndOpens_data();
    void backupsWindowListsAndOpens();
    void backupsWindowCloses_data();
    void backupsWindowCloses();
    void statusLineFollowsTheLanguage();
};

void TestWriteWindows::previewShowsTheChanges_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << 1;
    QTest::newRow("Chinese") << 0;
}

void TestWriteWindows::previewShowsTheChanges() {
    VQ740_NEEDS_PTY();
    QFETCH(int, language);
    const bool zh = language == 0;
    RadioWindow w(languageFile(language));
    QVERIFY(w.ready);
    const ChangedRadio c = changedRadio(w, qint16(language));
    openPreview(w, c.edited);
    WritePreviewWindow *preview = w.get<WritePreviewWindow>("frmWritePreview");
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->windowModality(), Qt::WindowModal);
    QCOMPARE(preview->windowTitle(),
             zh ? QString::fromUtf8("写频预览") : QString("Write To Radio: preview"));
    const QStringList previewHeaders =
        zh ? QStringList{"项目", "原值（对讲机）", "新值（写入）"}
           : QStringList{"Item", "Old value (radio)", "New value (to write)"};
    QCOMPARE(headers(preview->list()), previewHeaders);
    // Channel 2 comes into use: its eight cells, old and new; then the
    // squelch level.
    const QStringList items = column(preview->list(), 0);
    QCOMPARE(items.size(), 9);
    QCOMPARE(items.last(), zh ? QString::fromUtf8("静噪等级") : QString("Squelch Level"));
    QCOMPARE(preview->list()->item(8, 2)->text(),
             zh ? QString::fromUtf8("7 级") : QString("Level 7"));
    const QString ch = zh ? QString::fromUtf8("信道 02 ") : QString("CH 02 ");
    QCOMPARE(items.first(), ch + (zh ? QString::fromUtf8("接收频率") : QString("RX frequency")));
    QCOMPARE(items.at(1), ch + (zh ? QString::fromUtf8("接收亚音频") : QString("RX QT/DQT")));
    QCOMPARE(items.at(3), ch + (zh ? QString::fromUtf8("发射亚音频") : QString("TX QT/DQT")));
    QCOMPARE(column(preview->list(), 1).mid(0, 8),
             QStringList(8, zh ? QString::fromUtf8("（空）") : QString("(empty)")));
    QCOMPARE(column(preview->list(), 2).first(), QString("446.00625"));
    QCOMPARE(column(preview->list(), 2).at(4), optionText(ColPower, 1, qint16(language)));
    QVERIFY(preview->summary()->text().contains("9"));
    QCOMPARE(preview->writeButton()->text(),
             zh ? QString::fromUtf8("写入(&W)") : QString("&Write"));
    QVERIFY(preview->writeButton()->isVisible());
    QVERIFY(!preview->writeAnywayButton()->isVisible());
    QVERIFY(!preview->warnings()->isVisible());
    QVERIFY(preview->writeButton()->isDefault());
    // The commands rest while the preview waits; only a read went out.
    checkCommands(*w.form, false);
    QCOMPARE(w.radio.model.frames, expectedReadFrames());
    // Enter writes.
    QTest::keyClick(preview, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(w.flowOutcomes.size(), 1, 10000);
    QCOMPARE(w.flowOutcomes.first(), WriteFlowOutcome::Verified);
    QCOMPARE(w.get<QLabel>("Label")->text(), linkText(LinkText::WriteSuccess, qint16(language)));
    QVERIFY(w.get<QLabel>("StatusLine")->text().contains(w.backups().first()));
}

void TestWriteWindows::previewWarnsBeforeAnyBlock() {
    VQ740_NEEDS_PTY();
    RadioWindow w(languageFile(1));
    QVERIFY(w.ready);
    w.radio.model.identification = RadioModel::identificationOf("K7402", 0x01);
    const ChangedRadio c = changedRadio(w, 1);
    EditorState edited = c.edited;
    edited.channels.ClearNO(5);
    edited.channels.setCell(2, ColTxFrequency, QString());
    edited.channels.setCell(2, ColTxTone, QStringLiteral("88.5"));
    openPreview(w, edited);
    WritePreviewWindow *preview = w.get<WritePreviewWindow>("frmWritePreview");
    QVERIFY(preview->isVisible());
    QVERIFY(preview->warnings()->isVisible());
    QStringList texts;
    for (int i = 0; i < preview->warnings()->count(); ++i)
        texts << preview->warnings()->item(i)->text();
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts.at(0), QString("The radio's band is 136-174MHz, the data's 400-470MHz: the "
                                  "write will be refused."));
    QCOMPARE(texts.at(1), QString("CH 02 RX frequency 446.00625 lies outside the radio's band."));
    QCOMPARE(texts.at(2), QString("CH 02 TX QT/DQT is 88.5 on a channel without TX frequency."));
    // With warnings Enter cancels; Write is still there to press.
    QVERIFY(preview->cancelButton()->isDefault());
    QTest::mouseClick(preview->writeButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(w.flowOutcomes.size(), 1, 10000);
    QCOMPARE(w.flowOutcomes.first(), WriteFlowOutcome::BandRefused);
    QCOMPARE(w.radio.model.frames.size(), expectedReadFrames().size() + 4);
}

void TestWriteWindows::cancelAtThePreviewWritesNothing_data() {
    QTest::addColumn<int>("key"); // 0: the Cancel button
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestWriteWindows::cancelAtThePreviewWritesNothing() {
    VQ740_NEEDS_PTY();
    QFETCH(int, key);
    RadioWindow w(languageFile(0));
    QVERIFY(w.ready);
    const ChangedRadio c = changedRadio(w, 0);
    const QByteArray before = w.radio.model.memory;
    openPreview(w, c.edited);
    WritePreviewWindow *preview = w.get<WritePreviewWindow>("frmWritePreview");
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->cancelButton()->text(), QString::fromUtf8("取消"));
    if (key)
        QTest::keyClick(preview, Qt::Key(key));
    else
        QTest::mouseClick(preview->cancelButton(), Qt::LeftButton);
    QCOMPARE(w.flowOutcomes, QList<WriteFlowOutcome>{WriteFlowOutcome::Cancelled});
    QCOMPARE(w.radio.model.frames, expectedReadFrames());
    QCOMPARE(w.radio.model.memory, before);
    QCOMPARE(w.get<QLabel>("StatusLine")->text(),
             QString::fromUtf8("已取消写频，未向对讲机写入任何数据。"));
    checkCommands(*w.form, true);
    QVERIFY(w.portItemsEnabled());
}

void TestWriteWindows::identicalContentsAskForWriteAnyway() {
    VQ740_NEEDS_PTY();
    RadioWindow w(languageFile(1));
    QVERIFY(w.ready);
    const ChangedRadio c = changedRadio(w, 1);
    openPreview(w, c.onRadio);
    WritePreviewWindow *preview = w.get<WritePreviewWindow>("frmWritePreview");
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->summary()->text(), QString("The radio already holds exactly these contents: "
                                                 "there is nothing to write."));
    QVERIFY(!preview->list()->isVisible());
    QVERIFY(!preview->writeButton()->isVisible());
    QVERIFY(preview->writeAnywayButton()->isVisible());
    QCOMPARE(preview->writeAnywayButton()->text(), QString("&Write anyway"));
    // Enter does not write what needs no writing.
    QVERIFY(preview->cancelButton()->isDefault());
    QTest::keyClick(preview, Qt::Key_Return);
    QCOMPARE(w.flowOutcomes, QList<WriteFlowOutcome>{WriteFlowOutcome::Cancelled});
    QCOMPARE(w.get<QLabel>("StatusLine")->text(),
             QString("The radio already holds these contents; nothing was written."));
    QCOMPARE(w.radio.model.frames, expectedReadFrames());
    // Insisting writes.
    w.get<QAction>("Toolbar1_6")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(preview->isVisible(), 10000);
    QTest::mouseClick(preview->writeAnywayButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(w.flowOutcomes.size(), 2, 10000);
    QCOMPARE(w.flowOutcomes.last(), WriteFlowOutcome::Verified);
}

void TestWriteWindows::failedCheckOffersTheBackup_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("answer");
    QTest::newRow("English, written back") << 1 << int(MsgResult::Yes);
    QTest::newRow("Chinese, left as it is") << 0 << int(MsgResult::No);
}

void TestWriteWindows::failedCheckOffersTheBackup() {
    VQ740_NEEDS_PTY();
    QFETCH(int, language);
    QFETCH(int, answer);
    const bool zh = language == 0;
    RadioWindow w(languageFile(language));
    QVERIFY(w.ready);
    const ChangedRadio c = changedRadio(w, qint16(language));
    w.showActive();
    w.get<ChannelCommandsPart>("channelCommandsPart")->applyEditorChange("Test", c.edited);
    const QByteArray before = w.radio.model.memory;
    w.radio.model.faults.droppedWriteBlock = 0x0020; // channel 2
    w.boxes.answers = {answer};
    bool faultCleared = false;
    QObject::connect(w.get<WriteFlow>("writeFlow"), &WriteFlow::finished, [&] {
        if (!faultCleared)
            w.radio.model.faults.droppedWriteBlock = -1;
        faultCleared = true;
    });
    w.get<QAction>("Toolbar1_6")->trigger();
    w.answerPreview("cmdWrite");
    QTRY_COMPARE_WITH_TIMEOUT(w.flowOutcomes.size(), answer == MsgResult::Yes ? 2 : 1, 10000);
    QCOMPARE(w.flowOutcomes.first(), WriteFlowOutcome::VerifyFailed);
    // The message lists what differs and offers the backup.
    QCOMPARE(w.boxes.boxes.size(), 1);
    const RecordedBox &box = w.boxes.boxes.first();
    QCOMPARE(box.flags, quint32(MsgStyle::YesNo | MsgStyle::IconExclamation));
    const QString ch = zh ? QString::fromUtf8("信道 02 ") : QString("CH 02 ");
    QVERIFY2(box.text.contains(ch + (zh ? QString::fromUtf8("接收频率") : QString("RX frequency"))),
             qPrintable(box.text));
    QVERIFY2(box.text.contains(w.backups().first()), qPrintable(box.text));
    QVERIFY2(box.text.contains(zh ? QString::fromUtf8("是否把写频前的备份写回对讲机？")
                                  : QString("Write the backup taken before the write back")),
             qPrintable(box.text));
    if (answer == MsgResult::Yes) {
        QCOMPARE(w.flowOutcomes.last(), WriteFlowOutcome::Verified);
        QCOMPARE(w.radio.model.memory.toHex(), before.toHex());
        QCOMPARE(w.get<QLabel>("StatusLine")->text(),
                 QString("The backup was written back to the radio, read back and checked."));
    } else {
        QVERIFY2(w.get<QLabel>("StatusLine")->text().startsWith(QString::fromUtf8("写频校验失败")),
                 qPrintable(w.get<QLabel>("StatusLine")->text()));
        QVERIFY(w.get<QLabel>("Label")->text().startsWith(QString::fromUtf8("写频校验失败")));
    }
    // Never called a success before the check came out right.
    QVERIFY(w.flowOutcomes.first() != WriteFlowOutcome::Verified);
}

void TestWriteWindows::backupThatCannotBeSavedIsReported() {
    VQ740_NEEDS_PTY();
    RadioWindow w(languageFile(1));
    QVERIFY(w.ready);
    QVERIFY(writeFile(w.dir.filePath("file"), "x"));
    w.form->setBackupStore(BackupStore(w.dir.filePath("file/backups")));
    const ChangedRadio c = changedRadio(w, 1);
    w.showActive();
    w.get<ChannelCommandsPart>("channelCommandsPart")->applyEditorChange("Test", c.edited);
    const QByteArray before = w.radio.model.memory;
    w.get<QAction>("Toolbar1_6")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(w.flowOutcomes.size(), 1, 10000);
    QCOMPARE(w.flowOutcomes.first(), WriteFlowOutcome::BackupFailed);
    QVERIFY(!w.get<WritePreviewWindow>("frmWritePreview")->isVisible());
    QCOMPARE(w.boxes.boxes.size(), 1);
    QCOMPARE(w.boxes.boxes.first().icon, QMessageBox::Critical);
    QVERIFY2(w.boxes.boxes.first().text.contains(
                 QDir::toNativeSeparators(w.dir.filePath("file/backups"))),
             qPrintable(w.boxes.boxes.first().text));
    QVERIFY(w.boxes.boxes.first().text.endsWith("Nothing was written to the radio."));
    QCOMPARE(w.get<QLabel>("StatusLine")->text(), w.boxes.boxes.first().text);
    QCOMPARE(w.radio.model.frames, expectedReadFrames());
    QCOMPARE(w.radio.model.memory, before);
    // A read with no room for its backup still reads, and says so.
    w.session->endBlink();
    // The edits were not written: the read asks first (Discard).
    w.boxes.answers = {MsgResult::No};
    w.get<QAction>("Toolbar1_5")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(w.boxes.boxes.size(), 3, 10000);
    QVERIFY(w.boxes.boxes.last().text.startsWith("The backup "));
    QVERIFY(w.get<QLabel>("StatusLine")->text().startsWith("Read frequency success! The backup "));
    QCOMPARE(EncodeImage(w.form->state()), EncodeImage(stateAfterRead(w.radio.model.memory, 0, 1)));
}

void TestWriteWindows::backupsWindowListsAndOpens_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("how");    // 0 Open button, 1 Enter, 2 double click
    QTest::addColumn<int>("answer"); // to the unsaved-change question; 0: none asked
    QTest::newRow("English, Open") << 1 << 0 << 0;
    QTest::newRow("Chinese, Enter") << 0 << 1 << 0;
    QTest::newRow("English, double click") << 1 << 2 << 0;
    QTest::newRow("English, unsaved work, Cancel") << 1 << 0 << int(MsgResult::Cancel);
    QTest::newRow("Chinese, unsaved work, Cancel") << 0 << 1 << int(MsgResult::Cancel);
    QTest::newRow("English, unsaved work, No") << 1 << 0 << int(MsgResult::No);
}

void TestWriteWindows::backupsWindowListsAndOpens() {
    VQ740_NEEDS_PTY();
    QFETCH(int, language);
    QFETCH(int, how);
    QFETCH(int, answer);
    const bool zh = language == 0;
    RadioWindow w(languageFile(language));
    QVERIFY(w.ready);
    const QString folder = w.dir.filePath("backups");
    QVERIFY(QDir().mkpath(folder));
    QRandomGenerator rng(62);
    EditorState older = generatedState(rng, qint16(language));
    EditorState newer = generatedState(rng, qint16(language));
    QVERIFY(writeFile(QDir(folder).filePath("2026-01-02_030405_before-write_136-174MHz.DAT"),
                      bytesFromImage(EncodeImage(older))));
    QVERIFY(writeFile(QDir(folder).filePath("2026-03-04_050607_read_400-470MHz.DAT"),
                      bytesFromImage(EncodeImage(newer))));
    QVERIFY(writeFile(QDir(folder).filePath("2025-12-31_235959_read_unknown-band.DAT"),
                      bytesFromImage(EncodeImage(older))));
    QVERIFY(writeFile(QDir(folder).filePath("readme.txt"), "not a backup"));
    w.showActive();
    if (answer != 0) {
        // Work not saved: the squelch level changed.
        auto *squelch = w.get<QComboBox>("Combo9");
        squelch->setCurrentIndex((squelch->currentIndex() + 1) % squelch->count());
        w.boxes.answers = {answer};
    }
    const QString edited = EncodeImage(w.form->state());
    QAction *item = w.form->findChild<QAction *>("mnuBackups");
    QCOMPARE(item->text(), zh ? QString::fromUtf8("备份(&B)...") : QString("Backups(&B)..."));
    item->trigger();
    BackupsWindow *window = w.get<BackupsWindow>("frmBackups");
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), zh ? QString::fromUtf8("备份") : QString("Backups"));
    const QStringList listHeaders =
        zh ? QStringList{"日期", "类型", "频段"} : QStringList{"Date", "Kind", "Band"};
    QCOMPARE(headers(window->list()), listHeaders);
    QCOMPARE(window->list()->rowCount(), 3);
    QCOMPARE(column(window->list(), 0),
             (QStringList{"2026-03-04 05:06:07", "2026-01-02 03:04:05", "2025-12-31 23:59:59"}));
    const QStringList kinds =
        zh ? QStringList{"读频", "写频前", "读频"} : QStringList{"Read", "Before write", "Read"};
    QCOMPARE(column(window->list(), 1), kinds);
    QCOMPARE(column(window->list(), 2),
             (QStringList{"400-470MHz", "136-174MHz",
                          zh ? QString::fromUtf8("未知频段") : QString("unknown-band")}));
    QVERIFY(!window->findChild<QLabel *>("lblNoBackups")->isVisible());
    QCOMPARE(window->findChild<QLabel *>("FolderPath")->text(), QDir::toNativeSeparators(folder));

    // The older one, opened as File > Open opens a file.
    window->list()->selectRow(1);
    switch (how) {
    case 0:
        QTest::mouseClick(window->openButton(), Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(window->list(), Qt::Key_Return);
        break;
    default: {
        const QRect cell = window->list()->visualItemRect(window->list()->item(1, 0));
        // A double click as the platform delivers it: a click, then the
        // second press as a double click.
        QTest::mouseClick(window->list()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(window->list()->viewport(), Qt::LeftButton, {}, cell.center());
        break;
    }
    }
    QCOMPARE(w.boxes.boxes.size(), answer == 0 ? 0 : 1);
    if (answer == MsgResult::Cancel) {
        // Cancel stays where you are: the window with the same backup
        // chosen, the editor as it was.
        QVERIFY(window->isVisible());
        QCOMPARE(window->list()->currentRow(), 1);
        QVERIFY(window->selectedPath().endsWith("2026-01-02_030405_before-write_136-174MHz.DAT"));
        QCOMPARE(EncodeImage(w.form->state()), edited);
        return;
    }
    QVERIFY(!window->isVisible());
    EditorState expected = startUpState(qint16(language));
    QVERIFY(DecodeImage(expected, EncodeImage(older)));
    QCOMPARE(EncodeImage(w.form->state()), EncodeImage(expected));
    QCOMPARE(w.get<QComboBox>("Combo1")->currentIndex(), expected.bandPosition);
    // A backup is never replaced: opened, it makes an untitled editor.
    QVERIFY(w.form->windowTitle().contains(untitledName(qint16(language))));
}

void TestWriteWindows::backupsWindowCloses_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("escape");
    QTest::newRow("English, Close") << 1 << false;
    QTest::newRow("Chinese, Escape") << 0 << true;
}

void TestWriteWindows::backupsWindowCloses() {
    VQ740_NEEDS_PTY();
    QFETCH(int, language);
    QFETCH(bool, escape);
    RadioWindow w(languageFile(language));
    QVERIFY(w.ready);
    w.showActive();
    const QString before = EncodeImage(w.form->state());
    w.get<QAction>("mnuBackups")->trigger();
    BackupsWindow *window = w.get<BackupsWindow>("frmBackups");
    QVERIFY(window->isVisible());
    // No backups yet: the window says so, and Open has nothing to open.
    QCOMPARE(window->list()->rowCount(), 0);
    QLabel *none = window->findChild<QLabel *>("lblNoBackups");
    QVERIFY(none->isVisible());
    QCOMPARE(none->text(), language == 0
                               ? QString::fromUtf8("还没有备份。每次读频和写频前都会自动备份。")
                               : QString("No backups yet. Every read and every write makes one."));
    QVERIFY(!window->openButton()->isEnabled());
    QCOMPARE(window->closeButton()->text(),
             language == 0 ? QString::fromUtf8("关闭") : QString("Close"));
    if (escape)
        QTest::keyClick(window, Qt::Key_Escape);
    else
        QTest::mouseClick(window->closeButton(), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QCOMPARE(EncodeImage(w.form->state()), before);
}

void TestWriteWindows::statusLineFollowsTheLanguage() {
    VQ740_NEEDS_PTY();
    RadioWindow w(languageFile(1));
    QVERIFY(w.ready);
    w.showActive();
    QVERIFY(w.get<QLabel>("StatusLine")->text().isEmpty());
    QCOMPARE(w.get<QLabel>("StatusLine")->parentWidget(), w.form->statusBar());
    w.get<QAction>("Toolbar1_5")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(w.outcomes.size(), 1, 10000);
    // The backup is named by its whole path, so the user can find it.
    const QString name =
        QDir::toNativeSeparators(QDir(w.dir.filePath("backups")).filePath(w.backups().first()));
    QCOMPARE(w.get<QLabel>("StatusLine")->text(), "Read frequency success! Backup: " + name);
    w.form->findChild<QAction *>("mnuChinese")->trigger();
    QCOMPARE(w.get<QLabel>("StatusLine")->text(), QString::fromUtf8("读频成功！备份：") + name);
    QCOMPARE(w.form->findChild<QAction *>("mnuBackups")->text(), QString::fromUtf8("备份(&B)..."));
}

QTEST_MAIN(TestWriteWindows)
#include "tst_writewindows.moc"
