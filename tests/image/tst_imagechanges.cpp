// The change list between two images over the written ranges, and the
// warnings looked at before a write.
#include "tests/support/imagebuilder.h"

#include "image/imagechanges.h"
#include "image/imagecodec.h"
#include "image/writechecks.h"
#include "model/celltexts.h"
#include "model/layout.h"
#include "model/settingfields.h"
#include "model/tonelist.h"

#include <QSet>
#include <QTest>

namespace {

using Cell = QPair<int, int>; // channel, column

QSet<Cell> cellsOf(const ImageChanges &changes) {
    QSet<Cell> cells;
    for (const ChannelChange &c : changes.channels)
        cells << Cell{c.channel, c.column};
    return cells;
}

QByteArray imageOf(const EditorState &state) {
    return bytesFromImage(EncodeImage(state));
}

// A different valid value for a cell of a channel in use.
void changeCell(EditorState &state, int row, int column, QRandomGenerator &rng) {
    ChannelTable &t = state.channels;
    const QString old = t.cell(row, column);
    for (;;) {
        switch (column) {
        case ColRxFrequency:
        case ColTxFrequency: {
            const qint64 units = rng.bounded(40000000, 47000001) / 625 * 625;
            t.setCell(row, column,
                      QStringLiteral("%1.%2")
                          .arg(units / 100000)
                          .arg(units % 100000, 5, 10, QLatin1Char('0')));
            break;
        }
        case ColRxTone:
        case ColTxTone:
            t.setCell(row, column, toneListEntry(rng.bounded(kToneListSize), state.language));
            break;
        default:
            t.setOption(row, column, 1 - t.optionIndex(row, column), state.language);
            break;
        }
        if (t.cell(row, column) != old)
            return;
    }
}

// A channel in use with a TX frequency and every cell set.
void fillChannel(EditorState &state, int row) {
    ChannelTable &t = state.channels;
    t.setCell(row, ColRxFrequency, QStringLiteral("446.00625"));
    t.setCell(row, ColTxFrequency, QStringLiteral("446.00625"));
    t.setCell(row, ColRxTone, QStringLiteral("88.5"));
    t.setCell(row, ColTxTone, QStringLiteral("D023N"));
    for (int c = ColPower; c <= ColScanAdd; ++c)
        t.setOption(row, c, 1, state.language);
}

} // namespace

class TestImageChanges : public QObject {
    Q_OBJECT
private slots:
    void writtenRangesAreTheBlocksSent() {
        QCOMPARE(writtenRanges(false),
                 (QList<AddressRange>{{0x0010, 0x017F}, {0x01B8, 0x01C7}, {0x0200, 0x035F}}));
        QCOMPARE(writtenRanges(true),
                 (QList<AddressRange>{
                     {0x0010, 0x017F}, {0x0180, 0x018F}, {0x01B8, 0x01C7}, {0x0200, 0x035F}}));
    }

    void sameImageChangesNothing() {
        QRandomGenerator rng(1);
        for (int round = 0; round < 20; ++round) {
            const QByteArray image = imageOf(generatedState(rng, 1));
            QVERIFY(compareImages(image, image, writtenRanges(true), 1).isEmpty());
        }
    }

