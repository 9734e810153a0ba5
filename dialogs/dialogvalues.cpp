#include "dialogs/dialogvalues.h"

#include <QtGlobal>

int powerSliderPosition(int level) {
    return qBound(0, level, kPowerSliderMax);
}

int powerLevelOnOk(int storedLevel, int sliderValue, bool sliderMoved) {
    return sliderMoved ? sliderValue : storedLevel;
}

int keyListIndex(int storedFunction) {
    return storedFunction < 0 || storedFunction >= kKeyFunctions ? 1 : storedFunction;
}

int listSelection(int storedIndex, int count) {
    return storedIndex >= 0 && storedIndex < count ? storedIndex : -1;
}

int scanSecondsOfText(const QString &text) {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < 0)
        return 0;
    return int(qMin<qlonglong>(v, kScanSecondsMax));
}
