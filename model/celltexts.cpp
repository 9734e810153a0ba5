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
} // namespace

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
