#include "model/hexhelpers.h"

#include <QtTest>

class TestHexHelpers : public QObject {
    Q_OBJECT
private slots:
    void hexToBits_data();
    void hexToBits();
    void bitsToHex_data();
    void bitsToHex();
    void hexByteAndWord_data();
    void hexByteAndWord();
    void snapFrequency_data();
    void snapFrequency();
    void realMod_data();
    void realMod();
    void realModUnits_data();
    void realModUnits();
    void decimalToUnits_data();
    void decimalToUnits();
    void bitsRoundTripEveryByte();
};

void TestHexHelpers::hexToBits_data() {
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("bits");
    QTest::newRow("F8") << "F8"
                        << "11111000";
    QTest::newRow("2A") << "2A"
                        << "00101010";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("lower case ff") << "ff"
                                   << "11111111";
    QTest::newRow("non-hex counts as 0") << "G1"
                                         << "00000001";
    QTest::newRow("three digits") << "1EC"
                                  << "000111101100";
}

void TestHexHelpers::hexToBits() {
    QFETCH(QString, hex);
    QFETCH(QString, bits);
    QCOMPARE(HexToBits(hex), bits);
}

void TestHexHelpers::bitsToHex_data() {
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("hex");
    QTest::newRow("FC") << "11111100"
                        << "FC";
    QTest::newRow("padded 110000") << "110000"
                                   << "30";
    QTest::newRow("single 1") << "1"
                              << "1";
    QTest::newRow("10000") << "10000"
                           << "10";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("twelve bits") << "100111101100"
                                 << "9EC";
    QTest::newRow("thirteen bits") << "1000000000000"
                                   << "1000";
}

void TestHexHelpers::bitsToHex() {
    QFETCH(QString, bits);
    QFETCH(QString, hex);
    QCOMPARE(BitsToHex(bits), hex);
}

void TestHexHelpers::hexByteAndWord_data() {
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    QTest::newRow("HexByte 5") << HexByte(5) << "05";
    QTest::newRow("HexByte 255") << HexByte(255) << "FF";
    QTest::newRow("HexByte 885") << HexByte(885) << "375";
    QTest::newRow("HexByte 1000") << HexByte(1000) << "3E8";
    QTest::newRow("HexByte real rounds") << HexByte(0.55) << "01";
    QTest::newRow("HexByte real half to even") << HexByte(2.5) << "02";
    QTest::newRow("HexWord 0") << HexWord(0) << "0000";
    QTest::newRow("HexWord 300") << HexWord(300) << "012C";
    QTest::newRow("HexWord 65535") << HexWord(65535) << "FFFF";
}

void TestHexHelpers::hexByteAndWord() {
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestHexHelpers::snapFrequency_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("snapped");
    QTest::newRow("5 kHz nearer") << "146.12345"
                                  << "146.12000";
    QTest::newRow("6.25 kHz nearer") << "146.10700"
                                     << "146.10625";
    QTest::newRow("on 5 kHz") << "146.12500"
                              << "146.12500";
    QTest::newRow("on 6.25 kHz") << "446.00625"
                                 << "446.00625";
    QTest::newRow("999") << "446.00999"
                         << "446.00625";
    QTest::newRow("2300") << "146.12300"
                          << "146.12000";
    QTest::newRow("never crosses 100 kHz") << "146.19999"
                                           << "146.19500";
    QTest::newRow("equal remainders") << "146.00000"
                                      << "146.00000";
}

void TestHexHelpers::snapFrequency() {
    QFETCH(QString, text);
    QFETCH(QString, snapped);
    QCOMPARE(snapFrequencyText(text), snapped);
    QCOMPARE(SnapFrequency(text), snapped.toDouble());
}

void TestHexHelpers::realMod_data() {
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("remainder");
    QTest::newRow("7 mod 2") << 2.0 << 7.0 << 1.0;
    QTest::newRow("8 mod 2") << 2.0 << 8.0 << 0.0;
    QTest::newRow("below step") << 2.0 << 1.5 << 1.5;
    QTest::newRow("2.5 mod 0.5") << 0.5 << 2.5 << 0.0;
    QTest::newRow("exact by its text form") << 0.00625 << 446.0125 << 0.0;
    QTest::newRow("446.007 on 5 kHz") << 0.005 << 446.007 << 0.002;
}

void TestHexHelpers::realMod() {
    QFETCH(double, step);
    QFETCH(double, value);
    QFETCH(double, remainder);
    QVERIFY(qAbs(RealMod(step, value) - remainder) < 1e-9);
}

void TestHexHelpers::realModUnits_data() {
    QTest::addColumn<qint64>("step");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("remainder");
    QTest::newRow("446.007 on 5 kHz") << qint64(500) << qint64(44600700) << qint64(200);
    QTest::newRow("446.007 on 6.25 kHz") << qint64(625) << qint64(44600700) << qint64(75);
    QTest::newRow("exact") << qint64(625) << qint64(44601250) << qint64(0);
    QTest::newRow("below step") << qint64(500) << qint64(300) << qint64(300);
}

void TestHexHelpers::realModUnits() {
    QFETCH(qint64, step);
    QFETCH(qint64, value);
    QFETCH(qint64, remainder);
    QCOMPARE(RealMod(step, value), remainder);
}

void TestHexHelpers::decimalToUnits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("units");
    QTest::newRow("146.1") << "146.1" << true << qint64(14610000);
    QTest::newRow("rounds 10 Hz") << "146.123456" << true << qint64(14612346);
    QTest::newRow("trailing point") << "174." << true << qint64(17400000);
    QTest::newRow("leading point") << ".5" << true << qint64(50000);
    QTest::newRow("two points") << "1.2.3" << false << qint64(0);
    QTest::newRow("lone point") << "." << false << qint64(0);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("letters") << "14a" << false << qint64(0);
    QTest::newRow("comma is no separator") << "146,5" << false << qint64(0);
}

void TestHexHelpers::decimalToUnits() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, units);
    qint64 actual = 0;
    QCOMPARE(::decimalToUnits(text, 5, &actual), ok);
    if (ok)
        QCOMPARE(actual, units);
}

void TestHexHelpers::bitsRoundTripEveryByte() {
    for (int v = 0; v < 256; ++v) {
        const QString hex = HexByte(v);
        QCOMPARE(HexToBits(hex).size(), 8);
        QCOMPARE(BitsToHex(HexToBits(hex)), hex);
    }
}

QTEST_APPLESS_MAIN(TestHexHelpers)
#include "tst_hexhelpers.moc"
