// What the preview, the warnings and the outcome of a write say, in both
// languages: the names of the channel fields and the settings, their values
// as the windows show them, and the lines of the change list.
#include "tests/support/imagebuilder.h"

#include "image/imagecodec.h"
#include "model/settingfields.h"
#include "shell/writetexts.h"

#include <QSet>
#include <QTest>

namespace {
int fieldIndex(const char *name) {
    for (int i = 0; i < settingFieldCount(); ++i)
        if (QLatin1String(settingFieldAt(i).name) == QLatin1String(name))
            return i;
    return -1;
}
} // namespace

class TestWriteTexts : public QObject {
    Q_OBJECT
private slots:
    void settingNames_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("english");
        QTest::newRow("a list of the main window") << "Squelch Level" << 0 << "静噪等级"
                                                   << "Squelch Level";
        QTest::newRow("a caption with its unit") << "VOX Delay time" << 0 << "VOX延迟时间"
                                                 << "VOX Delay time";
        QTest::newRow("look back time") << "Look Back Time B" << 0 << "回扫时间B"
                                        << "Look Back Time B";
        QTest::newRow("a check box") << "Cancel Operation" << 0 << "取消操作"
                                     << "Cancel Operation";
        QTest::newRow("a slider's frame") << "TX-High Power" << 0 << "发射高功率"
                                          << "TX-High Power";
        QTest::newRow("a test frequency") << "RX Frequency" << 4 << "测试频率 05 接收频率"
                                          << "Test Frequency 05 RX Frequency";
        QTest::newRow("an auto-dial code") << "Auto-dial Memory" << 2 << "自动拨号存储器 3"
                                           << "Auto-dial Memory 3";
        QTest::newRow("one caption in both languages") << "PF2" << 0 << "PF2"
                                                       << "PF2";
        QTest::newRow("a caption in Chinese only") << "First Digit Time" << 0 << "首位数码时间"
                                                   << "First Digit Time";
        QTest::newRow("no caption names it")
            << "Embedded Information line 2" << 0 << "嵌入信息第 2 行"
            << "Embedded Information line 2";
    }
    void settingNames() {
        QFETCH(QString, field);
        QFETCH(int, entry);
        QFETCH(QString, chinese);
        QFETCH(QString, english);
        const int index = fieldIndex(qPrintable(field));
        QVERIFY(index >= 0);
        QCOMPARE(settingName(index, entry, 0), chinese);
        QCOMPARE(settingName(index, entry, 1), english);
    }

    void everySettingHasItsOwnName_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("Chinese") << 0;
        QTest::newRow("English") << 1;
    }
    void everySettingHasItsOwnName() {
        QFETCH(int, language);
        QSet<QString> names;
        int entries = 0;
        for (int i = 0; i < settingFieldCount(); ++i) {
            for (int k = 0; k < settingFieldAt(i).count; ++k, ++entries) {
                const QString name = settingName(i, k, qint16(language));
                QVERIFY2(!name.isEmpty(), settingFieldAt(i).name);
                names << name;
            }
        }
        QCOMPARE(names.size(), entries);
    }

    void settingValues_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("shown");
        QTest::newRow("list item") << "Squelch Level" << 7 << "" << true << 1 << "Level 7";
        QTest::newRow("list item, Chinese") << "Squelch Level" << 7 << "" << true << 0 << "7 级";
        QTest::newRow("no selection") << "Time-out Timer" << -1 << "" << true << 1 << "(none)";
        QTest::newRow("time-out") << "Time-out Timer" << 5 << "" << true << 1 << "90 S";
        QTest::newRow("a dialog's list") << "Look Back Time A" << 0 << "" << true << 1 << "Empty";
        QTest::newRow("check box") << "Cancel Operation" << 1 << "" << true << 0 << "勾选";
        QTest::newRow("a number") << "Priority Channel" << 12 << "" << true << 1 << "12";
        QTest::newRow("milliseconds") << "First Digit Delay" << 500 << "" << true << 1 << "500 ms";
        QTest::newRow("a text") << "ID Code" << 0 << "1234" << true << 1 << "1234";
        QTest::newRow("an empty text") << "ID Code" << 0 << "" << true << 0 << "（空）";
        QTest::newRow("bytes decoding would not apply")
            << "Squelch Level" << 4 << "" << false << 1 << "byte(s) FF";
    }
    void settingValues() {
        QFETCH(QString, field);
        QFETCH(int, number);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, language);
        QFETCH(QString, shown);
        const int index = fieldIndex(qPrintable(field));
        QVERIFY(index >= 0);
        QCOMPARE(
            settingValueText(index, number, text, valid, QByteArray(1, '\xFF'), qint16(language)),
            shown);
    }

    void changeListLines_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("English") << 1
                                 << QStringList{"CH 03 RX frequency: 446.00625 → 446.01250",
                                                "Squelch Level: Level 4 → Level 9",
                                                "Embedded Information line 1: (empty) → HI"};
        QTest::newRow("Chinese") << 0
                                 << QStringList{"信道 03 接收频率：446.00625 → 446.01250",
                                                "静噪等级：4 级 → 9 级",
                                                "嵌入信息第 1 行：（空） → HI"};
    }
    void changeListLines() {
        QFETCH(int, language);
        QFETCH(QStringList, lines);
        EditorState before = startUpState(qint16(language));
        before.channels.setCell(3, ColRxFrequency, "446.00625");
        before.channels.setCell(3, ColTxFrequency, "446.00625");
        before.channels.setCell(3, ColRxTone, offCaptionFor(language));
        before.channels.setCell(3, ColTxTone, offCaptionFor(language));
        for (int column = ColPower; column <= ColScanAdd; ++column)
            before.channels.setOption(3, column, 1, qint16(language));
        EditorState after = before;
        after.channels.setCell(3, ColRxFrequency, "446.01250");
        after.functions.squelchLevel = 9;
        after.store.embeddedLine1 = "HI";
        const ImageChanges changes =
            compareImages(bytesFromImage(EncodeImage(before)), bytesFromImage(EncodeImage(after)),
                          writtenRanges(false), qint16(language));
        QCOMPARE(changeTexts(changes, qint16(language)), lines);
        QVERIFY(previewSummary(changes, qint16(language)).contains("3"));
    }

    void sameValueInOtherBytesShowsTheBytes_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("line");
        QTest::newRow("English") << 1 << "carried digit: 0 (FF) → 0 (00)";
        QTest::newRow("Chinese") << 0 << QString::fromUtf8("携带数字：0（FF） → 0（00）");
    }
    void sameValueInOtherBytesShowsTheBytes() {
        QFETCH(int, language);
        QFETCH(QString, line);
        // The carried digit reads 0 from both 00 and FF.
        QByteArray before = bytesFromImage(EncodeImage(startUpState(qint16(language))));
        QByteArray after = before;
        before[0x106] = char(0xFF);
        const QStringList lines = changeTexts(
            compareImages(before, after, writtenRanges(false), qint16(language)), qint16(language));
        QCOMPARE(lines, QStringList{line});
    }

    void warnings_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        using K = WriteWarningKind;
        QTest::newRow("band, English")
            << int(K::BandMismatch) << 1
            << "The radio's band is 136-174MHz, the data's 400-470MHz: the write will be refused.";
        QTest::newRow("band, Chinese")
            << int(K::BandMismatch) << 0
            << "对讲机频段为 136-174MHz，数据频段为 400-470MHz：写频将被拒绝。";
        QTest::newRow("setting, English")
            << int(K::SettingNotHeld) << 1
            << "Dropout delay time: the radio cannot hold the value 999.";
        QTest::newRow("setting, Chinese")
            << int(K::SettingNotHeld) << 0 << "扫描接收恢复延时时间：对讲机无法保存数值 999。";
        QTest::newRow("power level") << int(K::PowerLevel) << 1
                                     << "TX-High Power is 999, above 63, the most the radio takes.";
    }
    void warnings() {
        QFETCH(int, kind);
        QFETCH(int, language);
        QFETCH(QString, text);
        WriteWarning w{WriteWarningKind(kind), 0, 0, "999"};
        if (w.kind == WriteWarningKind::BandMismatch)
            w.value = "136-174MHz";
        w.field = fieldIndex("Dropout delay time");
        QCOMPARE(warningText(w, 0, false, qint16(language)), text);
    }

private:
    static QString offCaptionFor(int language) { return language == 0 ? "关闭" : "Off"; }
};

QTEST_GUILESS_MAIN(TestWriteTexts)
#include "tst_writetexts.moc"
