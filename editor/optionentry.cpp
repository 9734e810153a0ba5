#include "editor/optionentry.h"

#include "model/celltexts.h"
#include "model/channeltable.h"

bool isOptionColumn(int column) {
    return column >= ColPower && column <= ColScanAdd;
}

QStringList optionItems(int column, qint16 language) {
    if (!isOptionColumn(column))
        return {};
    return {optionText(column, 0, language), optionText(column, 1, language)};
}

bool pickOption(ChannelTable &table, int row, int column, int item, qint16 language) {
    if (!isOptionColumn(column) || item < 0 || item > 1 || row < 1 || row > kChannelCount ||
        !table.inUse(row))
        return false;
    table.setOption(row, column, item, language);
    return true;
}
