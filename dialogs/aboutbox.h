// The About box (frmAbout): product, edition, issue, version and the
// maker's credit line, which opens the maker's web site.
#pragma once

#include "dialogs/optiondialog.h"

#include <QLabel>
#include <QUrl>

#include <functional>

class QFrame;
class QPushButton;

// A label that reads as a link: blue, with a hand pointer; a click, or
// Enter or Space while it has the focus, activates it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// Opens an address in the default browser; tests put in their own.
using UrlOpener = std::function<void(const QUrl &)>;

class frmAbout : public OptionDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent);

    // An empty opener restores the default browser.
    void setUrlOpener(UrlOpener opener);

    QLabel *Image2;            // the logo, 71 x 70
    QLabel *lblTitle;          // product name
    QLabel *lblVersion;        // language edition
    QLabel *Label2;            // issue date
    QLabel *Label3;            // version number
    QLabel *lblHelp;           // names F1, which opens the user guide
    LinkLabel *lblDescription; // maker's credit line, opens the web site
    QLabel *Label1;            // empty
    QFrame *Line1_0;           // decorative lines
    QFrame *Line1_1;
    QPushButton *cmdOK;

private:
    UrlOpener m_openUrl;
};

// The logo of the About box, drawn at 71 x 70 pixels.
QPixmap aboutLogo();
