// The pictures of the Keys Set dialog: the radio seen from the front with
// its two side keys, drawn at 113 x 257 pixels.
#pragma once

#include <QPixmap>

enum class HighlightedKey { None, PF1, PF2 };

constexpr int kKeyPictureWidth = 113;
constexpr int kKeyPictureHeight = 257;

QPixmap keyPicture(HighlightedKey key);
