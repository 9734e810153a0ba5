// Text1: the frequency editor laid over an RX or TX frequency cell of the
// channel table. It takes digits and the point only; Enter, Tab or a move of
// the focus to another control commits the text by the frequency entry
// rules, Escape closes it and leaves the cell as it was.
#pragma once

#include "editor/filteredlineedit.h"

class MessagePort;
struct EditorState;

class FrequencyEditor : public FilteredLineEdit {
    Q_OBJECT
public:
    // Out-of-band messages go to `port` (none shown without one).
    FrequencyEditor(EditorState &state, MessagePort *port, QWidget *parent);

    // Opens the editor over `cellRect` (in the parent's coordinates) on the
    // frequency cell (row, column), with the cell's text, selected. The
    // keyboard focus goes back to `returnFocusTo` when the editor closes by
    // a key or refuses a value. An editor already open commits first.
    void openOver(const QRect &cellRect, int row, int column, QWidget *returnFocusTo = nullptr);

    bool isOpen() const { return m_open; }
    int row() const { return m_row; }
    int column() const { return m_column; }

    // Commits the typed text into the cell and closes (Text1_LostFocus).
    void commit();
    // Closes without changing the cell.
    void cancel();

signals:
    // The channel's cells changed: written, new-channel defaults, deleted.
    void channelChanged(int row);
    // The editor was closed by a key and gave the focus back.
    void finished();
    // Closed by Tab (1) or Shift+Tab (-1), after `finished`: the grid moves
    // on along the row.
    void tabbedOut(int step);

protected:
    // Tab and Shift+Tab store the value and leave for the next cell instead
    // of the next control of the window.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void finishEditing(bool commitText, bool byKey);
    void Text1_LostFocus(const QString &typed);

    EditorState &m_state;
    MessagePort *m_port;
    QWidget *m_returnFocus = nullptr;
    bool m_open = false;
    int m_row = 0;
    int m_column = 0;
};
