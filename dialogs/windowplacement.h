// Where an option window opens the first time: beside the main window, so
// that the channel table stays in view while the window is used.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The top-left corner of the frame of a window `size` large (frame
// included), placed against the frame of the main window `mainFrame` on a
// screen whose usable area is `screen`: on its right, else on its left,
// else below, else above it, top or left edges aligned, `gap` pixels
// apart. Where none of these fits, the place on the screen that covers the
// least of `table` (the channel table on screen), then of the main window.
// The window always lies within the screen as far as its size allows.
QPoint placeBeside(const QRect &mainFrame, const QRect &table, const QSize &size,
                   const QRect &screen, int gap = 8);
