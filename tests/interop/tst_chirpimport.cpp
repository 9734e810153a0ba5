// Import of CHIRP CSV files: every header variant, the frequency, duplex,
// tone, mode, power and skip rules, placement by Location or in order, the
// band test with CHIRP's line numbers, and the counts of the report.
#include "chirprows.h"
#include "interop/chirpimport.h"
#include "model/bands.h"
#include "tests/support/imagebuilder.h"

#include <QStringEncoder>
#include <QTest>

namespace {
using Row = QMap<QString, QString>;

// Cells 1-8 of a channel, joined by "|".
QString channel(const ChannelTable &t, int row) {
    QStringList cells;
    for (int c = 1; c <= 8; ++c)
        cells << t.cell(row, c);
    return cells.join('|');
}

ChirpImport import(const QByteArray &file, int band = kBand136To174,
                   Placement placement = Placement::ByLocation, qint16 language = 1) {
    ImportOptions options;
    options.bandPosition = band;
    options.placement = placement;
    options.language = language;
    return importChirpCsv(file, options);
}

// A channel 1 row in English from a single 21-column row.
QString importedRow(const Row &changes, int band = kBand136To174) {
    const ChirpImport im = import(chirpFile({chirpRow(changes)}), band);
    return im.taken == 1 ? channel(im.channels, 1) : "refused: " + im.refusals.join(" / ");
}

const QString kSimplex = "146.52000|Off|146.52000|Off|High|Off|Wide|Yes";
} // namespace

