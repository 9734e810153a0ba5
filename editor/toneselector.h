// Combo8: the tone selector laid over an RX or TX tone cell of the channel
// table. An editable drop-down list of the 261 entries of the tone list
// (Off, the CTCSS tones, the DCS codes in both polarities). Picking an entry
// writes it into the cell at once; a typed CTCSS frequency is committed by
// Enter, Tab or a move of the focus to another control; Escape closes the
// selector and leaves the cell as it was. Only digits and the point can be
// typed; typing while the list is down closes the list and types into the
// edit field.
#pragma once

#include <QComboBox>

struct EditorState;

class ToneSelector : public QComboBox {
    Q_OBJECT
public:
    ToneSelector(EditorState &state, QWidget *parent);

    // Opens the selector over `cellRect` (in the parent's coordinates) on the
    // tone cell (row, column) with the cell's text as edit text, and drops
    // its list down. The focus goes back to `returnFocusTo` when the
    // selector closes by a pick or a key. A selector already open commits
    // first.
    void openOver(const QRect &cellRect, int row, int column, QWidget *returnFocusTo = nullptr);

    bool isOpen() const { return m_open; }
    int row() const { return m_row; }
    int column() const { return m_column; }

    // Commits the edit text into the cell and closes (as on focus loss).
    void commit();
    // Closes without changing the cell.
    void cancel();

    // Relabels entry 0 (Off) for the language; the other entries, the count
    // and the selection stay.
    void retranslate(qint16 language);

signals:
    void channelChanged(int row);
    // The selector was closed by a pick or a key and gave the focus back.
    void finished();
    // Closed by Tab (1) or Shift+Tab (-1), after `finished`: the grid moves
    // on along the row.
    void tabbedOut(int step);

protected:
    // Tab and Shift+Tab, in the edit field or the list, store the edit text
    // and leave for the next cell instead of the next control.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pick(int position);
    void finishEditing(bool commitText, bool byKey);
    bool keyTypesIntoEdit(const QKeyEvent *event) const;

    EditorState &m_state;
    QWidget *m_returnFocus = nullptr;
    bool m_open = false;
    int m_row = 0;
    int m_column = 0;
};
