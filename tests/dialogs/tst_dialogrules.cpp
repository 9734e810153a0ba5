// Rules of the option dialogs that need no widget.
#include "dialogs/dialogcaptions.h"
#include "dialogs/dialogvalues.h"
#include "dialogs/inputrules.h"
#include "dialogs/testfrequencyrules.h"
#include "dialogs/windowplacement.h"

#include <QtTest>

namespace {
TextRule ruleNamed(const QString &name) {
    if (name == QLatin1String("id"))
        return TextRules::idCode();
    if (name == QLatin1String("ptt"))
        return TextRules::pttIdCode();
    if (name == QLatin1String("dial"))
        return TextRules::autoDialCell();
    if (name == QLatin1String("embedded"))
        return TextRules::embeddedLine();
    return TextRules::scanSeconds();
}
} // namespace

class TestDialogRules : public QObject {
    Q_OBJECT
private slots:
    void rxEdit_data();
    void rxEdit();
    void txEdit_data();
    void txEdit();
    void txEditNeedsRx();
    void typedKey_data();
    void typedKey();
    void paste_data();
    void paste();
    void radioCharacters();
    void powerLevels_data();
    void powerLevels();
    void keyAndListSelections_data();
    void keyAndListSelections();
    void scanSeconds_data();
    void scanSeconds();
    void lookBackTimeItems();
    void fixedLists_data();
    void fixedLists();
    void captionTableOrder();
    void optionWindowPlace_data();
    void optionWindowPlace();
};

void TestDialogRules::rxEdit_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    // The row held RX 145.00000 and TX 145.50000 before the edit.
    QTest::newRow("446.1") << "446.1"
                           << "446.10000"
                           << "446.10000";
    QTest::newRow("446.007 to the 6.25 kHz step") << "446.007"
                                                  << "446.00625"
                                                  << "446.00625";
    QTest::newRow("446.0125 on both steps") << "446.0125"
                                            << "446.01250"
                                            << "446.01250";
    QTest::newRow("no band check: 30.5") << "30.5"
                                         << "30.50000"
                                         << "30.50000";
    QTest::newRow("5 kHz step nearer") << "446.0112"
                                       << "446.01000"
                                       << "446.01000";
    QTest::newRow("6.25 kHz step nearer") << "446.019"
                                          << "446.01875"
                                          << "446.01875";
    QTest::newRow("both steps as near") << "446.0049"
                                        << "446.00000"
                                        << "446.00000";
    QTest::newRow("decimals past 10 Hz are cut, not rounded up") << "446.00624999"
                                                                 << "446.00500"
                                                                 << "446.00500";
    QTest::newRow("highest four-byte frequency") << "999.99999"
                                                 << "999.99500"
                                                 << "999.99500";
    QTest::newRow("not a number") << "abc"
                                  << "0.00000"
                                  << "0.00000";
    QTest::newRow("two points") << "446.1.2"
                                << "0.00000"
                                << "0.00000";
    QTest::newRow("blanks around") << " 446.1 "
                                   << "446.10000"
                                   << "446.10000";
    QTest::newRow("zero") << "0"
                          << "0.00000"
                          << "0.00000";
    QTest::newRow("emptied") << ""
                             << ""
                             << "";
    QTest::newRow("only blanks") << "   "
                                 << ""
                                 << "";
    QTest::newRow("1000 MHz refused") << "1000"
                                      << "145.00000"
                                      << "145.50000";
    QTest::newRow("above 1000 MHz refused") << "1234.5"
                                            << "145.00000"
                                            << "145.50000";
    QTest::newRow("too many digits refused") << "99999999999999999999"
                                             << "145.00000"
                                             << "145.50000";
}

void TestDialogRules::rxEdit() {
    QFETCH(QString, typed);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    const TestFrequencyRow after = afterRxEdit(
        TestFrequencyRow{QStringLiteral("145.00000"), QStringLiteral("145.50000")}, typed);
    QCOMPARE(after.rx, rx);
    QCOMPARE(after.tx, tx);
}