class TestChirpImport : public QObject {
    Q_OBJECT
private slots:
    void headerVariants_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        const QString tsql = "146.52000|167.9|147.12000|167.9|%1|Off|Narrow|No";
        const QString legacy17 =
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
            "DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL";
        const QString row17 = "1,Rpt,146.520000,+,0.600000,TSQL,88.5,167.9,023,NN,NFM,5.00,S,,,,";
        QTest::newRow("17 columns (no Power: 50 W, High)")
            << (legacy17 + "\r\n" + row17 + "\r\n").toUtf8() << tsql.arg("High");
        QTest::newRow("18 columns with DVCODE")
            << (legacy17 + ",DVCODE\r\n" + row17 + ",\r\n").toUtf8() << tsql.arg("High");
        const QList<QStringList> rows = {chirpRow({{"Duplex", "+"},
                                                   {"Offset", "0.600000"},
                                                   {"Tone", "TSQL"},
                                                   {"cToneFreq", "167.9"},
                                                   {"Mode", "NFM"},
                                                   {"Skip", "S"},
                                                   {"Power", "1.0W"}})};
        const QByteArray modern = chirpFile(rows);
        QTest::newRow("21 columns") << modern << tsql.arg("Low");
        QTest::newRow("LF") << QByteArray(modern).replace("\r\n", "\n") << tsql.arg("Low");
        QTest::newRow("bare CR") << QByteArray(modern).replace("\r\n", "\r") << tsql.arg("Low");
        QTest::newRow("CR CR LF blank rows")
            << QByteArray(modern).replace("\r\n", "\r\r\n") << tsql.arg("Low");
        QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF") + modern << tsql.arg("Low");
        QTest::newRow("comments before and between")
            << QByteArray("# made by hand\r\n") + modern + "#,trailing note\r\n"
            << tsql.arg("Low");
        QStringList quoted;
        for (const QString &name : chirpHeader())
            quoted << "\"" + name + "\"";
        QTest::newRow("quoted header")
            << QByteArray(modern).replace(chirpHeader().join(',').toUtf8(),
                                          quoted.join(',').toUtf8())
            << tsql.arg("Low");
        QStringList single;
        for (const QString &name : chirpHeader())
            single << "'" + name + "'";
        QTest::newRow("single-quoted header")
            << QByteArray(modern).replace(chirpHeader().join(',').toUtf8(),
                                          single.join(',').toUtf8())
            << tsql.arg("Low");
        // Columns in another order, an unknown one, a spreadsheet's extra cells.
        QStringList reordered = chirpHeader();
        std::reverse(reordered.begin(), reordered.end());
        reordered.insert(3, "Tstep");
        QStringList reorderedRow = rows.first();
        std::reverse(reorderedRow.begin(), reorderedRow.end());
        reorderedRow.insert(3, "9.9");
        reorderedRow << "extra"
                     << "cells";
        QTest::newRow("reordered, unknown column, longer row")
            << chirpFile({reorderedRow}, reordered) << tsql.arg("Low");
        QTest::newRow("only rToneFreq: TSQL uses it on both sides")
            << QByteArray("Location,Frequency,Tone,rToneFreq\r\n1,146.52,TSQL,100.0\r\n")
            << "146.52000|100.0|146.52000|100.0|High|Off|Wide|Yes";
    }
    void headerVariants() {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        const ChirpImport im = import(file);
        QVERIFY2(im.usable, qPrintable(importReportText(im, 1)));
        QCOMPARE(im.taken, 1);
        QCOMPARE(im.refused, 0);
        QCOMPARE(channel(im.channels, 1), expected);
        for (int row = 2; row <= 16; ++row)
            QVERIFY(!im.channels.inUse(row));
    }

    void unknownColumnsAreNamed_data() {
        QTest::addColumn<QStringList>("unknown");
        QTest::addColumn<QString>("note");
        QTest::newRow("one") << QStringList{"Tstep"} << "Unknown columns are ignored: Tstep.";
        QTest::newRow("escaped and shortened")
            << QStringList{"\x1B]0;title\a", QString(5000, 'n')}
            << "Unknown columns are ignored: \\x1B]0;title\\x07, " + QString(40, 'n') + "....";
        QStringList many;
        for (int i = 1; i <= 12; ++i)
            many << QString("X%1").arg(i);
        QTest::newRow("the first ten")
            << many
            << "Unknown columns are ignored: X1, X2, X3, X4, X5, X6, X7, X8, X9, X10, "
               "... (12 in all).";
    }
    void unknownColumnsAreNamed() {
        QFETCH(QStringList, unknown);
        QFETCH(QString, note);
        QStringList row = chirpRow();
        for (int i = 0; i < unknown.size(); ++i)
            row << "5";
        const ChirpImport im = import(chirpFile({row}, chirpHeader() + unknown));
        QVERIFY2(im.notes.contains(note), qPrintable(im.notes.join('\n')));
    }

    void frequencyForms_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("expected");
        QTest::newRow("146.52") << "146.52"
                                << "146.52000";
        QTest::newRow("146") << "146"
                             << "146.00000";
        QTest::newRow("146.52 MHz") << "146.52 MHz"
                                    << "146.52000";
        QTest::newRow("146520 kHz") << "146520 kHz"
                                    << "146.52000";
        QTest::newRow("blanks") << " 146.520000 "
                                << "146.52000";
        QTest::newRow("band edge 174") << "174.000000"
                                       << "174.00000";
        QTest::newRow("round to 10 Hz: 146.520004") << "146.520004"
                                                    << "146.52000";
        QTest::newRow("snap 160.2225") << "160.222500"
                                       << "160.22000";
        QTest::newRow("snap 160.2825") << "160.282500"
                                       << "160.28125";
        QTest::newRow("snap 146.107") << "146.107"
                                      << "146.10625";
        QTest::newRow("seven decimals")
            << "146.5200001"
            << "refused: Line 2: [Frequency] \"146.5200001\" is not a frequency";
        QTest::newRow("two points")
            << "146.5.2"
            << "refused: Line 2: [Frequency] \"146.5.2\" is not a frequency";
        QTest::newRow("above the band")
            << "174.000010"
            << "refused: Line 2: [Frequency] 174.000010 MHz lies outside the range 136-174MHz";
        QTest::newRow("terminal escapes are shown escaped")
            << "\x1B[31mRED\x1B[0m\a\b"
            << "refused: Line 2: [Frequency] \"\\x1B[31mRED\\x1B[0m\\x07\\x08\" is not a frequency";
        const QString longValue = "1" + QString(100042, '0');
        QTest::newRow("a long value is quoted by its first 40 characters")
            << longValue
            << "refused: Line 2: [Frequency] \"" + longValue.left(40) + "...\" is not a frequency";
        QTest::newRow(".6 MHz")
            << ".6"
            << "refused: Line 2: [Frequency] 0.600000 MHz lies outside the range 136-174MHz";
    }
    void frequencyForms() {
        QFETCH(QString, frequency);
        QFETCH(QString, expected);
        const QString got = importedRow({{"Frequency", frequency}});
        if (expected.startsWith("refused"))
            QCOMPARE(got, expected);
        else
            QCOMPARE(got.section('|', 0, 0), expected);
    }

    void duplex_data() {
        QTest::addColumn<Row>("changes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("simplex ignores the offset") << Row{{"Offset", "0.600000"}} << kSimplex;
        QTest::newRow("+") << Row{{"Duplex", "+"}, {"Offset", "0.600000"}}
                           << "146.52000|Off|147.12000|Off|High|Off|Wide|Yes";
        QTest::newRow("-") << Row{{"Duplex", "-"}, {"Offset", "0.600000"}}
                           << "146.52000|Off|145.92000|Off|High|Off|Wide|Yes";
        QTest::newRow("split: absolute TX") << Row{{"Duplex", "split"}, {"Offset", "150.000000"}}
                                            << "146.52000|Off|150.00000|Off|High|Off|Wide|Yes";
        QTest::newRow("off: no TX, no TX tone") << Row{{"Duplex", "off"}}
                                                << "146.52000|Off||"
                                                   "|High|Off|Wide|Yes";
        QTest::newRow("off keeps a TX tone")
            << Row{{"Duplex", "off"}, {"Tone", "Tone"}, {"rToneFreq", "100.0"}}
            << "146.52000|Off||100.0|High|Off|Wide|Yes";
        QTest::newRow("TX snapped on its own") << Row{{"Duplex", "+"}, {"Offset", "0.007000"}}
                                               << "146.52000|Off|146.52500|Off|High|Off|Wide|Yes";
        QTest::newRow("TX out of band") << Row{{"Duplex", "+"}, {"Offset", "30.000000"}}
                                        << "refused: Line 2: [Offset] TX 176.520000 MHz (Duplex +) "
                                           "lies outside the range 136-174MHz";
        QTest::newRow("split with empty offset: TX 0 Hz")
            << Row{{"Duplex", "split"}, {"Offset", ""}}
            << "refused: Line 2: [Offset] TX 0.000000 MHz (Duplex split) lies outside the range "
               "136-174MHz";
        QTest::newRow("negative offset with +") << Row{{"Duplex", "+"}, {"Offset", "-0.600000"}}
                                                << "146.52000|Off|145.92000|Off|High|Off|Wide|Yes";
        QTest::newRow("plus is no duplex")
            << Row{{"Duplex", "plus"}}
            << "refused: Line 2: [Duplex] \"plus\" is not one of \"\", +, -, split, off";
    }
    void duplex() {
        QFETCH(Row, changes);
        QFETCH(QString, expected);
        QCOMPARE(importedRow(changes), expected);
    }

    void tones_data() {
        QTest::addColumn<Row>("changes");
        QTest::addColumn<QString>("rxTx");
        // The 4x4 table: Tone, CrossMode and the fields each one reads.
        const Row fields = {{"rToneFreq", "100.0"},
                            {"cToneFreq", "167.9"},
                            {"DtcsCode", "051"},
                            {"RxDtcsCode", "073"},
                            {"DtcsPolarity", "RN"}};
        auto with = [&fields](const Row &more) {
            Row r = fields;
            for (auto it = more.begin(); it != more.end(); ++it)
                r[it.key()] = it.value();
            return r;
        };
        QTest::newRow("none") << with({{"Tone", ""}}) << "Off/Off";
        QTest::newRow("Tone: rToneFreq on TX") << with({{"Tone", "Tone"}}) << "Off/100.0";
        QTest::newRow("TSQL: cToneFreq both") << with({{"Tone", "TSQL"}}) << "167.9/167.9";
        QTest::newRow("DTCS: DtcsCode both, pol TX R RX N")
            << with({{"Tone", "DTCS"}}) << "D051N/D051I";
        QTest::newRow("Cross Tone->Tone")
            << with({{"Tone", "Cross"}, {"CrossMode", "Tone->Tone"}}) << "167.9/100.0";
        QTest::newRow("Cross Tone->DTCS")
            << with({{"Tone", "Cross"}, {"CrossMode", "Tone->DTCS"}}) << "D073N/100.0";
        QTest::newRow("Cross DTCS->Tone")
            << with({{"Tone", "Cross"}, {"CrossMode", "DTCS->Tone"}}) << "167.9/D051I";
        QTest::newRow("Cross DTCS->DTCS")
            << with({{"Tone", "Cross"}, {"CrossMode", "DTCS->DTCS"}}) << "D073N/D051I";
        QTest::newRow("Cross DTCS->")
            << with({{"Tone", "Cross"}, {"CrossMode", "DTCS->"}}) << "Off/D051I";
        QTest::newRow("Cross ->DTCS")
            << with({{"Tone", "Cross"}, {"CrossMode", "->DTCS"}}) << "D073N/Off";
        QTest::newRow("Cross ->Tone")
            << with({{"Tone", "Cross"}, {"CrossMode", "->Tone"}}) << "167.9/Off";
        QTest::newRow("Cross Tone->")
            << with({{"Tone", "Cross"}, {"CrossMode", "Tone->"}}) << "Off/100.0";
        QTest::newRow("DTCS polarity RR")
            << Row{{"Tone", "DTCS"}, {"DtcsCode", "754"}, {"DtcsPolarity", "RR"}} << "D754I/D754I";
        QTest::newRow("CHIRP's 199.5 is a typed tone here")
            << Row{{"Tone", "Tone"}, {"rToneFreq", "199.5"}} << "Off/199.5";
        QTest::newRow("typed 100.3")
            << Row{{"Tone", "TSQL"}, {"cToneFreq", "100.3"}} << "100.3/100.3";
        QTest::newRow("645 is the radio's")
            << Row{{"Tone", "DTCS"}, {"DtcsCode", "645"}} << "D645N/D645N";
        QTest::newRow("edges 67.0 and 254.1")
            << Row{{"Tone", "Cross"}, {"rToneFreq", "67.0"}, {"cToneFreq", "254.1"}}
            << "254.1/67.0";
        QTest::newRow("unused fields are not held to the radio's range")
            << Row{{"Tone", "Tone"}, {"rToneFreq", "88.5"}, {"cToneFreq", "60.0"}} << "Off/88.5";
    }
    void tones() {
        QFETCH(Row, changes);
        QFETCH(QString, rxTx);
        const QString got = importedRow(changes);
        QCOMPARE(got.section('|', 1, 1) + "/" + got.section('|', 3, 3), rxTx);
    }

    void refusedTones_data() {
        QTest::addColumn<Row>("changes");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("TSQL-R") << Row{{"Tone", "TSQL-R"}}
                                << "[Tone] reverse squelch (TSQL-R) is not supported by the radio";
        QTest::newRow("DTCS-R") << Row{{"Tone", "DTCS-R"}}
                                << "[Tone] reverse squelch (DTCS-R) is not supported by the radio";
        QTest::newRow("66.9 used") << Row{{"Tone", "Tone"}, {"rToneFreq", "66.9"}}
                                   << "[rToneFreq] tone 66.9 Hz lies outside 67.0-254.1 Hz";
        QTest::newRow("254.2 used") << Row{{"Tone", "TSQL"}, {"cToneFreq", "254.2"}}
                                    << "[cToneFreq] tone 254.2 Hz lies outside 67.0-254.1 Hz";
        QTest::newRow("CHIRP's own range")
            << Row{{"rToneFreq", "300.0"}}
            << "[rToneFreq] 300.0 is not a tone between 50 and 300 Hz";
        QTest::newRow("empty tone field")
            << Row{{"cToneFreq", ""}} << "[cToneFreq] \"\" is not a number";
        QTest::newRow("DCS code not the radio's")
            << Row{{"Tone", "DTCS"}, {"DtcsCode", "017"}}
            << "[DtcsCode] DCS code 017 is not one of the radio's";
        QTest::newRow("RX DCS not the radio's")
            << Row{{"Tone", "Cross"}, {"CrossMode", "->DTCS"}, {"RxDtcsCode", "777"}}
            << "[RxDtcsCode] DCS code 777 is not one of the radio's";
        QTest::newRow("not octal")
            << Row{{"DtcsCode", "089"}} << "[DtcsCode] \"089\" is not a DCS code";
        QTest::newRow("bad polarity")
            << Row{{"DtcsPolarity", "NI"}} << "[DtcsPolarity] \"NI\" is not one of NN, NR, RN, RR";
        QTest::newRow("empty CrossMode")
            << Row{{"CrossMode", ""}}
            << "[CrossMode] \"\" is not one of Tone->Tone, DTCS->, "
               "->DTCS, Tone->DTCS, DTCS->Tone, ->Tone, DTCS->DTCS, Tone->";
    }
    void refusedTones() {
        QFETCH(Row, changes);
        QFETCH(QString, refusal);
        QCOMPARE(importedRow(changes), "refused: Line 2: " + refusal);
    }

    void dtcsWithAnotherRxCodeWarns() {
        const ChirpImport im = import(
            chirpFile({chirpRow({{"Tone", "DTCS"}, {"DtcsCode", "051"}, {"RxDtcsCode", "073"}})}));
        QCOMPARE(channel(im.channels, 1).section('|', 1, 1), QString("D051N"));
        QVERIFY(im.notes.join('\n').contains(
            "Line 2: DTCS with RxDtcsCode 073 other than DtcsCode 051: DtcsCode 051 is used on "
            "both sides"));
    }

    void powerModeSkip_data() {
        QTest::addColumn<Row>("changes");
        QTest::addColumn<QString>("options"); // Power|BCLO|W/N|Scan Add, or the refusal
        QTest::newRow("5") << Row{{"Power", "5"}} << "High|Off|Wide|Yes";
        QTest::newRow("5.0 W") << Row{{"Power", "5.0 W"}} << "High|Off|Wide|Yes";
        QTest::newRow("3.0W ties to Low") << Row{{"Power", "3.0W"}} << "Low|Off|Wide|Yes";
        QTest::newRow("3.1w") << Row{{"Power", "3.1w"}} << "High|Off|Wide|Yes";
        QTest::newRow("0.5W") << Row{{"Power", "0.5W"}} << "Low|Off|Wide|Yes";
        QTest::newRow("1500W") << Row{{"Power", "1500W"}} << "High|Off|Wide|Yes";
        QTest::newRow("High") << Row{{"Power", "High"}}
                              << "refused: [Power] \"High\" is not a power in watts";
        QTest::newRow("empty power")
            << Row{{"Power", ""}} << "refused: [Power] \"\" is not a power in watts";
        QTest::newRow("-1") << Row{{"Power", "-1"}}
                            << "refused: [Power] \"-1\" is not a power in watts";
        QTest::newRow("NFM") << Row{{"Mode", "NFM"}} << "High|Off|Narrow|Yes";
        QTest::newRow("Auto") << Row{{"Mode", "Auto"}} << "High|Off|Wide|Yes";
        QTest::newRow("AM")
            << Row{{"Mode", "AM"}}
            << "refused: [Mode] mode AM is not supported by the radio (FM, NFM or Auto)";
        QTest::newRow("WFM")
            << Row{{"Mode", "WFM"}}
            << "refused: [Mode] mode WFM is not supported by the radio (FM, NFM or Auto)";
        QTest::newRow("DV") << Row{{"Mode", "DV"}}
                            << "refused: [Mode] the radio does not support D-STAR (DV)";
        QTest::newRow("fm is no mode")
            << Row{{"Mode", "fm"}} << "refused: [Mode] \"fm\" is not one of";
        QTest::newRow("skip S") << Row{{"Skip", "S"}} << "High|Off|Wide|No";
        QTest::newRow("skip P") << Row{{"Skip", "P"}} << "High|Off|Wide|Yes";
        QTest::newRow("skip X") << Row{{"Skip", "X"}}
                                << "refused: [Skip] \"X\" is not one of \"\", S, P";
        QTest::newRow("empty TStep")
            << Row{{"TStep", ""}} << "refused: [TStep] \"\" is not a number";
    }
    void powerModeSkip() {
        QFETCH(Row, changes);
        QFETCH(QString, options);
        const QString got = importedRow(changes);
        if (options.startsWith("refused"))
            QVERIFY2(got.startsWith("refused: Line 2: " + options.mid(9)), qPrintable(got));
        else
            QCOMPARE(got.section('|', 4, 7), options);
    }

    void placementByLocation() {
        const QByteArray file = chirpFile(
            {chirpRow({{"Location", "0"}}), chirpRow({{"Location", "3"}, {"Frequency", "150.0"}}),
             chirpRow({{"Location", "17"}}), chirpRow({{"Location", "16"}, {"Frequency", "160.0"}}),
             chirpRow({{"Location", "3"}, {"Frequency", "151.0"}}), chirpRow({{"Location", ""}})});
        const ChirpImport im = import(file);
        QCOMPARE(im.taken, 2);
        QCOMPARE(im.refused, 3);
        QCOMPARE(im.refusals, (QStringList{"Line 2: [Location] 0 is not a channel 1 to 16",
                                           "Line 4: [Location] 17 is not a channel 1 to 16",
                                           "Line 7: [Location] is empty"}));
        // The later row for channel 3 wins, and the report says so.
        QCOMPARE(im.channels.cell(3, ColRxFrequency), QString("151.00000"));
        QCOMPARE(im.channels.cell(16, ColRxFrequency), QString("160.00000"));
        QVERIFY(im.notes.join('\n').contains("Line 6: channel 03 was also given on line 3"));
        for (int row : {1, 2, 4, 15})
            QVERIFY(!im.channels.inUse(row));
    }

    void largeFilesGiveAShortReport_data() {
        QTest::addColumn<qint16>("language");
        QTest::addColumn<QString>("locations");
        QTest::addColumn<QString>("more");
        QTest::newRow("English")
            << qint16(1)
            << "[Location] 1,234 rows name no channel 1 to 16; the first: lines 3, 4, 5 ..."
            << "... and 52 more";
        QTest::newRow("Chinese")
            << qint16(0) << "[Location] 1,234 行不是 1 至 16 的信道；最先几行：第 3、4、5 行……"
            << "……另有 52 条";
    }
    void largeFilesGiveAShortReport() {
        QFETCH(qint16, language);
        QFETCH(QString, locations);
        QFETCH(QString, more);
        QList<QStringList> rows{chirpRow({{"Mode", "AM"}})};
        for (int i = 0; i < 1234; ++i)
            rows << chirpRow({{"Location", QString::number(17 + i)}});
        for (int i = 0; i < 150; ++i)
            rows << chirpRow({{"Mode", "AM"}});
        rows << chirpRow({{"Location", "2"}});
        const ChirpImport im =
            import(chirpFile(rows), kBand136To174, Placement::ByLocation, language);
        QCOMPARE(im.taken, 1);
        QCOMPARE(im.refused, 1234 + 151);
        // In the order of the file: line 2's mode, then the locations.
        QCOMPARE(im.refusals.size(), 152);
        QCOMPARE(im.refusals.at(1), locations);
        const QStringList report = importReportText(im, language).split('\n');
        QVERIFY2(report.size() < 120, qPrintable(QString::number(report.size())));
        QVERIFY(report.contains("  " + locations));
        QVERIFY(report.contains("  " + more));
    }

    void placementSequential() {
        QList<QStringList> rows;
        rows << chirpRow({{"Location", "40"}, {"Mode", "AM"}}); // does not fit
        for (int i = 0; i < 18; ++i)
            rows << chirpRow({{"Location", QString::number(100 + i)},
                              {"Frequency", QString("%1.000000").arg(140 + i)}});
        const ChirpImport im = import(chirpFile(rows), kBand136To174, Placement::Sequential);
        QCOMPARE(im.taken, 16);
        QCOMPARE(im.refused, 1);
        QCOMPARE(im.leftOver, 2);
        for (int row = 1; row <= 16; ++row)
            QCOMPARE(im.channels.cell(row, ColRxFrequency), QString("%1.00000").arg(139 + row));
        QVERIFY(im.notes.join('\n').contains(
            "Rows after the first 16 that fit are not imported (rows: 2)"));
    }

    void everyBandTestsItsOwnLimits_data() {
        QTest::addColumn<int>("band");
        for (int b = 0; b < kBandCount; ++b)
            QTest::newRow(qPrintable(bandText(b))) << b;
    }
    void everyBandTestsItsOwnLimits() {
        QFETCH(int, band);
        const BandLimits limits = bandLimitsOfText(bandText(band));
        const QByteArray file = chirpFile(
            {chirpRow({{"Location", "1"}, {"Frequency", QString("%1.000000").arg(limits.lower)}}),
             chirpRow({{"Location", "2"}, {"Frequency", QString("%1.000000").arg(limits.upper)}}),
             chirpRow(
                 {{"Location", "3"}, {"Frequency", QString("%1.999990").arg(limits.lower - 1)}}),
             chirpRow({{"Location", "4"}, {"Frequency", QString("%1.000010").arg(limits.upper)}})});
        // A comment line is not counted in CHIRP's line numbers.
        const ChirpImport im = import(QByteArray("# list\r\n") + file, band);
        QCOMPARE(im.taken, 2);
        QCOMPARE(
            im.refusals,
            (QStringList{QString("Line 4 (file line 5): [Frequency] %1.999990 MHz lies outside "
                                 "the range %2")
                             .arg(limits.lower - 1)
                             .arg(bandText(band)),
                         QString("Line 5 (file line 6): [Frequency] %1.000010 MHz lies outside "
                                 "the range %2")
                             .arg(limits.upper)
                             .arg(bandText(band))}));
    }

    void reportCounts() {
        const QByteArray file = chirpFile(
            {chirpRow({{"Location", "1"}, {"Name", "A"}}),
             chirpRow({{"Location", "2"}, {"Frequency", "160.2225"}, {"Comment", "rail"}}),
             chirpRow({{"Location", "3"}, {"Frequency", ""}}),
             chirpRow({{"Location", "4"}, {"Mode", "AM"}}),
             {"5", "", "146.5"}});
        const ChirpImport im = import(file);
        QCOMPARE(im.taken, 2);
        QCOMPARE(im.snapped, 1);
        QCOMPARE(im.refused, 2);
        QCOMPARE(im.skipped, 1);
        QCOMPARE(im.refusals.last(),
                 QString("Line 6: Column number mismatch: 3 fields, the header has 21"));
        QCOMPARE(im.snaps, QStringList{"Line 3: RX 160.222500 MHz becomes 160.22000"});
        QVERIFY(importReportText(im, 1).startsWith(
            "Rows taken: 2, snapped: 1, refused: 2. Empty rows skipped: 1."));
        const QString notes = im.notes.join('\n');
        QVERIFY(notes.contains("names (rows: 1), comments (rows: 1), tuning steps (rows: 2)"));
        QVERIFY(notes.contains("BCLO is Off on every channel"));
        // The same report in Chinese.
        const ChirpImport zh = import(file, kBand136To174, Placement::ByLocation, 0);
        QVERIFY(importReportText(zh, 0).startsWith("导入 2 行，其中 1 行频率被调整；拒绝 2 行。"));
        QVERIFY(zh.refusals.first().startsWith("第 5 行：[Mode]"));
        QCOMPARE(zh.channels.cell(1, ColPower), QString("高"));
        QCOMPARE(zh.channels.cell(1, ColRxTone), QString("关闭"));
    }

    void utf16IsReadAndSaidSo() {
        // As spreadsheets save "Unicode text"; tst_csvtext reads every form.
        QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        const ChirpImport im = import(encoder.encode(QString::fromUtf8(chirpFile({chirpRow()}))));
        QVERIFY2(im.usable, qPrintable(importReportText(im, 1)));
        QCOMPARE(channel(im.channels, 1), kSimplex);
        const QString notes = im.notes.join('\n');
        QVERIFY2(notes.contains("UTF-16") && notes.contains("UTF-8"), qPrintable(notes));
    }

    void unusableFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << QByteArray() << "The file is empty.";
        QTest::newRow("only comments") << QByteArray("# nothing\r\n") << "The file is empty.";
        QTest::newRow("a data file")
            << QByteArray("\x00\x00\x65\x14\xff\xff", 6) << "This is not a CHIRP channel list";
        QTest::newRow("no Frequency column")
            << QByteArray("Location,Name\r\n1,A\r\n") << "The file has no Frequency column.";
        QTest::newRow("no row fits the band") << chirpFile({chirpRow({{"Frequency", "446.0"}})})
                                              << "No row fits the radio in the range 136-174MHz";
        QTest::newRow("header only") << chirpFile({}) << "No row fits the radio";
    }
    void unusableFiles() {
        QFETCH(QByteArray, file);
        QFETCH(QString, problem);
        const ChirpImport im = import(file);
        QVERIFY(!im.usable);
        QVERIFY2(im.problem.startsWith(problem), qPrintable(im.problem));
        // Nothing is applied from an unusable import.
        EditorState st = startUpState(1);
        st.channels.setCell(2, ColRxFrequency, "150.00000");
        QCOMPARE(stateWithImport(st, im).channels, st.channels);
    }

    void importReplacesOnlyTheChannels() {
        EditorState st = startUpState(0);
        st.bandPosition = st.acceptedBand = kBand136To174;
        st.functions.squelchLevel = 8;
        st.channels.setCell(9, ColRxFrequency, "150.00000");
        const ChirpImport im =
            import(chirpFile({chirpRow()}), kBand136To174, Placement::ByLocation, 1);
        const EditorState next = stateWithImport(st, im);
        QCOMPARE(next.functions.squelchLevel, 8);
        QCOMPARE(next.bandPosition, kBand136To174);
        QVERIFY(!next.channels.inUse(9));
        // Shown in the state's language.
        QCOMPARE(next.channels.cell(1, ColScanAdd), QString("有"));
    }
};

QTEST_APPLESS_MAIN(TestChirpImport)
#include "tst_chirpimport.moc"
