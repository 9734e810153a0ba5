// The main window's commands and the handlers of its controls. Each one
// forwards to the core and then shows the editor state again.
#include "shell/form1.h"

#include "dialogs/optiondialogs.h"
#include "editor/bandselection.h"
#include "editor/channelgrid.h"
#include "shell/filecommands.h"
#include "shell/helpfile.h"
#include "shell/localizedmsgbox.h"
#include "shell/setlanguagetext.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QUrl>

void Form1::refreshAfterDecode() {
    Grid1->refresh();
    refreshFunctionLists();
    // The accepted band already agrees with the decoded one: no question.
    Combo1->setCurrentIndex(m_state.bandPosition);
    m_dialogs->refreshAfterDecode();
}

void Form1::refreshFunctionLists() {
    const FunctionSettings &f = m_state.functions;
    const std::pair<QComboBox *, int> lists[] = {{Combo2, f.voiceNotice}, {Combo3, f.timeoutTimer},
                                                 {Combo4, f.totPreAlert}, {Combo9, f.squelchLevel},
                                                 {Combo6, f.batterySave}, {Combo7, f.beep}};
    for (const auto &[combo, index] : lists) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(index);
    }
}

void Form1::functionListChanged() {
    FunctionSettings &f = m_state.functions;
    f.voiceNotice = Combo2->currentIndex();
    f.timeoutTimer = Combo3->currentIndex();
    f.totPreAlert = Combo4->currentIndex();
    f.squelchLevel = Combo9->currentIndex();
    f.batterySave = Combo6->currentIndex();
    f.beep = Combo7->currentIndex();
}

void Form1::bandSelectorChanged(int position) {
    if (bandChangeHeldBySession())
        return;
    switch (BandSelectionChanged(m_state, position, *m_port)) {
    case BandChange::Accepted:
        Grid1->refresh();
        break;
    case BandChange::Refused:
        // Selecting the accepted band again runs this handler once more,
        // which finds nothing to ask.
        Combo1->setCurrentIndex(m_state.bandPosition);
        break;
    case BandChange::Unchanged:
        break;
    }
}

void Form1::applyLock(bool locked) {
    Frame1->setEnabled(!locked);
    Frame2->setEnabled(!locked);
    Grid1->setEnabled(!locked);
}

void Form1::commandNew() {
    if (newCommand(m_state, *m_port) == FileOutcome::Done)
        Grid1->refresh();
}

void Form1::commandOpen() {
    if (openCommand(m_state, *m_chooser, *m_port) == FileOutcome::Done)
        refreshAfterDecode();
}

void Form1::commandSave() {
    saveCommand(m_state, *m_chooser, *m_port);
}

void Form1::commandExit() {
    close();
}

void Form1::commandChinese() {
    if (m_state.language != 1)
        return;
    m_state.language = 0;
    applyLanguage();
}

void Form1::commandEnglish() {
    if (m_state.language != 0)
        return;
    m_state.language = 1;
    applyLanguage();
}

void Form1::applyLanguage() {
    SetLanguageText(*this, *m_dialogs, m_state.language);
    m_state.channels.SetGrid1Text(m_state.language);
    Grid1->refresh();
}

void Form1::commandHelp() {
    // Failures are not reported: a missing help file simply shows nothing.
    const QString path = helpTarget(QCoreApplication::applicationDirPath(), m_state.language);
    if (m_urlOpener)
        m_urlOpener(QUrl::fromLocalFile(path));
}

bool Form1::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Label4)
            panelCaptionClicked(0);
        else if (watched == Label6)
            panelCaptionClicked(1);
        else if (watched == Label8)
            panelCaptionClicked(2);
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::panelCaptionClicked(int which) {
    if (m_modes.panelCaptionClicked(which))
        m_buttons[8]->setVisible(true);
}

void Form1::debugCaptionClicked(int which) {
    if (m_modes.debugCaptionClicked(which)) {
        m_dialogs->setPowerSlidersEnabled(true);
        m_buttons[7]->setVisible(true);
    }
}

void Form1::bandOverrideButtonClicked() {
    if (m_modes.bandOverrideButtonClicked())
        m_buttons[8]->setVisible(false);
}

void Form1::debugWriteButtonClicked() {
    if (m_modes.debugWriteButtonClicked()) {
        m_dialogs->setPowerSlidersEnabled(false);
        m_buttons[7]->setVisible(false);
    }
}
