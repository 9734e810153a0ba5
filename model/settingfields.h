// The radio-wide settings, one row per field: where it lives in the memory
// image, how its bytes are coded, the one range decoding applies, its
// start-up value and the control that shows it. The codec, the JSON form,
// the start-up values, equality, the dialogs and the tests all read this
// table, so a new setting is one row here plus its widget.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

struct EditorState;

// How the bytes of a field hold its value.
enum class FieldCodec {
    Index,          // one byte, the value itself (a list index, a check value, a number)
    IndexPlusOne,   // one byte, value + 1; 0 means no selection (-1)
    Tens,           // one byte, the value (milliseconds) divided by 10
    Digit,          // one byte, 00 for 0, otherwise the character code of the digit
    FfEmpty,        // one byte, the value; FF stands for 0 (the entry "Empty")
    Bit,            // one byte, bits 7-1 set, bit 0 the value (FE or FF)
    Raw,            // one byte, the value as it stands, no range check
    Seconds,        // 16 bits, least significant byte first, a text of whole seconds
    Characters,     // one byte per character, FF = no character
    DialCharacters, // as Characters, but the character 0 is stored as 3A
    Frequency,      // four BCD bytes, least significant first; FFFFFFFF = no frequency
};

// How the dialog control of a field holds it.
enum class FieldControl {
    None,       // no control shows it; kept by the program
    ListIndex,  // a list's selection is the value
    ListNumber, // a list of the numbers min, min+1, ...; the value is the number shown
    Text,       // a text box holds the text
    Check,      // a check box: 0 clear, 1 ticked
    Rows,       // one row of a grid per entry
    Slider,     // a slider of the Debug Parameters window
};

struct SettingField {
    const char *group; // the section it belongs to, as the JSON form names it
    const char *name;  // the English name, the JSON key
    int offset;        // image offset of entry 0
    FieldCodec codec;
    int min;                 // number fields: smallest value decoding applies
    int max;                 // number fields: largest value; text fields: characters at most
    int startUp;             // number fields: the start-up value
    const char *startUpText; // text fields: the start-up text; "%n" is the entry number
    const char *window;      // the window of its control ("Form1", "Form5", ...)
    const char *control;     // the control's name
    // The control whose caption names the setting, as window/control
    // ("Form5/Label22"; "Form5/mfgrid1:1" for header cell 1 of a grid);
    // empty for a setting no caption names.
    const char *caption;
    FieldControl controlKind;
    int count;                     // entries (8 auto-dial codes, 16 test frequencies); 1 otherwise
    int stride;                    // bytes from one entry to the next
    int &(*number)(EditorState &); // number fields
    QString &(*text)(EditorState &, int entry); // text fields

    bool isText() const { return text != nullptr; }
    // Bytes one entry takes in the image.
    int width() const;
};

// Every field, in the order the JSON form lists them.
int settingFieldCount();
const SettingField &settingFieldAt(int index);
// The field of a group with an English name, or null.
const SettingField *findSettingField(const QString &group, const QString &name);

// Reading and writing a field's value in the editor state.
int numberValue(const SettingField &field, const EditorState &state);
QString textValue(const SettingField &field, const EditorState &state, int entry = 0);
void setNumberValue(const SettingField &field, EditorState &state, int value);
void setTextValue(const SettingField &field, EditorState &state, int entry, const QString &value);

// The start-up value of a text entry.
QString startUpText(const SettingField &field, int entry);
// Puts every field at its start-up value.
void setStartUpSettings(EditorState &state);

// The bytes of one entry as encoding writes them; always width() bytes.
QByteArray encodeFieldEntry(const SettingField &field, const EditorState &state, int entry);
// Applies the bytes of one entry (width() bytes) when they lie in the
// field's range, as decoding does; returns whether they were applied.
bool decodeFieldEntry(const SettingField &field, const uchar *bytes, EditorState &state, int entry);

// Whether a value is one the radio keeps: it comes back unchanged through
// the image (encoding, then decoding), or it is the start-up value, which
// decoding leaves in place. The JSON form accepts exactly these.
bool fieldKeepsNumber(const SettingField &field, int value);
bool fieldKeepsText(const SettingField &field, int entry, const QString &value);
// What the radio keeps, in words, for messages ("0 to 3").
QString fieldRangeText(const SettingField &field);

// Two editor states hold the same settings when every field encodes to the
// same bytes (an empty scan time and "0" are the same to the radio).
bool sameSettings(const EditorState &a, const EditorState &b);
