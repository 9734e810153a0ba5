// The About box (frmAbout): product, edition, issue, version and the
// maker's credit line. The line is plain text: the maker has no web address
// to offer yet, and a link that opens nothing would mislead.
#pragma once

#include "dialogs/optiondialog.h"

#include <QLabel>

class QFrame;
class QPushButton;

class frmAbout : public OptionDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent);

    QLabel *Image2;         // the logo, 71 x 70
    QLabel *lblTitle;       // product name
    QLabel *lblVersion;     // language edition
    QLabel *Label2;         // issue date
    QLabel *Label3;         // version number
    QLabel *lblHelp;        // names F1, which opens the user guide
    QLabel *lblDescription; // maker's credit line
    QLabel *Label1;         // empty
    QFrame *Line1_0;        // decorative lines
    QFrame *Line1_1;
    QPushButton *cmdOK;
};

// The logo of the About box, drawn at 71 x 70 pixels.
QPixmap aboutLogo();
