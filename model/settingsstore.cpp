#include "model/settingsstore.h"

#include "model/editorstate.h"
#include "model/settingfields.h"

bool SettingsStore::operator==(const SettingsStore &o) const {
    EditorState a;
    EditorState b;
    a.store = *this;
    b.store = o;
    return sameSettings(a, b);
}
