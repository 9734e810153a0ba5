// Channel rows on the clipboard: the tab-separated text and the program's
// own form, pasted through the entry rules of the channel table; Cut and
// Delete; the printed channel list document.
#include "interop/channelclipboard.h"
#include "interop/csvtext.h"
#include "model/bands.h"
#include "model/celltexts.h"
#include "shell/printcaptions.h"
#include "tests/support/imagebuilder.h"

#include <QTest>

namespace {
QString channel(const ChannelTable &t, int row) {
    QStringList cells;
    for (int c = 1; c <= 8; ++c)
        cells << t.cell(row, c);
    return cells.join('|');
}

// Channels 2 and 3 in use in the 400-470MHz range.
EditorState twoChannels(qint16 language) {
    EditorState st = startUpState(language);
    ChannelTable &t = st.channels;
    t.setCell(2, ColRxFrequency, "446.00625");
    t.setCell(2, ColTxFrequency, "");
    t.setCell(2, ColRxTone, "D754I");
    t.setCell(2, ColTxTone, "");
    t.setCell(3, ColRxFrequency, "430.10000");
    t.setCell(3, ColTxFrequency, "435.10000");
    t.setCell(3, ColRxTone, offCaption(language));
    t.setCell(3, ColTxTone, "100.3");
    for (int row : {2, 3}) {
        t.setOption(row, ColPower, row == 2 ? 0 : 1, language);
        t.setOption(row, ColBclo, row == 2 ? 1 : 0, language);
        t.setOption(row, ColWn, row == 2 ? 0 : 1, language);
        t.setOption(row, ColScanAdd, row == 2 ? 0 : 1, language);
    }
    return st;
}
} // namespace