void TestDialogRules::txEdit_data() {
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tx");
    // The row held TX 440.00000 before the edit.
    QTest::newRow("6.25 kHz step of the RX") << "446.00625"
                                             << "446.0032"
                                             << "446.00000";
    QTest::newRow("5 kHz step of the RX") << "446.01000"
                                          << "446.0132"
                                          << "446.01000";
    QTest::newRow("RX on both steps takes 6.25 kHz") << "446.10000"
                                                     << "446.1049"
                                                     << "446.10000";
    QTest::newRow("RX on the 5 kHz step") << "446.00500"
                                          << "446.0099"
                                          << "446.00500";
    QTest::newRow("already on the step") << "446.00625"
                                         << "446.0125"
                                         << "446.01250";
    QTest::newRow("emptied takes the RX") << "446.10000"
                                          << ""
                                          << "446.10000";
    QTest::newRow("not a number") << "446.10000"
                                  << "x"
                                  << "0.00000";
    QTest::newRow("1000 MHz refused") << "446.10000"
                                      << "1000.5"
                                      << "440.00000";
}

void TestDialogRules::txEdit() {
    QFETCH(QString, rx);
    QFETCH(QString, typed);
    QFETCH(QString, tx);
    const TestFrequencyRow after =
        afterTxEdit(TestFrequencyRow{rx, QStringLiteral("440.00000")}, typed);
    QCOMPARE(after.rx, rx);
    QCOMPARE(after.tx, tx);
}

void TestDialogRules::txEditNeedsRx() {
    QVERIFY(!txEditAllowed(TestFrequencyRow{QString(), QStringLiteral("446.10000")}));
    QVERIFY(txEditAllowed(TestFrequencyRow{QStringLiteral("446.10000"), QString()}));
}

void TestDialogRules::typedKey_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("inserted"); // empty: refused

    QTest::newRow("id: a becomes A") << "id"
                                     << "" << 0 << -1 << 0 << "a"
                                     << "A";
    QTest::newRow("id: d becomes D") << "id"
                                     << "" << 0 << -1 << 0 << "d"
                                     << "D";
    QTest::newRow("id: E refused") << "id"
                                   << "" << 0 << -1 << 0 << "E"
                                   << "";
    QTest::newRow("id: e refused") << "id"
                                   << "" << 0 << -1 << 0 << "e"
                                   << "";
    QTest::newRow("id: star") << "id"
                              << "" << 0 << -1 << 0 << "*"
                              << "*";
    QTest::newRow("id: hash") << "id"
                              << "" << 0 << -1 << 0 << "#"
                              << "#";
    QTest::newRow("id: blank refused") << "id"
                                       << "" << 0 << -1 << 0 << " "
                                       << "";
    QTest::newRow("id: 11th refused") << "id"
                                      << "0123456789" << 10 << -1 << 0 << "9"
                                      << "";
    QTest::newRow("id: replaces selection") << "id"
                                            << "0123456789" << 3 << 2 << 1 << "9"
                                            << "9";
    QTest::newRow("ptt: 16th taken") << "ptt"
                                     << "012345678901234" << 15 << -1 << 0 << "1"
                                     << "1";
    QTest::newRow("ptt: 17th refused") << "ptt"
                                       << "0123456789012345" << 16 << -1 << 0 << "1"
                                       << "";
    QTest::newRow("dial: no limit while typing") << "dial"
                                                 << "01234567890123456789" << 20 << -1 << 0 << "c"
                                                 << "C";
    QTest::newRow("dial: F refused") << "dial"
                                     << "" << 0 << -1 << 0 << "F"
                                     << "";
    QTest::newRow("embedded: e acute") << "embedded"
                                       << "" << 0 << -1 << 0 << "\u00e9"
                                       << "\u00e9";
    QTest::newRow("embedded: no-break space") << "embedded"
                                              << "" << 0 << -1 << 0 << "\u00a0"
                                              << "\u00a0";
    QTest::newRow("embedded: tilde") << "embedded"
                                     << "" << 0 << -1 << 0 << "~"
                                     << "~";
    QTest::newRow("embedded: y diaeresis refused") << "embedded"
                                                   << "" << 0 << -1 << 0 << "\u00ff"
                                                   << "";
    QTest::newRow("embedded: delete refused") << "embedded"
                                              << "" << 0 << -1 << 0 << "\u007f"
                                              << "";
    QTest::newRow("embedded: C1 control refused") << "embedded"
                                                  << "" << 0 << -1 << 0 << "\u0085"
                                                  << "";
    QTest::newRow("embedded: Chinese refused") << "embedded"
                                               << "" << 0 << -1 << 0 << "中"
                                               << "";
    QTest::newRow("embedded: euro sign refused") << "embedded"
                                                 << "" << 0 << -1 << 0 << "€"
                                                 << "";
    QTest::newRow("embedded: lower case kept") << "embedded"
                                               << "" << 0 << -1 << 0 << "a"
                                               << "a";
    QTest::newRow("embedded: 32nd taken") << "embedded" << QString(31, 'x') << 31 << -1 << 0 << "y"
                                          << "y";
    QTest::newRow("embedded: 33rd refused")
        << "embedded" << QString(32, 'x') << 32 << -1 << 0 << "y"
        << "";
    QTest::newRow("embedded: full box, selection replaced")
        << "embedded" << QString(32, 'x') << 5 << 4 << 3 << "y"
        << "y";
    QTest::newRow("seconds: digit") << "seconds"
                                    << "" << 0 << -1 << 0 << "5"
                                    << "5";
    QTest::newRow("seconds: letter refused") << "seconds"
                                             << "" << 0 << -1 << 0 << "a"
                                             << "";
    QTest::newRow("seconds: minus refused") << "seconds"
                                            << "" << 0 << -1 << 0 << "-"
                                            << "";
    QTest::newRow("seconds: 300 taken") << "seconds"
                                        << "30" << 2 << -1 << 0 << "0"
                                        << "0";
    QTest::newRow("seconds: 301 refused") << "seconds"
                                          << "30" << 2 << -1 << 0 << "1"
                                          << "";
    QTest::newRow("seconds: 312 refused at the front") << "seconds"
                                                       << "12" << 0 << -1 << 0 << "3"
                                                       << "";
    QTest::newRow("seconds: fourth digit refused") << "seconds"
                                                   << "000" << 3 << -1 << 0 << "1"
                                                   << "";
    QTest::newRow("seconds: 450 over a selection refused") << "seconds"
                                                           << "250" << 1 << 0 << 1 << "4"
                                                           << "";
    QTest::newRow("seconds: 200 over a selection") << "seconds"
                                                   << "250" << 2 << 1 << 1 << "0"
                                                   << "0";
}

