// Debug Parameters, Keys Set, Embedded Information and the About box, and
// how the dialogs are loaded and closed.
#include "dialogfixture.h"

#include "dialogs/aboutbox.h"
#include "dialogs/debugdialog.h"
#include "dialogs/dialogcaptions.h"
#include "dialogs/embeddeddialog.h"
#include "dialogs/fieldcontrols.h"
#include "dialogs/keysdialog.h"
#include "editor/filteredlineedit.h"
#include "image/imagecodec.h"
#include "model/layout.h"
#include "model/settingfields.h"
#include "tests/support/imagebuilder.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

namespace {
// Types any text, one key event per character, as a keyboard layout or an
// input method without composition delivers it.
void typeText(QWidget *widget, const QString &text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}
} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void loadedHiddenInOrder();
    void captions_data();
    void captions();
    void everySettingHasItsControl();
    void programEndClosesTheDialogs();

    void debugStartUp();
    void debugSliderMovedThenCloseBox();
    void debugSlidersLockedOutsideDebugMode();
    void debugSlidersFollowTheMode();
    void debugLoadedInDebugMode();
    void debugGestureCaptions();
    void debugDecodedLevels_data();
    void debugDecodedLevels();

    void keysStartUp_data();
    void keysStartUp();
    void keysOutOfRangeAtLoad();
    void keysCancelThenOk();
    void keysLanguageSwitchKeepsSelections();
    void keysPictureFollowsFocus();
    void keysDecoded();

    void embeddedTypingLimit();
    void embeddedCharacters_data();
    void embeddedCharacters();
    void embeddedAltGrCharacters();
    void embeddedPaste();
    void embeddedOkCancelAndImage();
    void embeddedDecoded();

    void aboutBox();
    void aboutCreditLineNamesTheMaker_data();
    void aboutCreditLineNamesTheMaker();
    void aboutLanguageSwitchWhileOpen();
};

void TestDialogs::loadedHiddenInOrder() {
    QWidget owner;
    EditorState state;
    state.loadStartUpValues();
    auto *dialogs = new OptionDialogs(state, &owner);
    QVERIFY(owner.findChildren<QDialog *>().isEmpty());
    dialogs->SetLanguageText(1);
    QStringList order;
    for (QObject *child : owner.children())
        if (auto *dialog = qobject_cast<QDialog *>(child)) {
            order << dialog->objectName();
            QVERIFY(dialog->isHidden());
            QVERIFY(!dialog->isModal());
        }
    QCOMPARE(order, (QStringList{"Form2", "Form4", "Form5", "Form6", "Form7", "frmAbout"}));
    // A later application only changes texts.
    dialogs->SetLanguageText(0);
    QCOMPARE(owner.findChildren<QDialog *>().size(), 6);
}

void TestDialogs::captions_data() {
    QTest::addColumn<int>("row");
    const QVector<DialogCaption> &table = dialogCaptionTable();
    for (int i = 0; i < table.size(); ++i)
        if (table[i].kind == DialogCaption::WindowTitle || table[i].kind == DialogCaption::Text)
            QTest::addRow("%s %s", qPrintable(table[i].window), qPrintable(table[i].control)) << i;
}

void TestDialogs::captions() {
    // Every caption of the table reaches its control, in both languages
    // and back.
    QFETCH(int, row);
    const DialogCaption &caption = dialogCaptionTable().at(row);
    QVERIFY(caption.text(0).isEmpty() == caption.text(1).isEmpty());
    DialogFixture f{0};
    QWidget *w = f.owner->findChild<QWidget *>(caption.window);
    QVERIFY(w);
    QCOMPARE(captionOf(w, caption.control), caption.text(0));
    f.dialogs->SetLanguageText(1);
    QCOMPARE(captionOf(w, caption.control), caption.text(1));
    f.dialogs->SetLanguageText(0);
    QCOMPARE(captionOf(w, caption.control), caption.text(0));
}

