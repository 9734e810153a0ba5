// The settings store: every setting of the memory image that is neither
// channel data nor one of the main window's lists. Decoding writes it,
// encoding reads it, and the option dialogs show it and store into it on OK.
// Where each value lives in the image, its range and its start-up value are
// given by the table of fields (model/settingfields.h); an editor state
// starts with the start-up values.
#pragma once

#include <QString>
#include <QtGlobal>

constexpr int kAutoDialCodes = 8;
constexpr int kTestFrequencyRows = 16;

struct SettingsStore {
    // Optional function values. List settings hold the list index.
    int pttId = 0;
    int voxFunction = 0;
    int voxGainLevel = 0;
    int voxDelayTime = 0;
    int voxProceedTone = 0;
    int duplicate = 0;
    int priority = 0;
    int priorityChannel = 0; // the channel number 1 to 16
    int lookBackTimeA = 0;   // 0 is the entry "Empty"
    int lookBackTimeB = 0;
    int revertChannel = 0;
    QString idCode;
    QString pttIdStartCode;
    QString pttIdEndCode;
    QString dropoutDelayTime; // seconds as typed; empty counts as 0
    QString txDwellTime;
    int cancelOperation = 0;     // check value 0 or 1
    int voxInhibitOnReveive = 0; // check value 0 or 1
    int dtmfRate = 0;
    int firstDigitTime = 0;
    int firstDigitDelay = 0; // milliseconds
    int starAndHashTone = 0;
    int dKeySetting = 0;
    int dtmfSidetone = 0;
    int carriedDigit = 0; // one decimal digit
    int autoResetTimer = 0;
    QString autoDialMemory[kAutoDialCodes];

    // Key assignments: list index of the function of PF1 and PF2.
    int pf1 = 0;
    int pf2 = 0;

    // Embedded information lines.
    QString embeddedLine1;
    QString embeddedLine2;

    // Transmit power adjustment values.
    int txHighPower = 0;
    int txLowPower = 0;

    // Test frequency table: RX and TX texts DDD.DDDDD, empty when unused.
    QString testRx[kTestFrequencyRows];
    QString testTx[kTestFrequencyRows];

    // The same values, as the radio keeps them (see sameSettings).
    bool operator==(const SettingsStore &other) const;
    bool operator!=(const SettingsStore &other) const { return !(*this == other); }
};
