#include "dialogs/dialogcaptions.h"

#include "model/texts.h"

#include <QHash>

using vq740::translate;

namespace {

// An item of a list: a source text the translations turn into the
// language, or a text that reads the same in every language.
struct Item {
    QString same;
    const char *source = nullptr;
    const char *disambiguation = nullptr;

    QString text(const char *context) const {
        return source ? translate(context, source, disambiguation) : same;
    }
};
using Items = QVector<Item>;

Item item(const char *source) {
    return Item{QString(), source, nullptr};
}

Item item(CaptionSource source) {
    return Item{QString(), source.text, source.disambiguation};
}

Items same(const QStringList &texts) {
    Items items;
    for (const QString &text : texts)
        items << Item{text, nullptr, nullptr};
    return items;
}

QStringList numbered(int from, int to, const QString &suffix = QString()) {
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << QString::number(n) + suffix;
    return items;
}

// Look Back Time: item 0 "Empty", then 0.50 to 5.00 seconds in steps of 0.05.
Items lookBackTimes() {
    QStringList times;
    for (int i = 1; i <= 91; ++i) {
        const int hundredths = 50 + (i - 1) * 5;
        times << QStringLiteral("%1.%2")
                     .arg(hundredths / 100)
                     .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    }
    return Items{item(QT_TRANSLATE_NOOP("Form5", "Empty"))} + same(times);
}

const QHash<QString, Items> &listTable() {
    static const QHash<QString, Items> table = [] {
        QHash<QString, Items> t;
        const Items offOn{item(QT_TRANSLATE_NOOP3("Form5", "Off", "disabled")),
                          item(QT_TRANSLATE_NOOP("Form5", "On"))};
        const QStringList dtmfTimes{QStringLiteral("OFF"), QStringLiteral("100MS"),
                                    QStringLiteral("500MS"), QStringLiteral("1000MS")};
        QStringList digitDelays;
        for (int ms = 100; ms <= 1000; ms += 50)
            digitDelays << QString::number(ms) + QStringLiteral("MS");

        t.insert(QStringLiteral("Form5/Combo4"),
                 Items{item(QT_TRANSLATE_NOOP("Form5", "Launch Start")),
                       item(QT_TRANSLATE_NOOP("Form5", "Launch End")),
                       item(QT_TRANSLATE_NOOP("Form5", "Both"))});
        t.insert(QStringLiteral("Form5/Combo6"), offOn);
        t.insert(QStringLiteral("Form5/Combo7"),
                 Items{item(QT_TRANSLATE_NOOP("Form5", "Off"))} + same(numbered(1, 10)));
        t.insert(QStringLiteral("Form5/Combo8"),
                 same({QStringLiteral("0.3S"), QStringLiteral("0.5S"), QStringLiteral("1S"),
                       QStringLiteral("1.5S"), QStringLiteral("2S"), QStringLiteral("3S")}));
        t.insert(QStringLiteral("Form5/Combo9"), offOn);
        t.insert(QStringLiteral("Form5/Combo10"), offOn);
        t.insert(QStringLiteral("Form5/Combo11"),
                 Items{item(QT_TRANSLATE_NOOP("Form5", "No")),
                       item(QT_TRANSLATE_NOOP("Form5", "Fixed")),
                       item(QT_TRANSLATE_NOOP("Form5", "Selected"))});
        t.insert(QStringLiteral("Form5/Combo12"), same(numbered(1, 16)));
        t.insert(QStringLiteral("Form5/Combo13"), lookBackTimes());
        t.insert(QStringLiteral("Form5/Combo14"), lookBackTimes());
        t.insert(QStringLiteral("Form5/Combo15"),
                 Items{item(QT_TRANSLATE_NOOP("Form5", "Selected")),
                       item(QT_TRANSLATE_NOOP("Form5", "Selected+Talk Back")),
                       item(QT_TRANSLATE_NOOP("Form5", "priority")),
                       item(QT_TRANSLATE_NOOP("Form5", "priority+Talk Back"))});
        // The DTMF lists read the same in both languages.
        t.insert(QStringLiteral("Form5/Combo0"),
                 same({QStringLiteral("6位"), QStringLiteral("8位"), QStringLiteral("10位"),
                       QStringLiteral("15位")}));
        t.insert(QStringLiteral("Form5/Combo16"), same(dtmfTimes));
        t.insert(QStringLiteral("Form5/Combo17"), same(dtmfTimes));
        t.insert(QStringLiteral("Form5/Combo18"), same(digitDelays));
        t.insert(QStringLiteral("Form5/Combo19"),
                 same(QStringList{QStringLiteral("D码")} + numbered(1, 16, QStringLiteral("秒"))));
        t.insert(QStringLiteral("Form5/Combo20"),
                 same({QStringLiteral("禁止"), QStringLiteral("使能")}));
        t.insert(QStringLiteral("Form5/Combo21"),
                 same(QStringList{QStringLiteral("关闭")} + numbered(1, 15, QStringLiteral("秒"))));
        t.insert(QStringLiteral("Form5/Combo22"),
                 same({QStringLiteral("关闭"), QStringLiteral("*"), QStringLiteral("#"),
                       QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                       QStringLiteral("D")}));
        const Items keys{item(QT_TRANSLATE_NOOP("Form6", "Autodial")),
                         item(QT_TRANSLATE_NOOP("Form6", "None")),
                         item(QT_TRANSLATE_NOOP("Form6", "Keys lock")),
                         item(QT_TRANSLATE_NOOP("Form6", "Key lock with Backup")),
                         item(QT_TRANSLATE_NOOP("Form6", "Monitor")),
                         item(QT_TRANSLATE_NOOP("Form6", "Monitor Monentary")),
                         item(QT_TRANSLATE_NOOP("Form6", "Scan")),
                         item(QT_TRANSLATE_NOOP("Form6", "Scan + temporary Delete")),
                         item(QT_TRANSLATE_NOOP("Form6", "Scrambler")),
                         item(QT_TRANSLATE_NOOP("Form6", "Squelch Off")),
                         item(QT_TRANSLATE_NOOP("Form6", "Squelch Off Momentary")),
                         item(QT_TRANSLATE_NOOP("Form6", "temporary Delete"))};
        t.insert(QStringLiteral("Form6/Combo1"), keys);
        t.insert(QStringLiteral("Form6/Combo2"), keys);
        return t;
    }();
    return table;
}

void addRow(QVector<DialogCaption> &rows, const char *window, const char *control,
            DialogCaption::Kind kind, int index, CaptionSource source,
            const char *context = nullptr) {
    rows.append(DialogCaption{QLatin1String(window), QLatin1String(control), kind, index, QString(),
                              context ? context : window, source.text, source.disambiguation,
                              nullptr});
}

void addRow(QVector<DialogCaption> &rows, const char *window, const char *control,
            DialogCaption::Kind kind, int index, const char *source,
            const char *context = nullptr) {
    addRow(rows, window, control, kind, index, CaptionSource{source, nullptr}, context);
}

// A caption that reads the same in every language.
void addSame(QVector<DialogCaption> &rows, const char *window, const char *control,
             DialogCaption::Kind kind, int index, const QString &text) {
    rows.append(DialogCaption{QLatin1String(window), QLatin1String(control), kind, index, text,
                              nullptr, nullptr, nullptr, nullptr});
}

template <typename Source>
void addText(QVector<DialogCaption> &rows, const char *window, const char *control, Source source,
             const char *context = nullptr) {
    addRow(rows, window, control, DialogCaption::Text, -1, source, context);
}

template <typename Source>
void addTitle(QVector<DialogCaption> &rows, const char *window, Source source) {
    addRow(rows, window, "", DialogCaption::WindowTitle, -1, source);
}

void addOkCancel(QVector<DialogCaption> &rows, const char *window) {
    addText(rows, window, "Command1", QT_TRANSLATE_NOOP("Dialogs", "OK"), "Dialogs");
    addText(rows, window, "Command2", QT_TRANSLATE_NOOP("Dialogs", "Cancel"), "Dialogs");
}

// Rows relabelling items first..last of a list.
void addItems(QVector<DialogCaption> &rows, const char *window, const char *combo, int first,
              int last) {
    const QString key = QLatin1String(window) + QLatin1Char('/') + QLatin1String(combo);
    const Items &items = listTable().value(key);
    for (int i = first; i <= last; ++i) {
        const Item &it = items.at(i);
        rows.append(DialogCaption{QLatin1String(window), QLatin1String(combo),
                                  DialogCaption::ListItem, i, it.same, window, it.source,
                                  it.disambiguation, nullptr});
    }
}

QVector<DialogCaption> buildTable() {
    QVector<DialogCaption> r;

    // Debug Parameters.
    addTitle(r, "Form2", QT_TRANSLATE_NOOP("Form2", "Debug Parameters"));
    addText(r, "Form2", "Frame1", QT_TRANSLATE_NOOP("Form2", "TX-High Power"));
    addText(r, "Form2", "Frame2", QT_TRANSLATE_NOOP("Form2", "TX-Low Power"));
    addText(r, "Form2", "Label3", QT_TRANSLATE_NOOP("Form2", "Low"));
    addText(r, "Form2", "Label6", QT_TRANSLATE_NOOP("Form2", "Low"));
    addText(r, "Form2", "Label7", QT_TRANSLATE_NOOP("Form2", "High"));
    addText(r, "Form2", "Label8", QT_TRANSLATE_NOOP("Form2", "High"));
    addText(r, "Form2", "Command1", QT_TRANSLATE_NOOP("Form2", "OK"));

    // Test Frequency.
    addTitle(r, "Form4", QT_TRANSLATE_NOOP("Form4", "Test Frequency"));
    addRow(r, "Form4", "mfgrid1", DialogCaption::GridHeader, 0,
           QT_TRANSLATE_NOOP("Form4", "Channel"));
    addRow(r, "Form4", "mfgrid1", DialogCaption::GridHeader, 1,
           QT_TRANSLATE_NOOP("Form4", "RX Frequency"));
    addRow(r, "Form4", "mfgrid1", DialogCaption::GridHeader, 2,
           QT_TRANSLATE_NOOP("Form4", "TX Frequency"));
    addOkCancel(r, "Form4");

    // Optional Function.
    addTitle(r, "Form5", QT_TRANSLATE_NOOP("Form5", "Optional Function"));
    addText(r, "Form5", "Frame2", QT_TRANSLATE_NOOP("Form5", "Scan"));
    addText(r, "Form5", "Check3", QT_TRANSLATE_NOOP("Form5", "Cancel Operation"));
    addText(r, "Form5", "Check4", QT_TRANSLATE_NOOP("Form5", "VOX Inhibit On Reveive"));
    addText(r, "Form5", "Label8", QT_TRANSLATE_NOOP("Form5", "VOX Function"));
    addText(r, "Form5", "Label10", QT_TRANSLATE_NOOP("Form5", "VOX Gain Level"));
    addText(r, "Form5", "Label9", QT_TRANSLATE_NOOP("Form5", "VOX Delay time[S]"));
    addText(r, "Form5", "Label7", QT_TRANSLATE_NOOP("Form5", "VOX Proceed Tone"));
    addText(r, "Form5", "Label4", QT_TRANSLATE_NOOP("Form5", "PTT ID"));
    addText(r, "Form5", "Label11", QT_TRANSLATE_NOOP("Form5", "Duplicate"));
    addText(r, "Form5", "Label14", QT_TRANSLATE_NOOP("Form5", "Priority"));
    addText(r, "Form5", "Label15", QT_TRANSLATE_NOOP("Form5", "Priority Channel"));
    addText(r, "Form5", "Label17", QT_TRANSLATE_NOOP("Form5", "Look Back Time A[S]"));
    addText(r, "Form5", "Label16", QT_TRANSLATE_NOOP("Form5", "Look Back Time B[S]"));
    addText(r, "Form5", "Label18", QT_TRANSLATE_NOOP("Form5", "Revert channel"));
    addText(r, "Form5", "Label19", QT_TRANSLATE_NOOP("Form5", "Dropout delay time[S]"));
    addText(r, "Form5", "Label20", QT_TRANSLATE_NOOP("Form5", "TX Dwell time[S]"));
    addOkCancel(r, "Form5");
    // The hidden PTT ID group and the DTMF frame: one Chinese caption in
    // both languages.
    const auto fixed = [&r](const char *control, const QString &text) {
        addSame(r, "Form5", control, DialogCaption::Text, -1, text);
    };
    fixed("Label2", QStringLiteral("发射开始(16位)"));
    fixed("Label3", QStringLiteral("发射结束(16位)"));
    fixed("Label1", QStringLiteral("ID码"));
    fixed("Frame3", QStringLiteral("DTMF"));
    fixed("Label21", QStringLiteral("DTMF 速率"));
    fixed("Label22", QStringLiteral("首位数码时间"));
    fixed("Label23", QStringLiteral("首位数码延迟"));
    fixed("Label24", QStringLiteral("*和#音"));
    fixed("Label25", QStringLiteral("D键设定"));
    fixed("Label26", QStringLiteral("DTMF 侧音"));
    fixed("Label27", QStringLiteral("自动复位定时器"));
    fixed("Label28", QStringLiteral("组呼码"));
    for (int column = 0; column < 2; ++column) {
        const QString text =
            column == 0 ? QStringLiteral("编号") : QStringLiteral("自动拨号存储器");
        addSame(r, "Form5", "mfgrid1", DialogCaption::GridHeader, column, text);
    }
    addItems(r, "Form5", "Combo4", 0, 2);
    addItems(r, "Form5", "Combo6", 0, 1);
    addItems(r, "Form5", "Combo7", 0, 0);
    addItems(r, "Form5", "Combo9", 0, 1);
    addItems(r, "Form5", "Combo10", 0, 1);
    addItems(r, "Form5", "Combo11", 0, 2);
    addItems(r, "Form5", "Combo13", 0, 0);
    addItems(r, "Form5", "Combo14", 0, 0);
    addItems(r, "Form5", "Combo15", 0, 3);

    // Keys Set.
    addTitle(r, "Form6", QT_TRANSLATE_NOOP("Form6", "Keys Set"));
    addText(r, "Form6", "Label1", QT_TRANSLATE_NOOP("Form6", "PF1"));
    addText(r, "Form6", "Label2", QT_TRANSLATE_NOOP("Form6", "PF2"));
    addOkCancel(r, "Form6");
    addItems(r, "Form6", "Combo1", 0, 11);
    addItems(r, "Form6", "Combo2", 0, 11);

    // Embedded Information.
    addTitle(r, "Form7", QT_TRANSLATE_NOOP("Form7", "Embedded Information"));
    addOkCancel(r, "Form7");

    // About box (its window title "Help" is not in the table).
    addText(r, "frmAbout", "lblTitle", QT_TRANSLATE_NOOP("frmAbout", "VQ-740 Radio Software"));
    addText(r, "frmAbout", "lblVersion", QT_TRANSLATE_NOOP("frmAbout", "English version"));
    addText(r, "frmAbout", "Label2", QT_TRANSLATE_NOOP("frmAbout", "Issue：2012.4"));
    addText(r, "frmAbout", "Label3", QT_TRANSLATE_NOOP("frmAbout", "Version:1.20"));
    addText(r, "frmAbout", "lblHelp",
            QT_TRANSLATE_NOOP("frmAbout", "Press F1 to open the user guide"));
    r.append(DialogCaption{QStringLiteral("frmAbout"), QStringLiteral("lblDescription"),
                           DialogCaption::Text, -1, QString(), nullptr, nullptr, nullptr,
                           &makerName});
    addText(r, "frmAbout", "cmdOK", QT_TRANSLATE_NOOP("frmAbout", "OK"));
    return r;
}

} // namespace

const QVector<DialogCaption> &dialogCaptionTable() {
    static const QVector<DialogCaption> table = buildTable();
    return table;
}

QStringList dialogListItems(const QString &window, const QString &control, qint16 language) {
    const auto it = listTable().constFind(window + QLatin1Char('/') + control);
    if (it == listTable().constEnd())
        return QStringList();
    const TextLanguage scope(language);
    const QByteArray context = window.toLatin1();
    QStringList texts;
    for (const Item &item : *it)
        texts << item.text(context.constData());
    return texts;
}

QString DialogCaption::text() const {
    if (argument)
        return argument(flagOfLanguage(Texts::language()));
    return source ? translate(context, source, disambiguation) : same;
}

QString DialogCaption::text(qint16 language) const {
    const TextLanguage scope(language);
    return text();
}

QString makerName(qint16 language) {
    const TextLanguage scope(language);
    return translate("frmAbout", "VQ Radio Communications Co., Ltd.");
}
