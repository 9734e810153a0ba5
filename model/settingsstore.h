// The settings store: every setting of the memory image that is neither
// channel data nor one of the main window's lists. Decoding writes it,
// encoding reads it, and the option dialogs show it and store into it on OK.
#pragma once

#include <QString>
#include <QtGlobal>

constexpr int kAutoDialCodes = 8;
constexpr int kTestFrequencyRows = 16;

struct SettingsStore {
    // Optional function values. List settings hold the list index.
    int pttId = 1;
    int voxFunction = 1;
    int voxGainLevel = 1;
    int voxDelayTime = 1;
    int voxProceedTone = 1;
    int duplicate = 1;
    int priority = 0;
    int priorityChannel = 1; // the channel number 1 to 16
    int lookBackTimeA = 1;   // 0 is the entry "Empty"
    int lookBackTimeB = 1;
    int revertChannel = 1;
    QString idCode;
    QString pttIdStartCode = QStringLiteral("1");
    QString pttIdEndCode = QStringLiteral("2");
    QString dropoutDelayTime; // seconds as typed; empty counts as 0
    QString txDwellTime;
    int cancelOperation = 1;     // check value 0 or 1
    int voxInhibitOnReveive = 1; // check value 0 or 1
    int dtmfRate = 0;
    int firstDigitTime = 1;
    int firstDigitDelay = 0; // milliseconds
    int starAndHashTone = 1;
    int dKeySetting = 1;
    int dtmfSidetone = 1;
    int carriedDigit = 0; // one decimal digit
    int autoResetTimer = 0;
    QString autoDialMemory[kAutoDialCodes];

    // Key assignments: list index of the function of PF1 and PF2.
    int pf1 = 10;
    int pf2 = 0;

    // Embedded information lines.
    QString embeddedLine1;
    QString embeddedLine2;

    // Transmit power adjustment values.
    int txHighPower = 63;
    int txLowPower = 0;

    // Test frequency table: RX and TX texts DDD.DDDDD, empty when unused.
    QString testRx[kTestFrequencyRows];
    QString testTx[kTestFrequencyRows];

    SettingsStore();
    // The start-up values of the optional functions and power levels.
    void resetToStartUp();

    bool operator==(const SettingsStore &other) const;
    bool operator!=(const SettingsStore &other) const { return !(*this == other); }
};
