// Placeholder until the dialogs are built: the calls do nothing yet.
#include "dialogs/optiondialogs.h"

#include <QWidget>

OptionDialogs::OptionDialogs(EditorState &, QWidget *owner) : QObject(owner) {}
OptionDialogs::~OptionDialogs() = default;
void OptionDialogs::SetLanguageText(qint16) {}
void OptionDialogs::refreshAfterDecode() {}
void OptionDialogs::showOptionalFunction() {}
void OptionDialogs::showKeys() {}
void OptionDialogs::showEmbedded() {}
void OptionDialogs::showDebug() {}
void OptionDialogs::showTestFrequency() {}
void OptionDialogs::showAbout() {}
void OptionDialogs::setPowerSlidersEnabled(bool) {}
