// The channel table: 16 channels x 9 columns of cell texts and the option
// index table of the option columns (model/channelcolumns.h describes the
// columns). The texts are the values: frequencies as DDD.DDDDD, tones as
// Off / 88.5 / D023N / D023I, options as the texts of the current language.
// Row 0 is the header row of the grid; rows 1 to 16 are the channels and
// column 0 holds the channel number "01" to "16".
#pragma once

#include "model/channelcolumns.h"

#include <QString>
#include <QtGlobal>

constexpr int kChannelCount = 16;

class ChannelTable {
public:
    ChannelTable();

    // Cells of rows 1-16 and columns 0-8; other positions read as empty and
    // ignore writes.
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);

    // Option index table entries of the option columns (0 or 1); 0 elsewhere.
    int optionIndex(int row, int column) const;
    void setOptionIndex(int row, int column, int index);

    // Writes item `index` of an option column's list in the given language
    // into the cell and keeps the option index table in step.
    void setOption(int row, int column, int index, qint16 language);

    // A channel is in use exactly when its RX frequency cell is not empty.
    bool inUse(int row) const { return !cell(row, ColRxFrequency).isEmpty(); }

    // Empties columns 1-8 of a row and zeroes its option indexes.
    void ClearNO(int row);
    // ClearNO for every channel (a confirmed band change).
    void ClearGrid();
    // Empties columns 1-8 of every channel in use, keeping option indexes (New).
    void ClearGrid1();
    // Re-captions the Off tone cells and the option cells of the channels in
    // use in the given language (after a language change).
    void SetGrid1Text(qint16 language);

    // Writes the channel numbers "01" to "16" into column 0.
    void writeChannelNumbers();

    bool operator==(const ChannelTable &other) const;

private:
    static bool valid(int row, int column) {
        return row >= 1 && row <= kChannelCount && column >= 0 && column < kColumnCount;
    }
    QString m_cells[kChannelCount + 1][kColumnCount];
    qint16 m_optionIndex[kChannelCount + 1][kColumnCount] = {};
};