void TestDialogRules::typedKey() {
    QFETCH(QString, rule);
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, key);
    QFETCH(QString, inserted);
    const LineState state{text, cursor, selectionStart, selectionLength};
    const QChar c = typedCharacter(ruleNamed(rule), state, key.at(0));
    QCOMPARE(c.isNull() ? QString() : QString(c), inserted);
}

void TestDialogRules::paste_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selectionLength"); // selection from the start
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("embedded: wide characters dropped") << "embedded"
                                                       << "" << 0 << "Hello 世界\u00e9\u00ff"
                                                       << "Hello \u00e9";
    QTest::newRow("embedded: line breaks dropped") << "embedded"
                                                   << "" << 0 << "ab\ncd\r\n"
                                                   << "abcd";
    QTest::newRow("embedded: cut to the room left")
        << "embedded" << QString(30, 'x') << 0 << QString(40, 'a') << "aa";
    QTest::newRow("embedded: full box takes nothing")
        << "embedded" << QString(32, 'x') << 0 << "abc"
        << "";
    QTest::newRow("embedded: selection makes room")
        << "embedded" << QString(32, 'x') << 5 << QString(40, 'a') << QString(5, 'a');
    QTest::newRow("id: upper-cased and filtered") << "id"
                                                  << "" << 0 << "ab-12e*"
                                                  << "AB12*";
    QTest::newRow("id: cut to 10") << "id"
                                   << "12345" << 0 << "6789012"
                                   << "67890";
    QTest::newRow("seconds: digits kept") << "seconds"
                                          << "" << 0 << " 12 "
                                          << "12";
    QTest::newRow("seconds: over 300 refused whole") << "seconds"
                                                     << "" << 0 << "500"
                                                     << "";
    QTest::newRow("seconds: digits past three cut") << "seconds"
                                                    << "" << 0 << "1234"
                                                    << "123";
}

void TestDialogRules::paste() {
    QFETCH(QString, rule);
    QFETCH(QString, text);
    QFETCH(int, selectionLength);
    QFETCH(QString, pasted);
    QFETCH(QString, inserted);
    const LineState state{text, int(text.size()), selectionLength > 0 ? 0 : -1, selectionLength};
    QCOMPARE(pastedText(ruleNamed(rule), state, pasted), inserted);
}

void TestDialogRules::radioCharacters() {
    // Exactly 95 + 95 characters fit one byte of the radio's set.
    int count = 0;
    for (int u = 0; u <= 0xFFFF; ++u)
        count += isRadioCharacter(QChar(u)) ? 1 : 0;
    QCOMPARE(count, 95 + 95);
    QVERIFY(isRadioCharacter(QChar(0x20)) && isRadioCharacter(QChar(0xFE)));
    QVERIFY(!isRadioCharacter(QChar(0x1F)) && !isRadioCharacter(QChar(0xFF)));
}