class TestChannelClipboard : public QObject {
    Q_OBJECT
private slots:
    void copiedTextIsTabSeparatedWithCaptions_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("English")
            << 1
            << "CH\tRX frequency\tQT/DQT\tTX frequency\tQT/DQT\tPower\tBCLO\tW/N\tScan Add\r\n"
               "02\t446.00625\tD754I\t\t\tLow\tCarrier\tNarrow\tNo\r\n"
               "03\t430.10000\tOff\t435.10000\t100.3\tHigh\tOff\tWide\tYes\r\n";
        QTest::newRow("Chinese")
            << 0
            << "信道\t接收频率\t亚音频\t发射频率\t亚音频\t功率\t禁发\t宽\\窄带\t扫描添加\r\n"
               "02\t446.00625\tD754I\t\t\t低\t载波\t窄带\t无\r\n"
               "03\t430.10000\t关闭\t435.10000\t100.3\t高\t关闭\t宽带\t有\r\n";
    }
    void copiedTextIsTabSeparatedWithCaptions() {
        QFETCH(int, language);
        QFETCH(QString, text);
        const ChannelClip clip = copyChannels(twoChannels(qint16(language)), {3, 2, 3});
        QCOMPARE(clip.text, text);
    }

    void roundTripsThroughTextAndOwnForm_data() {
        QTest::addColumn<bool>("own");
        QTest::addColumn<int>("language");
        QTest::newRow("text, English") << false << 1;
        QTest::newRow("text, Chinese") << false << 0;
        QTest::newRow("own form, English") << true << 1;
        QTest::newRow("own form, Chinese") << true << 0;
    }
    void roundTripsThroughTextAndOwnForm() {
        QFETCH(bool, own);
        QFETCH(int, language);
        const EditorState st = twoChannels(qint16(language));
        const ChannelClip clip = copyChannels(st, {2, 3});
        // Pasted into the English window at channel 10.
        EditorState target = startUpState(1);
        const PasteResult r =
            pasteChannels(target, 10, clip.text, own ? clip.privateData : QByteArray());
        QVERIFY2(r.ok, qPrintable(r.message));
        QCOMPARE(r.firstRow, 10);
        QCOMPARE(r.lastRow, 11);
        // The own form keeps a channel without TX frequency as it is; the text
        // goes through the new-channel defaults, so TX = RX and its tone Off.
        QCOMPARE(channel(r.next.channels, 10),
                 own ? QString("446.00625|D754I|||Low|Carrier|Narrow|No")
                     : QString("446.00625|D754I|446.00625|Off|Low|Carrier|Narrow|No"));
        QCOMPARE(channel(r.next.channels, 11),
                 QString("430.10000|Off|435.10000|100.3|High|Off|Wide|Yes"));
        QCOMPARE(r.next.channels.optionIndex(10, ColBclo), 1);
        QVERIFY(!r.next.channels.inUse(12));
        QVERIFY(!r.next.channels.inUse(9));
    }

    void pastesSpreadsheetCells_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one frequency: new-channel defaults")
            << "446.1"
            << "446.10000|Off|446.10000|Off|High|Off|Wide|Yes";
        QTest::newRow("snapped like typing") << "446.107\r\n"
                                             << "446.10625|Off|446.10625|Off|High|Off|Wide|Yes";
        QTest::newRow("8 cells without CH")
            << "430\t88.5\t435\tD023N\tlow\tcarrier\tNARROW\tno"
            << "430.00000|88.5|435.00000|D023N|Low|Carrier|Narrow|No";
        QTest::newRow("9 cells, CH ignored, numbers as a spreadsheet shows them")
            << "7\t446.00625\t100\t446.00625\td023i\t高\t关闭\t宽带\t有"
            << "446.00625|100.0|446.00625|D023I|High|Off|Wide|Yes";
        QTest::newRow("tones a radio holds outside the list come back as copied")
            << "446\tD221N\t446\t300.0\t\t\t\t"
            << "446.00000|D221N|446.00000|300.0|High|Off|Wide|Yes";
        QTest::newRow("a tone word kept as read")
            << "446\t[2013]\t446\t[0005]"
            << "446.00000|[2013]|446.00000|[0005]|High|Off|Wide|Yes";
        QTest::newRow("quoted cell, blanks") << "\" 446.5 \"\t off "
                                             << "446.50000|Off|446.50000|Off|High|Off|Wide|Yes";
        QTest::newRow("empty RX empties the channel") << "05\t\t\t\t\t\t\t\t"
                                                      << "|||||||";
    }
    void pastesSpreadsheetCells() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        EditorState st = startUpState(1);
        st.channels.setCell(5, ColRxFrequency, "440.00000");
        const PasteResult r = pasteChannels(st, 5, text);
        QVERIFY2(r.ok, qPrintable(r.message));
        QCOMPARE(channel(r.next.channels, 5), expected);
    }

    void refusesABadCellNamingChannelAndColumn_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("out of band") << 1 << 4 << "446\r\n480"
                                     << "Channel 05, column \"RX frequency\": \"480\": Beyond the "
                                        "frequency range (400-470MHz).";
        QTest::newRow("out of band, Chinese")
            << 0 << 4 << "446\r\n480"
            << "信道 05，“接收频率”列：“480”超出频段范围（400-470MHz）。";
        QTest::newRow("TX not a number")
            << 1 << 1 << "446\t\t44.6.1"
            << "Channel 01, column \"TX frequency\": \"44.6.1\" is not a frequency.";
        QTest::newRow("tone no radio holds") << 1 << 2 << "446\t6.5"
                                             << "Channel 02, column \"QT/DQT\": \"6.5\" is not a "
                                                "tone (Off, 67.0 to 254.1, D023N, D023I).";
        QTest::newRow("DCS not octal") << 1 << 2 << "446\tOff\t446\tD018N"
                                       << "Channel 02, column \"QT/DQT\": \"D018N\" is not a "
                                          "tone (Off, 67.0 to 254.1, D023N, D023I).";
        QTest::newRow("option")
            << 1 << 2 << "446\t\t\t\tMedium"
            << "Channel 02, column \"Power\": \"Medium\" is not \"Low\" or \"High\".";
        QTest::newRow("option with a terminal escape, long, Chinese")
            << 0 << 2 << "446\t\t\t\t\x1B[2J" + QString(60, 'x')
            << "信道 02，“功率”列：“\\x1B[2J" + QString(36, 'x') + "...”不是“低”或“高”。";
        QTest::newRow("cells without RX") << 1 << 2 << "\tOff"
                                          << "Channel 02, column \"RX frequency\": a channel "
                                             "without RX frequency holds nothing else.";
        QTest::newRow("too many cells")
            << 1 << 2 << "1\t2\t3\t4\t5\t6\t7\t8\t9\t10"
            << "Channel 02, column \"CH\": the pasted row has 10 cells; 9 at most.";
        QTest::newRow("no room")
            << 1 << 15 << "446\r\n446\r\n446"
            << "From channel 15 on there is room for 2 rows; the clipboard holds 3.";
        QTest::newRow("nothing") << 1 << 1 << "\r\n"
                                 << "The clipboard holds no channels.";
        QTest::newRow("header only")
            << 1 << 1
            << "CH\tRX frequency\tQT/DQT\tTX frequency\tQT/DQT\tPower\tBCLO\tW/N\tScan Add\r\n"
            << "The clipboard holds no channels.";
    }
    void refusesABadCellNamingChannelAndColumn() {
        QFETCH(int, language);
        QFETCH(int, first);
        QFETCH(QString, text);
        QFETCH(QString, message);
        const PasteResult r = pasteChannels(startUpState(qint16(language)), first, text);
        QVERIFY(!r.ok);
        QCOMPARE(r.message, message);
    }

    void ownFormKeepsTheBandLimits() {
        EditorState source = startUpState(1);
        source.bandPosition = source.acceptedBand = kBand136To174;
        source.channels.setCell(1, ColRxFrequency, "146.52000");
        source.channels.setCell(1, ColTxFrequency, "146.52000");
        const ChannelClip clip = copyChannels(source, {1});
        const PasteResult r = pasteChannels(startUpState(1), 1, clip.text, clip.privateData);
        QVERIFY(!r.ok);
        QCOMPARE(r.message,
                 QString("Channel 01, column \"RX frequency\": \"146.52000\": Beyond the "
                         "frequency range (400-470MHz)."));
        const PasteResult damaged = pasteChannels(startUpState(1), 1, clip.text, "{\"format\":1}");
        QVERIFY(!damaged.ok);
        QCOMPARE(damaged.message, QString("The channels on the clipboard are of an unknown form."));
    }

    void cutAndDeleteEmptyTheRows() {
        const EditorState st = twoChannels(1);
        const EditorState next = stateWithoutChannels(st, {3, 1});
        QVERIFY(next.channels.inUse(2));
        QVERIFY(!next.channels.inUse(3));
        QCOMPARE(next.channels.optionIndex(3, ColPower), 0);
        QCOMPARE(next.channels.cell(3, ColNumber), QString("03"));
    }

    void channelListDocument_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("English") << 1
                                 << QStringList{"<h1>VQ-740 Channel List</h1>",
                                                "Range: 400-470MHz",
                                                "Date: 2025-03-04",
                                                ">RX frequency</th>",
                                                "<td align=\"center\">Carrier</td>",
                                                "Voice Notice",
                                                "<td>Chinese</td>",
                                                "<td>90 S</td>",
                                                "<td>Level 4</td>"};
        QTest::newRow("Chinese") << 0
                                 << QStringList{"<h1>VQ-740 信道表</h1>",
                                                "频段： 400-470MHz",
                                                "日期： 2025-03-04",
                                                ">接收频率</th>",
                                                "<td align=\"center\">载波</td>",
                                                "<td>语言通知</td>",
                                                "<td>中文</td>",
                                                "<td>90 秒</td>",
                                                "<td>4 级</td>"};
    }
    void channelListDocument() {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        ChannelListOptions options;
        options.date = QDate(2025, 3, 4);
        const EditorState st = twoChannels(qint16(language));
        const QString html = ::channelListDocument(st, options);
        for (const QString &t : texts)
            QVERIFY2(html.contains(t), qPrintable(t));
        QCOMPARE(html.count("<tr bgcolor"), 8); // channels 2, 4, ... 16 shaded
        QCOMPARE(html.count("<td align=\"center\">"), 16 * 9);
        options.omitEmpty = true;
        const QString omitted = ::channelListDocument(st, options);
        QCOMPARE(omitted.count("<td align=\"center\">"), 2 * 9);
        QVERIFY(omitted.contains("<td align=\"center\">03</td>"));
        QVERIFY(!omitted.contains("<td align=\"center\">04</td>"));
    }
};

QTEST_APPLESS_MAIN(TestChannelClipboard)
#include "tst_channelclipboard.moc"
