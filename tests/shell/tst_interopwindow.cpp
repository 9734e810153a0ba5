// The main window's Import, Export, Print, Export PDF and Edit commands as a
// user gives them: file names from a test chooser, the real dialogs answered
// through their own controls, message boxes recorded, keys and presses on
// the channel table.
#include "../interop/chirprows.h"
#include "editor/celleditors.h"
#include "editor/channelgrid.h"
#include "interop/channelclipboard.h"
#include "interop/chirpexport.h"
#include "model/celltexts.h"
#include "msgboxrecorder.h"
#include "shell/filecommands.h"
#include "shell/form1.h"
#include "shell/interopdialogs.h"
#include "windowtesttools.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
class ListChooser : public FileChooser {
public:
    QString openPath(const QString &filter) override { return take(filter); }
    QString savePath(const QString &filter) override { return take(filter); }
    QString exportPath(const QString &filter, const QString &suffix) override {
        suffixes << suffix;
        return take(filter);
    }
    QString take(const QString &filter) {
        filters << filter;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QStringList paths;
    QStringList filters;
    QStringList suffixes;
};

// What a dialog showed and how it was answered.
struct ShownDialog {
    QString name;
    QString title;
    QMap<QString, QString> texts; // objectName -> text of labels, buttons, boxes
};

struct Window {
    explicit Window(bool english) {
        if (english)
            writeFile(dir.filePath("parameter"), QByteArray("\x00\x00\x01", 3));
        form = std::make_unique<Form1>(ParameterFile(dir.path(), dir.filePath("config")));
        form->setFileChooser(&chooser);
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the main window did not become active");
        grid()->setFocus();
        setDialogPresenter([this](QDialog &d) { return present(d); });
    }
    ~Window() { setDialogPresenter(nullptr); }

    int present(QDialog &d) {
        ShownDialog shown{d.objectName(), d.windowTitle(), {}};
        for (QWidget *w : d.findChildren<QWidget *>()) {
            if (auto *l = qobject_cast<QLabel *>(w))
                shown.texts[l->objectName()] = l->text();
            else if (auto *b = qobject_cast<QAbstractButton *>(w))
                shown.texts[b->objectName()] = b->text();
            else if (auto *t = qobject_cast<QPlainTextEdit *>(w))
                shown.texts[t->objectName()] = t->toPlainText();
        }
        dialogs << shown;
        const QString answer = answers.isEmpty() ? QString("btnOk") : answers.takeFirst();
        if (answer == "preview") {
            // The preview lays out the pages of the channel list.
            auto *widget = d.findChild<QPrintPreviewWidget *>();
            widget->updatePreview();
            previewPages = widget->pageCount();
            return QDialog::Rejected;
        }
        if (answer == "btnCancel") {
            d.findChild<QPushButton *>("btnCancel")->click();
            return d.result();
        }
        if (answer != "btnOk")
            d.findChild<QAbstractButton *>(answer)->click();
        d.findChild<QPushButton *>("btnOk")->click();
        return d.result();
    }

    ChannelGrid *grid() const { return childNamed<ChannelGrid>(form.get(), "Grid1"); }
    EditorState &state() const { return form->state(); }
    QAction *action(const char *name) const { return form->findChild<QAction *>(name); }
    QString channel(int row) const {
        QStringList cells;
        for (int c = 1; c <= 8; ++c)
            cells << grid()->cellText(row, c);
        return cells.join('|');
    }
    QPoint centre(int row, int column) const { return grid()->cellRect(row, column).center(); }
    void press(int row, int column, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, mods, centre(row, column));
    }
    void key(int key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), mods);
    }
    // Channels 2 and 3 in use in the window's language, shown.
    void fillChannels() {
        const qint16 language = state().language;
        ChannelTable &t = state().channels;
        for (int row : {2, 3}) {
            t.setCell(row, ColRxFrequency, row == 2 ? "446.00625" : "430.10000");
            t.setCell(row, ColTxFrequency, row == 2 ? "446.00625" : "435.10000");
            t.setCell(row, ColRxTone, offCaption(language));
            t.setCell(row, ColTxTone, row == 2 ? "D754N" : "199.9");
            for (int c = ColPower; c <= ColScanAdd; ++c)
                t.setOption(row, c, 1, language);
        }
        grid()->refresh();
    }

    QTemporaryDir dir;
    ListChooser chooser;
    MsgBoxRecorder boxes;
    std::unique_ptr<Form1> form;
    QList<ShownDialog> dialogs;
    // Per dialog: btnOk, btnCancel, a control to click before OK, or
    // "preview" (the print preview lays out its pages and closes).
    QStringList answers;
    int previewPages = -1;
};

