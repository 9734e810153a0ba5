// The localised message box: buttons, icon and default button of each style
// value the program uses, button captions of each language flag, the empty
// title, the result ids, and text that is never read as markup.
#include "msgboxrecorder.h"
#include "shell/msgboxstyle.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <QWidget>
#include <algorithm>

using Captions = QMap<int, QString>;

class TestLocalizedMsgBox : public QObject {
    Q_OBJECT
private slots:
    void styleGivesButtonsIconAndDefault_data() {
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<QList<int>>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("0") << 0u << QList<int>{1} << int(QMessageBox::NoIcon) << 1;
        QTest::newRow("16") << 16u << QList<int>{1} << int(QMessageBox::Critical) << 1;
        QTest::newRow("36") << 36u << QList<int>{6, 7} << int(QMessageBox::Question) << 6;
        QTest::newRow("64") << 64u << QList<int>{1} << int(QMessageBox::Information) << 1;
        QTest::newRow("68") << 68u << QList<int>{6, 7} << int(QMessageBox::Information) << 6;
        QTest::newRow("305") << 305u << QList<int>{1, 2} << int(QMessageBox::Warning) << 2;
        QTest::newRow("4385") << 4385u << QList<int>{1, 2} << int(QMessageBox::Question) << 2;
        QTest::newRow("Abort/Retry/Ignore")
            << 2u << QList<int>{3, 4, 5} << int(QMessageBox::NoIcon) << 3;
        QTest::newRow("Yes/No/Cancel, third default")
            << 515u << QList<int>{6, 7, 2} << int(QMessageBox::NoIcon) << 2;
    }
    void styleGivesButtonsIconAndDefault() {
        QFETCH(quint32, flags);
        QFETCH(QList<int>, buttons);
        QFETCH(int, icon);
        QFETCH(int, defaultButton);
        MsgBoxRecorder recorder;
        QString title = "T";
        LocalizedMsgBox(nullptr, 1, "text", flags, title);
        QCOMPARE(recorder.boxes.size(), 1);
        const RecordedBox &box = recorder.boxes[0];
        QCOMPARE(box.captions.keys(), [&] {
            auto b = buttons;
            std::sort(b.begin(), b.end());
            return b;
        }());
        QCOMPARE(int(box.icon), icon);
        QCOMPARE(box.defaultButton, defaultButton);
        QCOMPARE(box.flags, flags);
        QVERIFY(box.applicationModal);
    }

