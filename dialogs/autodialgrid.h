// The auto-dial memory grid of the Optional Function dialog (mfgrid1):
// eight rows of row number and code. Entering a cell opens its editor at
// once; the editor takes dial characters only.
#pragma once

#include <QTableWidget>

class AutoDialGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit AutoDialGrid(QWidget *parent = nullptr);

    QString code(int row) const; // row 0 to 7
    void setCode(int row, const QString &code);

signals:
    // An edit of the code of `row` has ended (reported once the editor has
    // closed).
    void codeEdited(int row);
};
