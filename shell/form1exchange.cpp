// What the main window shows of a radio exchange: the status label `Label`,
// the progress bar `ProgressBar1`, the F1 hint, and the toolbar and
// Programming menu that rest while the radio is busy. The radio link part
// runs the exchange; the session reports what to show.
#include "shell/form1.h"

#include "link/clonesession.h"
#include "link/linktexts.h"
#include "model/texts.h"
#include "shell/radiolinkpart.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QToolBar>

void Form1::connectExchange() {
    // The indicators (setRadioCommandsEnabled gives the status label its
    // room while an exchange runs).
    ProgressBar1->setRange(0, CloneSession::kProgressMaximum);
    CloneSession *session = &m_link->session();
    connect(session, &CloneSession::statusTextChanged, Label, &QLabel::setText);
    connect(session, &CloneSession::statusVisibleChanged, Label, &QWidget::setVisible);
    connect(session, &CloneSession::progressVisibleChanged, ProgressBar1, &QWidget::setVisible);
    connect(session, &CloneSession::progressValueChanged, ProgressBar1, &QProgressBar::setValue);
    connect(m_link.get(), &RadioLinkPart::commandsEnabledChanged, this,
            &Form1::setRadioCommandsEnabled);
    connect(session, &CloneSession::modelFrameActivated, this, &Form1::radioSessionStarted);
    connect(session, &CloneSession::imageDecoded, this, &Form1::refreshAfterDecode);
}

void Form1::setRadioCommandsEnabled(bool enabled) {
    Toolbar1->setEnabled(enabled);
    mnupro->setEnabled(enabled);
    m_buttons[5]->setEnabled(enabled);
    m_buttons[6]->setEnabled(enabled);
    // The F1 hint holds the status line while the radio is idle and gives
    // it up to the exchange's status and progress. While the exchange runs
    // the status label keeps its room as it blinks, so the progress bar
    // beside it does not jump; once it is over the label gives the room
    // back, so the hint stays in its place whatever the last status said.
    QSizePolicy statusPolicy = Label->sizePolicy();
    statusPolicy.setRetainSizeWhenHidden(!enabled);
    Label->setSizePolicy(statusPolicy);
    lblHelpHint->setVisible(enabled);
}

void Form1::radioSessionStarted() {
    // Also under the edit lock; the panel and the table stay as they are.
    Frame1->setEnabled(true);
    Combo1->setFocus(Qt::OtherFocusReason);
}

void Form1::retranslateRadioStatus() {
    const QString shown = Label->text();
    if (shown.isEmpty())
        return;
    for (LinkText text : {LinkText::Communicating, LinkText::ReadSuccess, LinkText::WriteSuccess,
                          LinkText::BandRefused, LinkText::BandQuestion}) {
        for (const QString &code : Texts::languages()) {
            const TextLanguage scope(code);
            if (shown == linkText(text, flagOfLanguage(code))) {
                Label->setText(linkText(text, m_state.language));
                return;
            }
        }
    }
}

bool Form1::bandChangeHeldBySession() {
    // While the radio exchange runs the band stays: a read sets the radio's
    // band at its end, and a band question left open across that end would
    // empty the table just read. The selector simply shows the band again.
    if (!m_link || !m_link->busy())
        return false;
    if (Combo1->currentIndex() != m_state.bandPosition) {
        const QSignalBlocker block(Combo1);
        Combo1->setCurrentIndex(m_state.bandPosition);
    }
    return true;
}
