#include "dialogs/windowplacement.h"

#include <algorithm>
#include <array>

namespace {
// Moves `place` so that a window of `size` stays on `screen`; the top-left
// edges win where the window is larger than the screen.
QPoint keepOnScreen(QPoint place, const QSize &size, const QRect &screen) {
    place.setX(std::max(screen.left(), std::min(place.x(), screen.right() + 1 - size.width())));
    place.setY(std::max(screen.top(), std::min(place.y(), screen.bottom() + 1 - size.height())));
    return place;
}

qint64 area(const QRect &r) {
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}
} // namespace

QPoint placeBeside(const QRect &mainFrame, const QRect &table, const QSize &size,
                   const QRect &screen, int gap) {
    const std::array<QPoint, 4> sides = {
        QPoint(mainFrame.right() + 1 + gap, mainFrame.top()),            // right
        QPoint(mainFrame.left() - gap - size.width(), mainFrame.top()),  // left
        QPoint(mainFrame.left(), mainFrame.bottom() + 1 + gap),          // below
        QPoint(mainFrame.left(), mainFrame.top() - gap - size.height()), // above
    };
    QPoint best;
    qint64 bestTable = -1;
    qint64 bestMain = -1;
    for (const QPoint &side : sides) {
        const QPoint place = keepOnScreen(side, size, screen);
        const QRect frame(place, size);
        const qint64 overTable = area(frame.intersected(table));
        const qint64 overMain = area(frame.intersected(mainFrame));
        if (overMain == 0)
            return place;
        if (bestTable < 0 || overTable < bestTable ||
            (overTable == bestTable && overMain < bestMain)) {
            best = place;
            bestTable = overTable;
            bestMain = overMain;
        }
    }
    // The far left of the screen: over the Functions Setting panel rather
    // than the table when the screen is narrow.
    const QPoint left = keepOnScreen(QPoint(screen.left(), mainFrame.top()), size, screen);
    if (area(QRect(left, size).intersected(table)) < bestTable)
        best = left;
    return best;
}
