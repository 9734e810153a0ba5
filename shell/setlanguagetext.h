// SetLanguageText: writes the caption table of the current language into
// the main window, then into the option dialogs (whose first application
// creates them, hidden).
#pragma once

#include <QtGlobal>

class QWidget;
class OptionDialogs;

// Flag 0 gives the Chinese captions, every other value the English ones.
// List texts relabel existing items only: no list gains or loses items and
// every selection stays.
void SetLanguageText(QWidget &form, OptionDialogs &dialogs, qint16 language);
