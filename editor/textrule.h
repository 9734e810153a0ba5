// What a one-line text box accepts, key by key and on paste: which
// characters, how many, upper-casing, and for number boxes the largest
// value. A refused key is dropped silently and the text stays as it was.
#pragma once

#include <QString>
#include <QtGlobal>

struct TextRule {
    enum class Characters {
        DialCode,  // 0-9, A-D, * and #
        RadioByte, // one byte of the radio's character set
        Digits,    // 0-9
        Custom,    // whatever `accept` takes
    };
    Characters characters = Characters::RadioByte;
    int maxLength = 0;      // 0: no limit
    bool upperCase = false; // a-z typed become A-Z
    bool refuseEnter = false;
    int maxValue = -1;               // digits only: the largest number the text may hold
    bool (*accept)(QChar) = nullptr; // the filter of Characters::Custom

    // A rule that takes exactly the characters `filter` accepts.
    static TextRule accepting(bool (*filter)(QChar)) {
        return TextRule{Characters::Custom, 0, false, false, -1, filter};
    }
};

// A character the radio stores in one byte: U+0020 to U+007E and U+00A0 to
// U+00FE. U+00FF is the radio's "no character" byte and is refused too.
bool isRadioCharacter(QChar c);

// A text box as a key or a paste finds it.
struct LineState {
    QString text;
    int cursor = 0;
    int selectionStart = -1; // -1: nothing selected
    int selectionLength = 0;
};

// The character a typed key puts into the box (upper-cased where the rule
// says so), or a null QChar when the key is refused. A key that would make
// the text longer than the maximum while nothing is selected is refused.
QChar typedCharacter(const TextRule &rule, const LineState &state, QChar typed);

// The part of a pasted text the box takes: characters the rule refuses are
// dropped, the rest is cut to the room left (a selection is replaced). For
// a number box the whole paste is refused when the result would not be a
// number in range. An empty result means nothing is pasted.
QString pastedText(const TextRule &rule, const LineState &state, const QString &pasted);

// The text after `inserted` replaced the selection or went in at the cursor.
QString textAfterInsert(const LineState &state, const QString &inserted);
