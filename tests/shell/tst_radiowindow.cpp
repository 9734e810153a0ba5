// The main window and the radio, driven as a user drives them: the
// Communication port menu, Read From Radio and Write To Radio, the status
// label, the progress bar and the commands that rest during an exchange,
// against the simulated radio on a pseudo-terminal through the real serial
// port. COM1 stands for the simulated radio, COM3 for a second one, every
// other item for a device that does not exist.
#include "radiowindow.h"
#include "tests/support/unixcalls.h"

#include <QApplication>
#include <QLineEdit>
#include <QStandardPaths>

class TestRadioWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The window keeps a chosen device in the user's settings: not here.
        QStandardPaths::setTestModeEnabled(true);
    }

    void portItemsNameTheirDevices() {
        QTemporaryDir dir;
        Form1 form(ParameterFile(dir.path(), dir.filePath("config")));
        QMenu *menu = form.findChild<QMenu *>("mnucom");
        QVERIFY(menu->toolTipsVisible());
        const QList<QAction *> items = menu->actions(); // COM1 to COM8 first
        for (int port = 1; port <= 8; ++port) {
            QCOMPARE(items[port - 1]->text(), QString("COM%1(&%1)").arg(port));
            QCOMPARE(items[port - 1]->toolTip(), portDevice(port));
            QCOMPARE(items[port - 1]->statusTip(), portDevice(port));
        }
#ifdef Q_OS_LINUX
        QCOMPARE(items[0]->toolTip(), QString("/dev/ttyUSB0"));
        QCOMPARE(items[7]->toolTip(), QString("/dev/ttyS1"));
#endif
        QVERIFY(form.findChild<SerialPort *>("MSComm1"));
        for (const char *timer : {"Timer1", "Timer2", "Timer3"})
            QVERIFY2(form.findChild<QTimer *>(timer), timer);
    }

    void choosingPorts_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("language");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<int>("remembered");
        QTest::addColumn<QStringList>("messages");
        const auto inUse = [](int port, int language) { return portInUseText(port, language); };
        QTest::newRow("COM1 opens") << QList<int>{1} << 1 << QList<int>{1} << 1 << QStringList{};
        QTest::newRow("COM3 takes the mark from COM1")
            << QList<int>{1, 3} << 1 << QList<int>{3} << 3 << QStringList{};
        QTest::newRow("the checked item reopens")
            << QList<int>{1, 1} << 1 << QList<int>{1} << 1 << QStringList{};
        QTest::newRow("a missing port leaves no mark and the remembered port")
            << QList<int>{1, 2} << 1 << QList<int>{} << 1 << QStringList{inUse(2, 1)};
        QTest::newRow("a missing port first, Chinese")
            << QList<int>{5} << 0 << QList<int>{} << 0 << QStringList{inUse(5, 0)};
        QTest::newRow("back to COM1 after a missing port")
            << QList<int>{3, 8, 1} << 1 << QList<int>{1} << 1 << QStringList{inUse(8, 1)};
    }
    void choosingPorts() {
        VQ740_NEEDS_PTY();
        QFETCH(QList<int>, clicks);
        QFETCH(int, language);
        QFETCH(QList<int>, checked);
        QFETCH(int, remembered);
        QFETCH(QStringList, messages);
        RadioWindow w(QByteArray("\x00\x00", 2) + char(language));
        QVERIFY(w.ready);
        for (int port : clicks)
            w.portItem(port)->trigger();
        QCOMPARE(w.checkedItems(), checked);
        QCOMPARE(w.get<PortChooser>("portChooser")->rememberedPort(), remembered);
        QStringList shown;
        for (const RecordedBox &box : w.boxes.boxes) {
            // The item's message, then the system's reason for its device.
            const QStringList parts = box.text.split(QStringLiteral("\n\n"));
            QCOMPARE(parts.size(), 2);
            shown << parts.at(0);
            QVERIFY2(parts.at(1).contains(QStringLiteral("/dev/no-such-vq740-port")),
                     qPrintable(box.text));
            QCOMPARE(box.flags, quint32(64));
            QCOMPARE(box.title, QString("VQ-740 Software"));
        }
        QCOMPARE(shown, messages);
        // The port is open exactly when the last choice opened it.
        QCOMPARE(w.get<SerialPort>("MSComm1")->isOpen(), !checked.isEmpty());
        w.form->close();
        QCOMPARE(w.parameterFile(), QByteArray("\x00", 1) + char(remembered) + char(language));
    }

    void readFillsTheWindow_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("realBlink");
        QTest::newRow("English") << 1 << "Read frequency success!" << true;
        QTest::newRow("Chinese") << 0 << QString::fromUtf8("读频成功！") << false;
    }
    void readFillsTheWindow() {
        VQ740_NEEDS_PTY();
        QFETCH(int, language);
        QFETCH(QString, status);
        QFETCH(bool, realBlink);
        RadioWindow w(QByteArray("\x00\x00", 2) + char(language));
        QVERIFY(w.ready);
        QRandomGenerator rng(31 + language);
        w.radio.model.memory.replace(0x10, 0x400, generatedImage(rng, 0x400));
        w.radio.model.identification = RadioModel::identificationOf("K7402", 0x01);
        const EditorState expected = stateAfterRead(w.radio.model.memory, 5, qint16(language));
        w.showActive();
        w.portItem(1)->trigger();
        QCOMPARE(w.checkedItems(), QList<int>{1});
        const auto hintPlace = [&w] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            return w.get<QLabel>("lblHelpHint")->mapTo(w.form.get(), QPoint());
        };
        const QPoint hintBefore = hintPlace();

        // What the indicators show while the exchange runs.
        QList<int> barValues;
        bool labelShown = false;
        const auto recordBar = [&] {
            if (w.get<QProgressBar>("ProgressBar1")->isVisible())
                barValues << w.get<QProgressBar>("ProgressBar1")->value();
        };
        QObject::connect(w.session, &CloneSession::progressVisibleChanged, recordBar);
        QObject::connect(w.session, &CloneSession::progressValueChanged, recordBar);
        QObject::connect(w.session, &CloneSession::statusVisibleChanged,
                         [&] { labelShown = labelShown || w.get<QLabel>("Label")->isVisible(); });

        QTest::keyClick(w.form.get(), Qt::Key_R, Qt::ControlModifier);
        checkCommands(*w.form, false);
        QVERIFY(!w.portItemsEnabled());
        QCOMPARE(w.get<QLabel>("Label")->text(),
                 linkText(LinkText::Communicating, qint16(language)));
        // A second Ctrl+R while the radio is busy starts nothing.
        QTest::keyClick(w.form.get(), Qt::Key_R, Qt::ControlModifier);

        QTRY_COMPARE_WITH_TIMEOUT(w.outcomes.size(), 1, 10000);
        QCOMPARE(w.outcomes.at(0), SessionOutcome::Success);
        QCOMPARE(w.radio.model.programRequests, 1);
        // The read is kept as a backup, and the line under the window says so.
        QCOMPARE(w.backups().size(), 1);
        QVERIFY2(w.backups().first().endsWith("_read_136-174MHz.DAT"),
                 qPrintable(w.backups().first()));
        QCOMPARE(readFile(QDir(w.dir.filePath("backups")).filePath(w.backups().first())),
                 w.radio.model.memory.mid(0x10, 0x400));
        QVERIFY(w.get<QLabel>("StatusLine")->text().contains(w.backups().first()));
        QVERIFY(w.get<QLabel>("StatusLine")->text().startsWith(status));
        // The radio's band is adopted without the band question.
        QVERIFY(w.boxes.boxes.isEmpty());
        QCOMPARE(w.get<QComboBox>("Combo1")->currentIndex(), 5);
        QCOMPARE(w.form->state().acceptedBand, 5);
        QCOMPARE(EncodeImage(w.form->state()), EncodeImage(expected));
        // Every view shows what was read.
        for (int row = 1; row <= 16; ++row)
            for (int column = 0; column < 9; ++column)
                QCOMPARE(w.get<ChannelGrid>("Grid1")->cellText(row, column),
                         expected.channels.cell(row, column));
        const std::pair<const char *, int> lists[] = {{"Combo2", expected.functions.voiceNotice},
                                                      {"Combo3", expected.functions.timeoutTimer},
                                                      {"Combo9", expected.functions.squelchLevel},
                                                      {"Combo6", expected.functions.batterySave},
                                                      {"Combo7", expected.functions.beep}};
        for (const auto &[name, index] : lists)
            QCOMPARE(w.get<QComboBox>(name)->currentIndex(), index);
        QWidget *debugDialog = w.get<QWidget>("Form2");
        QVERIFY(debugDialog);
        QCOMPARE(debugDialog->findChild<QLabel *>("Lblpower1")->text(),
                 QString::number(expected.store.txHighPower));
        QCOMPARE(debugDialog->findChild<QLabel *>("Lblpower3")->text(),
                 QString::number(expected.store.txLowPower));

        // The progress bar went from 0 to 425 and is gone; the status text
        // flashed and stays on the result until the commands come back.
        QVERIFY(!barValues.isEmpty());
        QCOMPARE(barValues.first(), 0);
        QCOMPARE(barValues.last(), 17 * CloneSession::kReadProgressStep);
        QCOMPARE(w.get<QProgressBar>("ProgressBar1")->maximum(), 460);
        QVERIFY(!w.get<QProgressBar>("ProgressBar1")->isVisible());
        QCOMPARE(w.get<QLabel>("Label")->text(), status);
        QVERIFY(w.portItemsEnabled());
        QVERIFY(!w.get<SerialPort>("MSComm1")->isOpen());
        QTRY_COMPARE(w.radio.model.endBytes, 1);
        checkCommands(*w.form, false);
        if (realBlink) {
            QTRY_VERIFY_WITH_TIMEOUT(w.get<QToolBar>("Toolbar1")->isEnabled(), 5000);
            QVERIFY(labelShown);
        } else {
            // The blink timer's ticks by hand: at most twelve more.
            w.session->blinkTimer()->stop();
            int ticks = 0;
            while (!w.get<QToolBar>("Toolbar1")->isEnabled() &&
                   ticks <= CloneSession::kBlinkTicks) {
                w.session->blinkTick();
                ++ticks;
            }
        }
        checkCommands(*w.form, true);
        QVERIFY(!w.get<QLabel>("Label")->isVisible());
        QCOMPARE(w.checkedItems(), QList<int>{1}); // the choice is still shown
        // The F1 hint is back where it was, whatever the status said last.
        QCOMPARE(hintPlace(), hintBefore);
    }

    void writeFromTheWindow_data() {
        QTest::addColumn<bool>("debugWriteMode");
        QTest::addColumn<bool>("bandOverride");
        QTest::addColumn<int>("radioBandCode");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("status");
        const QString success = "Write frequency success!";
        const QString refused = "Frequency band with discrepancies, do not write.";
        const QString question = "Frequency band with discrepancies, do you wish to continue?";
        QTest::newRow("write") << false << false << 0x33 << 0 << int(SessionOutcome::Success)
                               << success;
        QTest::newRow("debug write mode")
            << true << false << 0x33 << 0 << int(SessionOutcome::Success) << success;
        QTest::newRow("another band is refused")
            << false << false << 0x21 << 0 << int(SessionOutcome::BandRefused) << refused;
        QTest::newRow("band override, Yes") << false << true << 0x21 << int(MsgResult::Yes)
                                            << int(SessionOutcome::Success) << success;
        QTest::newRow("band override, No") << false << true << 0x21 << int(MsgResult::No)
                                           << int(SessionOutcome::Declined) << question;
    }
    void writeFromTheWindow() {
        VQ740_NEEDS_PTY();
        QFETCH(bool, debugWriteMode);
        QFETCH(bool, bandOverride);
        QFETCH(int, radioBandCode);
        QFETCH(int, answer);
        QFETCH(int, outcome);
        QFETCH(QString, status);
        RadioWindow w(QByteArray("\x00\x01\x01", 3));
        QVERIFY(w.ready);
        w.radio.model.identification = RadioModel::identificationOf("K7403", quint8(radioBandCode));
        w.showActive();
        QRandomGenerator rng(41);
        EditorState source = generatedState(rng, 1);
        source.acceptedBand = source.bandPosition = 0;
        w.open(source);
        QCOMPARE(w.get<QComboBox>("Combo1")->currentIndex(), 0);
        // The service modes, entered by their gestures.
        if (bandOverride) {
            w.clickLabel("Label4", 1000);
            w.clickLabel("Label6", 1001);
            w.clickLabel("Label8", 1002);
        }
        if (debugWriteMode) {
            w.now = 1010;
            for (const char *caption : {"Label3", "Label7"})
                QTest::mouseClick(childNamed<QLabel>(w.get<QWidget>("Form2"), caption),
                                  Qt::LeftButton);
        }
        QCOMPARE(w.form->state().bandOverrideMode, bandOverride);
        QCOMPARE(w.form->state().debugWriteMode, debugWriteMode);
        if (answer)
            w.boxes.answers = {answer};
        const QByteArray before = w.radio.model.memory;
        const QByteArray image = bytesFromImage(EncodeImage(w.form->state()));

        QTest::keyClick(w.form.get(), Qt::Key_W, Qt::ControlModifier);
        checkCommands(*w.form, false);
        // The radio is read first; the preview waits for the answer with the
        // commands still at rest.
        w.answerPreview("cmdWrite");
        QTRY_COMPARE_WITH_TIMEOUT(w.flowOutcomes.size(), 1, 10000);
        const int expectedFlow =
            outcome == int(SessionOutcome::Success)       ? int(WriteFlowOutcome::Verified)
            : outcome == int(SessionOutcome::BandRefused) ? int(WriteFlowOutcome::BandRefused)
                                                          : int(WriteFlowOutcome::Declined);
        QCOMPARE(int(w.flowOutcomes.at(0)), expectedFlow);
        QCOMPARE(int(w.outcomes.at(1)), outcome);
        QCOMPARE(w.get<QLabel>("Label")->text(), status);
        QVERIFY(!w.get<QProgressBar>("ProgressBar1")->isVisible());
        QVERIFY(!w.get<SerialPort>("MSComm1")->isOpen());
        QTRY_COMPARE(w.radio.model.endBytes, w.outcomes.size());
        if (bandOverride) {
            QCOMPARE(w.boxes.boxes.size(), 1);
            QCOMPARE(w.boxes.boxes[0].text,
                     QString("Frequency band with discrepancies, do you wish to continue?"));
            QCOMPARE(w.boxes.boxes[0].flags, quint32(68));
        } else {
            QVERIFY(w.boxes.boxes.isEmpty());
        }
        // What the radio held is kept before any block goes out.
        QCOMPARE(w.backups().size(), 1);
        QCOMPARE(readFile(QDir(w.dir.filePath("backups")).filePath(w.backups().first())),
                 before.mid(0x10, 0x400));
        if (outcome == int(SessionOutcome::Success)) {
            // The radio holds the image in every range written, and only
            // there; it was read back afterwards.
            const QList<int> addresses = writeAddresses(debugWriteMode);
            QCOMPARE(w.radio.model.frames, expectedReadFrames() +
                                               expectedWriteFrames(image, addresses) +
                                               expectedReadFrames());
            QByteArray expected = before;
            for (int a : addresses)
                expected.replace(a, 16, image.mid(a - 0x10, 16));
            QCOMPARE(w.radio.model.memory.toHex(), expected.toHex());
            QVERIFY2(w.get<QLabel>("StatusLine")->text().contains("Read back and checked"),
                     qPrintable(w.get<QLabel>("StatusLine")->text()));
        } else {
            // Only the end byte after the handshake; the radio is unchanged.
            const QList<QByteArray> refusal{"PROGRAM", frame({0x02}), frame({0x06}), frame({0x45})};
            QCOMPARE(w.radio.model.frames, expectedReadFrames() + refusal);
            QCOMPARE(w.radio.model.memory, before);
            QCOMPARE(w.get<QLabel>("StatusLine")->text(),
                     QString("Frequency band with discrepancies, do not write."));
        }
        // The line stays after the status label has stopped flashing (the
        // blink timer's ticks by hand).
        w.session->blinkTimer()->stop();
        for (int tick = 0;
             tick < CloneSession::kBlinkTicks && !w.get<QToolBar>("Toolbar1")->isEnabled(); ++tick)
            w.session->blinkTick();
        checkCommands(*w.form, true);
        QVERIFY(!w.get<QLabel>("Label")->isVisible());
        QVERIFY(w.get<QLabel>("StatusLine")->isVisible());
        QVERIFY(!w.get<QLabel>("StatusLine")->text().isEmpty());
    }

    void openingAFileDuringAWriteDoesNotCutItOff() {
        VQ740_NEEDS_PTY();
        RadioWindow w(QByteArray("\x00\x01\x01", 3));
        QVERIFY(w.ready);
        w.showActive();
        w.get<WriteFlow>("writeFlow")->setVerify(false);
        const QByteArray image = bytesFromImage(EncodeImage(w.form->state()));
        w.get<QAction>("Toolbar1_6")->trigger();
        w.answerPreview("cmdWrite");
        w.radio.options.pace = true; // about a second for the blocks
        QTRY_VERIFY_WITH_TIMEOUT(w.session->kind() == QLatin1Char('W') &&
                                     w.get<QProgressBar>("ProgressBar1")->value() >= 30,
                                 5000);
        // The File menu stays usable: a file of another band replaces the
        // editor, while the write goes on with the image it started with.
        QRandomGenerator rng(43);
        EditorState other = generatedState(rng, 1);
        other.acceptedBand = other.bandPosition = 5;
        w.open(other);
        QCOMPARE(w.get<QComboBox>("Combo1")->currentIndex(), 5);
        QVERIFY(w.flowOutcomes.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(w.flowOutcomes.size(), 1, 10000);
        QCOMPARE(w.flowOutcomes.at(0), WriteFlowOutcome::Written);
        QTRY_COMPARE(w.radio.model.endBytes, 2);
        QCOMPARE(w.radio.model.frames,
                 expectedReadFrames() + expectedWriteFrames(image, writeAddresses(false)));
        QCOMPARE(EncodeImage(w.form->state()), EncodeImage(other));
    }

    void silentRadioGivesTheCommandsBackAtOnce() {
        VQ740_NEEDS_PTY();
        RadioWindow w(QByteArray("\x00\x01\x01", 3));
        QVERIFY(w.ready);
        w.radio.model.faults.silent = true;
        w.showActive();
        const QString before = EncodeImage(w.form->state());
        w.get<QAction>("Toolbar1_6")->trigger();
        checkCommands(*w.form, false);
        for (int tick = 0; tick < CloneSession::kWatchdogTicks; ++tick)
            w.session->watchdogTick();
        QCOMPARE(w.outcomes, QList<SessionOutcome>{SessionOutcome::TimedOut});
        QCoreApplication::processEvents();
        QCOMPARE(w.flowOutcomes, QList<WriteFlowOutcome>{WriteFlowOutcome::TimedOut});
        QCOMPARE(w.get<QLabel>("StatusLine")->text(),
                 QString("Nothing was written: the radio could not be read before the write."));
        QVERIFY(w.backups().isEmpty());
        QCOMPARE(w.boxes.boxes.size(), 1);
        QCOMPARE(w.boxes.boxes[0].text, QString("Communication error, please check the intercom "
                                                "model, fault, attachment and computer serial "
                                                "choice!"));
        QCOMPARE(w.boxes.boxes[0].flags, quint32(16));
        checkCommands(*w.form, true);
        QVERIFY(w.portItemsEnabled());
        QVERIFY(!w.get<QLabel>("Label")->isVisible());
        QVERIFY(!w.get<QProgressBar>("ProgressBar1")->isVisible());
        QTRY_COMPARE(w.radio.model.endBytes, 1);
        QCOMPARE(EncodeImage(w.form->state()), before);
    }

    void portNotOpenChangesNothing() {
        VQ740_NEEDS_PTY();
        RadioWindow w(QByteArray("\x00\x00\x01", 3));
        QVERIFY(w.ready);
        w.showActive();
        QTest::keyClick(w.form.get(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(w.boxes.boxes.size(), 1);
        QCOMPARE(w.boxes.boxes[0].text,
                 QString("Communication port not open, please first selection menu "
                         "'communication port' to open its serial ports!"));
        QCOMPARE(w.boxes.boxes[0].flags, quint32(64));
        checkCommands(*w.form, true);
        QVERIFY(w.portItemsEnabled());
        QVERIFY(w.get<QLabel>("Label")->text().isEmpty());
        QVERIFY(!w.session->watchdogTimer()->isActive());
        QVERIFY(!w.session->blinkTimer()->isActive());
    }

    void rememberedPortWorksAfterARestart() {
        VQ740_NEEDS_PTY();
        // COM1 was chosen in the last run; a failed choice keeps it.
        RadioWindow w(QByteArray("\x00\x01\x01", 3));
        QVERIFY(w.ready);
        QCOMPARE(w.get<PortChooser>("portChooser")->rememberedPort(), 1);
        QCOMPARE(w.checkedItems(), QList<int>{});
        w.showActive();
        w.portItem(2)->trigger();
        QCOMPARE(w.boxes.boxes.size(), 1);
        QCOMPARE(w.get<PortChooser>("portChooser")->rememberedPort(), 1);
        w.get<QAction>("mnureadFre")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(w.outcomes.size(), 1, 10000);
        QCOMPARE(w.outcomes.at(0), SessionOutcome::Success);
        QCOMPARE(w.get<SerialPort>("MSComm1")->device(), w.radio.devicePath());
        QCOMPARE(w.checkedItems(), QList<int>{});
        w.form->findChild<QAction *>("mnuQuit")->trigger();
        QCOMPARE(w.parameterFile(), QByteArray("\x00\x01\x01", 3));
    }

    void exchangeHoldsTheBandAndThePort() {
        VQ740_NEEDS_PTY();
        RadioWindow w(QByteArray("\x00\x01\x01", 3));
        QVERIFY(w.ready);
        w.radio.model.faults.silent = true;
        w.showActive();
        w.get<QAction>("mnureadFre")->trigger();
        QCOMPARE(QApplication::focusWidget(), w.get<QComboBox>("Combo1"));
        // The band selector has the focus, but the band stays while the
        // radio is busy, without a question.
        QTest::keyClick(w.get<QComboBox>("Combo1"), Qt::Key_Down);
        QCOMPARE(w.get<QComboBox>("Combo1")->currentIndex(), 0);
        QCOMPARE(w.form->state().bandPosition, 0);
        QVERIFY(w.boxes.boxes.isEmpty());
        // Another port cannot be chosen half way.
        QVERIFY(!w.portItem(3)->isEnabled());
        w.portItem(3)->trigger();
        QCOMPARE(w.get<SerialPort>("MSComm1")->device(), w.radio.devicePath());
        // The language may change; the status follows.
        w.form->findChild<QAction *>("mnuChinese")->trigger();
        QCOMPARE(w.get<QLabel>("Label")->text(), QString::fromUtf8("正在通信,请稍后……"));

        for (int tick = 0; tick < CloneSession::kWatchdogTicks; ++tick)
            w.session->watchdogTick();
        QCOMPARE(w.boxes.boxes.size(), 1);
        QCOMPARE(w.boxes.boxes[0].text,
                 QString::fromUtf8("通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"));
        // Afterwards the band selector asks again.
        w.boxes.answers = {int(MsgResult::Cancel)};
        QTest::keyClick(w.get<QComboBox>("Combo1"), Qt::Key_Down);
        QCOMPARE(w.boxes.boxes.size(), 2);
        QCOMPARE(w.get<QComboBox>("Combo1")->currentIndex(), 0);
    }

    void closingTheWindowEndsTheExchange_data() {
        QTest::addColumn<bool>("lock");
        QTest::addColumn<bool>("blocks");
        QTest::newRow("lock on, radio silent") << true << false;
        QTest::newRow("during the blocks") << false << true;
    }
    void closingTheWindowEndsTheExchange() {
        VQ740_NEEDS_PTY();
        QFETCH(bool, lock);
        QFETCH(bool, blocks);
        const QByteArray parameters = QByteArray(1, char(lock)) + "\x01\x01";
        RadioWindow w(parameters);
        QVERIFY(w.ready);
        w.radio.model.faults.silent = !blocks;
        w.radio.options.pace = true;
        w.showActive();
        QCOMPARE(w.get<QGroupBox>("Frame1")->isEnabled(), !lock);
        w.get<QAction>("mnureadFre")->trigger();
        // Starting an exchange makes the band selector usable, also under
        // the lock; the panel and the table stay as the lock left them.
        QVERIFY(w.get<QGroupBox>("Frame1")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), w.get<QComboBox>("Combo1"));
        QCOMPARE(w.get<QWidget>("Frame2")->isEnabled(), !lock);
        QCOMPARE(w.get<ChannelGrid>("Grid1")->isEnabled(), !lock);
        if (blocks)
            QTRY_VERIFY_WITH_TIMEOUT(w.get<QProgressBar>("ProgressBar1")->value() >= 50, 5000);

        w.form->findChild<QAction *>("mnuQuit")->trigger();
        QCOMPARE(w.parameterFile(), parameters);
        QVERIFY(!w.get<SerialPort>("MSComm1")->isOpen());
        for (QTimer *timer :
             {w.session->watchdogTimer(), w.session->blinkTimer(), w.session->retryTimer()})
            QVERIFY(!timer->isActive());
        // The radio gets its end byte, and nothing after it.
        QTRY_COMPARE(w.radio.model.endBytes, 1);
        QCOMPARE(w.radio.model.frames.last(), frame({0x45}));
        QVERIFY(w.boxes.boxes.isEmpty());
        QVERIFY(w.outcomes.isEmpty());
    }
};

QTEST_MAIN(TestRadioWindow)
#include "tst_radiowindow.moc"