void TestDialogs::everySettingHasItsControl() {
    // Each field of the table that a dialog shows has its control there; a
    // list has one item per value the radio keeps; and what a dialog loads
    // it stores back unchanged.
    QRandomGenerator rng(51);
    DialogFixture f{1, [&rng](EditorState &st) { st = generatedState(rng, 1); }};
    const EditorState shown = f.state;
    for (int i = 0; i < settingFieldCount(); ++i) {
        const SettingField &field = settingFieldAt(i);
        if (field.controlKind == FieldControl::None || QLatin1String(field.window) == "Form1")
            continue;
        QWidget *control = f.find(field.window, field.control);
        QVERIFY2(control, field.name);
        if (auto *list = qobject_cast<QComboBox *>(control))
            QCOMPARE(list->count(), field.controlKind == FieldControl::ListNumber
                                        ? field.max - field.min + 1
                                        : field.max + 1);
    }
    for (const char *window : {"Form5", "Form7"}) {
        EditorState stored = startUpState(1);
        storeFieldControls(f.find(window), stored);
        for (int i = 0; i < settingFieldCount(); ++i) {
            const SettingField &field = settingFieldAt(i);
            if (QLatin1String(field.window) != window)
                continue;
            for (int k = 0; k < field.count; ++k)
                QCOMPARE(encodeFieldEntry(field, stored, k), encodeFieldEntry(field, shown, k));
        }
    }
}

void TestDialogs::programEndClosesTheDialogs() {
    DialogFixture f;
    f.dialogs->showDebug();
    f.dialogs->showAbout();
    auto *debug = f.find<Form2>("Form2");
    QPointer<QDialog> about = f.find<frmAbout>("frmAbout");
    QSignalSpy finished(debug, &QDialog::finished);
    QVERIFY(!debug->close()); // the close box only hides
    QVERIFY(debug->isHidden());
    f.dialogs->showDebug();
    delete f.dialogs; // the main window goes
    QCOMPARE(finished.size(), 1);
    QVERIFY(about.isNull());
    QVERIFY(f.owner->findChildren<QDialog *>().isEmpty());

    // The main window itself going, with dialogs open, takes them along.
    DialogFixture g;
    g.dialogs->showTestFrequency();
    g.dialogs->showOptionalFunction();
    QPointer<QDialog> optional = g.find<QDialog>("Form5");
    g.owner.reset();
    QVERIFY(optional.isNull());
}

void TestDialogs::debugStartUp() {
    DialogFixture f;
    auto *form = f.find<Form2>("Form2");
    QCOMPARE(form->Slider1->value(), 63);
    QCOMPARE(form->Slider3->value(), 0);
    QCOMPARE(form->Lblpower1->text(), QStringLiteral("63"));
    QCOMPARE(form->Lblpower3->text(), QStringLiteral("0"));
    for (QSlider *s : {form->Slider1, form->Slider3}) {
        QCOMPARE(s->minimum(), 0);
        QCOMPARE(s->maximum(), 63);
        QCOMPARE(s->singleStep(), 1);
        QCOMPARE(s->pageStep(), 5);
        QVERIFY(!s->isEnabled());
    }
}

void TestDialogs::debugSliderMovedThenCloseBox() {
    DialogFixture f;
    f.dialogs->setPowerSlidersEnabled(true);
    f.dialogs->showDebug();
    auto *form = f.find<Form2>("Form2");
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(form->Slider1, Qt::Key_PageDown);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(form->Slider1, Qt::Key_Left);
    QCOMPARE(form->Slider1->value(), 40);
    QCOMPARE(form->Lblpower1->text(), QStringLiteral("40"));
    QVERIFY(!form->close());
    QVERIFY(form->isHidden());
    QCOMPARE(f.state.store.txHighPower, 63);

    f.dialogs->showDebug();
    QCOMPARE(form->Slider1->value(), 40);
    QTest::keyClick(form->Slider3, Qt::Key_Right);
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QVERIFY(form->isHidden());
    QCOMPARE(f.state.store.txHighPower, 40);
    QCOMPARE(f.state.store.txLowPower, 1);
}

