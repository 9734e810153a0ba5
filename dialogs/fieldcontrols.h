// Moves the settings of the table of fields between the editor state and
// the controls of a window that show them: each field names its window, its
// control and how the control holds it.
#pragma once

class QWidget;
struct EditorState;

// Sets every control of `window` (a window named like "Form5") from the
// editor state.
void loadFieldControls(QWidget *window, const EditorState &state);

// Stores every control of `window` into the editor state, as OK does.
void storeFieldControls(QWidget *window, EditorState &state);
