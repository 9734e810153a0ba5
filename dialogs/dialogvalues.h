// How stored settings map onto the dialogs' controls and back, where that
// takes more than a plain copy.
#pragma once

#include <QString>

// The TX power sliders run from 0 to 63.
constexpr int kPowerSliderMax = 63;

// The slider position that shows a stored power level: a level outside the
// slider's range puts the slider at its nearer end.
int powerSliderPosition(int level);

// The power level OK stores: the slider's value once the user has moved
// the slider, otherwise the stored level as it was (a decoded level above
// 63 survives OK untouched).
int powerLevelOnOk(int storedLevel, int sliderValue, bool sliderMoved);

// Number of functions the keys PF1 and PF2 can take.
constexpr int kKeyFunctions = 12;

// The list entry that shows a key assignment: entry 1 ("None") when the
// value lies outside the list.
int keyListIndex(int storedFunction);

// A stored list index as a selection: -1 (nothing selected) when it lies
// outside a list of `count` entries.
int listSelection(int storedIndex, int count);

// The scan time controls run from 0 to 300 seconds.
constexpr int kScanSecondsMax = 300;

// The seconds a scan time box shows, for its scroll control: 0 for an
// empty text or one that is not a number, at most 300.
int scanSecondsOfText(const QString &text);
