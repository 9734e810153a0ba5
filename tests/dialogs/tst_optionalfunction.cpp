// The Optional Function dialog: start-up contents, lists, OK / Cancel /
// close box, the key filters, the scan time controls, the auto-dial grid
// and decoding.
#include "dialogfixture.h"

#include "dialogs/autodialgrid.h"
#include "dialogs/optionalfunctiondialog.h"
#include "editor/filteredlineedit.h"
#include "model/layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

class TestOptionalFunction : public QObject {
    Q_OBJECT
private slots:
    void startUpContents_data();
    void startUpContents();
    void hiddenControlsAtStartUp();
    void captions_data();
    void captions();
    void languageSwitchKeepsSelectionsAndItems();
    void cancelKeepsControlsOkStores();
    void closeBoxHidesWithoutStoring();
    void okStoresEveryShownControl();
    void okLeavesUnshownDtmfValues();
    void codeFilters_data();
    void codeFilters();
    void codeBoxSelectionAndBackspace();
    void enterRefusedInCodeBoxesOnlyThere();
    void scanTimeBoxesAndScrollControls();
    void autoDialGridEditing();
    void decodeRefreshesEveryControl();
    void decodeOutOfRangeKeepsControls();
};

void TestOptionalFunction::startUpContents_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("texts"); // Combo11, 12, 13, 14, 15, 6, 7, 8, 9
    QTest::newRow("English") << 1 << QStringList{"No", "1", "0.50", "0.50", "Selected+Talk Back",
                                                 "On", "1", "0.5S", "On"};
    QTest::newRow("Chinese") << 0 << QStringList{"无",   "1", "0.50", "0.50", "选定+当前",
                                                 "打开", "1", "0.5S", "打开"};
}

void TestOptionalFunction::startUpContents() {
    QFETCH(int, language);
    QFETCH(QStringList, texts);
    DialogFixture f{qint16(language)};
    auto *form = f.find<Form5>("Form5");
    QVERIFY(form && form->isHidden());
    const QList<QComboBox *> lists{form->Combo11, form->Combo12, form->Combo13,
                                   form->Combo14, form->Combo15, form->Combo6,
                                   form->Combo7,  form->Combo8,  form->Combo9};
    for (int i = 0; i < lists.size(); ++i)
        QCOMPARE(lists[i]->currentText(), texts.at(i));
    QVERIFY(form->Check3->isChecked());
    QVERIFY(form->Check4->isChecked());
    QVERIFY(form->Text5->text().isEmpty());
    QVERIFY(form->Text6->text().isEmpty());
}

void TestOptionalFunction::hiddenControlsAtStartUp() {
    DialogFixture f;
    f.dialogs->showOptionalFunction();
    auto *form = f.find<Form5>("Form5");
    QVERIFY(form->isVisible());
    QVERIFY(form->HiddenGroup->isHidden());
    QVERIFY(!form->Text1->isVisible() && !form->mfgrid1->isVisible() && !form->Frame3->isVisible());
    QCOMPARE(form->Combo4->currentText(), QStringLiteral("Launch End"));
    QCOMPARE(form->Combo10->currentText(), QStringLiteral("On"));
    QCOMPARE(form->Text1->text(), QString());
    QCOMPARE(form->Text3->text(), QStringLiteral("1"));
    QCOMPARE(form->Text4->text(), QStringLiteral("2"));
    for (int r = 0; r < 8; ++r) {
        QCOMPARE(form->mfgrid1->item(r, 0)->text(), QString::number(r + 1));
        QCOMPARE(form->mfgrid1->code(r), QString::number(r + 1));
    }
    QCOMPARE(form->mfgrid1->horizontalHeaderItem(1)->text(), QStringLiteral("自动拨号存储器"));
    QCOMPARE(form->Combo0->currentText(), QStringLiteral("6位"));
    QCOMPARE(form->Combo16->currentText(), QStringLiteral("100MS"));
    QCOMPARE(form->Combo17->currentText(), QStringLiteral("100MS"));
    QCOMPARE(form->Combo19->currentText(), QStringLiteral("1秒"));
    QCOMPARE(form->Combo20->currentText(), QStringLiteral("使能"));
    QCOMPARE(form->Combo21->currentText(), QStringLiteral("关闭"));
}

