// The main window driven as a user drives it: start-up and exit with the
// parameter file, captions in both languages, the lock, band changes, the
// File commands, the hidden service modes, help and the commands handed to
// the radio exchange.
#include "dialogs/optiondialogs.h"
#include "editor/channelgrid.h"
#include "image/imagecodec.h"
#include "link/portchooser.h"
#include "model/bands.h"
#include "model/settingfields.h"
#include "msgboxrecorder.h"
#include "shell/captiontable.h"
#include "shell/filecommands.h"
#include "shell/form1.h"
#include "shell/radiolinkpart.h"
#include "shell/writetexts.h"
#include "tests/support/imagebuilder.h"
#include "windowtesttools.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUrl>

namespace {
class ListChooser : public FileChooser {
public:
    QString openPath(const QString &) override {
        ++asked;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QString savePath(const QString &) override {
        ++asked;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QStringList paths;
    int asked = 0;
};

// A window whose parameter file lives in a folder of the test's own.
struct Window {
    explicit Window(const QByteArray *parameterBytes = nullptr) {
        if (parameterBytes)
            QVERIFY(writeFile(parameterPath(), *parameterBytes));
        form = std::make_unique<Form1>(ParameterFile(dir.path(), dir.filePath("config")));
        form->setFileChooser(&chooser);
        form->setServiceClock([this] { return now; });
        form->setUrlOpener([this](const QUrl &url) {
            opened << url;
            return true;
        });
    }
    QString parameterPath() const { return dir.filePath("parameter"); }
    template <typename T> T *get(const char *name) const { return childNamed<T>(form.get(), name); }
    QComboBox *combo(const char *name) const { return get<QComboBox>(name); }
    QAction *action(const char *name) const { return get<QAction>(name); }
    QAction *button(int i) const { return action(qPrintable(QString("Toolbar1_%1").arg(i))); }
    QAction *portItem(int port) const { return action(qPrintable(QString("mnucom%1").arg(port))); }
    ChannelGrid *grid() const { return get<ChannelGrid>("Grid1"); }
    void clickLabel(const char *name, double at) {
        now = at;
        QTest::mouseClick(get<QLabel>(name), Qt::LeftButton);
    }
    void clickButton(int index, double at) {
        now = at;
        button(index)->trigger();
    }

    QTemporaryDir dir;
    ListChooser chooser;
    MsgBoxRecorder boxes;
    QList<QUrl> opened;
    double now = 1000;
    std::unique_ptr<Form1> form;
};

// Every caption of the main window in Chinese and English, written out here
// independently of the program's own table.
QString captionOf(QObject *object) {
    if (auto *menu = qobject_cast<QMenu *>(object))
        return menu->title();
    if (auto *action = qobject_cast<QAction *>(object))
        return action->text();
    if (auto *frame = qobject_cast<QGroupBox *>(object))
        return frame->title();
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *window = qobject_cast<QWidget *>(object); window && window->isWindow())
        return window->windowTitle();
    return "<unknown control>";
}

const char *const kLists[] = {"Combo1", "Combo2", "Combo3", "Combo4", "Combo9", "Combo6", "Combo7"};
} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private:
    // Every row of the caption table shows on its control in the language,
    // and every list has one item per value the radio keeps.
    void checkCaptions(Window &w, bool chinese) {
        const qint16 language = chinese ? 0 : 1;
        // The program's title, then the file and the unsaved-change mark.
        QVERIFY2(w.form->windowTitle().startsWith(mainWindowTitle(language) + " - "),
                 qPrintable(w.form->windowTitle()));
        for (const CaptionRow &row : mainWindowCaptions()) {
            const QString where = row.control + QLatin1Char(' ') + QString::number(row.index);
            QVERIFY2(!row.text(0).isEmpty() && !row.text(1).isEmpty(), qPrintable(where));
            switch (row.kind) {
            case CaptionKind::WindowTitle:
                QVERIFY(w.form->windowTitle().startsWith(row.text(language)));
                break;
            case CaptionKind::Caption: {
                QObject *object = w.form->findChild<QObject *>(row.control);
                // Made when they are shown (and checked by their own tests):
                // the port menu's item for "no device", the windows of
                // Import and Print.
                static const QStringList onDemand{
                    "mnucomNone",    "ImportPlacement", "lblPlacement",   "optByLocation",
                    "optSequential", "ImportReport",    "lblImportApply", "lblImportUnusable",
                    "PrintOptions",  "chkOmitEmpty",    "btnOk",          "btnCancel"};
                if (!object && onDemand.contains(row.control))
                    break;
                QVERIFY2(object, qPrintable(where));
                QCOMPARE(captionOf(object), row.text(language));
                break;
            }
            case CaptionKind::ToolTip:
                QCOMPARE(w.button(row.index)->toolTip(), row.text(language));
                break;
            case CaptionKind::GridHeader:
                QCOMPARE(w.grid()->headerText(row.index), row.text(language));
                break;
            case CaptionKind::ListItem:
                QCOMPARE(w.combo(qPrintable(row.control))->itemText(row.index), row.text(language));
                break;
            case CaptionKind::TableHeader: {
                auto *table = w.form->findChild<QTableWidget *>(row.control);
                QVERIFY2(table && table->horizontalHeaderItem(row.index), qPrintable(where));
                QCOMPARE(table->horizontalHeaderItem(row.index)->text(), row.text(language));
                break;
            }
            }
        }
        for (int i = 0; i < settingFieldCount(); ++i) {
            const SettingField &f = settingFieldAt(i);
            if (QLatin1String(f.window) == "Form1")
                QCOMPARE(w.combo(f.control)->count(), f.max + 1); // -1 is no selection
        }
        QCOMPARE(w.combo("Combo1")->count(), kBandCount);
        for (int b = 0; b < kBandCount; ++b)
            QCOMPARE(w.combo("Combo1")->itemText(b), bandText(b));
        for (int port = 1; port <= 8; ++port)
            QCOMPARE(w.portItem(port)->text(), QString("COM%1(&%1)").arg(port));
    }

private slots:
    void firstRunStartsInChineseUnlockedWithDefaults() {
        Window w;
        QCOMPARE(readFile(w.parameterPath()), QByteArray()); // created empty
        checkCaptions(w, true);
        QVERIFY(!w.action("mnulock")->isChecked());
        QCOMPARE(w.get<PortChooser>("portChooser")->rememberedPort(), 0);
        for (const char *frame : {"Frame1", "Frame2"})
            QVERIFY(w.get<QWidget>(frame)->isEnabled());
        QVERIFY(w.grid()->isEnabled());
        // Start-up selections.
        QCOMPARE(w.combo("Combo1")->currentIndex(), 0);
        QCOMPARE(w.combo("Combo2")->currentIndex(), 1);
        QCOMPARE(w.combo("Combo3")->currentText(), QString("90 秒"));
        QCOMPARE(w.combo("Combo4")->currentIndex(), 1);
        QCOMPARE(w.combo("Combo9")->currentIndex(), 4);
        QCOMPARE(w.combo("Combo6")->currentIndex(), 1);
        QCOMPARE(w.combo("Combo7")->currentIndex(), 1);
        QCOMPARE(w.form->state().store.pf1, 10);
        QCOMPARE(w.form->state().store.txHighPower, 63);
        // Hidden items exist but stay hidden.
        for (const char *name : {"mnudtmf", "Key_enactment", "mnumainhelp"})
            QVERIFY2(!w.action(name)->isVisible(), name);
        QVERIFY(!w.button(7)->isVisible());
        QVERIFY(!w.button(8)->isVisible());
        QVERIFY(w.button(7)->toolTip().isEmpty());
        QVERIFY(w.button(8)->toolTip().isEmpty());
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        for (const char *name : {"Label1", "Combo4", "ProgressBar1", "Label"})
            QVERIFY2(!w.get<QWidget>(name)->isVisible(), name);
        // The idle status line names F1; the exchange's status label stays
        // hidden and empty.
        QVERIFY(w.get<QLabel>("lblHelpHint")->isVisible());
        QVERIFY(w.get<QLabel>("Label")->text().isEmpty());
        QVERIFY(w.get<QWidget>("Label2")->isVisible());
        QVERIFY(!w.get<QLabel>("Label2")->text().isEmpty());
        // Exit leaves a three-byte parameter file.
        w.action("mnuQuit")->trigger();
        QCOMPARE(readFile(w.parameterPath()), QByteArray(3, '\0'));
    }

