// A value a user's file, clipboard or typing gave, as a message shows it:
// at most its first 40 characters, and none of its characters can act on a
// terminal or hide in a message box.
#pragma once

#include <QString>

// The most characters of a value a message shows.
constexpr int kShownValueLength = 40;

// The value as a message shows it, without quotes. Control characters
// (C0, DEL, C1) are written as \x1B; line and paragraph separators,
// invisible formatting characters (bidirectional controls, zero-width
// characters, the byte order mark) and unpaired surrogates as \u202E (or
// \U000E0001 beyond the first 65,536 characters); a
// backslash as \\, so that an escape never reads as the value's own text.
// After the first 40 characters "..." stands for the rest.
QString shownValue(const QString &value);

// The shown value in straight quotes, as a message in English quotes a
// user's value (a translated message gives its own quote marks around
// shownValue()).
QString quotedValue(const QString &value);