void TestOptionalFunction::captions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::newRow("title") << ""
                           << "可选功能"
                           << "Optional Function";
    QTest::newRow("Frame2") << "Frame2"
                            << "扫描"
                            << "Scan";
    QTest::newRow("Frame1") << "Frame1"
                            << "VOX"
                            << "VOX";
    QTest::newRow("Check4") << "Check4"
                            << "接收时禁止VOX"
                            << "VOX Inhibit On Reveive";
    QTest::newRow("Label9") << "Label9"
                            << "VOX延迟时间"
                            << "VOX Delay time[S]";
    QTest::newRow("Label17") << "Label17"
                             << "回扫时间A[秒]"
                             << "Look Back Time A[S]";
    QTest::newRow("Label19") << "Label19"
                             << "扫描接收恢复延时时间(秒)"
                             << "Dropout delay time[S]";
    QTest::newRow("Label20") << "Label20"
                             << "扫描发射恢复延时时间(秒)"
                             << "TX Dwell time[S]";
    QTest::newRow("Label11") << "Label11"
                             << "复制"
                             << "Duplicate";
    QTest::newRow("Frame3") << "Frame3"
                            << "DTMF"
                            << "DTMF";
    QTest::newRow("Label2") << "Label2"
                            << "发射开始(16位)"
                            << "发射开始(16位)";
    QTest::newRow("Command1") << "Command1"
                              << "确定"
                              << "OK";
    QTest::newRow("Command2") << "Command2"
                              << "取消"
                              << "Cancel";
}

void TestOptionalFunction::captions() {
    QFETCH(QString, control);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    DialogFixture f{0};
    auto *form = f.find<Form5>("Form5");
    auto textOf = [&] { return captionOf(form, control); };
    QCOMPARE(textOf(), chinese);
    f.dialogs->SetLanguageText(1);
    QCOMPARE(textOf(), english);
    f.dialogs->SetLanguageText(0);
    QCOMPARE(textOf(), chinese);
}

void TestOptionalFunction::languageSwitchKeepsSelectionsAndItems() {
    DialogFixture f{0};
    f.dialogs->showOptionalFunction();
    auto *form = f.find<Form5>("Form5");
    form->Combo13->setCurrentIndex(0);
    form->Combo14->setCurrentIndex(91);
    form->Combo15->setCurrentIndex(3);
    form->Combo4->setCurrentIndex(2);
    QMap<QString, int> counts;
    QMap<QString, int> selections;
    for (QComboBox *c : form->findChildren<QComboBox *>()) {
        counts[c->objectName()] = c->count();
        selections[c->objectName()] = c->currentIndex();
    }
    QCOMPARE(form->Combo13->currentText(), QStringLiteral("空"));

    f.dialogs->SetLanguageText(1);
    QVERIFY(form->isVisible());
    QCOMPARE(form->Combo13->currentText(), QStringLiteral("Empty"));
    QCOMPARE(form->Combo14->currentText(), QStringLiteral("5.00"));
    QCOMPARE(form->Combo15->currentText(), QStringLiteral("priority+Talk Back"));
    QCOMPARE(form->Combo4->currentText(), QStringLiteral("Both"));
    for (QComboBox *c : form->findChildren<QComboBox *>()) {
        QCOMPARE(c->count(), counts.value(c->objectName()));
        QCOMPARE(c->currentIndex(), selections.value(c->objectName()));
    }
    // Every shown list is wide enough for its items in the new language.
    QCoreApplication::processEvents();
    for (QComboBox *c : form->findChildren<QComboBox *>())
        if (c->isVisible())
            QVERIFY2(c->width() >= c->sizeHint().width(), qPrintable(c->objectName()));
    QCOMPARE(form->Combo13->count(), 92);
    QCOMPARE(form->Combo13->itemText(1), QStringLiteral("0.50"));
    QCOMPARE(form->Combo13->itemText(91), QStringLiteral("5.00"));

    f.dialogs->SetLanguageText(0);
    QCOMPARE(form->Combo15->currentText(), QStringLiteral("优先+当前"));
    QCOMPARE(form->Combo13->count(), 92);
}