    void generatedChangesAreListedExactly_data() {
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("language");
        for (int seed = 1; seed <= 12; ++seed)
            QTest::addRow("seed %d", seed) << seed << (seed % 3 == 0 ? 0 : 1);
    }
    void generatedChangesAreListedExactly() {
        QFETCH(int, seed);
        QFETCH(int, language);
        QRandomGenerator rng{quint32(seed)};
        EditorState before = generatedState(rng, qint16(language));
        before.bandPosition = before.acceptedBand = 0;
        for (int row = 1; row <= kChannelCount; ++row)
            if (before.channels.inUse(row) && rng.bounded(2))
                fillChannel(before, row);
        EditorState after = before;
        QSet<Cell> expected;
        const int changes = rng.bounded(1, 8);
        for (int k = 0; k < changes; ++k) {
            const int row = rng.bounded(1, kChannelCount + 1);
            if (!after.channels.inUse(row) || after.channels.cell(row, ColTxFrequency).isEmpty())
                continue;
            const int column = rng.bounded(ColRxFrequency, ColScanAdd + 1);
            changeCell(after, row, column, rng);
            expected << Cell{row, column};
        }
        // A field changed back to what it was is no change.
        for (const Cell &cell : QSet<Cell>(expected))
            if (after.channels.cell(cell.first, cell.second) ==
                before.channels.cell(cell.first, cell.second))
                expected.remove(cell);

        const ImageChanges found =
            compareImages(imageOf(before), imageOf(after), writtenRanges(false), qint16(language));
        QCOMPARE(cellsOf(found), expected);
        QVERIFY(found.bytes.isEmpty());
        for (const ChannelChange &c : found.channels) {
            QCOMPARE(c.before, before.channels.cell(c.channel, c.column));
            QCOMPARE(c.after, after.channels.cell(c.channel, c.column));
        }
    }

    void fieldsSharingAByteAreToldApart_data() {
        QTest::addColumn<QList<int>>("columns");
        QTest::newRow("power") << QList<int>{ColPower};
        QTest::newRow("bandwidth") << QList<int>{ColWn};
        QTest::newRow("power and bandwidth") << QList<int>{ColPower, ColWn};
        QTest::newRow("BCLO") << QList<int>{ColBclo};
        QTest::newRow("Scan Add of channel 9") << QList<int>{ColScanAdd};
    }
    void fieldsSharingAByteAreToldApart() {
        QFETCH(QList<int>, columns);
        EditorState before = startUpState(1);
        fillChannel(before, 9);
        fillChannel(before, 10);
        EditorState after = before;
        for (int column : columns)
            after.channels.setOption(9, column, 0, 1);
        const ImageChanges found =
            compareImages(imageOf(before), imageOf(after), writtenRanges(false), 1);
        QSet<Cell> expected;
        for (int column : columns)
            expected << Cell{9, column};
        QCOMPARE(cellsOf(found), expected);
        QVERIFY(found.bytes.isEmpty());
    }

    void onlyTheWrittenRangesCount() {
        // The TX power levels lie in the block written in debug write mode.
        EditorState before = startUpState(1);
        EditorState after = before;
        after.store.txHighPower = 40;
        QVERIFY(compareImages(imageOf(before), imageOf(after), writtenRanges(false), 1).isEmpty());
        const ImageChanges debug =
            compareImages(imageOf(before), imageOf(after), writtenRanges(true), 1);
        QCOMPARE(debug.settings.size(), 1);
        QCOMPARE(QLatin1String(settingFieldAt(debug.settings[0].field).name),
                 QLatin1String("TX-High Power"));
        QCOMPARE(debug.settings[0].beforeNumber, 63);
        QCOMPARE(debug.settings[0].afterNumber, 40);
        QCOMPARE(debug.settings[0].afterBytes, QByteArray(1, char(40)));
        QVERIFY(debug.bytes.isEmpty());
    }

