#include "model/celltexts.h"

#include "model/channelcolumns.h"
#include "model/texts.h"

using vq740::translate;

QString columnCaption(int column, qint16 language) {
    if (column < 0 || column >= kColumnCount)
        return QString();
    const TextLanguage scope(language);
    return translate("ChannelColumns", columnField(column).caption);
}

QString columnName(int column, qint16 language) {
    if (column < 0 || column >= kColumnCount)
        return QString();
    const TextLanguage scope(language);
    return translate("ChangeList", columnField(column).key);
}

QString offCaption(qint16 language) {
    const TextLanguage scope(language);
    return translate("ChannelColumns", "Off");
}

bool isOffText(const QString &text) {
    static const QStringList offs =
        Texts::textsInEveryLanguage("ChannelColumns", QT_TRANSLATE_NOOP("ChannelColumns", "Off"));
    return offs.contains(text);
}

QString optionText(int column, int item, qint16 language) {
    if (!isOptionColumn(column) || item < 0 || item >= kOptionItems)
        return QString();
    const TextLanguage scope(language);
    return translate("ChannelColumns", columnField(column).items[item]);
}