void TestDialogs::debugSlidersLockedOutsideDebugMode() {
    DialogFixture f;
    f.dialogs->showDebug();
    auto *form = f.find<Form2>("Form2");
    QTest::keyClick(form->Slider1, Qt::Key_PageDown);
    QTest::mouseClick(form->Slider3, Qt::LeftButton, {}, form->Slider3->rect().center());
    QCOMPARE(form->Slider1->value(), 63);
    QCOMPARE(form->Slider3->value(), 0);
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(f.state.store.txHighPower, 63);
    QCOMPARE(f.state.store.txLowPower, 0);
}

void TestDialogs::debugSlidersFollowTheMode() {
    DialogFixture f;
    auto *form = f.find<Form2>("Form2");
    f.dialogs->setPowerSlidersEnabled(true);
    QVERIFY(form->Slider1->isEnabled() && form->Slider3->isEnabled());
    // A decode switches the mode off but leaves the sliders as they are.
    QVERIFY(f.decode(startUpImageWith(Layout::kTxHighPower, QByteArray::fromHex("2A"))));
    QVERIFY(!f.state.debugWriteMode);
    QVERIFY(form->Slider1->isEnabled());
    f.dialogs->setPowerSlidersEnabled(false);
    QVERIFY(!form->Slider1->isEnabled() && !form->Slider3->isEnabled());
}

void TestDialogs::debugLoadedInDebugMode() {
    DialogFixture f{1, [](EditorState &s) { s.debugWriteMode = true; }};
    auto *form = f.find<Form2>("Form2");
    QVERIFY(form->Slider1->isEnabled() && form->Slider3->isEnabled());
}

void TestDialogs::debugGestureCaptions() {
    DialogFixture f;
    f.dialogs->showDebug();
    auto *form = f.find<Form2>("Form2");
    QSignalSpy spy(f.dialogs, &OptionDialogs::debugGestureClicked);
    QTest::mouseClick(form->Label3, Qt::LeftButton);
    QTest::mouseClick(form->Label8, Qt::LeftButton);
    QTest::mouseClick(form->Label6, Qt::LeftButton);
    QTest::mouseClick(form->Label7, Qt::LeftButton);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
    QCOMPARE(spy.at(1).at(0).toInt(), 1);
}

void TestDialogs::debugDecodedLevels_data() {
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("highSlider");
    QTest::addColumn<int>("lowSlider");
    QTest::newRow("0x2A gives 42") << 0x2A << 0x05 << 42 << 5;
    QTest::newRow("63 and 0") << 63 << 0 << 63 << 0;
    QTest::newRow("above the slider") << 100 << 0xFF << 63 << 63;
}

void TestDialogs::debugDecodedLevels() {
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(int, highSlider);
    QFETCH(int, lowSlider);
    DialogFixture f;
    QByteArray image = startUpImageWith(Layout::kTxHighPower, QByteArray(1, char(high)));
    image[Layout::kTxLowPower] = char(low);
    QVERIFY(f.decode(image));
    auto *form = f.find<Form2>("Form2");
    QCOMPARE(form->Slider1->value(), highSlider);
    QCOMPARE(form->Slider3->value(), lowSlider);
    // The labels show the true levels.
    QCOMPARE(form->Lblpower1->text(), QString::number(high));
    QCOMPARE(form->Lblpower3->text(), QString::number(low));

    // OK without moving keeps them, even where the slider had no room.
    f.dialogs->showDebug();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(f.state.store.txHighPower, high);
    QCOMPARE(f.state.store.txLowPower, low);
    QCOMPARE(bytesFromImage(EncodeImage(f.state)).at(Layout::kTxHighPower), char(high));

    // Moving a slider and OK stores the slider's value.
    f.dialogs->setPowerSlidersEnabled(true);
    f.dialogs->showDebug();
    QTest::keyClick(form->Slider1, Qt::Key_Left);
    QCOMPARE(form->Lblpower1->text(), QString::number(highSlider - 1));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(f.state.store.txHighPower, highSlider - 1);
    QCOMPARE(f.state.store.txLowPower, low);
}

void TestDialogs::keysStartUp_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("pf1");
    QTest::addColumn<QString>("pf2");
    QTest::newRow("Chinese") << 0 << "瞬时取消静噪"
                             << "自动拨号";
    QTest::newRow("English") << 1 << "Squelch Off Momentary"
                             << "Autodial";
}

