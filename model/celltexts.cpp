#include "model/celltexts.h"

#include "model/channelcolumns.h"

namespace {
int languageIndex(qint16 language) {
    return isChinese(language) ? 0 : 1;
}
} // namespace

QString columnCaption(int column, qint16 language) {
    if (column < 0 || column >= kColumnCount)
        return QString();
    return QString::fromUtf8(columnField(column).caption[languageIndex(language)]);
}

QString columnName(int column, qint16 language) {
    if (column < 0 || column >= kColumnCount)
        return QString();
    const ColumnField &f = columnField(column);
    if (!isChinese(language))
        return QString::fromUtf8(f.key);
    return QString::fromUtf8(f.chineseName ? f.chineseName : f.caption[0]);
}

QString offCaption(qint16 language) {
    return isChinese(language) ? QStringLiteral("关闭") : QStringLiteral("Off");
}

bool isOffText(const QString &text) {
    return text == QStringLiteral("关闭") || text == QStringLiteral("Off");
}

QString optionText(int column, int item, qint16 language) {
    if (!isOptionColumn(column) || item < 0 || item >= kOptionItems)
        return QString();
    return QString::fromUtf8(columnField(column).items[item][languageIndex(language)]);
}
