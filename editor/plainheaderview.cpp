#include "editor/plainheaderview.h"

#include <QFontMetrics>

namespace {
constexpr int kTextPadding = 12; // pixels around a caption
} // namespace

PlainHeaderView::PlainHeaderView(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {
    setHighlightSections(false);
}

QSize PlainHeaderView::sectionSizeFromContents(int logicalIndex) const {
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text) + kTextPadding, metrics.height() + 6);
}
