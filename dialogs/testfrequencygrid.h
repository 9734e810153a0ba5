// The grid of the Test Frequency dialog (mfgrid1): 16 rows of channel
// number, RX frequency and TX frequency. A click starts editing the clicked
// cell; a TX cell cannot be edited while its row has no RX frequency; a
// finished edit brings the frequencies onto a channel step.
#pragma once

#include "dialogs/testfrequencyrules.h"

#include <QTableWidget>

class TestFrequencyGrid : public QTableWidget {
    Q_OBJECT
public:
    enum Column { ColChannel = 0, ColRx = 1, ColTx = 2 };

    explicit TestFrequencyGrid(QWidget *parent = nullptr);

    // Row r (0 to 15) of the table, and setting it.
    TestFrequencyRow rowTexts(int row) const;
    void setRowTexts(int row, const TestFrequencyRow &texts);

    // Ends an edit in progress, keeping what was typed.
    void finishEditing();

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
};