void TestOptionalFunction::cancelKeepsControlsOkStores() {
    DialogFixture f;
    f.dialogs->showOptionalFunction();
    auto *form = f.find<Form5>("Form5");
    form->Combo11->setCurrentIndex(2);
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    QVERIFY(form->isHidden());
    QCOMPARE(f.state.store.priority, 0);

    f.dialogs->showOptionalFunction();
    QCOMPARE(form->Combo11->currentIndex(), 2);
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QVERIFY(form->isHidden());
    QCOMPARE(f.state.store.priority, 2);
}

void TestOptionalFunction::closeBoxHidesWithoutStoring() {
    DialogFixture f;
    f.dialogs->showOptionalFunction();
    auto *form = f.find<Form5>("Form5");
    form->Check3->setChecked(false);
    QVERIFY(!form->close());
    QVERIFY(form->isHidden());
    QCOMPARE(f.state.store.cancelOperation, 1);
    f.dialogs->showOptionalFunction();
    QVERIFY(!form->Check3->isChecked());
    QTest::keyClick(form, Qt::Key_Escape); // Escape cancels as well
    QVERIFY(form->isHidden());
    QCOMPARE(f.state.store.cancelOperation, 1);
}

void TestOptionalFunction::okStoresEveryShownControl() {
    DialogFixture f;
    f.dialogs->showOptionalFunction();
    auto *form = f.find<Form5>("Form5");
    form->Combo11->setCurrentIndex(1);
    form->Combo12->setCurrentIndex(15);
    form->Combo13->setCurrentIndex(0);
    form->Combo14->setCurrentIndex(91);
    form->Combo15->setCurrentIndex(3);
    form->Combo6->setCurrentIndex(0);
    form->Combo7->setCurrentIndex(10);
    form->Combo8->setCurrentIndex(5);
    form->Combo9->setCurrentIndex(0);
    form->Check3->setChecked(false);
    form->Check4->setChecked(false);
    QTest::keyClicks(form->Text5, QStringLiteral("120"));
    QTest::keyClicks(form->Text6, QStringLiteral("7"));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    const SettingsStore &s = f.state.store;
    QCOMPARE(s.priority, 1);
    QCOMPARE(s.priorityChannel, 16);
    QCOMPARE(s.lookBackTimeA, 0);
    QCOMPARE(s.lookBackTimeB, 91);
    QCOMPARE(s.revertChannel, 3);
    QCOMPARE(s.voxFunction, 0);
    QCOMPARE(s.voxGainLevel, 10);
    QCOMPARE(s.voxDelayTime, 5);
    QCOMPARE(s.voxProceedTone, 0);
    QCOMPARE(s.cancelOperation, 0);
    QCOMPARE(s.voxInhibitOnReveive, 0);
    QCOMPARE(s.dropoutDelayTime, QStringLiteral("120"));
    QCOMPARE(s.txDwellTime, QStringLiteral("7"));
}

