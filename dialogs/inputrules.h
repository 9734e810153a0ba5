// What the dialogs' text boxes accept, key by key and on paste. A refused
// key is dropped silently and the text stays as it was.
#pragma once

#include "editor/textrule.h"

#include <QString>
#include <QtGlobal>

namespace TextRules {
TextRule idCode();       // ID Code: dial characters, 10 at most, Enter refused
TextRule pttIdCode();    // PTT ID Start/End Code: dial characters, 16 at most
TextRule autoDialCell(); // an auto-dial code being edited: no limit while typing
TextRule embeddedLine(); // a line of embedded information: 32 radio characters
TextRule scanSeconds();  // Dropout delay / TX Dwell time: 0 to 300 seconds
} // namespace TextRules

// Longest code the radio keeps in one auto-dial memory.
constexpr int kAutoDialMaxDigits = 16;
// The message shown after an auto-dial code longer than that was entered.
// It exists in Chinese only.
QString autoDialTooLongMessage();
