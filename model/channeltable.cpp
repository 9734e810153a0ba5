#include "model/channeltable.h"

#include "model/celltexts.h"

ChannelTable::ChannelTable() {
    writeChannelNumbers();
}

QString ChannelTable::cell(int row, int column) const {
    return valid(row, column) ? m_cells[row][column] : QString();
}

void ChannelTable::setCell(int row, int column, const QString &text) {
    if (valid(row, column))
        m_cells[row][column] = text;
}

int ChannelTable::optionIndex(int row, int column) const {
    return valid(row, column) && isOptionColumn(column) ? m_optionIndex[row][column] : 0;
}

void ChannelTable::setOptionIndex(int row, int column, int index) {
    if (valid(row, column) && isOptionColumn(column))
        m_optionIndex[row][column] = static_cast<qint16>(index);
}

void ChannelTable::setOption(int row, int column, int index, qint16 language) {
    setCell(row, column, optionText(column, index, language));
    setOptionIndex(row, column, index);
}

void ChannelTable::ClearNO(int row) {
    if (row < 1 || row > kChannelCount)
        return;
    for (int c = ColRxFrequency; c < kColumnCount; ++c) {
        m_cells[row][c].clear();
        m_optionIndex[row][c] = 0;
    }
}

void ChannelTable::ClearGrid() {
    for (int r = 1; r <= kChannelCount; ++r)
        ClearNO(r);
}

void ChannelTable::ClearGrid1() {
    for (int r = 1; r <= kChannelCount; ++r) {
        if (!inUse(r))
            continue;
        for (int c = ColRxFrequency; c < kColumnCount; ++c)
            m_cells[r][c].clear();
    }
}

void ChannelTable::SetGrid1Text(qint16 language) {
    for (int r = 1; r <= kChannelCount; ++r) {
        if (!inUse(r))
            continue;
        for (int c = 0; c < kColumnCount; ++c) {
            if (isToneColumn(c) && isOffText(m_cells[r][c]))
                m_cells[r][c] = offCaption(language);
            else if (isOptionColumn(c))
                m_cells[r][c] = optionText(c, m_optionIndex[r][c], language);
        }
    }
}

void ChannelTable::writeChannelNumbers() {
    for (int r = 1; r <= kChannelCount; ++r)
        m_cells[r][ColNumber] = QStringLiteral("%1").arg(r, 2, 10, QLatin1Char('0'));
}

bool ChannelTable::operator==(const ChannelTable &other) const {
    for (int r = 1; r <= kChannelCount; ++r)
        for (int c = 0; c < kColumnCount; ++c)
            if (m_cells[r][c] != other.m_cells[r][c] ||
                m_optionIndex[r][c] != other.m_optionIndex[r][c])
                return false;
    return true;
}
