#include "editor/channelgrid.h"

#include "model/texts.h"

#include "editor/plainheaderview.h"
#include "editor/toneentry.h"
#include "model/celltexts.h"
#include "model/channeltable.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kCellPadding = 12; // pixels around the text of a cell

// The widest texts a column shows, in any language: its header captions,
// its widest value, and the Off caption of a tone column or the items of an
// option column.
QStringList widestTexts(int column) {
    QStringList texts;
    for (const QString &code : Texts::languages()) {
        const TextLanguage scope(code);
        const qint16 language = flagOfLanguage(code);
        texts << columnCaption(column, language);
        if (isToneColumn(column))
            texts << offCaption(language);
        for (int item = 0; item < kOptionItems && isOptionColumn(column); ++item)
            texts << optionText(column, item, language);
    }
    if (const char *value = columnField(column).widestValue)
        texts << QString::fromUtf8(value);
    return texts;
}
} // namespace

ChannelGrid::ChannelGrid(const ChannelTable &table, QWidget *parent)
    : QTableWidget(kChannelCount, kColumnCount, parent), m_table(table) {
    setObjectName(QStringLiteral("Grid1"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One cell at a time for editing, whole rows for the Edit commands; the
    // view's own range selection (drag, Shift+arrows) never runs.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    // A right press shows no menu, here or in the window around the grid.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // The arrow keys move within the grid; Tab moves on to the next control.
    setTabKeyNavigation(false);
    setHorizontalHeader(new PlainHeaderView(this));
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    for (int c = 0; c < kColumnCount; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem());
    for (int r = 0; r < kChannelCount; ++r) {
        for (int c = 0; c < kColumnCount; ++c) {
            auto *item = new QTableWidgetItem();
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            // Channels 2, 4, ... 16 (rows 1, 3, ... here) are shaded.
            if (r % 2 == 1) {
                item->setBackground(shadeColour());
                item->setForeground(QColor(Qt::black));
            }
            setItem(r, c, item);
        }
    }
    refresh();
    layoutColumns();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChannelGrid::channelSelectionChanged);
}

void ChannelGrid::refresh() {
    for (int r = 1; r <= kChannelCount; ++r)
        refreshRow(r);
}

void ChannelGrid::refreshRow(int row) {
    if (row < 1 || row > kChannelCount)
        return;
    for (int c = 0; c < kColumnCount; ++c)
        showCell(row, c);
}

void ChannelGrid::showCell(int row, int column) {
    QTableWidgetItem *it = item(row - 1, column);
    const QString text = m_table.cell(row, column);
    if (it->text() != text)
        it->setText(text);
    if (!isToneColumn(column))
        return;
    const QString note = toneNote(text, m_language);
    if (it->toolTip() != note)
        it->setToolTip(note);
    if (it->font().italic() != !note.isEmpty()) {
        QFont f = it->font();
        f.setItalic(!note.isEmpty());
        it->setFont(f);
    }
}

void ChannelGrid::setLanguage(qint16 language) {
    if (m_language == language)
        return;
    m_language = language;
    refresh();
}

void ChannelGrid::selectCell(int row, int column) {
    if (row >= 1 && row <= kChannelCount && column >= 0 && column < kColumnCount) {
        selectionModel()->setCurrentIndex(model()->index(row - 1, column),
                                          QItemSelectionModel::ClearAndSelect);
        m_anchor = row;
    }
}

QList<int> ChannelGrid::selectedChannels() const {
    QList<int> channels;
    for (int r = 0; r < kChannelCount; ++r)
        if (selectionModel()->isRowSelected(r, QModelIndex()))
            channels << r + 1;
    return channels;
}

void ChannelGrid::selectChannels(int first, int last) {
    if (first < 1 || last > kChannelCount || first > last)
        return;
    m_anchor = last;
    selectRowRange(last, first, false);
}

int ChannelGrid::currentChannel() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

void ChannelGrid::selectRowRange(int from, int to, bool add) {
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    const int top = std::min(from, to) - 1;
    const int bottom = std::max(from, to) - 1;
    const QItemSelection rows(model()->index(top, 0), model()->index(bottom, kColumnCount - 1));
    selectionModel()->setCurrentIndex(model()->index(to - 1, column),
                                      QItemSelectionModel::NoUpdate);
    selectionModel()->select(
        rows, (add ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect) |
                  QItemSelectionModel::Rows);
}

void ChannelGrid::toggleRow(int channel) {
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    // A row that is only partly selected (the current cell) counts as not
    // selected: the press selects it whole.
    const bool whole = selectionModel()->isRowSelected(channel - 1, QModelIndex());
    const QItemSelection row(model()->index(channel - 1, 0),
                             model()->index(channel - 1, kColumnCount - 1));
    selectionModel()->setCurrentIndex(model()->index(channel - 1, column),
                                      QItemSelectionModel::NoUpdate);
    m_anchor = channel;
    selectionModel()->select(row,
                             whole ? QItemSelectionModel::Deselect : QItemSelectionModel::Select);
}

void ChannelGrid::setHeaderText(int column, const QString &text) {
    if (QTableWidgetItem *it = horizontalHeaderItem(column))
        it->setText(text);
}

QString ChannelGrid::headerText(int column) const {
    const QTableWidgetItem *it = horizontalHeaderItem(column);
    return it ? it->text() : QString();
}

QString ChannelGrid::cellText(int row, int column) const {
    const QTableWidgetItem *it = item(row - 1, column);
    return it ? it->text() : QString();
}

QRect ChannelGrid::cellRect(int row, int column) const {
    if (row < 1 || row > kChannelCount || column < 0 || column >= kColumnCount)
        return QRect();
    return visualRect(model()->index(row - 1, column));
}

double ChannelGrid::minimumScale() const {
    const QFontMetrics cells(font());
    const QFontMetrics headers(horizontalHeader()->font());
    // Twips are 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
    double scale = logicalDpiX() / 1440.0;
    for (int c = 0; c < kColumnCount; ++c) {
        for (const QString &s : widestTexts(c)) {
            const int width = std::max(cells.horizontalAdvance(s), headers.horizontalAdvance(s));
            scale = std::max(scale, double(width + kCellPadding) / kColumnTwips[c]);
        }
    }
    return scale;
}

int ChannelGrid::rowHeight() const {
    const int twipHeight = kRowTwips * logicalDpiY() / 1440;
    return std::max(twipHeight, fontMetrics().height() + 6);
}

int ChannelGrid::contentWidth(double scale) const {
    return static_cast<int>(std::ceil(totalColumnTwips() * scale));
}

int ChannelGrid::fullHeight() const {
    // The header row is as high as a channel row, as in the radio's own
    // table. (The header view's size hint would measure its texts in bold
    // and load a second font just for that.)
    return (kChannelCount + 1) * rowHeight() + 2 * frameWidth();
}

QSize ChannelGrid::minimumSizeHint() const {
    return QSize(contentWidth(minimumScale()) + 2 * frameWidth(), fullHeight());
}

QSize ChannelGrid::sizeHint() const {
    return minimumSizeHint();
}

void ChannelGrid::layoutColumns() {
    const int rowPixels = rowHeight();
    for (int r = 0; r < kChannelCount; ++r)
        setRowHeight(r, rowPixels);
    horizontalHeader()->setFixedHeight(rowPixels);

    // Columns keep the twip proportions and share the whole width.
    const int available = std::max(viewport()->width(), contentWidth(minimumScale()));
    int used = 0;
    int twipsSoFar = 0;
    for (int c = 0; c < kColumnCount; ++c) {
        twipsSoFar += kColumnTwips[c];
        const int right =
            static_cast<int>(std::lround(double(available) * twipsSoFar / totalColumnTwips()));
        setColumnWidth(c, right - used);
        used = right;
    }
    emit cellGeometryChanged();
}

void ChannelGrid::resizeEvent(QResizeEvent *event) {
    QTableWidget::resizeEvent(event);
    layoutColumns();
}

void ChannelGrid::changeEvent(QEvent *event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        layoutColumns();
        updateGeometry();
    }
}

