#include "dialogs/keypictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kBody(58, 62, 70);
const QColor kEdge(30, 32, 36);
const QColor kKey(95, 100, 110);
const QColor kHighlight(255, 140, 0);

void drawSideKey(QPainter &p, const QRectF &key, const QString &name, bool highlighted) {
    p.setPen(QPen(kEdge, 1));
    p.setBrush(highlighted ? kHighlight : kKey);
    p.drawRoundedRect(key, 2, 2);
    if (!highlighted)
        return;
    // A pointer from the key to its name.
    p.setPen(QPen(kHighlight, 2));
    const QPointF from(key.right() + 2, key.center().y());
    p.drawLine(from, from + QPointF(22, 0));
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(from.x() + 4, key.top() - 16, 40, 14), Qt::AlignLeft, name);
}

} // namespace

QPixmap keyPicture(HighlightedKey key) {
    QPixmap pixmap(kKeyPictureWidth, kKeyPictureHeight);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Antenna and knob.
    p.setPen(QPen(kEdge, 1));
    p.setBrush(kEdge);
    p.drawRoundedRect(QRectF(34, 4, 10, 62), 4, 4);
    p.setBrush(kKey);
    p.drawRoundedRect(QRectF(62, 40, 16, 22), 3, 3);

    // Body.
    const QRectF body(22, 60, 72, 190);
    p.setBrush(kBody);
    p.drawRoundedRect(body, 12, 12);

    // Speaker grille.
    p.setPen(QPen(kEdge, 2));
    for (int i = 0; i < 7; ++i) {
        const qreal y = 92 + i * 9;
        p.drawLine(QPointF(36, y), QPointF(80, y));
    }

    // Label plate and LED.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(40, 74), 3, 3);
    p.setPen(QColor(220, 220, 220));
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(22, 206, 72, 16), Qt::AlignCenter, QStringLiteral("VQ-740"));

    // PTT bar and the two programmable keys on the left side.
    p.setPen(QPen(kEdge, 1));
    p.setBrush(kKey);
    p.drawRoundedRect(QRectF(14, 86, 9, 46), 2, 2);
    drawSideKey(p, QRectF(14, 140, 9, 18), QStringLiteral("PF1"), key == HighlightedKey::PF1);
    drawSideKey(p, QRectF(14, 164, 9, 18), QStringLiteral("PF2"), key == HighlightedKey::PF2);
    p.end();
    return pixmap;
}
