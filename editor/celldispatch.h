// Which in-place editor a click on the channel table opens. A left press or
// the Enter key sets the open request; the grid click that follows consumes
// it, so a click the grid makes by itself opens nothing.
#pragma once

class ChannelTable;

enum class CellEditor {
    None,      // nothing opens
    Frequency, // Text1 over an RX or TX frequency cell
    Tone,      // Combo8 over an RX or TX tone cell
    Option,    // Combo5(column) over the cell of an option column
};

struct CellTarget {
    CellEditor editor = CellEditor::None;
    int row = 0;    // channel 1-16; the current cell of the commit steps
    int column = 0; // 0-8; moved to 1 for a channel not in use
};

// The open request: set by a left mouse press on the grid or the Enter key,
// cleared by the grid click.
class OpenRequest {
public:
    void set() { m_set = true; }
    bool isSet() const { return m_set; }
    // Returns whether the request was set and clears it.
    bool take() {
        const bool was = m_set;
        m_set = false;
        return was;
    }

private:
    bool m_set = false;
};

// The cell Tab (step 1) or Shift+Tab (step -1) moves to from an editor on
// (row, column): along the row over the columns 1 to 8, on to the RX
// frequency of the next channel after Scan Add and back to Scan Add of the
// channel before from the RX frequency; it stays at the first and the
// last cell of the table.
CellTarget tabStep(int row, int column, int step);

// The grid click on cell (row, column): acts only while the open request is
// set, and clears it. A click into a channel not in use edits its RX
// frequency first (the target column becomes 1); the channel number of a
// channel in use and cells outside channels 1-16 open nothing.
CellTarget dispatchGridClick(const ChannelTable &table, int row, int column, OpenRequest &request);