void TestOptionalFunction::okLeavesUnshownDtmfValues() {
    DialogFixture f;
    // First Digit Delay 350 ms and carried digit 5, as decoding leaves them.
    QVERIFY(f.decode(startUpImageWith(Layout::kDtmf, QByteArray::fromHex("0001230101013500"))));
    QCOMPARE(f.state.store.firstDigitDelay, 350);
    QCOMPARE(f.state.store.carriedDigit, 5);
    auto *form = f.find<Form5>("Form5");
    f.dialogs->showOptionalFunction();
    form->Combo18->setCurrentIndex(18); // First Digit Delay list: not tied to the value
    form->Combo22->setCurrentIndex(3);
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(f.state.store.firstDigitDelay, 350);
    QCOMPARE(f.state.store.carriedDigit, 5);
}

void TestOptionalFunction::codeFilters_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ID: ab*# upper-cased") << "Text1"
                                          << "ab*#"
                                          << "AB*#";
    QTest::newRow("ID: E refused") << "Text1"
                                   << "1E2e3"
                                   << "123";
    QTest::newRow("ID: blanks and signs refused") << "Text1"
                                                  << "1 -+2"
                                                  << "12";
    QTest::newRow("ID: 10 at most") << "Text1"
                                    << "12345678909"
                                    << "1234567890";
    QTest::newRow("PTT start: 16 at most") << "Text3"
                                           << "0123456789ABCD*#9"
                                           << "10123456789ABCD*#";
    QTest::newRow("PTT end: lower case") << "Text4"
                                         << "abcd"
                                         << "2ABCD";
}

void TestOptionalFunction::codeFilters() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    DialogFixture f;
    auto *form = f.find<Form5>("Form5");
    auto *edit = form->findChild<FilteredLineEdit *>(box);
    QVERIFY(edit);
    edit->setCursorPosition(edit->text().size());
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown.left(box == "Text1" ? 10 : 16));
}

void TestOptionalFunction::codeBoxSelectionAndBackspace() {
    DialogFixture f;
    auto *form = f.find<Form5>("Form5");
    FilteredLineEdit *id = form->Text1;
    QTest::keyClicks(id, QStringLiteral("0123456789"));
    QTest::keyClick(id, '9');
    QCOMPARE(id->text(), QStringLiteral("0123456789"));
    id->setSelection(2, 3);
    QTest::keyClick(id, 'a');
    QCOMPARE(id->text(), QStringLiteral("01A56789"));
    // Backspace is never refused, even in a box holding more than its limit.
    id->setText(QStringLiteral("0123456789AB"));
    QTest::keyClick(id, Qt::Key_Backspace);
    QCOMPARE(id->text(), QStringLiteral("0123456789A"));
}

void TestOptionalFunction::enterRefusedInCodeBoxesOnlyThere() {
    DialogFixture f;
    f.dialogs->showOptionalFunction();
    auto *form = f.find<Form5>("Form5");
    QTest::keyClicks(form->Text1, QStringLiteral("12"));
    QTest::keyClick(form->Text1, Qt::Key_Return);
    QVERIFY(form->isVisible());
    QCOMPARE(form->Text1->text(), QStringLiteral("12"));
    QVERIFY(f.state.store.idCode.isEmpty());
    // In the scan time box Enter presses OK, as in any dialog.
    QTest::keyClicks(form->Text5, QStringLiteral("15"));
    QTest::keyClick(form->Text5, Qt::Key_Return);
    QVERIFY(form->isHidden());
    QCOMPARE(f.state.store.dropoutDelayTime, QStringLiteral("15"));
    QCOMPARE(f.state.store.idCode, QStringLiteral("12"));
}

