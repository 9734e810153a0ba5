#include "model/editorstate.h"

void EditorState::loadStartUpValues() {
    acceptedBand = 0;
    bandPosition = 0;
    store.pf1 = 10;
    // Reset to defaults.
    debugWriteMode = false;
    channels.writeChannelNumbers();
    store.resetToStartUp();
    functions = FunctionSettings();
}
