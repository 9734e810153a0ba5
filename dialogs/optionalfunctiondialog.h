// Optional Function (Form5): the scan and VOX options, and the DTMF, PTT ID
// and auto-dial settings it holds in hidden controls and passes through.
#pragma once

#include "dialogs/optiondialog.h"

class AutoDialGrid;
class FilteredLineEdit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
struct EditorState;

class Form5 : public OptionDialog {
    Q_OBJECT
public:
    Form5(EditorState &state, QWidget *parent);

    // Copies the stored optional function values into the controls.
    void loadFromStore();

    // Scan frame.
    QGroupBox *Frame2;
    QLabel *Label14;
    QComboBox *Combo11; // Priority
    QLabel *Label15;
    QComboBox *Combo12; // Priority Channel
    QLabel *Label17;
    QComboBox *Combo13; // Look Back Time A
    QLabel *Label16;
    QComboBox *Combo14; // Look Back Time B
    QLabel *Label18;
    QComboBox *Combo15; // Revert channel
    QLabel *Label19;
    FilteredLineEdit *Text5; // Dropout delay time
    QScrollBar *VScroll1;    // steps Text5
    QLabel *Label20;
    FilteredLineEdit *Text6; // TX Dwell time
    QScrollBar *VScroll2;    // steps Text6

    // VOX frame.
    QGroupBox *Frame1;
    QLabel *Label8;
    QComboBox *Combo6; // VOX Function
    QLabel *Label10;
    QComboBox *Combo7; // VOX Gain Level
    QLabel *Label9;
    QComboBox *Combo8; // VOX Delay time
    QLabel *Label7;
    QComboBox *Combo9; // VOX Proceed Tone
    QCheckBox *Check3; // Cancel Operation
    QCheckBox *Check4; // VOX Inhibit On Reveive

    // Hidden: PTT ID group.
    QWidget *HiddenGroup; // holds every control that is never shown
    QLabel *Label4;
    QComboBox *Combo4; // PTT ID
    QLabel *Label2;
    FilteredLineEdit *Text3; // PTT ID Start Code
    QLabel *Label3;
    FilteredLineEdit *Text4; // PTT ID End Code
    QLabel *Label1;
    FilteredLineEdit *Text1; // ID Code
    QLabel *Label11;
    QComboBox *Combo10; // Duplicate

    // Hidden: DTMF frame.
    QGroupBox *Frame3;
    QComboBox *Combo0;  // DTMF Rate
    QComboBox *Combo16; // First Digit Time
    QComboBox *Combo18; // First Digit Delay (not tied to the stored value)
    QComboBox *Combo17; // Star and Hash Tone
    QComboBox *Combo19; // D Key Setting
    QComboBox *Combo20; // DTMF Sidetone
    QComboBox *Combo21; // Auto Reset Timer
    QComboBox *Combo22; // Group Call Code (not tied to a stored value)

    // Hidden: Auto-dial Memory.
    AutoDialGrid *mfgrid1;

    QPushButton *Command1; // OK
    QPushButton *Command2; // Cancel

signals:
    // An auto-dial code longer than the radio keeps was entered.
    void autoDialCodeTooLong();

private:
    QComboBox *list(const char *name);
    QLabel *label(const char *name, const QString &text = QString());
    void buildScanFrame();
    void buildVoxFrame();
    void buildHiddenControls();
    void followScroll(QScrollBar *scroll, FilteredLineEdit *text);
    void storeAndHide();

    EditorState &m_state;
    bool m_syncing = false;
};
