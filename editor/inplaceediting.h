// Small helpers shared by the in-place editors of the channel table.
#pragma once

class QFocusEvent;
class QRect;
class QWidget;

// True when a focus loss ends the editing of a cell: the focus went to
// another control of the program. Opening the editor's own drop-down list,
// a menu or a context menu, or switching to another window, keeps it open.
bool focusLossEndsEditing(const QFocusEvent *event);

// Lays an editor exactly over a cell rectangle (in its parent's
// coordinates), shows it in front and gives it the keyboard focus.
void showOver(QWidget *editor, const QRect &cellRect);

// Hands the keyboard focus back to the grid (when there is one) after an
// editor closed.
void giveFocusTo(QWidget *target);
