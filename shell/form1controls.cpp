// The main window's own controls: the lock, the language, help, the band
// selector and the hidden service modes' gestures on the captions of the
// Functions Setting panel, the Debug Parameters window and toolbar buttons
// 7 and 8.
#include "shell/form1.h"

#include "dialogs/optiondialogs.h"
#include "editor/bandselection.h"
#include "editor/channelgrid.h"
#include "model/texts.h"
#include "shell/channelcommandspart.h"
#include "shell/fleetpart.h"
#include "shell/functionspanel.h"
#include "shell/helpfile.h"
#include "shell/localizedmsgbox.h"
#include "shell/radiolinkpart.h"
#include "shell/setlanguagetext.h"
#include "shell/writepart.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QUrl>

void Form1::applyLock(bool locked) {
    if (locked)
        finishCellEditing(true);
    Frame1->setEnabled(!locked);
    Frame2->setEnabled(!locked);
    Grid1->setEnabled(!locked);
    m_commands->updateEditCommands();
    Grid1->setFocus(Qt::OtherFocusReason);
}

void Form1::commandChinese() {
    if (m_state.language != 1)
        return;
    // Stored in the language it was typed in; SetGrid1Text re-captions it.
    finishCellEditing(true);
    m_state.language = 0;
    applyLanguage();
}

void Form1::commandEnglish() {
    if (m_state.language != 0 && m_furtherLanguage.isEmpty())
        return;
    finishCellEditing(true);
    m_state.language = 1;
    m_furtherLanguage.clear();
    m_deviceSetting.saveFurtherLanguage(QString());
    applyLanguage();
}

// A further translation: the parameter file keeps flag 1, the settings the
// language.
void Form1::commandLanguage(const QString &code) {
    if (m_state.language == 1 && m_furtherLanguage == code)
        return;
    finishCellEditing(true);
    m_state.language = 1;
    m_furtherLanguage = code;
    m_deviceSetting.saveFurtherLanguage(code);
    applyLanguage();
}

void Form1::applyLanguage() {
    Texts::setLanguage(languageOfFlag(m_state.language, m_furtherLanguage));
    // The caption table also relabels the lists of the in-place editors
    // (Combo8 entry 0, Combo5_5 to Combo5_8), found by their names.
    SetLanguageText(*this, *m_dialogs, m_state.language);
    Frame2->fitLists();
    m_state.channels.SetGrid1Text(m_state.language);
    Grid1->refresh();
    updateTitle();
}

void Form1::retranslateParts() {
    retranslateRadioStatus();
    m_link->retranslate();
    m_write->retranslate();
    m_fleet->retranslate();
}

void Form1::commandHelp() {
    // Failures are not reported: a missing help file simply shows nothing.
    const QString path = helpTarget(QCoreApplication::applicationDirPath(), m_state.language);
    if (m_urlOpener)
        m_urlOpener(QUrl::fromLocalFile(path));
}

void Form1::bandSelectorChanged(int position) {
    if (bandChangeHeldBySession())
        return;
    switch (BandSelectionChanged(m_state, position, *m_port)) {
    case BandChange::Accepted:
        // The channels are gone; the value being typed must not come back
        // into the emptied table. A refused change keeps the editor open.
        finishCellEditing(false);
        Grid1->refresh();
        recordEdit(QStringLiteral("range"));
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

void Form1::panelCaptionClicked(const QString &caption) {
    // Voice Notice, Squelch Level and Beep, within 5 seconds.
    const int which = caption == QLatin1String("Label4")   ? 0
                      : caption == QLatin1String("Label6") ? 1
                      : caption == QLatin1String("Label8") ? 2
                                                           : -1;
    if (which >= 0 && m_modes.panelCaptionClicked(which))
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
