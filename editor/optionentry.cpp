#include "editor/optionentry.h"

#include "model/celltexts.h"
#include "model/channeltable.h"

QStringList optionItems(int column, qint16 language) {
    QStringList items;
    for (int item = 0; item < kOptionItems && isOptionColumn(column); ++item)
        items << optionText(column, item, language);
    return items;
}

bool pickOption(ChannelTable &table, int row, int column, int item, qint16 language) {
    if (!isOptionColumn(column) || item < 0 || item >= kOptionItems || row < 1 ||
        row > kChannelCount || !table.inUse(row))
        return false;
    table.setOption(row, column, item, language);
    return true;
}
