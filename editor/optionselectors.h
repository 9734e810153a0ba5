// Combo5(5) to Combo5(8): the option selectors laid over the Power, BCLO,
// W/N and Scan Add cells of the channel table. Each is a drop-down list of
// two items; a pick (mouse, Enter, or typing an item's first letter) writes
// the item into the cell and its position into the option index table.
// Leaving the selector in any other way writes nothing.
#pragma once

#include <QComboBox>

struct EditorState;

class OptionSelector : public QComboBox {
    Q_OBJECT
public:
    // The selector of grid column `column` (5 to 8), named Combo5_<column>.
    OptionSelector(int column, EditorState &state, QWidget *parent);

    int column() const { return m_column; }

    // Opens the selector over `cellRect` (in the parent's coordinates) on
    // channel `row`: while still hidden it selects the cell's option index
    // entry (no pick), then it is shown with its list down. The focus goes
    // back to `returnFocusTo` when the selector closes by a pick or a key.
    void openOver(const QRect &cellRect, int row, QWidget *returnFocusTo = nullptr);

    bool isOpen() const { return m_open; }
    int row() const { return m_row; }

    // Closes without writing anything (as on focus loss).
    void cancel();

    // Sets the item texts of the language; the count and the selection stay.
    void retranslate(qint16 language);

signals:
    void channelChanged(int row);
    // The selector was closed by a pick or a key and gave the focus back.
    void finished();
    // Closed by Tab (1) or Shift+Tab (-1), after `finished`: the grid moves
    // on along the row.
    void tabbedOut(int step);

protected:
    // Tab and Shift+Tab, on the selector or in its list, close it without a
    // pick and leave for the next cell instead of the next control.
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void pick(int item);
    void closeSelector(bool giveFocusBack);

    int m_column;
    EditorState &m_state;
    QWidget *m_returnFocus = nullptr;
    bool m_open = false;
    int m_row = 0;
};