    // One maker, named alike in the window's copyright line and the About
    // box, in either language.
    void makerIsNamedAlikeInTheWindowAndTheAboutBox_data() {
        QTest::addColumn<QByteArray>("parameter");
        QTest::addColumn<QString>("maker");
        QTest::newRow("English") << QByteArray("\x00\x00\x01", 3)
                                 << "VQ Radio Communications Co., Ltd.";
        QTest::newRow("Chinese") << QByteArray(3, '\0')
                                 << QString::fromUtf8("VQ 无线电通信有限公司");
    }
    void makerIsNamedAlikeInTheWindowAndTheAboutBox() {
        QFETCH(QByteArray, parameter);
        QFETCH(QString, maker);
        Window w(&parameter);
        QVERIFY(w.get<QLabel>("Label2")->text().endsWith(QStringLiteral(" ") + maker));
        w.action("mnuabout")->trigger();
        QCOMPARE(w.get<QLabel>("lblDescription")->text(), maker);
    }

    void menusAndToolbarInOrder() {
        Window w;
        QStringList menus;
        for (QAction *a : w.form->menuBar()->actions())
            menus << a->menu()->objectName();
        QCOMPARE(menus, (QStringList{"mnuFile", "mnuEdit", "mnupro", "mnuset", "mnucom",
                                     "mnuLanguage", "mnuhelp"}));
        QStringList fileItems;
        for (QAction *a : w.get<QMenu>("mnuFile")->actions())
            fileItems << (a->isSeparator() ? "-" : a->objectName());
        QCOMPARE(fileItems, (QStringList{"mnuNew", "mnuOpen", "mnuAssave", "mnuImport", "mnuExport",
                                         "mnuPrint", "mnuExportPdf", "mnuBackups", "mnuJournal",
                                         "-", "mnuQuit"}));
        QStringList editItems;
        for (QAction *a : w.get<QMenu>("mnuEdit")->actions())
            editItems << (a->isSeparator() ? "-" : a->objectName());
        QCOMPARE(editItems, (QStringList{"mnuUndo", "mnuRedo", "-", "mnuCut", "mnuCopy", "mnuPaste",
                                         "mnuDelete"}));
        QCOMPARE(w.action("mnuCut")->shortcut(), QKeySequence("Ctrl+X"));
        QCOMPARE(w.action("mnuCopy")->shortcut(), QKeySequence("Ctrl+C"));
        QCOMPARE(w.action("mnuPaste")->shortcut(), QKeySequence("Ctrl+V"));
        QCOMPARE(w.action("mnuDelete")->shortcut(), QKeySequence("Del"));
        QStringList items;
        for (QAction *a : w.get<QMenu>("mnupro")->actions())
            items << (a->isSeparator() ? "-" : a->objectName());
        QCOMPARE(items,
                 (QStringList{"mnureadFre", "mnuwriteFre", "mnuProgramRadios", "-", "mnudtmf",
                              "Key_enactment", "mnusetin", "mnudebug", "mnutestfre"}));
        QStringList keys;
        for (QAction *a : w.get<QToolBar>("Toolbar1")->actions())
            keys << (a->isSeparator() ? "-" : a->property("key").toString());
        QCOMPARE(keys, (QStringList{"new", "open", "save", "-", "read", "write", "TAnMa", "Anma"}));
        QCOMPARE(w.action("mnureadFre")->shortcut(), QKeySequence("Ctrl+R"));
        QCOMPARE(w.action("mnuwriteFre")->shortcut(), QKeySequence("Ctrl+W"));
        for (int port = 1; port <= 8; ++port)
            QVERIFY(w.portItem(port)->isCheckable());
    }

