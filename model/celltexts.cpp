#include "model/celltexts.h"

namespace {
struct OptionPair {
    const char *chinese[2];
    const char *english[2];
};

// Columns 5 to 8: Power, BCLO, W/N, Scan Add.
const OptionPair kOptions[4] = {
    {{"低", "高"}, {"Low", "High"}},
    {{"关闭", "载波"}, {"Off", "Carrier"}},
    {{"窄带", "宽带"}, {"Narrow", "Wide"}},
    {{"无", "有"}, {"No", "Yes"}},
};
const char *const kColumnCaptions[9][2] = {{"信道", "CH"},          {"接收频率", "RX frequency"},
                                           {"亚音频", "QT/DQT"},    {"发射频率", "TX frequency"},
                                           {"亚音频", "QT/DQT"},    {"功率", "Power"},
                                           {"禁发", "BCLO"},        {"宽\\窄带", "W/N"},
                                           {"扫描添加", "Scan Add"}};
} // namespace

QString columnCaption(int column, qint16 language) {
    if (column < 0 || column > 8)
        return QString();
    return QString::fromUtf8(kColumnCaptions[column][isChinese(language) ? 0 : 1]);
}

QString offCaption(qint16 language) {
    return isChinese(language) ? QStringLiteral("关闭") : QStringLiteral("Off");
}

bool isOffText(const QString &text) {
    return text == QStringLiteral("关闭") || text == QStringLiteral("Off");
}

QString optionText(int column, int item, qint16 language) {
    if (column < 5 || column > 8 || item < 0 || item > 1)
        return QString();
    const OptionPair &pair = kOptions[column - 5];
    return QString::fromUtf8(isChinese(language) ? pair.chinese[item] : pair.english[item]);
}