void TestDialogs::keysStartUp() {
    QFETCH(int, language);
    QFETCH(QString, pf1);
    QFETCH(QString, pf2);
    DialogFixture f{qint16(language)};
    auto *form = f.find<Form6>("Form6");
    QCOMPARE(form->Combo1->count(), 12);
    QCOMPARE(form->Combo2->count(), 12);
    QCOMPARE(form->Combo1->currentText(), pf1);
    QCOMPARE(form->Combo2->currentText(), pf2);
}

void TestDialogs::keysOutOfRangeAtLoad() {
    DialogFixture f{1, [](EditorState &s) {
                        s.store.pf1 = 12;
                        s.store.pf2 = -1;
                    }};
    auto *form = f.find<Form6>("Form6");
    QCOMPARE(form->Combo1->currentText(), QStringLiteral("None"));
    QCOMPARE(form->Combo2->currentText(), QStringLiteral("None"));
    QCOMPARE(f.state.store.pf1, 12);
    QCOMPARE(f.state.store.pf2, -1);
    f.dialogs->showKeys();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(f.state.store.pf1, 1);
    QCOMPARE(f.state.store.pf2, 1);
}

void TestDialogs::keysCancelThenOk() {
    DialogFixture f;
    f.dialogs->showKeys();
    auto *form = f.find<Form6>("Form6");
    form->Combo1->setCurrentIndex(3);
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    QVERIFY(form->isHidden());
    QCOMPARE(f.state.store.pf1, 10);
    f.dialogs->showKeys();
    QCOMPARE(form->Combo1->currentIndex(), 3);
    QVERIFY(!form->close());
    QCOMPARE(f.state.store.pf1, 10);
    f.dialogs->showKeys();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(f.state.store.pf1, 3);
    QCOMPARE(f.state.store.pf2, 0);
}

void TestDialogs::keysLanguageSwitchKeepsSelections() {
    DialogFixture f{0};
    f.dialogs->showKeys();
    auto *form = f.find<Form6>("Form6");
    form->Combo1->setCurrentIndex(8);
    form->Combo2->setCurrentIndex(1);
    QCOMPARE(form->Combo1->currentText(), QStringLiteral("照明灯开关"));
    QCOMPARE(form->Combo2->currentText(), QStringLiteral("OFF"));
    f.dialogs->SetLanguageText(1);
    QVERIFY(form->isVisible());
    QCOMPARE(form->Combo1->currentText(), QStringLiteral("Scrambler"));
    QCOMPARE(form->Combo2->currentText(), QStringLiteral("None"));
    QCOMPARE(form->Combo1->count(), 12);
    QCOMPARE(form->Combo2->itemText(7), QStringLiteral("Scan + temporary Delete"));
}

void TestDialogs::keysPictureFollowsFocus() {
    DialogFixture f;
    auto *form = f.find<Form6>("Form6");
    QCOMPARE(form->Picture1.size(), QSize(113, 257));
    QCOMPARE(form->Picture2.size(), QSize(113, 257));
    QVERIFY(form->Picture1.toImage() != form->Picture2.toImage());
    // Before either list has had the focus, a third picture is shown.
    const QImage initial = form->Image1->pixmap().toImage();
    QCOMPARE(initial.size(), QSize(113, 257));
    QVERIFY(initial != form->Picture1.toImage() && initial != form->Picture2.toImage());
    f.dialogs->showKeys();
    QVERIFY(QTest::qWaitForWindowActive(form));
    form->Combo2->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(form->Image1->pixmap().toImage(), form->Picture2.toImage());
    form->Combo1->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(form->Image1->pixmap().toImage(), form->Picture1.toImage());
}

