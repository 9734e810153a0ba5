// The main window's life cycle: the parameter file loaded at start (the
// lock, the remembered port and device, the language), the start-up values
// and the option dialogs; the question about unsaved work and the parameter
// file written at close; and the steps that can be replaced (file dialogs,
// the questions of Import and Print, help, the gestures' clock, the ports,
// the backups).
#include "shell/form1.h"

#include "dialogs/optiondialogs.h"
#include "editor/channelgrid.h"
#include "image/systemreason.h"
#include "model/texts.h"
#include "shell/channelcommandspart.h"
#include "shell/fleetpart.h"
#include "shell/functionspanel.h"
#include "shell/localizedmsgbox.h"
#include "shell/radiolinkpart.h"
#include "shell/setlanguagetext.h"
#include "shell/writepart.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QProgressBar>

using vq740::translate;

void Form1::load() {
    // The parameter file: lock, remembered port, language.
    const Preferences prefs = m_parameterFile.load();
    mnulock->setChecked(prefs.editLock);
    if (prefs.editLock)
        applyLock(true);
    m_link->setRememberedPort(prefs.rememberedPort);
    m_link->loadRememberedDevice();
    m_state.language = prefs.language;

    // Band 0 accepted and selected, PF1 10, then the reset to defaults.
    m_state.loadStartUpValues();
    Combo1->setCurrentIndex(m_state.bandPosition);
    Grid1->refresh();
    Frame2->refresh();
    ProgressBar1->hide();

    m_dialogs = new OptionDialogs(m_state, this);
    m_dialogs->setMessagePort(m_port.get());
    connect(mnudtmf, &QAction::triggered, m_dialogs, &OptionDialogs::showOptionalFunction);
    connect(Key_enactment, &QAction::triggered, m_dialogs, &OptionDialogs::showKeys);
    connect(mnusetin, &QAction::triggered, m_dialogs, &OptionDialogs::showEmbedded);
    connect(mnudebug, &QAction::triggered, m_dialogs, &OptionDialogs::showDebug);
    connect(mnutestfre, &QAction::triggered, m_dialogs, &OptionDialogs::showTestFrequency);
    connect(mnuabout, &QAction::triggered, m_dialogs, &OptionDialogs::showAbout);
    connect(m_dialogs, &OptionDialogs::debugGestureClicked, this, &Form1::debugCaptionClicked);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Form1::bandSelectorChanged);

    m_furtherLanguage = m_deviceSetting.furtherLanguage();
    Texts::setLanguage(languageOfFlag(m_state.language, m_furtherLanguage));
    SetLanguageText(*this, *m_dialogs, m_state.language);
    Frame2->fitLists();
    resize(sizeHint());
}

void Form1::closeEvent(QCloseEvent *event) {
    if (!m_unloaded) {
        // Work not saved is not lost without a word: the user saves it,
        // discards it, or stays.
        if (!keepUnsavedWork()) {
            event->ignore();
            return;
        }
        finishCellEditing(false);
        m_unloaded = true;
        m_link->shutDown();
        // The file moves to the per-user folder without a word when the
        // program's folder cannot take it; only a file that fits nowhere is
        // reported.
        QString reason;
        QString file;
        if (!m_parameterFile.save(preferences(), &reason, &file)) {
            file = QDir::toNativeSeparators(file);
            reason = systemReasonText(reason, m_state.language);
            const TextLanguage scope(m_state.language);
            m_port->show(translate("MainWindow",
                                   "The parameter file %1 (%2) cannot be written; the "
                                   "language, port and lock are not kept.")
                             .arg(file, reason),
                         MsgStyle::IconStop, QString());
        }
        m_link->saveRememberedDevice();
        emit unloaded();
    }
    event->accept();
}

Preferences Form1::preferences() const {
    Preferences p;
    p.editLock = editLock();
    p.rememberedPort = m_link->rememberedPort();
    p.language = m_state.language;
    return p;
}

void Form1::setFileChooser(FileChooser *chooser) {
    m_chooser = chooser ? chooser : m_ownChooser.get();
    m_commands->setFileChooser(m_chooser);
    m_fleet->setFileChooser(m_chooser);
}

void Form1::setInteropPrompts(InteropPrompts *prompts) {
    m_commands->setInteropPrompts(prompts);
}

void Form1::setUrlOpener(UrlOpener opener) {
    m_urlOpener = std::move(opener);
}

void Form1::setServiceClock(ServiceModes::Clock clock) {
    m_modes.setClock(std::move(clock));
}

void Form1::setPortNaming(SerialPort::PortNaming naming) {
    m_link->setPortNaming(std::move(naming));
}

void Form1::setPortEnumerator(PortEnumerator *enumerator) {
    m_link->setPortEnumerator(enumerator);
}

void Form1::setCableSearch(int polls, int intervalMs) {
    m_link->setCableSearch(polls, intervalMs);
}

void Form1::setBackupStore(const BackupStore &store) {
    m_write->setBackupStore(store);
}

void Form1::chooseStartDevice(const QString &device) {
    m_link->chooseStartDevice(device);
}
