#include "dialogs/dialogcaptions.h"

#include <QHash>

namespace {

struct Items {
    QStringList chinese;
    QStringList english;
};

QStringList numbered(int from, int to, const QString &suffix = QString()) {
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << QString::number(n) + suffix;
    return items;
}

// Look Back Time: item 0 "Empty", then 0.50 to 5.00 seconds in steps of 0.05.
QStringList lookBackTimes(const QString &empty) {
    QStringList items{empty};
    for (int i = 1; i <= 91; ++i) {
        const int hundredths = 50 + (i - 1) * 5;
        items << QStringLiteral("%1.%2")
                     .arg(hundredths / 100)
                     .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    }
    return items;
}

Items same(const QStringList &items) {
    return Items{items, items};
}

const QHash<QString, Items> &listTable() {
    static const QHash<QString, Items> table = [] {
        QHash<QString, Items> t;
        const Items offOn{{QStringLiteral("禁止"), QStringLiteral("打开")},
                          {QStringLiteral("Off"), QStringLiteral("On")}};
        const QStringList dtmfTimes{QStringLiteral("OFF"), QStringLiteral("100MS"),
                                    QStringLiteral("500MS"), QStringLiteral("1000MS")};
        QStringList digitDelays;
        for (int ms = 100; ms <= 1000; ms += 50)
            digitDelays << QString::number(ms) + QStringLiteral("MS");

        t.insert(
            QStringLiteral("Form5/Combo4"),
            Items{{QStringLiteral("发射开始"), QStringLiteral("发射结束"), QStringLiteral("两者")},
                  {QStringLiteral("Launch Start"), QStringLiteral("Launch End"),
                   QStringLiteral("Both")}});
        t.insert(QStringLiteral("Form5/Combo6"), offOn);
        t.insert(QStringLiteral("Form5/Combo7"),
                 Items{QStringList{QStringLiteral("关闭")} + numbered(1, 10),
                       QStringList{QStringLiteral("Off")} + numbered(1, 10)});
        t.insert(QStringLiteral("Form5/Combo8"),
                 same({QStringLiteral("0.3S"), QStringLiteral("0.5S"), QStringLiteral("1S"),
                       QStringLiteral("1.5S"), QStringLiteral("2S"), QStringLiteral("3S")}));
        t.insert(QStringLiteral("Form5/Combo9"), offOn);
        t.insert(QStringLiteral("Form5/Combo10"), offOn);
        t.insert(
            QStringLiteral("Form5/Combo11"),
            Items{{QStringLiteral("无"), QStringLiteral("固定"), QStringLiteral("选定")},
                  {QStringLiteral("No"), QStringLiteral("Fixed"), QStringLiteral("Selected")}});
        t.insert(QStringLiteral("Form5/Combo12"), same(numbered(1, 16)));
        const Items lookBack{lookBackTimes(QStringLiteral("空")),
                             lookBackTimes(QStringLiteral("Empty"))};
        t.insert(QStringLiteral("Form5/Combo13"), lookBack);
        t.insert(QStringLiteral("Form5/Combo14"), lookBack);
        t.insert(QStringLiteral("Form5/Combo15"),
                 Items{{QStringLiteral("选定"), QStringLiteral("选定+当前"), QStringLiteral("优先"),
                        QStringLiteral("优先+当前")},
                       {QStringLiteral("Selected"), QStringLiteral("Selected+Talk Back"),
                        QStringLiteral("priority"), QStringLiteral("priority+Talk Back")}});
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
        const Items keys{
            {QStringLiteral("自动拨号"), QStringLiteral("OFF"), QStringLiteral("按键锁定"),
             QStringLiteral("按键锁定及备份"), QStringLiteral("监听"), QStringLiteral("监听瞬时"),
             QStringLiteral("扫描"), QStringLiteral("扫描+暂时删除"), QStringLiteral("照明灯开关"),
             QStringLiteral("取消静噪"), QStringLiteral("瞬时取消静噪"),
             QStringLiteral("暂时删除")},
            {QStringLiteral("Autodial"), QStringLiteral("None"), QStringLiteral("Keys lock"),
             QStringLiteral("Key lock with Backup"), QStringLiteral("Monitor"),
             QStringLiteral("Monitor Monentary"), QStringLiteral("Scan"),
             QStringLiteral("Scan + temporary Delete"), QStringLiteral("Scrambler"),
             QStringLiteral("Squelch Off"), QStringLiteral("Squelch Off Momentary"),
             QStringLiteral("temporary Delete")}};
        t.insert(QStringLiteral("Form6/Combo1"), keys);
        t.insert(QStringLiteral("Form6/Combo2"), keys);
        return t;
    }();
    return table;
}

void addRow(QVector<DialogCaption> &rows, const char *window, const char *control,
            DialogCaption::Kind kind, int index, const QString &chinese, const QString &english) {
    rows.append(DialogCaption{QLatin1String(window), QLatin1String(control), kind, index, chinese,
                              english});
}

void addText(QVector<DialogCaption> &rows, const char *window, const char *control,
             const QString &chinese, const QString &english) {
    addRow(rows, window, control, DialogCaption::Text, -1, chinese, english);
}

void addTitle(QVector<DialogCaption> &rows, const char *window, const QString &chinese,
              const QString &english) {
    addRow(rows, window, "", DialogCaption::WindowTitle, -1, chinese, english);
}

void addOkCancel(QVector<DialogCaption> &rows, const char *window) {
    addText(rows, window, "Command1", QStringLiteral("确定"), QStringLiteral("OK"));
    addText(rows, window, "Command2", QStringLiteral("取消"), QStringLiteral("Cancel"));
}

// Rows relabelling items first..last of a list.
void addItems(QVector<DialogCaption> &rows, const char *window, const char *combo, int first,
              int last) {
    const QString key = QLatin1String(window) + QLatin1Char('/') + QLatin1String(combo);
    const Items &items = listTable().value(key);
    for (int i = first; i <= last; ++i)
        addRow(rows, window, combo, DialogCaption::ListItem, i, items.chinese.at(i),
               items.english.at(i));
}

QVector<DialogCaption> buildTable() {
    QVector<DialogCaption> r;

    // Debug Parameters.
    addTitle(r, "Form2", QStringLiteral("调试参数"), QStringLiteral("Debug Parameters"));
    addText(r, "Form2", "Frame1", QStringLiteral("发射高功率"), QStringLiteral("TX-High Power"));
    addText(r, "Form2", "Frame2", QStringLiteral("发射低功率"), QStringLiteral("TX-Low Power"));
    addText(r, "Form2", "Label3", QStringLiteral("最小"), QStringLiteral("Low"));
    addText(r, "Form2", "Label6", QStringLiteral("最小"), QStringLiteral("Low"));
    addText(r, "Form2", "Label7", QStringLiteral("最大"), QStringLiteral("High"));
    addText(r, "Form2", "Label8", QStringLiteral("最大"), QStringLiteral("High"));
    addText(r, "Form2", "Command1", QStringLiteral("确定"), QStringLiteral("OK"));

    // Test Frequency.
    addTitle(r, "Form4", QStringLiteral("测试频率"), QStringLiteral("Test Frequency"));
    addRow(r, "Form4", "mfgrid1", DialogCaption::GridHeader, 0, QStringLiteral("频道"),
           QStringLiteral("Channel"));
    addRow(r, "Form4", "mfgrid1", DialogCaption::GridHeader, 1, QStringLiteral("接收频率"),
           QStringLiteral("RX Frequency"));
    addRow(r, "Form4", "mfgrid1", DialogCaption::GridHeader, 2, QStringLiteral("发射频率"),
           QStringLiteral("TX Frequency"));
    addOkCancel(r, "Form4");

    // Optional Function.
    addTitle(r, "Form5", QStringLiteral("可选功能"), QStringLiteral("Optional Function"));
    addText(r, "Form5", "Frame2", QStringLiteral("扫描"), QStringLiteral("Scan"));
    addText(r, "Form5", "Check3", QStringLiteral("取消操作"), QStringLiteral("Cancel Operation"));
    addText(r, "Form5", "Check4", QStringLiteral("接收时禁止VOX"),
            QStringLiteral("VOX Inhibit On Reveive"));
    addText(r, "Form5", "Label8", QStringLiteral("VOX功能"), QStringLiteral("VOX Function"));
    addText(r, "Form5", "Label10", QStringLiteral("VOX增益电平"), QStringLiteral("VOX Gain Level"));
    addText(r, "Form5", "Label9", QStringLiteral("VOX延迟时间"),
            QStringLiteral("VOX Delay time[S]"));
    addText(r, "Form5", "Label7", QStringLiteral("VOX可进行音调"),
            QStringLiteral("VOX Proceed Tone"));
    addText(r, "Form5", "Label4", QStringLiteral("PTT ID"), QStringLiteral("PTT ID"));
    addText(r, "Form5", "Label11", QStringLiteral("复制"), QStringLiteral("Duplicate"));
    addText(r, "Form5", "Label14", QStringLiteral("优先"), QStringLiteral("Priority"));
    addText(r, "Form5", "Label15", QStringLiteral("优先信道"), QStringLiteral("Priority Channel"));
    addText(r, "Form5", "Label17", QStringLiteral("回扫时间A[秒]"),
            QStringLiteral("Look Back Time A[S]"));
    addText(r, "Form5", "Label16", QStringLiteral("回扫时间B[秒]"),
            QStringLiteral("Look Back Time B[S]"));
    addText(r, "Form5", "Label18", QStringLiteral("返回信道"), QStringLiteral("Revert channel"));
    addText(r, "Form5", "Label19", QStringLiteral("扫描接收恢复延时时间(秒)"),
            QStringLiteral("Dropout delay time[S]"));
    addText(r, "Form5", "Label20", QStringLiteral("扫描发射恢复延时时间(秒)"),
            QStringLiteral("TX Dwell time[S]"));
    addOkCancel(r, "Form5");
    // The hidden PTT ID group and the DTMF frame: one Chinese caption in
    // both languages.
    const auto fixed = [&r](const char *control, const QString &text) {
        addText(r, "Form5", control, text, text);
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
        addRow(r, "Form5", "mfgrid1", DialogCaption::GridHeader, column, text, text);
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
    addTitle(r, "Form6", QStringLiteral("键设定"), QStringLiteral("Keys Set"));
    addText(r, "Form6", "Label1", QStringLiteral("PF1"), QStringLiteral("PF1"));
    addText(r, "Form6", "Label2", QStringLiteral("PF2"), QStringLiteral("PF2"));
    addOkCancel(r, "Form6");
    addItems(r, "Form6", "Combo1", 0, 11);
    addItems(r, "Form6", "Combo2", 0, 11);

    // Embedded Information.
    addTitle(r, "Form7", QStringLiteral("嵌入信息"), QStringLiteral("Embedded Information"));
    addOkCancel(r, "Form7");

    // About box (its window title "Help" is not in the table).
    addText(r, "frmAbout", "lblTitle", QStringLiteral("VQ-740 对讲机编程软件"),
            QStringLiteral("VQ-740 Radio Software"));
    addText(r, "frmAbout", "lblVersion", QStringLiteral("简体中文版"),
            QStringLiteral("English version"));
    addText(r, "frmAbout", "Label2", QStringLiteral("发布：2012.2"),
            QStringLiteral("Issue：2012.4"));
    addText(r, "frmAbout", "Label3", QStringLiteral("版本号:1.20"), QStringLiteral("Version:1.20"));
    addText(r, "frmAbout", "lblHelp", QStringLiteral("按 F1 键打开使用说明"),
            QStringLiteral("Press F1 to open the user guide"));
    addText(r, "frmAbout", "lblDescription", makerName(0), makerName(1));
    addText(r, "frmAbout", "cmdOK", QStringLiteral("确定"), QStringLiteral("OK"));
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
    return language == 0 ? it->chinese : it->english;
}

QString makerName(qint16 language) {
    return language == 0 ? QStringLiteral("VQ 无线电通信有限公司")
                         : QStringLiteral("VQ Radio Communications Co., Ltd.");
}