    void captionsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<Captions>("captions");
        QTest::newRow("0 OK/Cancel") << 0 << 305u << Captions{{1, "确定"}, {2, "取消"}};
        QTest::newRow("1 OK/Cancel") << 1 << 305u << Captions{{1, "OK"}, {2, "Cancel"}};
        QTest::newRow("2 OK/Cancel") << 2 << 305u << Captions{{1, "確定"}, {2, "取消"}};
        QTest::newRow("0 Yes/No") << 0 << 68u << Captions{{6, "是"}, {7, "否"}};
        QTest::newRow("1 Yes/No") << 1 << 68u << Captions{{6, "Yes"}, {7, "No"}};
        QTest::newRow("2 Yes/No") << 2 << 68u << Captions{{6, "是"}, {7, "否"}};
        QTest::newRow("0 Abort/Retry/Ignore")
            << 0 << 2u << Captions{{3, "放弃"}, {4, "重试"}, {5, "忽略"}};
        QTest::newRow("2 Abort/Retry/Ignore")
            << 2 << 2u << Captions{{3, "放棄"}, {4, "重試"}, {5, "忽略"}};
        QTest::newRow("0 OK") << 0 << 16u << Captions{{1, "确定"}};
    }
    void captionsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(quint32, flags);
        QFETCH(Captions, captions);
        MsgBoxRecorder recorder;
        QString title;
        LocalizedMsgBox(nullptr, static_cast<qint16>(language), "text", flags, title);
        QCOMPARE(recorder.boxes[0].captions, captions);
    }

    void otherFlagsKeepThePlatformCaptions_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("3") << 3;
        QTest::newRow("255") << 255;
        QTest::newRow("-1") << -1;
    }
    void otherFlagsKeepThePlatformCaptions() {
        QFETCH(int, language);
        // What Qt itself writes on the buttons.
        QMessageBox plain;
        const QString ok = plain.addButton(QMessageBox::Ok)->text();
        const QString cancel = plain.addButton(QMessageBox::Cancel)->text();
        MsgBoxRecorder recorder;
        QString title;
        LocalizedMsgBox(nullptr, static_cast<qint16>(language), "text", 1, title);
        QCOMPARE(recorder.boxes[0].captions, (Captions{{1, ok}, {2, cancel}}));
        QVERIFY(msgBoxButtonCaption(1, static_cast<qint16>(language)).isEmpty());
    }

    void emptyTitleBecomesTheApplicationTitle() {
        MsgBoxRecorder recorder;
        QString title;
        LocalizedMsgBox(nullptr, 0, "text", 0, title);
        QCOMPARE(title, QString("VQ-740 Software"));
        QCOMPARE(recorder.boxes[0].title, QString("VQ-740 Software"));
        QString own = "警告";
        LocalizedMsgBox(nullptr, 0, "text", 0, own);
        QCOMPARE(own, QString("警告"));
        QCOMPARE(recorder.boxes[1].title, QString("警告"));
        QCOMPARE(recorder.boxes[1].text, QString("text"));
    }

    void markupInTheTextIsShownAsWritten() {
        MsgBoxRecorder recorder;
        QString title;
        const QString text = "ID Code: \"<img width=9999 height=9999 src=a.png>\" is not a value";
        LocalizedMsgBox(nullptr, 1, text, 16, title);
        QCOMPARE(recorder.boxes[0].text, text);
        QCOMPARE(recorder.boxes[0].textFormat, Qt::PlainText);
    }

    void resultIsThePressedButton_data() {
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<int>("press");
        QTest::newRow("Yes") << 68u << 6;
        QTest::newRow("No") << 68u << 7;
        QTest::newRow("OK") << 4385u << 1;
        QTest::newRow("Cancel") << 4385u << 2;
        QTest::newRow("Retry") << 5u << 4;
    }
    void resultIsThePressedButton() {
        QFETCH(quint32, flags);
        QFETCH(int, press);
        MsgBoxRecorder recorder;
        recorder.answers = {press};
        QString title;
        QCOMPARE(LocalizedMsgBox(nullptr, 1, "q", flags, title), press);
    }

    void realBoxAnswersWithTheClickedButton() {
        // The real dialog, answered by clicking its No button once shown.
        QWidget owner;
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->parentWidget()->objectName(), QString("owner"));
            QAbstractButton *no = msgBoxButton(*box, 7);
            QVERIFY(no);
            QCOMPARE(no->text(), QString("否"));
            no->click();
        });
        owner.setObjectName("owner");
        QString title;
        QCOMPARE(LocalizedMsgBox(&owner, 0, "q", 36, title), 7);
    }

    void portShowsThroughTheBox() {
        MsgBoxRecorder recorder;
        recorder.answers = {2};
        qint16 language = 0;
        LocalizedMessagePort port(nullptr, language);
        QCOMPARE(port.show("hello", 4385, QString()), 2);
        language = 1;
        port.show("again", 305, "Warnning");
        QCOMPARE(recorder.boxes[0].title, QString("VQ-740 Software"));
        QCOMPARE(recorder.boxes[0].captions.value(1), QString("确定"));
        QCOMPARE(recorder.boxes[1].captions.value(2), QString("Cancel"));
        QCOMPARE(recorder.boxes[1].title, QString("Warnning"));
    }
};

QTEST_MAIN(TestLocalizedMsgBox)
#include "tst_localizedmsgbox.moc"
