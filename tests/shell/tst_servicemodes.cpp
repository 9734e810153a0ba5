// The hidden service modes: the caption gestures with their 5-second window
// and the double click on the toolbar buttons with whole-second times.
#include "model/editorstate.h"
#include "shell/servicemodes.h"

#include <QTest>

#include <memory>

class TestServiceModes : public QObject {
    Q_OBJECT
private:
    double now = 0;
    EditorState state;
    std::unique_ptr<ServiceModes> owned;
    ServiceModes *m = nullptr;

    void at(double seconds) { now = seconds; }

private slots:
    void init() {
        state = EditorState();
        owned = std::make_unique<ServiceModes>(state);
        m = owned.get();
        m->setClock([this] { return now; });
    }

    void bandOverrideGesture_data() {
        QTest::addColumn<QList<int>>("captions");
        QTest::addColumn<QList<double>>("times");
        QTest::addColumn<bool>("on");
        QTest::newRow("three captions at once")
            << QList<int>{0, 1, 2} << QList<double>{100, 100.5, 101} << true;
        QTest::newRow("any order") << QList<int>{2, 0, 1} << QList<double>{100, 101, 102} << true;
        QTest::newRow("last click 5 s after the first")
            << QList<int>{0, 1, 2} << QList<double>{100, 102, 105} << true;
        QTest::newRow("last click 5.2 s after the first")
            << QList<int>{0, 1, 2} << QList<double>{100, 102, 105.2} << false;
        QTest::newRow("first click rounded up")
            << QList<int>{0, 1, 2} << QList<double>{99.6, 102, 105.0} << true;
        QTest::newRow("late click starts anew")
            << QList<int>{0, 1, 2, 0, 1} << QList<double>{100, 101, 110, 111, 112} << true;
        QTest::newRow("same caption three times")
            << QList<int>{0, 0, 0} << QList<double>{100, 101, 102} << false;
        QTest::newRow("two captions") << QList<int>{0, 2} << QList<double>{100, 101} << false;
        QTest::newRow("across midnight")
            << QList<int>{0, 1, 2} << QList<double>{86399, 0.5, 2} << true;
        QTest::newRow("stale flags from yesterday")
            << QList<int>{0, 1, 2} << QList<double>{80000, 80001, 600} << false;
    }
    void bandOverrideGesture() {
        QFETCH(QList<int>, captions);
        QFETCH(QList<double>, times);
        QFETCH(bool, on);
        bool completed = false;
        for (int i = 0; i < captions.size(); ++i) {
            at(times[i]);
            completed = m->panelCaptionClicked(captions[i]);
        }
        QCOMPARE(completed, on);
        QCOMPARE(state.bandOverrideMode, on);
        QVERIFY(!state.debugWriteMode);
    }

    void lateClickKeepsOnlyItsOwnFlag() {
        at(100);
        m->panelCaptionClicked(0);
        m->panelCaptionClicked(1);
        at(106);
        m->panelCaptionClicked(2);
        QVERIFY(!m->flag(0));
        QVERIFY(!m->flag(1));
        QVERIFY(m->flag(2));
        QCOMPARE(m->firstClickTime(), 106);
    }

    void debugGestureUsesTwoFlags() {
        at(100);
        QVERIFY(!m->debugCaptionClicked(0));
        at(104);
        QVERIFY(m->debugCaptionClicked(1));
        QVERIFY(state.debugWriteMode);
        QVERIFY(!state.bandOverrideMode);
    }

    void panelClicksCountForTheDebugGesture() {
        // Flags 0 and 1 are shared: a panel click counts for the debug gesture.
        at(100);
        m->panelCaptionClicked(0);
        at(101);
        QVERIFY(m->debugCaptionClicked(1));
        QVERIFY(!state.bandOverrideMode);
    }

    void buttonDoubleClick_data() {
        QTest::addColumn<QList<double>>("times");
        QTest::addColumn<int>("offAtClick"); // 0 = stays on
        QTest::newRow("quick double click") << QList<double>{200.1, 200.4} << 2;
        QTest::newRow("one second apart") << QList<double>{200.0, 201.0} << 0;
        QTest::newRow("slow clicks") << QList<double>{200.0, 203.0, 205.0} << 0;
        // 200.4 is stored as 200; 201.2 is 1.2 s after it and only counts
        // as a new first click, so the third click ends the mode.
        QTest::newRow("unlucky whole-second boundary") << QList<double>{200.4, 201.2, 201.5} << 3;
        // 200.6 is stored as 201: 201.5 is only 0.5 s after it.
        QTest::newRow("lucky rounding") << QList<double>{200.6, 201.5} << 2;
        QTest::newRow("across midnight") << QList<double>{86399.8, 0.3} << 2;
    }
    void buttonDoubleClick() {
        QFETCH(QList<double>, times);
        QFETCH(int, offAtClick);
        at(10);
        m->panelCaptionClicked(0);
        m->panelCaptionClicked(1);
        QVERIFY(m->panelCaptionClicked(2));
        int offAt = 0;
        for (int i = 0; i < times.size(); ++i) {
            at(times[i]);
            if (m->bandOverrideButtonClicked() && !offAt)
                offAt = i + 1;
        }
        QCOMPARE(offAt, offAtClick);
        QCOMPARE(state.bandOverrideMode, offAtClick == 0);
        if (offAtClick) {
            QCOMPARE(m->buttonClickTime(), 0);
            QVERIFY(!m->flag(0) && !m->flag(1) && !m->flag(2));
        }
    }

    void staleClickTimeFromYesterdayIsAFirstClick() {
        state.debugWriteMode = true;
        at(80000);
        QVERIFY(!m->debugWriteButtonClicked());
        at(600); // the next day, just after midnight
        QVERIFY(!m->debugWriteButtonClicked());
        QVERIFY(state.debugWriteMode);
        at(600.5);
        QVERIFY(m->debugWriteButtonClicked());
        QVERIFY(!state.debugWriteMode);
    }

    void buttonsShareTheClickTime() {
        state.debugWriteMode = true;
        state.bandOverrideMode = true;
        at(300.2);
        m->bandOverrideButtonClicked();
        at(300.4);
        QVERIFY(m->debugWriteButtonClicked());
        QVERIFY(!state.debugWriteMode);
        QVERIFY(state.bandOverrideMode);
    }
};

QTEST_GUILESS_MAIN(TestServiceModes)
#include "tst_servicemodes.moc"
