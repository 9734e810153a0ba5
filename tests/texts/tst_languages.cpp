// The texts of the main window, its option windows and its actions in every
// language: none empty, Chinese where English has words, the same after
// switching back and forth; and a further translation built in (a small
// one made for this test) offered in the Languages menu and remembered.
#include "tests/shell/windowtesttools.h"

#include "editor/channelgrid.h"
#include "model/editorstate.h"
#include "model/texts.h"
#include "shell/devicesetting.h"
#include "shell/form1.h"
#include "shell/parameterfile.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every text a user can see on a control of the window or of a window it
// owns, by window and control.
QMap<QString, QString> textsOf(QWidget *top) {
    QMap<QString, QString> texts;
    QList<QObject *> objects{top};
    objects += top->findChildren<QObject *>();
    for (QObject *o : objects) {
        if (o->objectName().isEmpty())
            continue;
        QString window;
        if (auto *w = qobject_cast<QWidget *>(o))
            window = w->window()->objectName();
        else if (auto *w = qobject_cast<QWidget *>(o->parent()))
            window = w->window()->objectName();
        const QString key = window + QLatin1Char('/') + o->objectName();
        if (auto *action = qobject_cast<QAction *>(o)) {
            // A toolbar button shows its picture and its tool tip.
            if (o->objectName().startsWith(QLatin1String("Toolbar1_")))
                texts[key + QLatin1String("/tip")] = action->toolTip();
            else if (!action->isSeparator())
                texts[key] = action->text();
        } else if (auto *menu = qobject_cast<QMenu *>(o)) {
            texts[key] = menu->title();
        } else if (auto *frame = qobject_cast<QGroupBox *>(o)) {
            texts[key] = frame->title();
        } else if (auto *label = qobject_cast<QLabel *>(o)) {
            texts[key] = label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(o)) {
            texts[key] = button->text();
        } else if (auto *combo = qobject_cast<QComboBox *>(o)) {
            for (int i = 0; i < combo->count(); ++i)
                texts[key + QLatin1Char('/') + QString::number(i)] = combo->itemText(i);
        } else if (auto *table = qobject_cast<QTableWidget *>(o)) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (QTableWidgetItem *item = table->horizontalHeaderItem(c))
                    texts[key + QLatin1String("/header") + QString::number(c)] = item->text();
        }
        if (auto *w = qobject_cast<QWidget *>(o); w && w->isWindow())
            texts[key + QLatin1String("/title")] = w->windowTitle();
    }
    return texts;
}

// The controls whose texts differ between two walks, with both texts.
QStringList differences(const QMap<QString, QString> &before, const QMap<QString, QString> &after) {
    QStringList found;
    QStringList keys = before.keys() + after.keys();
    keys.removeDuplicates();
    for (const QString &key : keys)
        if (before.value(key, QStringLiteral("<none>")) !=
            after.value(key, QStringLiteral("<none>")))
            found << key + QStringLiteral(": ") + before.value(key) + QStringLiteral(" -> ") +
                         after.value(key);
    return found;
}

bool holdsCjk(const QString &text) {
    static const QRegularExpression cjk(QStringLiteral("[\\x{3400}-\\x{9FFF}\\x{FF01}-\\x{FF5E}]"));
    return text.contains(cjk);
}

// A word of the English texts: three letters, not all capitals (a code
// such as "DTMF", "PTT ID", "D023N" or "MHz" reads the same in Chinese).
bool holdsEnglishWord(const QString &text) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]*[a-z]{3,}"));
    return text.contains(word);
}

// The texts the program has in both languages alike although they hold an
// English word: names and units the Chinese window shows as they are.
const QStringList kSameInBothLanguages{
    QStringLiteral("Form6/Combo1/1"), // the key function "OFF" reads "None" in English
    QStringLiteral("Form6/Combo2/1"),
    QStringLiteral("frmAbout/frmAbout/title"), // the About box's title is "Help" in both
};

struct Window {
    Window()
        : settings(dir.filePath("settings.ini")),
          form(std::make_unique<Form1>(ParameterFile(dir.path(), dir.filePath("config")),
                                       settings)) {}
    template <typename T> T *get(const char *name) const { return childNamed<T>(form.get(), name); }
    QAction *action(const char *name) const { return get<QAction>(name); }
    QByteArray parameterBytes() const { return readFile(dir.filePath("parameter")); }

