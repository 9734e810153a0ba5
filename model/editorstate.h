// The editor state: everything the memory image is decoded into and encoded
// from, plus the language flag and the two service modes. One object, owned
// by the main window (or the command-line tool) and passed by reference.
#pragma once

#include "model/channeltable.h"
#include "model/settingsstore.h"

#include <QtGlobal>

// Selected entries of the main window's Functions Setting lists (start-up
// values in the table of fields).
struct FunctionSettings {
    int voiceNotice = 0;
    int timeoutTimer = 0; // entry k is 15*(k+1) seconds; -1 = no selection
    int totPreAlert = 0;
    int squelchLevel = 0;
    int batterySave = 0;
    int beep = 0;

    bool operator==(const FunctionSettings &o) const {
        return voiceNotice == o.voiceNotice && timeoutTimer == o.timeoutTimer &&
               totPreAlert == o.totPreAlert && squelchLevel == o.squelchLevel &&
               batterySave == o.batterySave && beep == o.beep;
    }
};

// Number of entries of each Functions Setting list.
constexpr int kVoiceNoticeItems = 3;
constexpr int kTimeoutTimerItems = 40;
constexpr int kTotPreAlertItems = 11;
constexpr int kSquelchLevelItems = 10;
constexpr int kBatterySaveItems = 2;
constexpr int kBeepItems = 2;

struct EditorState {
    ChannelTable channels;
    FunctionSettings functions;
    int bandPosition = 0; // selected position of the band selector
    int acceptedBand = 0; // the range the channel table belongs to
    SettingsStore store;
    qint16 language = 0; // 0 Chinese, 1 English (others show English)
    bool bandOverrideMode = false;
    bool debugWriteMode = false;

    // Every setting at its start-up value, no channel in use, band 0.
    EditorState();

    // The values the program starts with: band 0 accepted and selected, PF1
    // 10, then the reset to defaults (power levels 63 and 0, debug write mode
    // off, channel numbers, optional function values, function settings).
    // The language flag is left as it is.
    void loadStartUpValues();
};
