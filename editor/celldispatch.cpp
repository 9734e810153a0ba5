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
    switch (columnKind(column)) {
    case ColumnKind::Frequency:
        target.editor = CellEditor::Frequency;
        break;
    case ColumnKind::Tone:
        target.editor = CellEditor::Tone;
        break;
    case ColumnKind::Option:
        target.editor = CellEditor::Option;
        break;
    case ColumnKind::Number:
        target.editor = CellEditor::None;
        break;
    }
    return target;
}

CellTarget tabStep(int row, int column, int step) {
    // The cells an editor opens over: the RX frequency to the last column.
    constexpr int first = ColRxFrequency;
    constexpr int last = kColumnCount - 1;
    CellTarget target;
    target.row = row;
    target.column = column + (step < 0 ? -1 : 1);
    if (target.column > last) {
        if (row < kChannelCount) {
            target.row = row + 1;
            target.column = first;
        } else {
            target.column = last;
        }
    } else if (target.column < first) {
        if (row > 1) {
            target.row = row - 1;
            target.column = last;
        } else {
            target.column = first;
        }
    }
    return target;
}