void TestDialogs::keysDecoded() {
    DialogFixture f;
    auto *form = f.find<Form6>("Form6");
    QVERIFY(f.decode(startUpImageWith(Layout::kKeys, QByteArray::fromHex("050B"))));
    QCOMPARE(form->Combo1->currentText(), QStringLiteral("Monitor Monentary"));
    QCOMPARE(form->Combo2->currentText(), QStringLiteral("temporary Delete"));
    // A byte outside the list leaves that key as it was.
    QByteArray image = bytesFromImage(EncodeImage(f.state));
    image[Layout::kKeys] = char(0x0C);
    image[Layout::kKeys + 1] = char(0x02);
    QVERIFY(f.decode(image));
    QCOMPARE(form->Combo1->currentText(), QStringLiteral("Monitor Monentary"));
    QCOMPARE(form->Combo2->currentText(), QStringLiteral("Keys lock"));
}

void TestDialogs::embeddedTypingLimit() {
    DialogFixture f;
    f.dialogs->showEmbedded();
    auto *form = f.find<Form7>("Form7");
    QTest::keyClicks(form->Text1, QString(40, QLatin1Char('a')));
    QCOMPARE(form->Text1->text(), QString(32, QLatin1Char('a')));
    QTest::keyClick(form->Text1, Qt::Key_Backspace);
    QCOMPARE(form->Text1->text().size(), 31);
    QTest::keyClicks(form->Text1, QStringLiteral("bc"));
    QCOMPARE(form->Text1->text(), QString(31, QLatin1Char('a')) + QLatin1Char('b'));
    form->Text1->setSelection(0, 2);
    QTest::keyClick(form->Text1, 'z');
    QCOMPARE(form->Text1->text(),
             QLatin1Char('z') + QString(29, QLatin1Char('a')) + QLatin1Char('b'));
}

void TestDialogs::embeddedCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Latin-1 letters") << "Gr\u00fc\u00dfe"
                                     << "Gr\u00fc\u00dfe";
    QTest::newRow("Chinese refused") << "A中文B"
                                     << "AB";
    QTest::newRow("y diaeresis refused") << "x\u00ffy"
                                         << "xy";
    QTest::newRow("euro refused") << "5€"
                                  << "5";
    QTest::newRow("signs kept") << "~!@#$%^&*()"
                                << "~!@#$%^&*()";
}

void TestDialogs::embeddedCharacters() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    DialogFixture f;
    auto *form = f.find<Form7>("Form7");
    typeText(form->Text2, typed);
    QCOMPARE(form->Text2->text(), shown);
}

void TestDialogs::embeddedAltGrCharacters() {
    // Control+Alt is AltGr on some keyboards: its characters are filtered
    // like any other.
    DialogFixture f;
    auto *form = f.find<Form7>("Form7");
    const Qt::KeyboardModifiers altGr = Qt::ControlModifier | Qt::AltModifier;
    for (const QString &c : {QStringLiteral("€"), QStringLiteral("é")}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_E, altGr, c);
        QApplication::sendEvent(form->Text1, &press);
    }
    QCOMPARE(form->Text1->text(), QStringLiteral("é"));
}