    QTemporaryDir dir;
    DeviceSetting settings;
    std::unique_ptr<Form1> form;
};

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyTextInEveryLanguage() {
        Window w;
        w.form->show();
        // A table cell chosen, a list item picked and the focus in the
        // table: a switch of language keeps them.
        auto *grid = w.get<ChannelGrid>("Grid1");
        grid->setCurrentCell(3, 2);
        grid->setFocus();
        QCOMPARE(w.form->focusWidget(), static_cast<QWidget *>(grid));
        auto *combo = w.get<QComboBox>("Combo3");
        combo->setCurrentIndex(5);
        // The windows the menus open beside the main window.
        for (const char *item : {"mnutrace", "mnuBackups", "mnuJournal", "mnuProgramRadios"})
            w.action(item)->trigger();
        grid->activateWindow();

        w.action("mnuChinese")->trigger();
        const QMap<QString, QString> chinese = textsOf(w.form.get());
        w.action("mnuEnglish")->trigger();
        const QMap<QString, QString> english = textsOf(w.form.get());
        QVERIFY(chinese.size() > 300);
        QCOMPARE(chinese.keys(), english.keys());
        QStringList faults;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const QString &zh = chinese.value(it.key());
            const QString where = it.key() + QStringLiteral(": ") + it.value() + " / " + zh;
            // A folder or file shown is not a text.
            if (QDir::isAbsolutePath(it.value()))
                continue;
            if (it.value().isEmpty() != zh.isEmpty())
                faults << where;
            // A further language is named by its own name in every language.
            else if (holdsEnglishWord(it.value()) && !kSameInBothLanguages.contains(it.key()) &&
                     !it.key().contains(QLatin1String("/mnuLanguage_")) && !holdsCjk(zh))
                faults << where;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        w.action("mnuChinese")->trigger();
        faults = differences(chinese, textsOf(w.form.get()));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        w.action("mnuEnglish")->trigger();
        faults = differences(english, textsOf(w.form.get()));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QCOMPARE(grid->currentRow(), 3);
        QCOMPARE(grid->currentColumn(), 2);
        QCOMPARE(combo->currentIndex(), 5);
        QCOMPARE(w.form->focusWidget(), static_cast<QWidget *>(grid));
    }

    // A translation built in is a language of its own: offered by its own
    // name, shown at once, kept as flag 1 in the parameter file with the
    // language in the settings, and chosen again at the next start.
    void furtherTranslationIsOfferedAndRemembered() {
        QVERIFY(Texts::languages().contains(QStringLiteral("xx")));
        Window w;
        QAction *item = w.action("mnuLanguage_xx");
        QCOMPARE(item->text(), QStringLiteral("Test language"));
        item->trigger();
        QCOMPARE(w.get<QMenu>("mnuFile")->title(), QStringLiteral("Xfile(&F)"));
        QVERIFY(w.form->windowTitle().startsWith(QStringLiteral("Xradio V1.20")));
        // A text the translation lacks stays English; a channel column's
        // item follows it.
        QCOMPARE(w.get<QMenu>("mnuEdit")->title(), QStringLiteral("Edit(&E)"));
        QCOMPARE(w.get<QComboBox>("Combo5_5")->itemText(1), QStringLiteral("Xhigh"));
        QCOMPARE(w.form->state().language, qint16(1));
        QCOMPARE(w.settings.furtherLanguage(), QStringLiteral("xx"));
        QVERIFY(w.form->close());
        QCOMPARE(w.parameterBytes().mid(2, 1), QByteArray(1, '\x01'));

        w.form = std::make_unique<Form1>(ParameterFile(w.dir.path(), w.dir.filePath("config")),
                                         w.settings);
        QCOMPARE(w.get<QMenu>("mnuFile")->title(), QStringLiteral("Xfile(&F)"));
        w.action("mnuEnglish")->trigger();
        QCOMPARE(w.get<QMenu>("mnuFile")->title(), QStringLiteral("File(&F)"));
        QVERIFY(w.settings.furtherLanguage().isEmpty());
        w.action("mnuChinese")->trigger();
        QCOMPARE(w.get<QMenu>("mnuFile")->title(), QString::fromUtf8("文件(&F)"));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
