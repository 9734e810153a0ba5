// Choice of the option cells of the channel table (Power, BCLO, W/N and
// Scan Add) through the option selectors Combo5(5) to Combo5(8).
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class ChannelTable;

// The two items of an option column's selector in the given language
// (column 6 in English: "Off", "Carrier").
QStringList optionItems(int column, qint16 language);

// A pick of item `item` (0 or 1) of option selector `column`: writes the item
// text of the language into the cell of a channel in use and the item into
// its option index table entry. Returns false, changing nothing, for another
// column, an item outside the list or a channel not in use.
bool pickOption(ChannelTable &table, int row, int column, int item, qint16 language);
