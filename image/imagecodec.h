// The codec between the memory image (upper-case hex text) and the editor.
#pragma once

#include "model/editorstate.h"

#include <QByteArray>
#include <QString>

// Puts every field of the image into the editor: the channel table, the
// Functions Setting lists, the band, the settings store. A settings byte
// is applied only when it lies in its field's range; otherwise the editor
// keeps its value. Switches debug write mode off.
// Returns false, and changes nothing, when the image is shorter than
// 0x330 bytes or holds a character that is not an upper-case hex digit.
bool DecodeImage(EditorState &state, const QString &image);

// Builds the 0x350-byte image (1696 hex digits) from the editor. Always
// exactly that size, whatever the editor holds.
QString EncodeImage(const EditorState &state);

// Hex text of bytes (upper case) and bytes of hex text.
QString imageFromBytes(const QByteArray &bytes);
QByteArray bytesFromImage(const QString &image);
