#include "editor/channelgrid.h"

#include "editor/channeltable.h"

#include <QEvent>
#include <QHeaderView>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kTotalTwips = 500 + 1330 + 1000 + 1330 + 1000 + 800 + 850 + 1000 + 900;
constexpr int kCellPadding = 12; // pixels around the text of a cell

// The widest texts each column shows, in either language: header captions
// and cell values.
const char *const kWidestTexts[9][4] = {
    {"信道", "CH", "16", ""},
    {"接收频率", "RX frequency", "446.00625", ""},
    {"亚音频", "QT/DQT", "D023N", "关闭"},
    {"发射频率", "TX frequency", "446.00625", ""},
    {"亚音频", "QT/DQT", "D023N", "关闭"},
    {"功率", "Power", "High", ""},
    {"禁发", "BCLO", "Carrier", ""},
    {"宽\\窄带", "W/N", "Narrow", ""},
    {"扫描添加", "Scan Add", "Yes", ""},
};
} // namespace

ChannelGrid::ChannelGrid(const ChannelTable &table, QWidget *parent)
    : QTableWidget(kChannelCount, kColumnCount, parent), m_table(table) {
    setObjectName(QStringLiteral("Grid1"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
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
}

void ChannelGrid::refresh() {
    for (int r = 1; r <= kChannelCount; ++r)
        for (int c = 0; c < kColumnCount; ++c) {
            QTableWidgetItem *it = item(r - 1, c);
            const QString text = m_table.cell(r, c);
            if (it->text() != text)
                it->setText(text);
        }
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
        for (const char *text : kWidestTexts[c]) {
            const QString s = QString::fromUtf8(text);
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
    return static_cast<int>(std::ceil(kTotalTwips * scale));
}

int ChannelGrid::fullHeight() const {
    const int header = std::max(horizontalHeader()->sizeHint().height(), rowHeight());
    return header + kChannelCount * rowHeight() + 2 * frameWidth();
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
    horizontalHeader()->setFixedHeight(
        std::max(horizontalHeader()->sizeHint().height(), rowPixels));

    // Columns keep the twip proportions and share the whole width.
    const int available = std::max(viewport()->width(), contentWidth(minimumScale()));
    int used = 0;
    int twipsSoFar = 0;
    for (int c = 0; c < kColumnCount; ++c) {
        twipsSoFar += kColumnTwips[c];
        const int right =
            static_cast<int>(std::lround(double(available) * twipsSoFar / kTotalTwips));
        setColumnWidth(c, right - used);
        used = right;
    }
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