void ChannelGrid::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    emit cellGeometryChanged();
}

void ChannelGrid::keyboardSearch(const QString &) {}

void ChannelGrid::clickCell(const QModelIndex &index) {
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_anchor = index.row() + 1;
    emit openRequested();
    emit gridClick(index.row() + 1, index.column());
}

void ChannelGrid::mousePressEvent(QMouseEvent *event) {
    // The press is the whole click: the editor of the cell under the pointer
    // opens at once, and the drag that would select a range never starts.
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        const QModelIndex index = indexAt(event->position().toPoint());
        const int channel = index.row() + 1;
        const Qt::KeyboardModifiers mods = event->modifiers();
        if (!index.isValid()) {
        } else if (mods & Qt::ShiftModifier) {
            if (!m_anchor)
                m_anchor = currentChannel() ? currentChannel() : channel;
            selectRowRange(m_anchor, channel, (mods & Qt::ControlModifier) != 0);
        } else if (mods & Qt::ControlModifier) {
            toggleRow(channel);
        } else if (index.column() == ColNumber && m_table.inUse(channel)) {
            // The channel number of a channel in use opens nothing; it
            // selects the channel.
            m_anchor = channel;
            selectRowRange(channel, channel, false);
        } else {
            clickCell(index);
        }
    } else if (event->button() == Qt::RightButton) {
        setFocus(Qt::MouseFocusReason);
    }
    event->accept();
}

void ChannelGrid::mouseDoubleClickEvent(QMouseEvent *event) {
    // The second press of a double click is a press like the first.
    mousePressEvent(event);
}

void ChannelGrid::mouseMoveEvent(QMouseEvent *event) {
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableWidget::mouseMoveEvent(event);
}

void ChannelGrid::mouseReleaseEvent(QMouseEvent *event) {
    // The click already happened on the press.
    event->accept();
}

void ChannelGrid::keyPressEvent(QKeyEvent *event) {
    if (!hasFocus()) {
        // A key an in-place editor did not use (Up in the frequency box,
        // say): it must not move the selection away from the cell being
        // edited.
        event->accept();
        return;
    }
    const int channel = currentChannel();
    const bool shift = event->modifiers() == Qt::ShiftModifier;
    if (shift && event->key() == Qt::Key_Space && channel) {
        m_anchor = channel;
        selectRowRange(channel, channel, false);
        event->accept();
        return;
    }
    if (shift && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && channel) {
        // The selection grows or shrinks from the channel it started at.
        if (!m_anchor)
            m_anchor = channel;
        const int to =
            std::clamp(channel + (event->key() == Qt::Key_Up ? -1 : 1), 1, int(kChannelCount));
        selectRowRange(m_anchor, to, false);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectRowRange(kChannelCount, 1, false);
        event->accept();
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        // No ranges of cells: Shift with another key moves like the key alone.
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text());
        QTableWidget::keyPressEvent(&plain);
        if (currentChannel() != channel)
            m_anchor = currentChannel();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QModelIndex index = currentIndex();
        if (index.isValid())
            clickCell(index);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
    if (currentChannel() != channel)
        m_anchor = currentChannel();
}
