// The table of radio-wide settings: its rows against the byte layout and
// the worked byte examples, and the rule of which values the radio keeps.
#include "model/editorstate.h"
#include "model/layout.h"
#include "model/settingfields.h"

#include <QtTest>

namespace {

const SettingField &field(const char *group, const char *name) {
    const SettingField *f = findSettingField(QLatin1String(group), QLatin1String(name));
    if (!f)
        qFatal("no field %s / %s", group, name);
    return *f;
}

} // namespace

class TestSettingFields : public QObject {
    Q_OBJECT
private slots:
    void fieldsTileTheSettingsBytes() {
        // No two fields share a byte, and every field lies in the part of
        // the image that decoding reads, outside the channel records.
        QVector<QString> owner(Layout::kDecodedSize);
        QSet<QString> names;
        for (int i = 0; i < settingFieldCount(); ++i) {
            const SettingField &f = settingFieldAt(i);
            const QString name = QStringLiteral("%1 / %2").arg(f.group, f.name);
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            QVERIFY(f.count >= 1);
            for (int k = 0; k < f.count; ++k)
                for (int b = 0; b < f.width(); ++b) {
                    const int at = f.offset + k * f.stride + b;
                    QVERIFY2(at >= 0x100 && at < Layout::kDecodedSize, qPrintable(name));
                    QVERIFY2(owner[at].isEmpty(),
                             qPrintable(name + QLatin1String(" overlaps ") + owner[at]));
                    owner[at] = name;
                }
        }
    }

    void startUpValuesAreKept() {
        const EditorState st;
        for (int i = 0; i < settingFieldCount(); ++i) {
            const SettingField &f = settingFieldAt(i);
            for (int k = 0; k < f.count; ++k) {
                if (f.isText()) {
                    QCOMPARE(textValue(f, st, k), startUpText(f, k));
                    QVERIFY(fieldKeepsText(f, k, textValue(f, st, k)));
                } else {
                    QCOMPARE(numberValue(f, st), f.startUp);
                    QVERIFY(fieldKeepsNumber(f, f.startUp));
                }
            }
        }
    }

