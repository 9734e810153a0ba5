// Test Frequency (Form4): the sixteen test frequency pairs in a grid.
#pragma once

#include "dialogs/optiondialog.h"

class QPushButton;
class TestFrequencyGrid;
struct SettingsStore;

class Form4 : public OptionDialog {
    Q_OBJECT
public:
    Form4(SettingsStore &store, QWidget *parent);

    // Writes the test frequency table into the grid.
    void loadFromStore();

    TestFrequencyGrid *mfgrid1;
    QPushButton *Command1; // OK
    QPushButton *Command2; // Cancel

private:
    void storeAndHide();
    void cancel();

    SettingsStore &m_store;
};