    void preferencesAreRestoredAndSaved_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("lock");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("lock, COM3, English") << QByteArray("\x01\x03\x01", 3) << true << 3 << false;
        QTest::newRow("COM8, Chinese") << QByteArray("\x00\x08\x00", 3) << false << 8 << true;
        QTest::newRow("flag 2") << QByteArray("\x00\x00\x02", 3) << false << 0 << false;
    }
    void preferencesAreRestoredAndSaved() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, lock);
        QFETCH(int, port);
        QFETCH(bool, chinese);
        Window w(&bytes);
        checkCaptions(w, chinese);
        QCOMPARE(w.action("mnulock")->isChecked(), lock);
        QCOMPARE(w.action("mnulock")->isChecked(), lock);
        QCOMPARE(w.get<QWidget>("Frame1")->isEnabled(), !lock);
        QCOMPARE(w.get<QWidget>("Frame2")->isEnabled(), !lock);
        QCOMPARE(w.grid()->isEnabled(), !lock);
        QCOMPARE(w.get<PortChooser>("portChooser")->rememberedPort(), port);
        // No port item shows a check mark for the remembered port.
        for (int p = 1; p <= 8; ++p)
            QVERIFY(!w.portItem(p)->isChecked());
        w.form->close();
        QCOMPARE(readFile(w.parameterPath()), bytes);
    }

    void lockTogglesTheEditingAreas() {
        Window w;
        w.action("mnulock")->trigger();
        QVERIFY(w.action("mnulock")->isChecked());
        QVERIFY(!w.get<QWidget>("Frame1")->isEnabled());
        QVERIFY(!w.get<QWidget>("Frame2")->isEnabled());
        QVERIFY(!w.grid()->isEnabled());
        w.get<PortChooser>("portChooser")->setRememberedPort(5);
        w.form->close();
        QCOMPARE(readFile(w.parameterPath()), QByteArray("\x01\x05\x00", 3));
        w.action("mnulock")->trigger();
        QVERIFY(!w.action("mnulock")->isChecked());
        QVERIFY(w.get<QWidget>("Frame1")->isEnabled());
        QVERIFY(w.get<QWidget>("Frame2")->isEnabled());
        QVERIFY(w.grid()->isEnabled());
    }

    void languageSwitchesBothWaysKeepingLists() {
        Window w;
        // Selections away from the defaults, and a channel in use.
        w.combo("Combo3")->setCurrentIndex(39);
        w.combo("Combo9")->setCurrentIndex(9);
        w.combo("Combo2")->setCurrentIndex(2);
        EditorState &s = w.form->state();
        s.channels.setCell(2, ColRxFrequency, "446.00625");
        s.channels.setCell(2, ColRxTone, "关闭");
        s.channels.setCell(2, ColTxTone, "D023N");
        s.channels.setOption(2, ColPower, 1, 0);
        s.channels.setOption(2, ColBclo, 1, 0);
        s.channels.setOption(2, ColWn, 1, 0);
        s.channels.setOption(2, ColScanAdd, 1, 0);
        w.grid()->refresh();
        QMap<QString, int> selected, counts;
        for (const char *name : kLists) {
            selected[name] = w.combo(name)->currentIndex();
            counts[name] = w.combo(name)->count();
        }
        const auto sameLists = [&] {
            for (const char *name : kLists) {
                QCOMPARE(w.combo(name)->currentIndex(), selected[name]);
                QCOMPARE(w.combo(name)->count(), counts[name]);
            }
        };

        w.action("mnuEnglish")->trigger();
        checkCaptions(w, false);
        sameLists();
        QCOMPARE(w.combo("Combo3")->currentText(), QString("600 S"));
        QCOMPARE(w.combo("Combo9")->currentText(), QString("Level 9"));
        const QStringList english{"446.00625", "Off",     "",     "D023N",
                                  "High",      "Carrier", "Wide", "Yes"};
        for (int c = 1; c <= 8; ++c)
            QCOMPARE(w.grid()->cellText(2, c), english[c - 1]);
        QCOMPARE(w.grid()->cellText(3, ColRxFrequency), QString());

        w.action("mnuChinese")->trigger();
        checkCaptions(w, true);
        sameLists();
        const QStringList chinese{"446.00625", "关闭", "", "D023N", "高", "载波", "宽带", "有"};
        for (int c = 1; c <= 8; ++c)
            QCOMPARE(w.grid()->cellText(2, c), chinese[c - 1]);
        // The edits are not saved: closing asks, and Discard lets it close.
        w.boxes.answers = {MsgResult::No};
        w.form->close();
        QCOMPARE(w.boxes.boxes.size(), 1);
        QCOMPARE(w.boxes.boxes[0].flags,
                 quint32(MsgStyle::YesNoCancel | MsgStyle::IconExclamation));
        QCOMPARE(readFile(w.parameterPath()), QByteArray(3, '\0'));
    }

    // The change list names every setting and every channel column with the
    // caption its window shows, in either language.
    void changeListNamesAreTheWindowsCaptions() {
        Window w;
        const auto bare = [](QString text) {
            for (const char *unit : {"[S]", "[秒]", "(秒)", ":"})
                if (text.endsWith(QString::fromUtf8(unit)))
                    text.chop(QString::fromUtf8(unit).size());
            return text;
        };
        for (qint16 language : {qint16(1), qint16(0)}) {
            w.action(language ? "mnuEnglish" : "mnuChinese")->trigger();
            for (int i = 0; i < settingFieldCount(); ++i) {
                const SettingField &f = settingFieldAt(i);
                const QString path = QString::fromLatin1(f.caption);
                if (path.isEmpty())
                    continue;
                const QString window = path.section('/', 0, 0);
                const QString control = path.section('/', 1).section(':', 0, 0);
                QWidget *top =
                    window == "Form1" ? w.form.get() : w.form->findChild<QWidget *>(window);
                QVERIFY2(top, f.name);
                QObject *object = nullptr;
                for (QWidget *candidate : top->findChildren<QWidget *>(control))
                    if (candidate->window() == top)
                        object = candidate;
                QVERIFY2(object, f.name);
                QString caption = captionOf(object);
                if (auto *grid = qobject_cast<QTableWidget *>(object))
                    caption = grid->horizontalHeaderItem(path.section(':', 1).toInt())->text();
                caption = bare(caption);
                // A caption the window has in Chinese only: the English
                // list gives the setting's own English name.
                const bool chineseOnly =
                    caption.contains(QRegularExpression("[\\x{4E00}-\\x{9FFF}]"));
                const QString expected = language == 1 && chineseOnly ? QString(f.name) : caption;
                const QString name = settingName(i, 0, language);
                // An entry of several carries its number; a test frequency
                // its window's title and row before the caption.
                if (f.codec == FieldCodec::Frequency)
                    QVERIFY2(name.endsWith(" 01 " + expected), qPrintable(name));
                else
                    QCOMPARE(name, f.count > 1 ? expected + " 1" : expected);
            }
            for (int c = ColRxFrequency; c <= ColScanAdd; ++c)
                QVERIFY2(channelFieldName(c, language).endsWith(w.grid()->headerText(c)),
                         qPrintable(channelFieldName(c, language)));
        }
    }

    // A tone the tone list lacks, and a tone word kept as read, show as they
    // are, marked in italics with a tooltip in the window's language.
    void oddTonesAreShownMarked() {
        Window w;
        QByteArray image = bytesFromImage(EncodeImage(w.form->state()));
        image.replace(0, 12,
                      QByteArray::fromHex("00256114002561149128"
                                          "1320"));
        image.replace(16, 12,
                      QByteArray::fromHex("0025611400256114"
                                          "7503"
                                          "B80B"));
        const QString file = w.dir.filePath("odd.DAT");
        QVERIFY(writeFile(file, image));
        w.chooser.paths = {file};
        w.action("mnuOpen")->trigger();
        const auto item = [&](int row, int column) { return w.grid()->item(row - 1, column); };
        QCOMPARE(item(1, ColRxTone)->text(), QString("D221N"));
        QCOMPARE(item(1, ColTxTone)->text(), QString("[2013]"));
        QCOMPARE(item(2, ColTxTone)->text(), QString("300.0"));
        QVERIFY(item(1, ColRxTone)->font().italic());
        QVERIFY(item(1, ColTxTone)->font().italic());
        QVERIFY(item(2, ColTxTone)->font().italic());
        QVERIFY(!item(2, ColRxTone)->font().italic());
        QVERIFY(item(2, ColRxTone)->toolTip().isEmpty());
        QVERIFY(item(1, ColRxTone)->toolTip().contains(QString::fromUtf8("亚音频列表")));
        QVERIFY(item(1, ColTxTone)->toolTip().contains("2013"));
        w.action("mnuEnglish")->trigger();
        QVERIFY(item(1, ColRxTone)->toolTip().contains("radio's tone list"));
        QVERIFY(item(1, ColTxTone)->toolTip().contains("kept exactly as read"));
        // Saved untouched, every word is as it was.
        const QString saved = w.dir.filePath("saved.DAT");
        w.chooser.paths = {saved};
        w.action("mnuAssave")->trigger();
        QCOMPARE(readFile(saved).mid(0, 32).toHex(), image.mid(0, 32).toHex());
    }

    void choosingTheActiveLanguageChangesNothing() {
        Window w;
        // A caption changed behind the program's back shows whether the table
        // was applied again.
        w.get<QLabel>("Label3")->setText("marker");
        w.action("mnuChinese")->trigger();
        QCOMPARE(w.get<QLabel>("Label3")->text(), QString("marker"));
        QCOMPARE(w.form->state().language, qint16(0));
    }

    void languageFlagTwoIgnoresTheLanguageCommands() {
        const QByteArray bytes("\x00\x00\x02", 3);
        Window w(&bytes);
        w.action("mnuChinese")->trigger();
        w.action("mnuEnglish")->trigger();
        QCOMPARE(w.form->state().language, qint16(2));
        checkCaptions(w, false);
        // The message box speaks Traditional Chinese.
        w.combo("Combo1")->setCurrentIndex(3);
        QCOMPARE(w.boxes.boxes.size(), 1);
        QCOMPARE(w.boxes.boxes[0].captions.value(1), QString("確定"));
        QCOMPARE(w.boxes.boxes[0].title, QString("Attention!"));
    }

    void bandChange_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("OK") << 1 << 5 << true;
        QTest::newRow("Cancel") << 2 << 0 << false;
    }
    void bandChange() {
        QFETCH(int, answer);
        QFETCH(int, selected);
        QFETCH(bool, cleared);
        Window w;
        w.form->state().channels.setCell(4, ColRxFrequency, "446.00625");
        w.grid()->refresh();
        w.boxes.answers = {answer};
        w.combo("Combo1")->setCurrentIndex(5);
        QCOMPARE(w.boxes.boxes.size(), 1);
        QCOMPARE(w.boxes.boxes[0].flags, quint32(4385));
        QCOMPARE(w.boxes.boxes[0].title, QString("注意！"));
        QCOMPARE(w.boxes.boxes[0].text, QString("改变频段将清除频道列表，确定吗？"));
        QCOMPARE(w.boxes.boxes[0].captions, (QMap<int, QString>{{1, "确定"}, {2, "取消"}}));
        QCOMPARE(w.boxes.boxes[0].defaultButton, 2);
        QCOMPARE(w.combo("Combo1")->currentIndex(), selected);
        QCOMPARE(w.form->state().acceptedBand, selected);
        QCOMPARE(w.form->state().bandPosition, selected);
        QCOMPARE(w.grid()->cellText(4, ColRxFrequency), cleared ? QString() : QString("446.00625"));
        QCOMPARE(w.grid()->cellText(4, ColNumber), QString("04"));
        // The accepted item again asks nothing.
        w.combo("Combo1")->setCurrentIndex(selected);
        QCOMPARE(w.boxes.boxes.size(), 1);
    }

    void openDecodesIntoEveryView() {
        Window w;
        EditorState source = startUpState(0);
        source.channels.setCell(1, ColRxFrequency, "146.12500");
        source.channels.setCell(1, ColTxFrequency, "146.12500");
        source.channels.setCell(1, ColRxTone, "88.5");
        source.channels.setCell(1, ColTxTone, "关闭");
        source.channels.setOption(1, ColPower, 0, 0);
        source.channels.setOption(1, ColBclo, 0, 0);
        source.channels.setOption(1, ColWn, 1, 0);
        source.channels.setOption(1, ColScanAdd, 1, 0);
        source.bandPosition = source.acceptedBand = 5;
        source.functions.timeoutTimer = 10;
        source.functions.squelchLevel = 2;
        source.functions.beep = 0;
        const QString path = w.dir.filePath("radio.DAT");
        QVERIFY(writeFile(path, bytesFromImage(EncodeImage(source))));
        w.form->state().debugWriteMode = true;
        w.chooser.paths = {path};
        w.button(2)->trigger();
        QVERIFY(w.boxes.boxes.isEmpty()); // the band changes without a question
        QCOMPARE(w.combo("Combo1")->currentText(), QString("136-174MHz"));
        QCOMPARE(w.combo("Combo3")->currentText(), QString("165 秒"));
        QCOMPARE(w.combo("Combo9")->currentIndex(), 2);
        QCOMPARE(w.combo("Combo7")->currentIndex(), 0);
        QCOMPARE(w.grid()->cellText(1, ColRxFrequency), QString("146.12500"));
        QCOMPARE(w.grid()->cellText(1, ColRxTone), QString("88.5"));
        QCOMPARE(w.grid()->cellText(1, ColPower), QString("低"));
        QCOMPARE(w.grid()->cellText(1, ColWn), QString("宽带"));
        QVERIFY(!w.form->state().debugWriteMode);
    }

    void shortFileIsRefusedAndTheEditorKept() {
        Window w;
        w.action("mnuEnglish")->trigger();
        w.form->state().channels.setCell(6, ColRxFrequency, "446.10000");
        w.grid()->refresh();
        w.combo("Combo9")->setCurrentIndex(8);
        const QString path = w.dir.filePath("short.DAT");
        QVERIFY(writeFile(path, startUpImageBytes().left(100)));
        w.chooser.paths = {path};
        // Open asks about the unsaved edits first; Discard goes on.
        w.boxes.answers = {MsgResult::No};
        w.action("mnuOpen")->trigger();
        QCOMPARE(w.boxes.boxes.size(), 2);
        QVERIFY(w.boxes.boxes[0].text.contains("not saved"));
        QVERIFY(w.boxes.boxes[1].text.contains("too short"));
        QCOMPARE(w.boxes.boxes[1].title, QString("VQ-740 Software"));
        QCOMPARE(w.grid()->cellText(6, ColRxFrequency), QString("446.10000"));
        QCOMPARE(w.combo("Combo9")->currentIndex(), 8);
        QCOMPARE(w.form->state().functions.squelchLevel, 8);
    }

    // A file named on the command line takes the path of File > Open: the
    // same messages and the same editor afterwards.
    void fileGivenAtStartOpensAsFileOpen_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("language");
        EditorState source = startUpState(1);
        source.channels.setCell(3, ColRxFrequency, "146.12500");
        source.channels.setCell(3, ColTxFrequency, "146.50000");
        source.bandPosition = source.acceptedBand = 5;
        source.functions.squelchLevel = 7;
        const QByteArray file = bytesFromImage(EncodeImage(source));
        QTest::newRow("data file, Chinese") << file << true << 0;
        QTest::newRow("data file, English") << file << true << 1;
        QTest::newRow("too short") << file.left(815) << true << 1;
        QTest::newRow("missing") << QByteArray() << false << 0;
    }
    void fileGivenAtStartOpensAsFileOpen() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        QFETCH(int, language);
        QTemporaryDir files;
        const QString path = files.filePath("radio.DAT");
        if (exists)
            QVERIFY(writeFile(path, bytes));
        const QByteArray parameters = QByteArray(2, '\0') + char(language);
        struct Outcome {
            QStringList messages;
            QString image;
            QString rxText;
        };
        const auto outcome = [&](bool givenAtStart) {
            Window w(&parameters);
            w.form->show();
            if (givenAtStart) {
                w.form->openFile(path);
            } else {
                w.chooser.paths = {path};
                w.action("mnuOpen")->trigger();
            }
            Outcome o;
            for (const RecordedBox &box : w.boxes.boxes)
                o.messages << box.text + QLatin1Char('|') + box.title;
            o.image = EncodeImage(w.form->state());
            o.rxText = w.grid()->cellText(3, ColRxFrequency);
            return o;
        };
        const Outcome menu = outcome(false);
        const Outcome start = outcome(true);
        QCOMPARE(start.messages, menu.messages);
        QCOMPARE(start.image, menu.image);
        QCOMPARE(start.rxText, menu.rxText);
        const bool opens = exists && bytes.size() >= 816;
        QCOMPARE(start.messages.isEmpty(), opens);
        QCOMPARE(start.rxText, opens ? QString("146.12500") : QString());
        if (!opens)
            QCOMPARE(start.image, EncodeImage(Window(&parameters).form->state()));
    }

    void saveOverwriteNoAsksAgainAndCancelWritesNothing() {
        Window w;
        const QString path = w.dir.filePath("old.DAT");
        QVERIFY(writeFile(path, "old contents"));
        w.chooser.paths = {path};
        w.boxes.answers = {7};
        w.button(3)->trigger();
        QCOMPARE(w.chooser.asked, 2);
        QCOMPARE(w.boxes.boxes.size(), 1);
        QCOMPARE(w.boxes.boxes[0].flags, quint32(36));
        QCOMPARE(w.boxes.boxes[0].captions, (QMap<int, QString>{{6, "是"}, {7, "否"}}));
        QCOMPARE(w.boxes.boxes[0].title, QString("VQ-740 Software"));
        QCOMPARE(readFile(path), QByteArray("old contents"));

        w.chooser.paths = {path};
        w.boxes.answers = {6};
        w.action("mnuAssave")->trigger();
        QCOMPARE(readFile(path), bytesFromImage(EncodeImage(w.form->state())));
    }

    void saveUsesTheFunctionSettingsShown() {
        Window w;
        w.combo("Combo6")->setCurrentIndex(0);
        w.combo("Combo3")->setCurrentIndex(0);
        const QString path = w.dir.filePath("new.DAT");
        w.chooser.paths = {path};
        w.action("mnuAssave")->trigger();
        EditorState reread = startUpState(0);
        QVERIFY(DecodeImage(reread, imageFromBytes(readFile(path))));
        QCOMPARE(reread.functions.batterySave, 0);
        QCOMPARE(reread.functions.timeoutTimer, 0);
    }

    void newClearsChannelsAfterOk_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("OK") << 1 << true;
        QTest::newRow("Cancel") << 2 << false;
    }
    void newClearsChannelsAfterOk() {
        QFETCH(int, answer);
        QFETCH(bool, cleared);
        Window w;
        w.form->state().channels.setCell(9, ColRxFrequency, "446.10000");
        w.grid()->refresh();
        w.boxes.answers = {answer};
        w.button(1)->trigger();
        QCOMPARE(w.boxes.boxes.size(), 1);
        QCOMPARE(w.boxes.boxes[0].flags, quint32(305));
        QCOMPARE(w.boxes.boxes[0].title, QString("警告"));
        QCOMPARE(w.boxes.boxes[0].defaultButton, 2);
        QCOMPARE(w.grid()->cellText(9, ColRxFrequency).isEmpty(), cleared);
    }

    void bandOverrideGestureShowsButton8() {
        Window w;
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        w.clickLabel("Label4", 1000.0);
        w.clickLabel("Label8", 1002.0);
        QVERIFY(!w.button(8)->isVisible());
        w.clickLabel("Label6", 1006.0); // more than 5 s after the first
        QVERIFY(!w.form->state().bandOverrideMode);
        w.clickLabel("Label4", 1007.0);
        w.clickLabel("Label8", 1008.0);
        QVERIFY(w.form->state().bandOverrideMode);
        QVERIFY(w.button(8)->isVisible());
        // The panel gesture leaves debug write mode alone.
        QVERIFY(!w.button(7)->isVisible());

        // A double click that straddles a whole second needs a third click.
        w.clickButton(8, 1010.4);
        w.clickButton(8, 1011.2);
        QVERIFY(w.button(8)->isVisible());
        w.clickButton(8, 1011.5);
        QVERIFY(!w.button(8)->isVisible());
        QVERIFY(!w.form->state().bandOverrideMode);
    }

    void debugWriteModeFromTheDialogGestureAndButton7() {
        Window w;
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        w.now = 500;
        QTest::mouseClick(w.get<QWidget>("Form2")->findChild<QLabel *>("Label3"), Qt::LeftButton);
        QVERIFY(!w.button(7)->isVisible());
        w.now = 503;
        QTest::mouseClick(w.get<QWidget>("Form2")->findChild<QLabel *>("Label7"), Qt::LeftButton);
        QVERIFY(w.form->state().debugWriteMode);
        QVERIFY(w.button(7)->isVisible());
        QVERIFY(!w.button(8)->isVisible());

        w.clickButton(7, 510.0);
        QVERIFY(w.form->state().debugWriteMode);
        w.clickButton(7, 512.0);
        QVERIFY(w.form->state().debugWriteMode);
        w.clickButton(7, 512.3);
        QVERIFY(!w.form->state().debugWriteMode);
        QVERIFY(!w.button(7)->isVisible());
    }

    void helpOpensTheGuideOfTheLanguage() {
        Window w;
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QTest::keyClick(w.form.get(), Qt::Key_F1);
        QCOMPARE(w.opened.size(), 1);
        QVERIFY(w.opened[0].isLocalFile());
        // No compiled help file beside the program: the guide, on Windows too.
        const QString folder = QCoreApplication::applicationDirPath();
        QCOMPARE(w.opened[0].toLocalFile(), folder + "/docs/guide-zh.html");
        w.action("mnuEnglish")->trigger();
        w.action("mnumainhelp")->trigger();
        QCOMPARE(w.opened[1].toLocalFile(), folder + "/docs/guide.html");
        // The build puts both guides next to the program.
        for (const char *guide : {"/docs/guide.html", "/docs/guide-zh.html"})
            QVERIFY2(QFile::exists(QStringLiteral(VQ740_PROGRAM_DIR) + guide), guide);
    }

    void radioCommandsAreHandedOn() {
        Window w;
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QSignalSpy reads(w.get<RadioLinkPart>("radioLinkPart"), &RadioLinkPart::readRequested);
        QSignalSpy writes(w.get<RadioLinkPart>("radioLinkPart"), &RadioLinkPart::writeRequested);
        QSignalSpy ports(w.get<RadioLinkPart>("radioLinkPart"), &RadioLinkPart::portChosen);
        // No real serial device may answer for COM3 on the test machine.
        w.form->setPortNaming(
            [](int port) { return QStringLiteral("/dev/no-such-vq740-port%1").arg(port); });
        QTest::keyClick(w.form.get(), Qt::Key_R, Qt::ControlModifier);
        w.button(5)->trigger();
        QTest::keyClick(w.form.get(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(reads.size(), 2);
        QCOMPARE(writes.size(), 1);
        w.portItem(3)->trigger();
        QCOMPARE(ports.size(), 1);
        QCOMPARE(ports[0][0].toInt(), 3);
        QVERIFY(!w.portItem(3)->isChecked());
    }

    void gridShowsTheTableShadedAndWhole_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Chinese") << QByteArray(3, '\0');
        QTest::newRow("English") << QByteArray("\x00\x00\x01", 3);
    }
    void gridShowsTheTableShadedAndWhole() {
        QFETCH(QByteArray, bytes);
        Window w(&bytes);
        ChannelGrid *grid = w.grid();
        QCOMPARE(grid->objectName(), QString("Grid1"));
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(grid->rowCount(), 16);
        QCOMPARE(grid->columnCount(), 9);
        for (int row = 1; row <= 16; ++row) {
            QCOMPARE(grid->cellText(row, 0), QString("%1").arg(row, 2, 10, QChar('0')));
            for (int c = 0; c < 9; ++c) {
                const QTableWidgetItem *item = grid->item(row - 1, c);
                QCOMPARE(item->textAlignment(), int(Qt::AlignCenter));
                QCOMPARE(item->background().color() == QColor(192, 192, 255), row % 2 == 0);
            }
        }
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        // At the default size every cell is on screen without scrolling,
        // and the columns keep the proportions of their twip widths.
        const QRect view = grid->viewport()->rect();
        QVERIFY(view.contains(grid->cellRect(16, 8)));
        QVERIFY(view.contains(grid->cellRect(1, 0)));
        const double pixelsPerTwip = double(grid->columnWidth(1)) / 1330;
        for (int c = 0; c < 9; ++c)
            QVERIFY(qAbs(grid->columnWidth(c) - ChannelGrid::kColumnTwips[c] * pixelsPerTwip) <=
                    1.5);
        QCOMPARE(grid->cellRect(3, 2), grid->visualRect(grid->model()->index(2, 2)));
        // Wider window, wider columns, same proportions.
        const int before = grid->columnWidth(1);
        w.form->resize(w.form->width() + 300, w.form->height());
        QTRY_VERIFY(grid->columnWidth(1) > before);
        QVERIFY(grid->viewport()->rect().contains(grid->cellRect(16, 8)));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
