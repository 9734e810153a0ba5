// Band selection: the question before a change of range, OK and Cancel,
// and the band limits that follow the selection.
#include "editor/bandselection.h"
#include "model/editorstate.h"
#include "tests/support/recordingmessageport.h"

#include <QTest>

class TestBandSelection : public QObject {
    Q_OBJECT
private:
    static EditorState stateWithChannels(qint16 language) {
        EditorState s;
        s.language = language;
        s.loadStartUpValues();
        for (int row : {1, 7, 16}) {
            s.channels.setCell(row, ColRxFrequency, "446.00625");
            s.channels.setCell(row, ColTxFrequency, "446.00625");
            s.channels.setOption(row, ColPower, 1, language);
        }
        return s;
    }

private slots:
    void changeAsksAndClearsOnOk_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("Chinese") << 0 << "注意！"
                                 << "改变频段将清除频道列表，确定吗？";
        QTest::newRow("English") << 1 << "Attention!"
                                 << "Change frequency channel list will remove, sure?";
        QTest::newRow("flag 2 speaks English")
            << 2 << "Attention!"
            << "Change frequency channel list will remove, sure?";
    }
    void changeAsksAndClearsOnOk() {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, text);
        EditorState s = stateWithChannels(static_cast<qint16>(language));
        RecordingMessagePort port;
        port.answers = {MsgResult::Ok};
        QCOMPARE(BandSelectionChanged(s, 5, port), BandChange::Accepted);
        QCOMPARE(port.shown.size(), 1);
        QCOMPARE(port.shown[0].flags, quint32(4385));
        QCOMPARE(port.shown[0].title, title);
        QCOMPARE(port.shown[0].text, text);
        QCOMPARE(s.acceptedBand, 5);
        QCOMPARE(s.bandPosition, 5);
        for (int row = 1; row <= kChannelCount; ++row) {
            QVERIFY(!s.channels.inUse(row));
            QCOMPARE(s.channels.optionIndex(row, ColPower), 0);
            QCOMPARE(s.channels.cell(row, ColNumber), QString("%1").arg(row, 2, 10, QChar('0')));
        }
        QCOMPARE(currentBandLimits(s).lower, 136);
        QCOMPARE(currentBandLimits(s).upper, 174);
    }

    void cancelKeepsEverything() {
        EditorState s = stateWithChannels(1);
        const EditorState before = s;
        RecordingMessagePort port;
        port.answers = {MsgResult::Cancel};
        QCOMPARE(BandSelectionChanged(s, 5, port), BandChange::Refused);
        QCOMPARE(s.bandPosition, 0);
        QCOMPARE(s.acceptedBand, 0);
        QVERIFY(s.channels == before.channels);
        QCOMPARE(currentBandLimits(s).lower, 400);
        QCOMPARE(currentBandLimits(s).upper, 470);
        // The selector then shows the accepted band again: nothing is asked.
        QCOMPARE(BandSelectionChanged(s, s.bandPosition, port), BandChange::Unchanged);
        QCOMPARE(port.shown.size(), 1);
    }

    void acceptedBandAsksNothing() {
        EditorState s = stateWithChannels(0);
        RecordingMessagePort port;
        QCOMPARE(BandSelectionChanged(s, 0, port), BandChange::Unchanged);
        QVERIFY(port.shown.isEmpty());
        QVERIFY(s.channels.inUse(7));
    }

    void adoptedBandAsksNothing() {
        EditorState s = stateWithChannels(0);
        RecordingMessagePort port;
        adoptBand(s, 6);
        QCOMPARE(BandSelectionChanged(s, 6, port), BandChange::Unchanged);
        QVERIFY(port.shown.isEmpty());
        QVERIFY(s.channels.inUse(1));
        QCOMPARE(currentBandLimits(s).lower, 600);
        QCOMPARE(currentBandLimits(s).upper, 720);
    }

    void positionOutsideTheListIsIgnored() {
        EditorState s = stateWithChannels(0);
        RecordingMessagePort port;
        QCOMPARE(BandSelectionChanged(s, -1, port), BandChange::Unchanged);
        QCOMPARE(BandSelectionChanged(s, 7, port), BandChange::Unchanged);
        QCOMPARE(s.bandPosition, 0);
        QVERIFY(port.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBandSelection)
#include "tst_bandselection.moc"
