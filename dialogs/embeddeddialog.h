// Embedded Information (Form7): the two lines of text the radio keeps.
#pragma once

#include "dialogs/optiondialog.h"

class FilteredLineEdit;
class QPushButton;
struct EditorState;

class Form7 : public OptionDialog {
    Q_OBJECT
public:
    Form7(EditorState &state, QWidget *parent);

    // Puts the stored lines into the two boxes.
    void loadFromStore();

    FilteredLineEdit *Text1; // Embedded Information line 1
    FilteredLineEdit *Text2; // Embedded Information line 2
    QPushButton *Command1;   // OK
    QPushButton *Command2;   // Cancel

private:
    void storeAndHide();

    EditorState &m_state;
};