    void workedBytes_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("bytes");
        const QString o = QStringLiteral("Optional Function");
        const QString fs = QStringLiteral("Functions Setting");
        QTest::newRow("first digit delay 1000 ms")
            << o << "First Digit Delay" << 0 << "1000" << QByteArray("64");
        QTest::newRow("first digit delay at start-up")
            << o << "First Digit Delay" << 0 << "0" << QByteArray("00");
        QTest::newRow("look back time Empty")
            << o << "Look Back Time A" << 0 << "0" << QByteArray("FF");
        QTest::newRow("priority channel 16")
            << o << "Priority Channel" << 0 << "16" << QByteArray("10");
        QTest::newRow("time-out timer 600 s")
            << fs << "Time-out Timer" << 0 << "39" << QByteArray("28");
        QTest::newRow("time-out timer none")
            << fs << "Time-out Timer" << 0 << "-1" << QByteArray("00");
        QTest::newRow("duplicate off") << o << "Duplicate" << 0 << "0" << QByteArray("FE");
        QTest::newRow("carried digit 5") << o << "carried digit" << 0 << "5" << QByteArray("35");
        QTest::newRow("dropout 300 s")
            << o << "Dropout delay time" << 0 << "300" << QByteArray("2C01");
        QTest::newRow("empty dropout is 0")
            << o << "Dropout delay time" << 0 << "" << QByteArray("0000");
        QTest::newRow("auto-dial 102") << o << "Auto-dial Memory" << 3 << "102"
                                       << QByteArray("313A32FFFFFFFFFFFFFFFFFFFFFFFFFF");
        QTest::newRow("ID Code of 3")
            << o << "ID Code" << 0 << "123" << QByteArray("313233FFFFFFFFFFFFFF");
        QTest::newRow("test frequency")
            << "Test Frequency"
            << "TX Frequency" << 15 << "438.00625" << QByteArray("25068043");
        QTest::newRow("PF1 at start-up") << "Keys"
                                         << "PF1" << 0 << "10" << QByteArray("0A");
    }

    void workedBytes() {
        QFETCH(QString, group);
        QFETCH(QString, name);
        QFETCH(int, entry);
        QFETCH(QString, value);
        QFETCH(QByteArray, bytes);
        const SettingField *f = findSettingField(group, name);
        QVERIFY(f);
        EditorState st;
        if (f->isText())
            setTextValue(*f, st, entry, value);
        else
            setNumberValue(*f, st, value.toInt());
        const QByteArray encoded = encodeFieldEntry(*f, st, entry);
        QCOMPARE(encoded.toHex().toUpper(), bytes);
        // And back: decoding the bytes onto a fresh state gives the value
        // again (an empty scan time reads back as 0).
        EditorState back;
        decodeFieldEntry(*f, reinterpret_cast<const uchar *>(encoded.constData()), back, entry);
        const QString got =
            f->isText() ? textValue(*f, back, entry) : QString::number(numberValue(*f, back));
        QCOMPARE(got, value.isEmpty() ? QStringLiteral("0") : value);
    }

    void keptValues_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("kept");
        QTest::newRow("dropout 300") << "Dropout delay time"
                                     << "300" << true;
        QTest::newRow("dropout 301") << "Dropout delay time"
                                     << "301" << false;
        QTest::newRow("dropout 400") << "Dropout delay time"
                                     << "400" << false;
        QTest::newRow("dropout leading zero") << "Dropout delay time"
                                              << "07" << false;
        QTest::newRow("dropout empty (start-up)") << "Dropout delay time"
                                                  << "" << true;
        QTest::newRow("first digit delay 100") << "First Digit Delay"
                                               << "100" << true;
        QTest::newRow("first digit delay 90") << "First Digit Delay"
                                              << "90" << false;
        QTest::newRow("first digit delay 105") << "First Digit Delay"
                                               << "105" << false;
        QTest::newRow("first digit delay 2559") << "First Digit Delay"
                                                << "2559" << false;
        QTest::newRow("first digit delay 0 (start-up)") << "First Digit Delay"
                                                        << "0" << true;
        QTest::newRow("priority channel 0") << "Priority Channel"
                                            << "0" << false;
        QTest::newRow("VOX gain 10") << "VOX Gain Level"
                                     << "10" << true;
        QTest::newRow("VOX gain 11") << "VOX Gain Level"
                                     << "11" << false;
        QTest::newRow("carried digit 10") << "carried digit"
                                          << "10" << false;
        QTest::newRow("duplicate 2") << "Duplicate"
                                     << "2" << false;
        QTest::newRow("look back 91") << "Look Back Time A"
                                      << "91" << true;
        QTest::newRow("look back 92") << "Look Back Time A"
                                      << "92" << false;
        QTest::newRow("ID Code 10 characters") << "ID Code"
                                               << "1234567890" << true;
        QTest::newRow("ID Code 11 characters") << "ID Code"
                                               << "12345678901" << false;
        QTest::newRow("ID Code Latin-1") << "ID Code" << QStringLiteral("é") << true;
        QTest::newRow("ID Code wider than a byte") << "ID Code" << QStringLiteral("中") << false;
        QTest::newRow("ID Code FF character") << "ID Code" << QStringLiteral("\u00FF") << false;
        QTest::newRow("auto-dial colon") << "Auto-dial Memory"
                                         << "1:2" << false;
        QTest::newRow("auto-dial zero") << "Auto-dial Memory"
                                        << "100" << true;
    }

    void keptValues() {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(bool, kept);
        const SettingField *f = findSettingField(QStringLiteral("Optional Function"), name);
        QVERIFY(f);
        QCOMPARE(f->isText() ? fieldKeepsText(*f, 0, value) : fieldKeepsNumber(*f, value.toInt()),
                 kept);
    }

    void sameSettingsComparesWhatTheRadioKeeps() {
        EditorState a;
        EditorState b;
        QVERIFY(sameSettings(a, b));
        // An empty scan time is 0 to the radio.
        setTextValue(field("Optional Function", "TX Dwell time"), b, 0, QStringLiteral("0"));
        QVERIFY(sameSettings(a, b));
        setNumberValue(field("Keys", "PF2"), b, 3);
        QVERIFY(!sameSettings(a, b));
        QVERIFY(a.store != b.store);
    }
};

QTEST_APPLESS_MAIN(TestSettingFields)
#include "tst_settingfields.moc"
