// The face the channel list is printed in. A PDF's text layer names each
// glyph by the first character that maps to it in the font's character map,
// and a glyph the font substitutes while laying out text by no character at
// all. With the installed Chinese faces, copied, searched or read-aloud text
// would lose the digits of Latin text ("VQ-" for VQ-740), join "ff" into one
// ligature character, and give the CJK radicals ⾼ and ⽇ for 高 and 日, which
// share their glyphs and come first in the character map.
//
// The print face is the installed Chinese face with a character map that
// leaves the radicals out and without its substitutions, and text is laid
// out glyph by glyph (no shaping). Every glyph on the page then names
// exactly the character it shows.
#pragma once

#include <QFont>

// The font of the channel list document, 10 pt: the print face, made from
// the installed Chinese face and registered in the program's own font list
// the first time, before the usual Chinese faces (which are used as they are
// when no Chinese face is installed). Needs a QGuiApplication.
QFont channelListFont();
