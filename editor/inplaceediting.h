// Small helpers shared by the in-place editors of the channel table.
#pragma once

class QComboBox;
class QFocusEvent;
class QKeyEvent;
class QRect;
class QWidget;

// What a key does to the cell being edited: Enter, Return and Tab store the
// value and close the editor; Escape closes it without a change.
enum class EditKey { Other, Store, Cancel };
EditKey editKeyOf(const QKeyEvent *event);

// Tab (1) or Shift+Tab (-1) as a key that leaves a cell editor for the next
// or the previous cell of the row; 0 for any other key.
int tabStepOf(const QKeyEvent *event);

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

// Keeps the list of `combo`, just dropped down by the press that opened it
// over its cell, open when that press's button comes up: the first release
// that follows neither closes the list nor picks, unless it falls on another
// entry (a press dragged into the list picks where it is let go, as in any
// list). A press or a key first makes the release an ordinary one.
void keepListOpenOverRelease(QComboBox *combo);