void TestOptionalFunction::scanTimeBoxesAndScrollControls() {
    DialogFixture f;
    f.dialogs->showOptionalFunction();
    auto *form = f.find<Form5>("Form5");
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTest::keyClicks(form->Text5, QStringLiteral("3a01"));
    QCOMPARE(form->Text5->text(), QStringLiteral("30"));

    QScrollBar *scroll = form->VScroll1;
    const QPoint upArrow(scroll->width() / 2, 2);
    const QPoint downArrow(scroll->width() / 2, scroll->height() - 3);
    // The arrows step from the typed value: down adds a second, up takes one.
    QTest::mouseClick(scroll, Qt::LeftButton, {}, downArrow);
    QCOMPARE(form->Text5->text(), QStringLiteral("31"));
    QTest::mouseClick(scroll, Qt::LeftButton, {}, upArrow);
    QTest::mouseClick(scroll, Qt::LeftButton, {}, upArrow);
    QCOMPARE(form->Text5->text(), QStringLiteral("29"));

    form->Text5->clear();
    QTest::mouseClick(scroll, Qt::LeftButton, {}, upArrow);
    QCOMPARE(form->Text5->text(), QString()); // already at 0
    QTest::mouseClick(scroll, Qt::LeftButton, {}, downArrow);
    QCOMPARE(form->Text5->text(), QStringLiteral("1"));

    // The TX Dwell control runs up to 300 as well.
    QTest::keyClicks(form->Text6, QStringLiteral("300"));
    QTest::mouseClick(form->VScroll2, Qt::LeftButton, {}, downArrow);
    QCOMPARE(form->Text6->text(), QStringLiteral("300"));
    QTest::mouseClick(form->VScroll2, Qt::LeftButton, {}, upArrow);
    QCOMPARE(form->Text6->text(), QStringLiteral("299"));
}

void TestOptionalFunction::autoDialGridEditing() {
    DialogFixture f;
    f.dialogs->showOptionalFunction();
    auto *form = f.find<Form5>("Form5");
    // The grid is never shown to users; show it to drive it as a user would.
    form->HiddenGroup->show();
    AutoDialGrid *grid = form->mfgrid1;
    auto typeCode = [&](int row, const QString &text) -> QLineEdit * {
        grid->setCurrentCell(row, 1); // entering a cell opens its editor
        auto *editor = qobject_cast<QLineEdit *>(grid->indexWidget(grid->model()->index(row, 1)));
        if (!editor)
            return nullptr;
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::qWait(0);
        QCoreApplication::processEvents();
        return editor;
    };

    QVERIFY(typeCode(0, QStringLiteral("abc#e*x9")));
    QTRY_COMPARE(grid->code(0), QStringLiteral("ABC#*9"));
    QVERIFY(f.port.shown.isEmpty());
    QVERIFY(form->isVisible());

    QVERIFY(typeCode(2, QStringLiteral("12345678901234567")));
    QTRY_COMPARE(f.port.shown.size(), 1);
    QCOMPARE(f.port.shown.at(0).text, QStringLiteral("存储器只能存储16位！"));
    QCOMPARE(f.port.shown.at(0).flags, quint32(16));
    QCOMPARE(f.port.shown.at(0).title, QString());
    QCOMPARE(grid->code(2), QStringLiteral("12345678901234567"));
    QCoreApplication::processEvents();
    QCOMPARE(f.port.shown.size(), 1); // once per edit

    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(f.state.store.autoDialMemory[0], QStringLiteral("ABC#*9"));
    QCOMPARE(f.state.store.autoDialMemory[1], QStringLiteral("2"));
    QCOMPARE(f.state.store.autoDialMemory[2], QStringLiteral("12345678901234567"));
}

namespace {
// An image whose every optional function byte differs from start-up.
QByteArray optionalFunctionImage() {
    QByteArray image = startUpImageWith(Layout::kDtmf, QByteArray::fromHex("03020A0310002E0F"));
    image.replace(Layout::kIdCode, 10, QByteArray::fromHex("4131423223FFFFFFFFFF"));
    // Functions: voice, TOT, pre-alert, PTT ID 2, -, squelch, save, beep,
    // cancel 0, inhibit 0, VOX 0, gain 10, delay 5, tone 0, -, duplicate 0.
    image.replace(Layout::kFunctionSettings, 16,
                  QByteArray::fromHex("01050102000401010000000A0500FFFE"));
    image.replace(
        Layout::kPttIdStartCode, 32,
        QByteArray::fromHex("313233FF" + QByteArray(24, 'F') + "4144FF" + QByteArray(26, 'F')));
    image.replace(Layout::kScanSettings, 9, QByteArray::fromHex("02105B00032C010500"));
    image.replace(Layout::kAutoDialMemory, 16,
                  QByteArray::fromHex("313A32FFFFFFFFFFFFFFFFFFFFFFFFFF"));
    return image;
}
} // namespace