void TestDialogs::embeddedPaste() {
    DialogFixture f;
    f.dialogs->showEmbedded();
    auto *form = f.find<Form7>("Form7");
    QGuiApplication::clipboard()->setText(QStringLiteral("Grüße 世界\n") + QString(40, 'x'));
    QTest::keyClicks(form->Text1, QStringLiteral("ab"));
    QTest::keyClick(form->Text1, Qt::Key_V, Qt::ControlModifier);
    const QString expected = (QStringLiteral("abGrüße ") + QString(40, 'x')).left(32);
    QCOMPARE(form->Text1->text(), expected);
    QTest::keyClick(form->Text1, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(form->Text1->text(), expected);
}

void TestDialogs::embeddedOkCancelAndImage() {
    DialogFixture f;
    f.dialogs->showEmbedded();
    auto *form = f.find<Form7>("Form7");
    typeText(form->Text1, QStringLiteral("Héllo"));
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    QVERIFY(form->isHidden());
    QVERIFY(f.state.store.embeddedLine1.isEmpty());
    f.dialogs->showEmbedded();
    QCOMPARE(form->Text1->text(), QStringLiteral("Héllo"));
    QVERIFY(QTest::qWaitForWindowActive(form));
    form->Text1->setFocus();
    QTest::keyClick(form->Text1, Qt::Key_Return); // Enter presses OK
    QVERIFY(form->isHidden());
    QCOMPARE(f.state.store.embeddedLine1, QStringLiteral("Héllo"));
    QCOMPARE(f.state.store.embeddedLine2, QString());
    const QByteArray bytes = bytesFromImage(EncodeImage(f.state));
    QCOMPARE(bytes.size(), Layout::kImageSize);
    QCOMPARE(bytes.mid(Layout::kEmbeddedLine1, 6), QByteArray::fromHex("48E96C6C6FFF"));

    // OK with empty boxes stores two empty lines.
    f.dialogs->showEmbedded();
    form->Text1->clear();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QVERIFY(f.state.store.embeddedLine1.isEmpty() && f.state.store.embeddedLine2.isEmpty());
}

void TestDialogs::embeddedDecoded() {
    DialogFixture f;
    auto *form = f.find<Form7>("Form7");
    QByteArray line1(32, char(0xFF));
    line1.replace(0, 5, "VQ740");
    QByteArray image = startUpImageWith(Layout::kEmbeddedLine1, line1);
    image.replace(Layout::kEmbeddedLine2, 32, QByteArray(32, 'Z'));
    QVERIFY(f.decode(image));
    QCOMPARE(form->Text1->text(), QStringLiteral("VQ740"));
    QCOMPARE(form->Text2->text(), QString(32, QLatin1Char('Z')));
}

void TestDialogs::aboutBox() {
    DialogFixture f;
    auto *about = f.find<frmAbout>("frmAbout");
    QCOMPARE(about->windowTitle(), QStringLiteral("Help"));
    QCOMPARE(about->Image2->pixmap().size(), QSize(71, 70));
    QVERIFY(!about->lblDescription->text().isEmpty());
    QVERIFY(about->Line1_0->objectName() == "Line1_0" && about->Line1_1->objectName() == "Line1_1");
    f.dialogs->showAbout();
    QVERIFY(about->isVisible());
    QVERIFY(about->lblHelp->isVisible());
    QVERIFY(about->lblHelp->text().contains("F1"));
    QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    QVERIFY(about->isHidden());
    f.dialogs->showAbout();
    QVERIFY(!about->close());
    QVERIFY(about->isHidden());
    f.dialogs->SetLanguageText(0);
    f.dialogs->showAbout();
    QCOMPARE(about->lblVersion->text(), QStringLiteral("简体中文版"));
}

void TestDialogs::aboutCreditLineNamesTheMaker_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("maker");
    QTest::newRow("English") << 1 << "VQ Radio Communications Co., Ltd.";
    QTest::newRow("Chinese") << 0 << QString::fromUtf8("VQ 无线电通信有限公司");
}

void TestDialogs::aboutCreditLineNamesTheMaker() {
    QFETCH(int, language);
    QFETCH(QString, maker);
    DialogFixture f{qint16(language)};
    f.dialogs->showAbout();
    auto *about = f.find<frmAbout>("frmAbout");
    // The maker's name alone: no address, and nothing that looks like a
    // link or takes the focus to be pressed.
    QCOMPARE(about->lblDescription->text(), maker);
    QVERIFY(about->lblDescription->cursor().shape() != Qt::PointingHandCursor);
    QCOMPARE(about->lblDescription->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(about->lblDescription, Qt::LeftButton);
    QVERIFY(about->isVisible());
}

void TestDialogs::aboutLanguageSwitchWhileOpen() {
    DialogFixture f{1};
    f.dialogs->showAbout();
    auto *about = f.find<frmAbout>("frmAbout");
    const QString english = about->lblDescription->text();
    f.dialogs->SetLanguageText(0);
    QVERIFY(about->isVisible());
    QCOMPARE(about->lblTitle->text(), QStringLiteral("VQ-740 对讲机编程软件"));
    QCOMPARE(about->cmdOK->text(), QStringLiteral("确定"));
    QVERIFY(about->lblDescription->text() != english);
    QCOMPARE(about->windowTitle(), QStringLiteral("Help"));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
