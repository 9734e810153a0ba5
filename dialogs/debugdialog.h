// Debug Parameters (Form2): the two transmitter power adjustment values on
// two sliders, movable only in debug write mode.
#pragma once

#include "dialogs/optiondialog.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
struct SettingsStore;

class Form2 : public OptionDialog {
    Q_OBJECT
public:
    Form2(SettingsStore &store, bool debugWriteMode, QWidget *parent);

    // Sets both sliders and value labels from the stored power levels.
    void loadFromStore();
    // Debug write mode entered or left.
    void setSlidersEnabled(bool enabled);

    QGroupBox *Frame1;     // TX-High Power
    QSlider *Slider1;      // TX high power level
    QLabel *Lblpower1;     // value of Slider1
    QLabel *Label3;        // minimum end of Slider1
    QLabel *Label8;        // maximum end of Slider1
    QGroupBox *Frame2;     // TX-Low Power
    QSlider *Slider3;      // TX low power level
    QLabel *Lblpower3;     // value of Slider3
    QLabel *Label6;        // minimum end of Slider3
    QLabel *Label7;        // maximum end of Slider3
    QPushButton *Command1; // OK

signals:
    // One of the two captions of the debug write mode gesture was clicked:
    // 0 for Label3, 1 for Label7.
    void gestureCaptionClicked(int which);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sliderChanged(QSlider *slider, QLabel *valueLabel, bool *moved);
    void storeAndHide();

    SettingsStore &m_store;
    bool m_highMoved = false;
    bool m_lowMoved = false;
    bool m_loading = false;
};