void TestDialogRules::powerLevels_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("slider");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<int>("onOk");
    QTest::newRow("in range, unmoved") << 42 << 42 << 42 << false << 42;
    QTest::newRow("in range, moved") << 42 << 42 << 40 << true << 40;
    QTest::newRow("above 63 keeps its value") << 100 << 63 << 63 << false << 100;
    QTest::newRow("above 63, moved") << 100 << 63 << 50 << true << 50;
    QTest::newRow("above 63, moved back to the end") << 255 << 63 << 63 << true << 63;
    QTest::newRow("below 0") << -4 << 0 << 0 << false << -4;
}

void TestDialogRules::powerLevels() {
    QFETCH(int, stored);
    QFETCH(int, position);
    QFETCH(int, slider);
    QFETCH(bool, moved);
    QFETCH(int, onOk);
    QCOMPARE(powerSliderPosition(stored), position);
    QCOMPARE(powerLevelOnOk(stored, slider, moved), onOk);
}

void TestDialogRules::keyAndListSelections_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("keyEntry");
    QTest::addColumn<int>("inListOfFour");
    QTest::newRow("0") << 0 << 0 << 0;
    QTest::newRow("3") << 3 << 3 << 3;
    QTest::newRow("4") << 4 << 4 << -1;
    QTest::newRow("11") << 11 << 11 << -1;
    QTest::newRow("12") << 12 << 1 << -1;
    QTest::newRow("-1") << -1 << 1 << -1;
    QTest::newRow("255") << 255 << 1 << -1;
}

void TestDialogRules::keyAndListSelections() {
    QFETCH(int, stored);
    QFETCH(int, keyEntry);
    QFETCH(int, inListOfFour);
    QCOMPARE(keyListIndex(stored), keyEntry);
    QCOMPARE(listSelection(stored, 4), inListOfFour);
}

void TestDialogRules::scanSeconds_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seconds");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("45") << "45" << 45;
    QTest::newRow("300") << "300" << 300;
    QTest::newRow("above 300") << "999" << 300;
    QTest::newRow("not a number") << "abc" << 0;
}

void TestDialogRules::scanSeconds() {
    QFETCH(QString, text);
    QFETCH(int, seconds);
    QCOMPARE(scanSecondsOfText(text), seconds);
}

void TestDialogRules::lookBackTimeItems() {
    for (qint16 language : {0, 1}) {
        const QStringList items =
            dialogListItems(QStringLiteral("Form5"), QStringLiteral("Combo13"), language);
        QCOMPARE(items.size(), 92);
        QCOMPARE(items.at(0), language == 0 ? QStringLiteral("空") : QStringLiteral("Empty"));
        // Items 1 to 91: 0.50 to 5.00 seconds, every 0.05 s, two decimals.
        for (int i = 1; i <= 91; ++i) {
            const QString expected = QString::number(0.5 + (i - 1) * 0.05, 'f', 2);
            QCOMPARE(items.at(i), expected);
        }
        QCOMPARE(items,
                 dialogListItems(QStringLiteral("Form5"), QStringLiteral("Combo14"), language));
    }
}

