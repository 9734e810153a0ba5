#include "editor/celldispatch.h"

#include "model/channeltable.h"

CellTarget dispatchGridClick(const ChannelTable &table, int row, int column, OpenRequest &request) {
    CellTarget target;
    if (!request.take())
        return target;
    if (row < 1 || row > kChannelCount || column < 0 || column >= kColumnCount)
        return target;
    if (!table.inUse(row))
        column = ColRxFrequency;
    target.row = row;
    target.column = column;
    switch (column) {
    case ColRxFrequency:
    case ColTxFrequency:
        target.editor = CellEditor::Frequency;
        break;
    case ColRxTone:
    case ColTxTone:
        target.editor = CellEditor::Tone;
        break;
    case ColPower:
    case ColBclo:
    case ColWn:
    case ColScanAdd:
        target.editor = CellEditor::Option;
        break;
    default:
        target.editor = CellEditor::None;
        break;
    }
    return target;
}
