#include "model/settingsstore.h"

SettingsStore::SettingsStore() {
    resetToStartUp();
}

void SettingsStore::resetToStartUp() {
    txHighPower = 63;
    txLowPower = 0;
    pttId = 1;
    voxFunction = 1;
    voxGainLevel = 1;
    voxDelayTime = 1;
    voxProceedTone = 1;
    duplicate = 1;
    priority = 0;
    priorityChannel = 1;
    lookBackTimeA = 1;
    lookBackTimeB = 1;
    revertChannel = 1;
    idCode.clear();
    pttIdStartCode = QStringLiteral("1");
    pttIdEndCode = QStringLiteral("2");
    dropoutDelayTime.clear();
    txDwellTime.clear();
    cancelOperation = 1;
    voxInhibitOnReveive = 1;
    dtmfRate = 0;
    firstDigitTime = 1;
    firstDigitDelay = 0;
    starAndHashTone = 1;
    dKeySetting = 1;
    dtmfSidetone = 1;
    carriedDigit = 0;
    autoResetTimer = 0;
    for (int k = 0; k < kAutoDialCodes; ++k)
        autoDialMemory[k] = QString::number(k + 1);
}

bool SettingsStore::operator==(const SettingsStore &o) const {
    for (int k = 0; k < kAutoDialCodes; ++k)
        if (autoDialMemory[k] != o.autoDialMemory[k])
            return false;
    for (int r = 0; r < kTestFrequencyRows; ++r)
        if (testRx[r] != o.testRx[r] || testTx[r] != o.testTx[r])
            return false;
    return pttId == o.pttId && voxFunction == o.voxFunction && voxGainLevel == o.voxGainLevel &&
           voxDelayTime == o.voxDelayTime && voxProceedTone == o.voxProceedTone &&
           duplicate == o.duplicate && priority == o.priority &&
           priorityChannel == o.priorityChannel && lookBackTimeA == o.lookBackTimeA &&
           lookBackTimeB == o.lookBackTimeB && revertChannel == o.revertChannel &&
           idCode == o.idCode && pttIdStartCode == o.pttIdStartCode &&
           pttIdEndCode == o.pttIdEndCode && dropoutDelayTime == o.dropoutDelayTime &&
           txDwellTime == o.txDwellTime && cancelOperation == o.cancelOperation &&
           voxInhibitOnReveive == o.voxInhibitOnReveive && dtmfRate == o.dtmfRate &&
           firstDigitTime == o.firstDigitTime && firstDigitDelay == o.firstDigitDelay &&
           starAndHashTone == o.starAndHashTone && dKeySetting == o.dKeySetting &&
           dtmfSidetone == o.dtmfSidetone && carriedDigit == o.carriedDigit &&
           autoResetTimer == o.autoResetTimer && pf1 == o.pf1 && pf2 == o.pf2 &&
           embeddedLine1 == o.embeddedLine1 && embeddedLine2 == o.embeddedLine2 &&
           txHighPower == o.txHighPower && txLowPower == o.txLowPower;
}
