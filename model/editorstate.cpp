#include "model/editorstate.h"

#include "model/settingfields.h"

EditorState::EditorState() {
    setStartUpSettings(*this);
}

void EditorState::loadStartUpValues() {
    acceptedBand = 0;
    bandPosition = 0;
    // Reset to defaults: debug write mode off, channel numbers, every
    // setting (PF1 10 included) at its start-up value.
    debugWriteMode = false;
    channels.writeChannelNumbers();
    setStartUpSettings(*this);
}
