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

CellTarget tabStep(int row, int column, int step) {
    CellTarget target;
    target.row = row;
    target.column = column + (step < 0 ? -1 : 1);
    if (target.column > ColScanAdd) {
        if (row < kChannelCount) {
            target.row = row + 1;
            target.column = ColRxFrequency;
        } else {
            target.column = ColScanAdd;
        }
    } else if (target.column < ColRxFrequency) {
        if (row > 1) {
            target.row = row - 1;
            target.column = ColScanAdd;
        } else {
            target.column = ColRxFrequency;
        }
    }
    return target;
}