const QByteArray kList =
    chirpFile({chirpRow({{"Location", "5"}, {"Frequency", "446.007"}, {"Name", "A"}}),
               chirpRow({{"Location", "9"}, {"Frequency", "146.52"}})});
} // namespace

class TestInteropWindow : public QObject {
    Q_OBJECT
private slots:
    void importAsksPlacementThenShowsTheReport_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("placement");
        QTest::addColumn<int>("row");
        QTest::newRow("English, by Location") << true << "optByLocation" << 5;
        QTest::newRow("Chinese, in order") << false << "optSequential" << 1;
    }
    void importAsksPlacementThenShowsTheReport() {
        QFETCH(bool, english);
        QFETCH(QString, placement);
        QFETCH(int, row);
        Window w(english);
        w.fillChannels();
        writeFile(w.dir.filePath("list.csv"), kList);
        w.chooser.paths << w.dir.filePath("list.csv");
        w.answers << placement << "btnOk";
        w.action("mnuImport")->trigger();
        QCOMPARE(w.chooser.filters, QStringList{csvFileFilter()});
        QCOMPARE(w.dialogs.size(), 2);
        const ShownDialog &ask = w.dialogs.at(0);
        QCOMPARE(ask.name, QString("ImportPlacement"));
        QCOMPARE(ask.title, english ? QString("Import CHIRP CSV") : QString("导入 CHIRP CSV"));
        QCOMPARE(ask.texts.value("optSequential"), english ? QString("The first 16 rows that fit")
                                                           : QString("依次取前 16 个合适的行"));
        QCOMPARE(ask.texts.value("btnCancel"), english ? QString("Cancel") : QString("取消"));
        const ShownDialog &report = w.dialogs.at(1);
        QCOMPARE(report.name, QString("ImportReport"));
        QVERIFY(report.texts.value("lblSummary")
                    .startsWith(english ? "Rows taken: 1, snapped: 1, refused: 1." : "导入 1 行"));
        QVERIFY(report.texts.value("txtReport")
                    .contains(
                        english
                            ? "Line 3: [Frequency] 146.520000 MHz lies outside the range 400-470MHz"
                            : "第 3 行：[Frequency] 146.520000 MHz 超出频段 400-470MHz"));
        QCOMPARE(w.channel(row), english
                                     ? QString("446.00625|Off|446.00625|Off|High|Off|Wide|Yes")
                                     : QString("446.00625|关闭|446.00625|关闭|高|关闭|宽带|有"));
        // The file replaces the channels: 2 and 3 are gone.
        QVERIFY(w.grid()->cellText(2, ColRxFrequency).isEmpty());
        QVERIFY(w.boxes.boxes.isEmpty());
    }

    void cancelChangesNothing_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("placement cancelled") << QStringList{"btnCancel"};
        QTest::newRow("report cancelled") << QStringList{"optByLocation", "btnCancel"};
    }
    void cancelChangesNothing() {
        QFETCH(QStringList, answers);
        Window w(true);
        w.fillChannels();
        const ChannelTable before = w.state().channels;
        writeFile(w.dir.filePath("list.csv"), kList);
        w.chooser.paths << w.dir.filePath("list.csv");
        w.answers = answers;
        w.action("mnuImport")->trigger();
        QCOMPARE(w.state().channels, before);
        QCOMPARE(w.channel(2), QString("446.00625|Off|446.00625|D754N|High|Carrier|Wide|Yes"));
    }

    void unusableFileIsOnlyReported() {
        Window w(true);
        w.fillChannels();
        const ChannelTable before = w.state().channels;
        writeFile(w.dir.filePath("list.csv"), chirpFile({chirpRow()}));
        w.chooser.paths << w.dir.filePath("list.csv");
        w.action("mnuImport")->trigger();
        QCOMPARE(w.dialogs.size(), 2);
        QVERIFY(w.dialogs.at(1)
                    .texts.value("lblSummary")
                    .startsWith("No row fits the radio in the range 400-470MHz"));
        QVERIFY(!w.dialogs.at(1).texts.contains("btnCancel"));
        QCOMPARE(w.dialogs.at(1).texts.value("lblImportUnusable"), QString("Nothing is imported."));
        QCOMPARE(w.state().channels, before);
        // A file that cannot be read is a message naming it.
        w.chooser.paths << w.dir.filePath("missing.csv");
        w.action("mnuImport")->trigger();
        QCOMPARE(w.boxes.boxes.size(), 1);
        QVERIFY(w.boxes.boxes.first().text.contains("missing.csv"));
    }

    void exportWritesTheFileAfterItsWarnings_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("OK") << int(MsgResult::Ok) << true;
        QTest::newRow("Cancel") << int(MsgResult::Cancel) << false;
    }
    void exportWritesTheFileAfterItsWarnings() {
        QFETCH(int, answer);
        QFETCH(bool, written);
        Window w(true);
        w.fillChannels();
        w.chooser.paths << w.dir.filePath("list");
        w.boxes.answers << answer;
        w.action("mnuExport")->trigger();
        QCOMPARE(w.chooser.suffixes, QStringList{"csv"});
        QCOMPARE(w.boxes.boxes.size(), 1);
        const QString text = w.boxes.boxes.first().text;
        QVERIFY(text.contains("Channel 03: TX tone 199.9 Hz: CHIRP's tone list has 199.5 instead"));
        QVERIFY(text.contains("the Carrier setting of channels 02, 03 is not carried"));
        QCOMPARE(QFile::exists(w.dir.filePath("list.csv")), written);
        if (written)
            QCOMPARE(readFile(w.dir.filePath("list.csv")), exportChirpCsv(w.state()).bytes);
    }

    void exportFailureNamesTheFile() {
        Window w(false);
        w.fillChannels();
        const QString path = w.dir.filePath("no/such/folder/list.csv");
        w.chooser.paths << path;
        w.boxes.answers << MsgResult::Ok;
        w.action("mnuExport")->trigger();
        QCOMPARE(w.boxes.boxes.size(), 2);
        QVERIFY(w.boxes.boxes.last().text.startsWith("无法写入文件"));
        QVERIFY(w.boxes.boxes.last().text.contains("list.csv"));
    }

    void copyAndPasteRows() {
        Window w(true);
        w.fillChannels();
        // The channel number selects its channel; Shift+press extends.
        w.press(2, ColNumber);
        w.press(3, ColRxFrequency, Qt::ShiftModifier);
        QVERIFY(!w.form->findChild<CellEditors *>()->openEditor());
        QCOMPARE(w.grid()->selectedChannels(), (QList<int>{2, 3}));
        w.key(Qt::Key_C, Qt::ControlModifier);
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime->text().startsWith("CH\tRX frequency\tQT/DQT\tTX frequency"));
        QVERIFY(mime->text().contains(
            "\r\n03\t430.10000\tOff\t435.10000\t199.9\tHigh\tCarrier\tWide\tYes\r\n"));
        QVERIFY(mime->hasFormat(kChannelsMimeType));
        // Ctrl+press picks channel 10 (empty) without opening its editor.
        w.press(10, ColPower, Qt::ControlModifier);
        w.press(2, ColNumber, Qt::ControlModifier);
        w.press(3, ColNumber, Qt::ControlModifier);
        QCOMPARE(w.grid()->selectedChannels(), QList<int>{10});
        QVERIFY(!w.form->findChild<CellEditors *>()->openEditor());
        w.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.channel(10), w.channel(2));
        QCOMPARE(w.channel(11), w.channel(3));
        QCOMPARE(w.grid()->selectedChannels(), (QList<int>{10, 11}));
        // Text from a spreadsheet pastes the same way.
        QGuiApplication::clipboard()->setText("446.1\t88.5\r\n");
        w.grid()->selectChannels(16, 16);
        w.action("mnuPaste")->trigger();
        QCOMPARE(w.channel(16), QString("446.10000|88.5|446.10000|Off|High|Off|Wide|Yes"));
    }

    void pasteRefusesABadCellAndChangesNothing() {
        Window w(false);
        w.fillChannels();
        const ChannelTable before = w.state().channels;
        QGuiApplication::clipboard()->setText("446\r\n480\r\n");
        w.grid()->selectChannels(2, 2);
        w.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.boxes.boxes.size(), 1);
        QCOMPARE(w.boxes.boxes.first().text,
                 QString("信道 03，“接收频率”列：“480”超出频段范围（400-470MHz）。"));
        QCOMPARE(w.state().channels, before);
    }

    void cutAndDeleteEmptyTheSelectedChannels() {
        Window w(true);
        w.fillChannels();
        w.grid()->selectCell(2, ColPower);
        QVERIFY(!w.action("mnuDelete")->isEnabled()); // a cell is no channel
        w.key(Qt::Key_Space, Qt::ShiftModifier);
        QCOMPARE(w.grid()->selectedChannels(), QList<int>{2});
        QVERIFY(w.action("mnuDelete")->isEnabled());
        w.key(Qt::Key_Delete);
        QVERIFY(!w.state().channels.inUse(2));
        QVERIFY(w.state().channels.inUse(3));
        // Delete in the Functions Setting lists deletes no channel.
        w.grid()->selectChannels(3, 3);
        w.form->findChild<QComboBox *>("Combo9")->setFocus();
        w.key(Qt::Key_Delete);
        QVERIFY(w.state().channels.inUse(3));
        // Cut: the clipboard has the channel, the table no more.
        w.grid()->setFocus();
        w.key(Qt::Key_X, Qt::ControlModifier);
        QVERIFY(!w.state().channels.inUse(3));
        QVERIFY(QGuiApplication::clipboard()->text().contains("430.10000"));
    }

    void keyboardSelectsChannels() {
        Window w(true);
        w.grid()->selectCell(4, ColRxTone);
        w.key(Qt::Key_Down, Qt::ShiftModifier);
        w.key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(w.grid()->selectedChannels(), (QList<int>{4, 5, 6}));
        w.key(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(w.grid()->selectedChannels(), (QList<int>{4, 5}));
        w.key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(w.grid()->selectedChannels().size(), 16);
        w.key(Qt::Key_Right);
        QVERIFY(w.grid()->selectedChannels().isEmpty());
        QCOMPARE(w.grid()->selectionModel()->selectedIndexes().size(), 1);
    }

    void lockHoldsTheEditCommands() {
        Window w(true);
        w.fillChannels();
        w.grid()->selectChannels(2, 3);
        w.action("mnulock")->trigger();
        for (const char *name : {"mnuCut", "mnuPaste", "mnuDelete", "mnuImport"})
            QVERIFY2(!w.action(name)->isEnabled(), name);
        QVERIFY(w.action("mnuCopy")->isEnabled());
        QVERIFY(w.action("mnuExport")->isEnabled());
    }

    void printShowsOptionsThenThePreview_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("omit");
        QTest::newRow("English") << true << "Omit empty channels";
        QTest::newRow("Chinese") << false << "省略空信道";
    }
    void printShowsOptionsThenThePreview() {
        QFETCH(bool, english);
        QFETCH(QString, omit);
        Window w(english);
        w.fillChannels();
        w.answers << "chkOmitEmpty"
                  << "preview";
        w.action("mnuPrint")->trigger();
        QCOMPARE(w.dialogs.size(), 2);
        QCOMPARE(w.dialogs.at(0).name, QString("PrintOptions"));
        QCOMPARE(w.dialogs.at(0).texts.value("chkOmitEmpty"), omit);
        QCOMPARE(w.dialogs.at(1).name, QString("PrintPreview"));
        QCOMPARE(w.previewPages, 1);
    }

    void exportPdfWritesAPdf() {
        Window w(false);
        w.fillChannels();
        w.chooser.paths << w.dir.filePath("list");
        w.action("mnuExportPdf")->trigger();
        QCOMPARE(w.chooser.suffixes, QStringList{"pdf"});
        QCOMPARE(w.dialogs.size(), 1);
        QVERIFY(readFile(w.dir.filePath("list.pdf")).startsWith("%PDF-"));
        // Cancel in the options writes nothing.
        w.chooser.paths << w.dir.filePath("other.pdf");
        w.answers << "btnCancel";
        w.action("mnuExportPdf")->trigger();
        QVERIFY(!QFile::exists(w.dir.filePath("other.pdf")));
    }
};

QTEST_MAIN(TestInteropWindow)
#include "tst_interopwindow.moc"
