// Keys Set (Form6): the functions of the programmable keys PF1 and PF2.
#pragma once

#include "dialogs/optiondialog.h"

#include <QPixmap>

class QComboBox;
class QLabel;
class QPushButton;
struct SettingsStore;

class Form6 : public OptionDialog {
    Q_OBJECT
public:
    Form6(SettingsStore &store, QWidget *parent);

    // Selects each key's stored function ("None" for a value outside the
    // list; the stored value itself is left alone).
    void loadFromStore();

    QLabel *Label1;        // "PF1"
    QComboBox *Combo1;     // function of PF1
    QLabel *Label2;        // "PF2"
    QComboBox *Combo2;     // function of PF2
    QLabel *Image1;        // shows the picture of the key being set
    QPixmap Picture1;      // the radio with PF1 marked
    QPixmap Picture2;      // the radio with PF2 marked
    QPushButton *Command1; // OK
    QPushButton *Command2; // Cancel

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void storeAndHide();

    SettingsStore &m_store;
};
