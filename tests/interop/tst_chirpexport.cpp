// Export as CHIRP CSV: the exact header, line ends and encoding, the 16 tone
// combinations, the duplex rule of 70 MHz, the option fields, the warnings,
// and export then import giving back the same channels.
#include "interop/chirpexport.h"
#include "interop/chirpimport.h"
#include "interop/csvtext.h"
#include "model/bands.h"
#include "model/celltexts.h"
#include "model/hexhelpers.h"
#include "model/tonelist.h"
#include "tests/support/imagebuilder.h"

#include <QTest>

namespace {
// A state with channel 1 in use: the given RX and TX frequency and tones.
EditorState oneChannel(const QString &rx, const QString &tx, const QString &rxTone,
                       const QString &txTone, qint16 language = 1) {
    EditorState st = startUpState(language);
    ChannelTable &t = st.channels;
    t.setCell(1, ColRxFrequency, rx);
    t.setCell(1, ColTxFrequency, tx);
    t.setCell(1, ColRxTone, rxTone);
    t.setCell(1, ColTxTone, txTone);
    t.setOption(1, ColPower, 1, language);
    t.setOption(1, ColBclo, 0, language);
    t.setOption(1, ColWn, 1, language);
    t.setOption(1, ColScanAdd, 1, language);
    return st;
}

// The fields of the first data row, by CHIRP's column names.
QMap<QString, QString> firstRow(const ChirpExport &e) {
    const QList<CsvRecord> records = readCsvRecords(QString::fromUtf8(e.bytes));
    QMap<QString, QString> row;
    if (records.size() < 2)
        return row;
    for (int i = 0; i < records.at(0).fields.size(); ++i)
        row[records.at(0).fields.at(i)] = records.at(1).fields.value(i);
    return row;
}

// A generated state whose channels lie in the band on the channel step,
// with BCLO Off (CHIRP has no BCLO).
EditorState generatedInBand(QRandomGenerator &rng, int band, qint16 language) {
    EditorState st = generatedState(rng, language);
    st.bandPosition = st.acceptedBand = band;
    const BandLimits limits = bandLimitsOfText(bandText(band));
    const qint64 span = qint64(limits.upper - limits.lower) * 100000 + 1;
    ChannelTable &t = st.channels;
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int c : {int(ColRxFrequency), int(ColTxFrequency)}) {
            if (t.cell(row, c).isEmpty())
                continue;
            const qint64 units = qint64(limits.lower) * 100000 + rng.bounded(span);
            t.setCell(row, c, snapFrequencyText(unitsToMHzText(units)));
        }
        if (t.inUse(row))
            t.setOption(row, ColBclo, 0, language);
    }
    return st;
}
} // namespace