void TestDialogRules::fixedLists_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::newRow("key item 1") << "Form6"
                                << "Combo1" << 12 << 1 << "OFF"
                                << "None";
    QTest::newRow("key item 8") << "Form6"
                                << "Combo2" << 12 << 8 << "照明灯开关"
                                << "Scrambler";
    QTest::newRow("key item 5") << "Form6"
                                << "Combo1" << 12 << 5 << "监听瞬时"
                                << "Monitor Monentary";
    QTest::newRow("key item 11") << "Form6"
                                 << "Combo2" << 12 << 11 << "暂时删除"
                                 << "temporary Delete";
    QTest::newRow("VOX gain off") << "Form5"
                                  << "Combo7" << 11 << 0 << "关闭"
                                  << "Off";
    QTest::newRow("VOX gain 10") << "Form5"
                                 << "Combo7" << 11 << 10 << "10"
                                 << "10";
    QTest::newRow("VOX delay") << "Form5"
                               << "Combo8" << 6 << 3 << "1.5S"
                               << "1.5S";
    QTest::newRow("VOX function") << "Form5"
                                  << "Combo6" << 2 << 1 << "打开"
                                  << "On";
    QTest::newRow("revert channel") << "Form5"
                                    << "Combo15" << 4 << 3 << "优先+当前"
                                    << "priority+Talk Back";
    QTest::newRow("priority") << "Form5"
                              << "Combo11" << 3 << 2 << "选定"
                              << "Selected";
    QTest::newRow("priority channel") << "Form5"
                                      << "Combo12" << 16 << 15 << "16"
                                      << "16";
    QTest::newRow("PTT ID") << "Form5"
                            << "Combo4" << 3 << 0 << "发射开始"
                            << "Launch Start";
    QTest::newRow("first digit delay") << "Form5"
                                       << "Combo18" << 19 << 1 << "150MS"
                                       << "150MS";
    QTest::newRow("first digit delay last") << "Form5"
                                            << "Combo18" << 19 << 18 << "1000MS"
                                            << "1000MS";
    QTest::newRow("D key") << "Form5"
                           << "Combo19" << 17 << 16 << "16秒"
                           << "16秒";
    QTest::newRow("auto reset") << "Form5"
                                << "Combo21" << 16 << 15 << "15秒"
                                << "15秒";
    QTest::newRow("group call") << "Form5"
                                << "Combo22" << 7 << 6 << "D"
                                << "D";
    QTest::newRow("DTMF rate") << "Form5"
                               << "Combo0" << 4 << 3 << "15位"
                               << "15位";
}

void TestDialogRules::fixedLists() {
    QFETCH(QString, window);
    QFETCH(QString, list);
    QFETCH(int, count);
    QFETCH(int, item);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    const QStringList zh = dialogListItems(window, list, 0);
    const QStringList en = dialogListItems(window, list, 1);
    QCOMPARE(zh.size(), count);
    QCOMPARE(en.size(), count);
    QCOMPARE(zh.at(item), chinese);
    QCOMPARE(en.at(item), english);
    QVERIFY(dialogListItems(window, QStringLiteral("Combo99"), 0).isEmpty());
}

void TestDialogRules::captionTableOrder() {
    // The dialogs are captioned, and so loaded, in this order.
    const QStringList order{"Form2", "Form4", "Form5", "Form6", "Form7", "frmAbout"};
    int last = 0;
    for (const DialogCaption &row : dialogCaptionTable()) {
        const int at = order.indexOf(row.window);
        QVERIFY2(at >= last, qPrintable(row.window + QLatin1Char(' ') + row.control));
        last = at;
    }
    QCOMPARE(last, order.size() - 1);
}

void TestDialogRules::optionWindowPlace_data() {
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("place");
    // The main window is 900 x 500; the channel table is its right part.
    QTest::newRow("room on the right")
        << QRect(100, 50, 900, 500) << QRect(0, 0, 1920, 1080) << QPoint(1008, 50);
    QTest::newRow("room on the left only")
        << QRect(1000, 50, 900, 500) << QRect(0, 0, 1920, 1080) << QPoint(692, 50);
    QTest::newRow("room below only")
        << QRect(0, 0, 1000, 500) << QRect(0, 0, 1100, 1080) << QPoint(0, 508);
    QTest::newRow("kept on the screen vertically")
        << QRect(100, 900, 900, 160) << QRect(0, 0, 1920, 1080) << QPoint(1008, 680);
    // No room anywhere: over the Functions Setting panel on the left
    // rather than over the table.
    QTest::newRow("no room: over the panel")
        << QRect(0, 0, 900, 700) << QRect(0, 0, 1000, 800) << QPoint(0, 400);
    QTest::newRow("no room, main window centred")
        << QRect(50, 50, 900, 700) << QRect(0, 0, 1000, 800) << QPoint(0, 50);
    QTest::newRow("second screen")
        << QRect(2000, 100, 900, 500) << QRect(1920, 0, 1920, 1080) << QPoint(2908, 100);
}

void TestDialogRules::optionWindowPlace() {
    QFETCH(QRect, main);
    QFETCH(QRect, screen);
    QFETCH(QPoint, place);
    const QSize window(300, 400);
    // The table: the right two thirds of the main window.
    const QRect table(main.left() + main.width() / 3, main.top() + 60, main.width() * 2 / 3 - 10,
                      main.height() - 100);
    const QPoint got = placeBeside(main, table, window, screen);
    QCOMPARE(got, place);
    QVERIFY(screen.contains(QRect(got, window)));
}

QTEST_GUILESS_MAIN(TestDialogRules)
#include "tst_dialogrules.moc"
