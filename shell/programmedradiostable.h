// The list of the Program radios window (programRadiosList): one row for
// every radio programmed, in the order they ended: number, time, port,
// band, model, outcome and backup. A radio tried again gets a row of its
// own under its number. A failed radio's row is red.
#pragma once

#include "link/programmingline.h"

#include <QColor>
#include <QTableWidget>

class ProgrammedRadiosTable : public QTableWidget {
    Q_OBJECT
public:
    enum Column { Number, Time, Port, Band, Model, Outcome, Backup, ColumnCount };

    explicit ProgrammedRadiosTable(QWidget *parent);

    // A row for the radio `number` of the window, programmed on `port`.
    void addRadio(int number, const QString &port, const RadioRecord &record);

    // The headers and outcomes in the language of the moment.
    void retranslate();

    // The background of a failed radio's row.
    static QColor failureColour();

protected:
    void changeEvent(QEvent *event) override;
};
