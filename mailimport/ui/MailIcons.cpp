#include "mailimport/ui/MailIcons.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace MailUi::MailIcons {

namespace {

QPixmap drawn(int size, const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return pixmap;
}

void tick(QPainter &p, const QColor &color, qreal scale)
{
    p.setPen(QPen(color, 2.2 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(3.5, 8.5) * scale, QPointF(6.5, 11.5) * scale, QPointF(12.5, 4.5) * scale}));
}

void person(QPainter &p, qreal scale)
{
    p.setPen(QPen(QColor(40, 70, 130), 1.0 * scale));
    p.setBrush(QColor(90, 140, 210));
    p.drawEllipse(QRectF(5 * scale, 1.5 * scale, 6 * scale, 6 * scale));
    QPainterPath body;
    body.moveTo(2.5 * scale, 15 * scale);
    body.cubicTo(2.5 * scale, 9 * scale, 13.5 * scale, 9 * scale, 13.5 * scale, 15 * scale);
    body.closeSubpath();
    p.drawPath(body);
}

void firm(QPainter &p, qreal scale)
{
    p.setPen(QPen(QColor(90, 60, 20), 1.0 * scale));
    p.setBrush(QColor(210, 160, 80));
    p.drawRect(QRectF(2.5, 4.5, 11, 10.5));
    p.setBrush(QColor(250, 240, 200));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(4 + col * 3.3, 6.5 + row * 3.5, 2, 2));
    p.setBrush(QColor(150, 40, 40));
    p.drawPolygon(QPolygonF({QPointF(1.5, 5), QPointF(8, 1), QPointF(14.5, 5)}));
}

void clip(QPainter &p, const QColor &color, qreal scale)
{
    p.setPen(QPen(color, 1.4 * scale, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(10 * scale, 5 * scale);
    path.lineTo(10 * scale, 11.5 * scale);
    path.arcTo(QRectF(5 * scale, 9 * scale, 5 * scale, 5 * scale), 0, -180);
    path.lineTo(5 * scale, 3.5 * scale);
    path.arcTo(QRectF(5 * scale, 1 * scale, 4 * scale, 4 * scale), 180, -180);
    path.lineTo(9 * scale, 10.5 * scale);
    p.drawPath(path);
}

void envelope(QPainter &p, qreal size, const QColor &paper, const QColor &line)
{
    p.setPen(QPen(line, size / 24));
    p.setBrush(paper);
    const QRectF r(size * 0.1, size * 0.25, size * 0.8, size * 0.55);
    p.drawRect(r);
    p.drawPolyline(QPolygonF({r.topLeft(), QPointF(r.center().x(), r.top() + r.height() * 0.6), r.topRight()}));
}

} // namespace

QList<QPixmap> listIcons()
{
    return {
        drawn(16, [](QPainter &p) { tick(p, QColor(0, 140, 40), 1.0); }),
        drawn(16, [](QPainter &p) { person(p, 1.0); }),
        drawn(16, [](QPainter &p) { firm(p, 1.0); }),
        drawn(16, [](QPainter &p) { clip(p, QColor(70, 70, 70), 1.0); }),
    };
}

QList<QPixmap> reloadGlyphs()
{
    const QPixmap stop = drawn(64, [](QPainter &p) {
        p.setPen(QPen(QColor(120, 0, 0), 2));
        p.setBrush(QColor(210, 40, 40));
        p.drawEllipse(QRectF(12, 8, 40, 40));
        p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 20), QPointF(40, 36));
        p.drawLine(QPointF(40, 20), QPointF(24, 36));
    });
    const QPixmap load = drawn(64, [](QPainter &p) {
        envelope(p, 64, QColor(255, 250, 220), QColor(120, 100, 40));
        p.setPen(QPen(QColor(0, 110, 40), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(48, 28), QPointF(48, 54));
        p.drawPolyline(QPolygonF({QPointF(40, 46), QPointF(48, 55), QPointF(56, 46)}));
    });
    return {stop, load};
}

QPixmap saveGlyph()
{
    return drawn(64, [](QPainter &p) {
        envelope(p, 64, QColor(255, 250, 220), QColor(120, 100, 40));
        p.translate(34, 30);
        p.scale(1.8, 1.8);
        firm(p, 1.0);
    });
}

QPixmap richBodyIcon()
{
    return drawn(16, [](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        p.setPen(QPen(QColor(200, 40, 40), 1.5));
        p.drawLine(QPointF(4.5, 5), QPointF(11.5, 5));
        p.setPen(QPen(QColor(40, 80, 200), 1.5));
        p.drawLine(QPointF(4.5, 8), QPointF(11.5, 8));
        p.setPen(QPen(QColor(40, 150, 40), 1.5));
        p.drawLine(QPointF(4.5, 11), QPointF(9.5, 11));
    });
}

QPixmap plainBodyIcon()
{
    return drawn(16, [](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        p.setPen(QPen(QColor(90, 90, 90), 1.5));
        for (int y = 5; y <= 11; y += 3)
            p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    });
}

QPixmap attachIcon()
{
    return drawn(16, [](QPainter &p) { clip(p, QColor(0, 0, 128), 1.0); });
}

QPixmap linkIcon()
{
    return drawn(16, [](QPainter &p) {
        p.setPen(QPen(QColor(0, 0, 128), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1.5, 5.5, 8, 5), 2.5, 2.5);
        p.drawRoundedRect(QRectF(6.5, 5.5, 8, 5), 2.5, 2.5);
    });
}

} // namespace MailUi::MailIcons
