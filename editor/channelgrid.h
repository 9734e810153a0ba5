// Grid1: the channel table on screen. A header row with the column captions,
// channels 01 to 16 below it, every cell centred, every second channel
// shaded light blue. It only shows the cell texts of the ChannelTable; the
// in-place editors are laid over its cells (see cellRect).
//
// Mouse and keys ask for an editor: a left press on a cell selects it and
// emits openRequested() and gridClick() at once (no range can be dragged);
// Enter or Return does the same for the selected cell. A right press only
// takes the keyboard focus. The arrow keys move the selection.
//
// Whole channels are selected for the Edit commands: a left press on the
// channel number of a channel in use, Shift+press (the channels from the
// current one to the one pressed), Ctrl+press (adds or removes a channel),
// Shift+Space (the current channel), Shift+Up/Down (extend by a channel)
// and Ctrl+A (all). None of these opens an editor.
#pragma once

#include "model/channelcolumns.h"

#include <QTableWidget>

class ChannelTable;

class ChannelGrid : public QTableWidget {
    Q_OBJECT
public:
    // Column widths of columns 0 to 8 in twips; on screen the columns keep
    // these proportions.
    static constexpr std::array<int, kColumnCount> kColumnTwips = columnTwips();
    static constexpr int kRowTwips = 300;

    explicit ChannelGrid(const ChannelTable &table, QWidget *parent = nullptr);

    // Shows the table's current cell texts.
    void refresh();
    // Shows the cell texts of one channel (1 to 16).
    void refreshRow(int row);

    // Selects cell (row 1 to 16, column 0 to 8) as the current cell.
    void selectCell(int row, int column);

    // The channels (1 to 16, ascending) whose whole rows are selected.
    QList<int> selectedChannels() const;
    // Selects the whole rows of channels first to last; the current cell
    // moves to `first` in its column.
    void selectChannels(int first, int last);
    // The channel of the current cell, 0 when there is none.
    int currentChannel() const;

    // The language of the tooltips on tones the tone list lacks.
    void setLanguage(qint16 language);

    // Header row (row 0) texts.
    void setHeaderText(int column, const QString &text);
    QString headerText(int column) const;

    // Text shown in a cell; `row` is 1 to 16 as in the channel table.
    QString cellText(int row, int column) const;

    // The rectangle of a cell (row 1 to 16, column 0 to 8) in the
    // coordinates of viewport(), where an in-place editor is laid over it.
    QRect cellRect(int row, int column) const;

    // The background colour of the shaded channels 2, 4, ... 16.
    static QColor shadeColour() { return QColor(192, 192, 255); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Typing in the grid does not jump to a cell by its text.
    void keyboardSearch(const QString &search) override;

signals:
    // A left press on a cell or Enter: the click that follows opens an editor.
    void openRequested();
    // The grid click on cell (row 1 to 16, column 0 to 8).
    void gridClick(int row, int column);
    // Cells moved on screen (resize, new column widths, scrolling): an
    // editor laid over a cell must follow it.
    void cellGeometryChanged();
    // The channels selected as whole rows changed.
    void channelSelectionChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Pixels per twip that fit every text the columns may show.
    double minimumScale() const;
    int rowHeight() const;
    int contentWidth(double scale) const;
    int fullHeight() const;
    void layoutColumns();
    // Shows one cell's text; a tone the tone list lacks, or a tone word
    // kept as read, is shown in italics with a tooltip that says so.
    void showCell(int row, int column);
    // Selects the cell at `index`, then requests an editor and clicks it.
    void clickCell(const QModelIndex &index);
    // Selects the rows between two channels (adding them to the selection
    // when `add`), the current cell moving to channel `to`.
    void selectRowRange(int from, int to, bool add);
    void toggleRow(int channel);

    const ChannelTable &m_table;
    int m_anchor = 0; // the channel a Shift selection reaches from
    qint16 m_language = 0;
};