class TestChirpExport : public QObject {
    Q_OBJECT
private slots:
    void fileForm() {
        const ChirpExport e = exportChirpCsv(oneChannel("146.52000", "146.52000", "Off", "Off"));
        const QByteArray header =
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
            "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,"
            "DVCODE\r\n";
        QVERIFY(e.bytes.startsWith(header));
        QCOMPARE(e.bytes.mid(header.size()),
                 QByteArray("1,,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
                            "5.0W,,,,,\r\n"));
        QCOMPARE(e.rows, 1);
        QVERIFY(e.warnings.isEmpty());
        QVERIFY(e.notes.isEmpty());
        // No byte order mark; every line ends in CRLF.
        QVERIFY(!e.bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(e.bytes.count("\r\n"), e.bytes.count("\n"));
    }

    void toneCombinations_data() {
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("tx");
        QTest::addColumn<QString>("fields"); // Tone r c Dtcs Pol RxDtcs Cross
        QTest::newRow("1 Off Off") << "Off"
                                   << "Off"
                                   << " 88.5 88.5 023 NN 023 Tone->Tone";
        QTest::newRow("2 Off CTCSS") << "Off"
                                     << "100.0"
                                     << "Tone 100.0 88.5 023 NN 023 Tone->Tone";
        QTest::newRow("3 Off DN") << "Off"
                                  << "D051N"
                                  << "Cross 88.5 88.5 051 NN 023 DTCS->";
        QTest::newRow("4 Off DI") << "Off"
                                  << "D051I"
                                  << "Cross 88.5 88.5 051 RN 023 DTCS->";
        QTest::newRow("5 CTCSS Off") << "167.9"
                                     << "Off"
                                     << "Cross 88.5 167.9 023 NN 023 ->Tone";
        QTest::newRow("6 CTCSS a!=b") << "167.9"
                                      << "100.0"
                                      << "Cross 100.0 167.9 023 NN 023 Tone->Tone";
        QTest::newRow("6 CTCSS a=b") << "167.9"
                                     << "167.9"
                                     << "TSQL 167.9 167.9 023 NN 023 Tone->Tone";
        QTest::newRow("7 CTCSS DN") << "167.9"
                                    << "D051N"
                                    << "Cross 88.5 167.9 051 NN 023 DTCS->Tone";
        QTest::newRow("8 CTCSS DI") << "167.9"
                                    << "D051I"
                                    << "Cross 88.5 167.9 051 RN 023 DTCS->Tone";
        QTest::newRow("9 DN Off") << "D073N"
                                  << "Off"
                                  << "Cross 88.5 88.5 023 NN 073 ->DTCS";
        QTest::newRow("10 DN CTCSS") << "D073N"
                                     << "100.0"
                                     << "Cross 100.0 88.5 023 NN 073 Tone->DTCS";
        QTest::newRow("11 DN DN d!=e") << "D073N"
                                       << "D051N"
                                       << "Cross 88.5 88.5 051 NN 073 DTCS->DTCS";
        QTest::newRow("11 DN DN d=e") << "D051N"
                                      << "D051N"
                                      << "DTCS 88.5 88.5 051 NN 051 Tone->Tone";
        QTest::newRow("12 DN DI d!=e") << "D073N"
                                       << "D051I"
                                       << "Cross 88.5 88.5 051 RN 073 DTCS->DTCS";
        QTest::newRow("12 DN DI d=e") << "D051N"
                                      << "D051I"
                                      << "DTCS 88.5 88.5 051 RN 051 Tone->Tone";
        QTest::newRow("13 DI Off") << "D073I"
                                   << "Off"
                                   << "Cross 88.5 88.5 023 NR 073 ->DTCS";
        QTest::newRow("14 DI CTCSS") << "D073I"
                                     << "100.0"
                                     << "Cross 100.0 88.5 023 NR 073 Tone->DTCS";
        QTest::newRow("15 DI DN d!=e") << "D073I"
                                       << "D051N"
                                       << "Cross 88.5 88.5 051 NR 073 DTCS->DTCS";
        QTest::newRow("15 DI DN d=e") << "D051I"
                                      << "D051N"
                                      << "DTCS 88.5 88.5 051 NR 051 Tone->Tone";
        QTest::newRow("16 DI DI d!=e") << "D073I"
                                       << "D051I"
                                       << "Cross 88.5 88.5 051 RR 073 DTCS->DTCS";
        QTest::newRow("16 DI DI d=e") << "D051I"
                                      << "D051I"
                                      << "DTCS 88.5 88.5 051 RR 051 Tone->Tone";
    }
    void toneCombinations() {
        QFETCH(QString, rx);
        QFETCH(QString, tx);
        QFETCH(QString, fields);
        const EditorState st = oneChannel("146.52000", "146.52000", rx, tx);
        const ChirpExport e = exportChirpCsv(st);
        const auto row = firstRow(e);
        QStringList got;
        for (const char *name : {"Tone", "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity",
                                 "RxDtcsCode", "CrossMode"})
            got << row.value(name);
        QCOMPARE(got.join(' '), fields);
        // And back: the same two tones.
        ImportOptions options;
        options.bandPosition = kBand136To174;
        const ChirpImport im = importChirpCsv(e.bytes, options);
        QCOMPARE(im.channels.cell(1, ColRxTone), rx);
        QCOMPARE(im.channels.cell(1, ColTxTone), tx);
    }

    void duplexByDistance_data() {
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("tx");
        QTest::addColumn<QString>("duplex");
        QTest::addColumn<QString>("offset");
        QTest::newRow("simplex") << "446.00625"
                                 << "446.00625"
                                 << ""
                                 << "0.000000";
        QTest::newRow("+5 MHz") << "446.00625"
                                << "451.00625"
                                << "+"
                                << "5.000000";
        QTest::newRow("-0.6 MHz") << "146.52000"
                                  << "145.92000"
                                  << "-"
                                  << "0.600000";
        QTest::newRow("70 MHz is still +") << "600.00000"
                                           << "670.00000"
                                           << "+"
                                           << "70.000000";
        QTest::newRow("70.00001 MHz is split") << "600.00000"
                                               << "670.00001"
                                               << "split"
                                               << "670.000010";
        QTest::newRow("-120 MHz split") << "720.00000"
                                        << "600.00000"
                                        << "split"
                                        << "600.000000";
        QTest::newRow("no TX: off") << "446.00625"
                                    << ""
                                    << "off"
                                    << "0.000000";
    }
    void duplexByDistance() {
        QFETCH(QString, rx);
        QFETCH(QString, tx);
        QFETCH(QString, duplex);
        QFETCH(QString, offset);
        const auto row =
            firstRow(exportChirpCsv(oneChannel(rx, tx, "Off", tx.isEmpty() ? "" : "Off")));
        QCOMPARE(row.value("Duplex"), duplex);
        QCOMPARE(row.value("Offset"), offset);
    }

    void optionFields_data() {
        QTest::addColumn<int>("power");
        QTest::addColumn<int>("wn");
        QTest::addColumn<int>("scan");
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("fields"); // Mode TStep Skip Power
        QTest::newRow("High Wide Yes") << 1 << 1 << 1 << "146.52000"
                                       << "FM 5.00  5.0W";
        QTest::newRow("Low Narrow No") << 0 << 0 << 0 << "146.52000"
                                       << "NFM 5.00 S 1.0W";
        QTest::newRow("6.25 kHz step") << 1 << 1 << 1 << "446.00625"
                                       << "FM 6.25  5.0W";
        QTest::newRow("on both steps: 5") << 1 << 1 << 1 << "446.02500"
                                          << "FM 5.00  5.0W";
    }
    void optionFields() {
        QFETCH(int, power);
        QFETCH(int, wn);
        QFETCH(int, scan);
        QFETCH(QString, rx);
        QFETCH(QString, fields);
        for (qint16 language : {qint16(0), qint16(1)}) {
            EditorState st =
                oneChannel(rx, rx, offCaption(language), offCaption(language), language);
            st.channels.setOption(1, ColPower, power, language);
            st.channels.setOption(1, ColWn, wn, language);
            st.channels.setOption(1, ColScanAdd, scan, language);
            const auto row = firstRow(exportChirpCsv(st));
            QCOMPARE(QStringList({row.value("Mode"), row.value("TStep"), row.value("Skip"),
                                  row.value("Power")})
                         .join(' '),
                     fields);
            QCOMPARE(row.value("Location"), QString("1"));
            QCOMPARE(row.value("Name"), QString());
        }
    }

    void warnings_data() {
        QTest::addColumn<QString>("rxTone");
        QTest::addColumn<QString>("txTone");
        QTest::addColumn<QString>("warning");
        QTest::newRow("199.9") << "199.9"
                               << "Off"
                               << "RX tone 199.9 Hz: CHIRP's tone list has 199.5 instead";
        QTest::newRow("typed 100.3") << "Off"
                                     << "100.3"
                                     << "TX tone 100.3 Hz is not in CHIRP's tone list";
        QTest::newRow("DCS 645") << "D645I"
                                 << "Off"
                                 << "RX tone DCS 645 is not in CHIRP's DCS code list";
        QTest::newRow("decoded DCS 017") << "Off"
                                         << "D017N"
                                         << "TX tone DCS 017 is not in CHIRP's DCS code list; this "
                                            "program refuses the row when importing it back";
        QTest::newRow("a tone word kept as read")
            << "[2013]"
            << "88.5"
            << "RX tone [2013] is a tone word kept as read, which CHIRP has no form for: it is "
               "left out.";
    }
    void warnings() {
        QFETCH(QString, rxTone);
        QFETCH(QString, txTone);
        QFETCH(QString, warning);
        const ChirpExport e = exportChirpCsv(oneChannel("146.52000", "146.52000", rxTone, txTone));
        QCOMPARE(e.rows, 1);
        if (rxTone.startsWith('[')) {
            // The channel goes out with its other tone only.
            QCOMPARE(e.warnings, QStringList{"Channel 01: " + warning});
            QVERIFY(QString::fromUtf8(e.bytes).contains(",Tone,88.5,"));
            return;
        }
        QVERIFY(e.warnings.first().startsWith("Modern CHIRP reads these values"));
        QCOMPARE(e.warnings.at(1), "Channel 01: " + warning);
    }

    void notesAndLeftOutChannels() {
        EditorState st = oneChannel("146.52000", "146.52000", "Off", "Off");
        st.channels.setOption(1, ColBclo, 1, 1);
        st.channels.setCell(4, ColRxFrequency, "1A6.52000"); // decoded from a damaged image
        st.channels.setCell(4, ColTxFrequency, "146.52000");
        const ChirpExport e = exportChirpCsv(st);
        QCOMPARE(e.rows, 1);
        QCOMPARE(e.notes, QStringList{"CHIRP files have no BCLO column: the Carrier setting of "
                                      "channels 01 is not carried."});
        QCOMPARE(e.warnings, QStringList{"Channel 04 is not exported: its frequency 1A6.52000 / "
                                         "146.52000 is not a number."});
        const ChirpExport empty = exportChirpCsv(startUpState(0));
        QCOMPARE(empty.rows, 0);
        QVERIFY(empty.warnings.first().contains("No channels found"));
    }

    void exportThenImportGivesTheSameChannels_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("seed");
        for (int band = 0; band < kBandCount; ++band)
            for (int seed = 1; seed <= 3; ++seed)
                QTest::addRow("%s seed %d", qPrintable(bandText(band)), seed)
                    << band << seed % 2 << seed * 31 + band;
    }
    void exportThenImportGivesTheSameChannels() {
        QFETCH(int, band);
        QFETCH(int, language);
        QFETCH(int, seed);
        QRandomGenerator rng(seed);
        const EditorState st = generatedInBand(rng, band, qint16(language));
        const ChirpExport e = exportChirpCsv(st);
        ImportOptions options;
        options.bandPosition = band;
        options.language = qint16(language);
        const ChirpImport im = importChirpCsv(e.bytes, options);
        QCOMPARE(im.refused, 0);
        QCOMPARE(im.snapped, 0);
        for (int row = 1; row <= kChannelCount; ++row)
            for (int c = 1; c < kColumnCount; ++c)
                QCOMPARE(im.channels.cell(row, c), st.channels.cell(row, c));
        QCOMPARE(im.channels, st.channels);
    }

    void bcloIsLostOnTheWayBack() {
        EditorState st = oneChannel("146.52000", "146.52000", "Off", "Off");
        st.channels.setOption(1, ColBclo, 1, 1);
        ImportOptions options;
        options.bandPosition = kBand136To174;
        const ChirpImport im = importChirpCsv(exportChirpCsv(st).bytes, options);
        QCOMPARE(im.channels.cell(1, ColBclo), QString("Off"));
    }
};

QTEST_APPLESS_MAIN(TestChirpExport)
#include "tst_chirpexport.moc"