    void generatedSettingChangesAreListedExactly_data() {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 12; ++seed)
            QTest::addRow("seed %d", seed) << seed;
    }
    void generatedSettingChangesAreListedExactly() {
        QFETCH(int, seed);
        QRandomGenerator rng{quint32(seed) * 13};
        const EditorState before = generatedState(rng, 1);
        EditorState after = before;
        using Entry = QPair<int, int>; // field, entry
        QSet<Entry> expected;
        for (int k = 0; k < 6; ++k) {
            const int index = rng.bounded(settingFieldCount());
            const SettingField &f = settingFieldAt(index);
            const int entry = rng.bounded(f.count);
            // Another value the radio keeps.
            for (int attempt = 0; attempt < 50; ++attempt) {
                if (f.isText()) {
                    const QString value =
                        f.codec == FieldCodec::Frequency
                            ? QStringLiteral("%1.00000").arg(rng.bounded(100, 1000))
                        : f.codec == FieldCodec::Seconds ? QString::number(rng.bounded(301))
                                                         : QString::number(rng.bounded(1000));
                    if (fieldKeepsText(f, entry, value) && value != textValue(f, after, entry)) {
                        setTextValue(f, after, entry, value);
                        expected << Entry{index, entry};
                        break;
                    }
                } else {
                    const int value = rng.bounded(f.min, f.max + 1);
                    if (fieldKeepsNumber(f, value) && value != numberValue(f, after)) {
                        setNumberValue(f, after, value);
                        expected << Entry{index, entry};
                        break;
                    }
                }
            }
        }
        // The power levels are written only in debug write mode.
        const ImageChanges found =
            compareImages(imageOf(before), imageOf(after), writtenRanges(true), 1);
        QSet<Entry> listed;
        for (const SettingChange &c : found.settings) {
            listed << Entry{c.field, c.entry};
            const SettingField &f = settingFieldAt(c.field);
            if (f.isText()) {
                QCOMPARE(c.afterText, textValue(f, after, c.entry));
            } else {
                QCOMPARE(c.beforeNumber, numberValue(f, before));
                QCOMPARE(c.afterNumber, numberValue(f, after));
            }
        }
        QCOMPARE(listed, expected);
        QVERIFY(found.channels.isEmpty());
        QVERIFY(found.bytes.isEmpty());
    }

    void channelComingIntoUseShowsEveryCell_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("Chinese") << 0;
    }
    void channelComingIntoUseShowsEveryCell() {
        QFETCH(int, language);
        const EditorState before = startUpState(qint16(language));
        EditorState after = before;
        fillChannel(after, 4);
        const ImageChanges found =
            compareImages(imageOf(before), imageOf(after), writtenRanges(false), qint16(language));
        QCOMPARE(found.channels.size(), 8);
        for (const ChannelChange &c : found.channels) {
            QCOMPARE(c.channel, 4);
            QCOMPARE(c.before, QString());
            QCOMPARE(c.after, after.channels.cell(4, c.column));
        }
        QCOMPARE(found.channels[4].after, optionText(ColPower, 1, qint16(language)));
        // And going out of use again.
        const ImageChanges back =
            compareImages(imageOf(after), imageOf(before), writtenRanges(false), qint16(language));
        QCOMPARE(back.channels.size(), 8);
        QCOMPARE(back.channels[0].after, QString());
    }

    void unnamedBytesAreListedAsRuns() {
        // A radio straight from the factory, all FF, gets the records of its
        // unused channels, the identity block and the constants.
        const QByteArray factory(0x400, '\xFF');
        const ImageChanges found =
            compareImages(factory, imageOf(startUpState(1)), writtenRanges(false), 1);
        QVERIFY(found.channels.isEmpty());
        QVERIFY(!found.bytes.isEmpty());
        QCOMPARE(found.bytes[0].channel, 1);
        QCOMPARE(found.bytes[0].address, 0x001C);
        QCOMPARE(found.bytes[0].before, QByteArray(3, '\xFF'));
        QCOMPARE(found.bytes[0].after, fromHex("F8 F0 FC"));
        bool identity = false;
        for (const ByteChange &b : found.bytes) {
            QCOMPARE(b.before, QByteArray(b.before.size(), '\xFF'));
            QVERIFY(b.before != b.after);
            if (b.address == 0x01B8) {
                identity = true;
                QCOMPARE(b.channel, 0);
                QVERIFY(b.after.startsWith("K7403"));
            }
            // Nothing outside the written ranges.
            QVERIFY(!(b.address >= 0x0180 && b.address < 0x01B8));
        }
        QVERIFY(identity);
    }

    void valuesTheEditorsMakeAreHeld() {
        QRandomGenerator rng(9);
        for (int round = 0; round < 40; ++round) {
            const EditorState state = generatedState(rng, qint16(round % 2));
            for (const WriteWarning &w : checkBeforeWrite(state, state.bandPosition))
                QVERIFY2(w.kind == WriteWarningKind::OutsideBand ||
                             w.kind == WriteWarningKind::ToneWithoutTx,
                         qPrintable(QStringLiteral("round %1: channel %2 column %3 value %4")
                                        .arg(round)
                                        .arg(w.channel)
                                        .arg(w.column)
                                        .arg(w.value)));
        }
    }

    void warnings_data() {
        QTest::addColumn<int>("radioBand");
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("tx");
        QTest::addColumn<QString>("txTone");
        QTest::addColumn<int>("highPower");
        QTest::addColumn<bool>("debugWrite");
        QTest::addColumn<QList<int>>("kinds");
        using K = WriteWarningKind;
        QTest::newRow("nothing to say") << 0 << "446.00625"
                                        << "446.00625"
                                        << "Off" << 63 << true << QList<int>{};
        QTest::newRow("another band")
            << 5 << "446.00625"
            << "446.00625"
            << "Off" << 63 << false
            << QList<int>{int(K::BandMismatch), int(K::OutsideBand), int(K::OutsideBand)};
        QTest::newRow("band code outside the table")
            << -1 << "446.00625"
            << "446.00625"
            << "Off" << 63 << false << QList<int>{int(K::UnknownBand)};
        QTest::newRow("TX outside the band")
            << 0 << "446.00625"
            << "480.00000"
            << "Off" << 63 << false << QList<int>{int(K::OutsideBand)};
        QTest::newRow("band edges are inside") << 0 << "400.00000"
                                               << "470.00000"
                                               << "Off" << 63 << false << QList<int>{};
        QTest::newRow("TX tone without TX")
            << 0 << "446.00625"
            << ""
            << "88.5" << 63 << false << QList<int>{int(K::ToneWithoutTx)};
        QTest::newRow("TX tone Off without TX") << 0 << "446.00625"
                                                << ""
                                                << "Off" << 63 << false << QList<int>{};
        QTest::newRow("a tone the image cannot hold")
            << 0 << "446.00625"
            << "446.00625"
            << "466.0" << 63 << false << QList<int>{int(K::NotHeld)};
        QTest::newRow("not a frequency") << 0 << "4A6.00625"
                                         << "446.00625"
                                         << "Off" << 63 << false << QList<int>{int(K::NotHeld)};
        QTest::newRow("power level above 63, written")
            << 0 << "446.00625"
            << "446.00625"
            << "Off" << 64 << true << QList<int>{int(K::PowerLevel)};
        QTest::newRow("power level above 63, not written") << 0 << "446.00625"
                                                           << "446.00625"
                                                           << "Off" << 99 << false << QList<int>{};
    }
    void warnings() {
        QFETCH(int, radioBand);
        QFETCH(QString, rx);
        QFETCH(QString, tx);
        QFETCH(QString, txTone);
        QFETCH(int, highPower);
        QFETCH(bool, debugWrite);
        QFETCH(QList<int>, kinds);
        EditorState state = startUpState(1);
        fillChannel(state, 2);
        state.channels.setCell(2, ColRxFrequency, rx);
        state.channels.setCell(2, ColTxFrequency, tx);
        state.channels.setCell(2, ColTxTone, txTone);
        state.store.txHighPower = highPower;
        state.debugWriteMode = debugWrite;
        QList<int> found;
        for (const WriteWarning &w : checkBeforeWrite(state, radioBand)) {
            found << int(w.kind);
            if (w.channel) {
                QCOMPARE(w.channel, 2);
                QCOMPARE(w.value, state.channels.cell(2, w.column));
            }
        }
        QCOMPARE(found, kinds);
    }
};

QTEST_GUILESS_MAIN(TestImageChanges)
#include "tst_imagechanges.moc"