void TestOptionalFunction::decodeRefreshesEveryControl() {
    DialogFixture f;
    auto *form = f.find<Form5>("Form5");
    // Changes typed but cancelled before the decode are replaced.
    f.dialogs->showOptionalFunction();
    QTest::keyClicks(form->Text1, QStringLiteral("99"));
    form->Combo0->setCurrentIndex(1);
    QTest::mouseClick(form->Command2, Qt::LeftButton);

    QVERIFY(f.decode(optionalFunctionImage()));
    QCOMPARE(form->Combo11->currentText(), QStringLiteral("Selected"));
    QCOMPARE(form->Combo12->currentText(), QStringLiteral("16"));
    QCOMPARE(form->Combo13->currentText(), QStringLiteral("5.00"));
    QCOMPARE(form->Combo14->currentText(), QStringLiteral("Empty"));
    QCOMPARE(form->Combo15->currentText(), QStringLiteral("priority+Talk Back"));
    QCOMPARE(form->Text5->text(), QStringLiteral("300"));
    QCOMPARE(form->Text6->text(), QStringLiteral("5"));
    QCOMPARE(form->Combo6->currentText(), QStringLiteral("Off"));
    QCOMPARE(form->Combo7->currentText(), QStringLiteral("10"));
    QCOMPARE(form->Combo8->currentText(), QStringLiteral("3S"));
    QCOMPARE(form->Combo9->currentText(), QStringLiteral("Off"));
    QVERIFY(!form->Check3->isChecked());
    QVERIFY(!form->Check4->isChecked());
    // The hidden controls follow the decoded values too.
    QCOMPARE(form->Combo4->currentText(), QStringLiteral("Both"));
    QCOMPARE(form->Combo10->currentText(), QStringLiteral("Off"));
    QCOMPARE(form->Text1->text(), QStringLiteral("A1B2#"));
    QCOMPARE(form->Text3->text(), QStringLiteral("123"));
    QCOMPARE(form->Text4->text(), QStringLiteral("AD"));
    QCOMPARE(form->mfgrid1->code(0), QStringLiteral("102"));
    QCOMPARE(form->Combo0->currentText(), QStringLiteral("15位"));
    QCOMPARE(form->Combo16->currentText(), QStringLiteral("500MS"));
    QCOMPARE(form->Combo17->currentText(), QStringLiteral("1000MS"));
    QCOMPARE(form->Combo19->currentText(), QStringLiteral("16秒"));
    QCOMPARE(form->Combo20->currentText(), QStringLiteral("禁止"));
    QCOMPARE(form->Combo21->currentText(), QStringLiteral("15秒"));

    // OK right after the decode stores exactly what was decoded.
    const SettingsStore decoded = f.state.store;
    f.dialogs->showOptionalFunction();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QVERIFY(f.state.store == decoded);
}

void TestOptionalFunction::decodeOutOfRangeKeepsControls() {
    DialogFixture f;
    auto *form = f.find<Form5>("Form5");
    QByteArray image = startUpImageWith(Layout::kScanSettings, QByteArray::fromHex("0311"));
    QVERIFY(f.decode(image));
    QCOMPARE(f.state.store.priority, 0);
    QCOMPARE(form->Combo11->currentText(), QStringLiteral("No"));
    QCOMPARE(form->Combo12->currentText(), QStringLiteral("1"));
}

QTEST_MAIN(TestOptionalFunction)
#include "tst_optionalfunction.moc"
