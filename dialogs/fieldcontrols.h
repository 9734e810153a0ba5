// Moves the settings of the table of fields between the editor state and
// the controls of a window that show them: each field names its window, its
// control and how the control holds it.
#pragma once

class QWidget;
struct EditorState;
struct SettingField;

// Sets every control of `window` (a window named like "Form5") from the
// editor state.
void loadFieldControls(QWidget *window, const EditorState &state);

// Stores every control of `window` into the editor state, as OK does.
void storeFieldControls(QWidget *window, EditorState &state);

// The same for one field and the control that shows it (the main window's
// Functions Setting lists, which hold the fields of Form1).
void loadFieldControl(const SettingField &field, QWidget *control, const EditorState &state);
void storeFieldControl(const SettingField &field, QWidget *control, EditorState &state);
