// The in-place editors of the channel table and the grid click that opens
// them: Text1 over frequency cells, Combo8 over tone cells and Combo5(column)
// over the cells of each option column, each laid exactly over its cell.
//
// The grid forwards a left mouse press or the Enter key on a cell as
// requestOpen() followed by gridClick(row, column); a click without a request
// (one the grid makes by itself) opens nothing. Cell rectangles come from the
// grid through a function, in the coordinates of the host widget that holds
// the editors (the grid's viewport).
#pragma once

#include "editor/celldispatch.h"

#include <QList>
#include <QObject>
#include <QRect>

#include <functional>

class FrequencyEditor;
class MessagePort;
class OptionSelector;
class QWidget;
class ToneSelector;
struct EditorState;

class CellEditors : public QObject {
    Q_OBJECT
public:
    // Rectangle of cell (row 1-16, column 0-8) in the host's coordinates.
    using CellRect = std::function<QRect(int row, int column)>;

    // The editors become children of `host`; `grid` gets the keyboard focus
    // back when an editor closes by a pick or a key. Messages about refused
    // values go to `port`.
    CellEditors(EditorState &state, MessagePort *port, QWidget *host, CellRect cellRect,
                QWidget *grid);

    FrequencyEditor *Text1() const { return m_text1; }
    ToneSelector *Combo8() const { return m_combo8; }
    // Combo5(column) for an option column, else nullptr.
    OptionSelector *Combo5(int column) const;

    // A left mouse press or the Enter key on the grid.
    void requestOpen() { m_request.set(); }
    bool openRequested() const { return m_request.isSet(); }

    // The grid click on cell (row, column): while the open request is set,
    // commits an editor still open, then opens the editor of the cell (the
    // RX frequency of a channel not in use). Clears the request. Returns
    // which editor opened on which cell. A disabled grid (the edit lock)
    // opens nothing.
    CellTarget gridClick(int row, int column);

    // Lays the open editor over its cell again: the cells moved on screen
    // (the window was resized, the grid scrolled). Editing goes on.
    void followCell();

    // The current cell: the cell of the editor opened last.
    int currentRow() const { return m_current.row; }
    int currentColumn() const { return m_current.column; }

    // The editor that is open, or nullptr.
    QWidget *openEditor() const;
    // Commits the open editor's value (what leaving it does), for commands
    // that use the channel table while an editor may be open (Save, Write).
    void commitOpenEditor();
    // Closes the open editor without changing its cell (the table is about
    // to be replaced: New, Open, a read, a band change).
    void cancelOpenEditor();

    // Relabels the list items of Combo8 and Combo5 for the language.
    void retranslate(qint16 language);

signals:
    // Cells of the channel changed; the grid shows them again.
    void channelChanged(int row);
    // The current cell moved: the grid click went to column 1 of a channel
    // not in use, or Tab or Shift+Tab left an editor for the next or the
    // previous cell of the row. The grid selects it.
    void currentCellChanged(int row, int column);
    // An editor closed by a pick or a key and gave the focus to the grid.
    void finished();

private:
    // An editor left by Tab or Shift+Tab: the next or previous cell of the
    // row becomes the current cell.
    void tabbedOut(int step);

    EditorState &m_state;
    CellRect m_cellRect;
    QWidget *m_grid;
    OpenRequest m_request;
    CellTarget m_current;
    FrequencyEditor *m_text1;
    ToneSelector *m_combo8;
    QList<OptionSelector *> m_combo5; // one per option column, in column order
};
