#include "formview/ui/ValueSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace quillon::formview {
namespace {

enum class Glyph {
    Person,
    Tank,
    Plane,
    Ship,
    Sub,
    Bolt,
    Bomb,
    Arrow,
    Target,
    Eye,
    Star,
    Heart,
    Bullet,
    Drop,
    Hangar
};

// All glyphs are drawn on a 20 x 20 canvas.
void drawGlyph(QPainter& p, Glyph glyph, const QColor& colour) {
    p.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    switch (glyph) {
    case Glyph::Person:
        p.drawEllipse(QPointF(10, 5), 2.5, 2.5);
        p.drawLine(QPointF(10, 8), QPointF(10, 13));
        p.drawLine(QPointF(6, 10), QPointF(14, 10));
        p.drawLine(QPointF(10, 13), QPointF(7, 18));
        p.drawLine(QPointF(10, 13), QPointF(13, 18));
        break;
    case Glyph::Tank:
        p.drawRoundedRect(QRectF(3, 11, 14, 5), 2, 2);
        p.drawRect(QRectF(7, 7, 6, 4));
        p.drawLine(QPointF(13, 8.5), QPointF(18, 8.5));
        break;
    case Glyph::Plane:
        p.drawLine(QPointF(10, 2), QPointF(10, 18));
        p.drawLine(QPointF(3, 9), QPointF(17, 9));
        p.drawLine(QPointF(7, 16), QPointF(13, 16));
        break;
    case Glyph::Ship:
        p.drawPolygon(
            QPolygonF({QPointF(2, 12), QPointF(18, 12), QPointF(15, 16), QPointF(5, 16)}));
        p.drawRect(QRectF(8, 8, 4, 4));
        p.drawLine(QPointF(10, 4), QPointF(10, 8));
        break;
    case Glyph::Sub:
        p.drawEllipse(QRectF(2, 10, 16, 5));
        p.drawRect(QRectF(8, 7, 3, 3));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(1, 17.5), QPointF(19, 17.5));
        break;
    case Glyph::Bolt:
        p.drawPolygon(QPolygonF({QPointF(12, 1), QPointF(5, 11), QPointF(10, 11), QPointF(8, 19),
                                 QPointF(15, 8), QPointF(10, 8)}));
        break;
    case Glyph::Bomb:
        p.drawEllipse(QRectF(6, 3, 8, 12));
        p.drawLine(QPointF(10, 15), QPointF(10, 18));
        p.drawLine(QPointF(7, 18), QPointF(13, 18));
        break;
    case Glyph::Arrow:
        p.drawLine(QPointF(2, 10), QPointF(14, 10));
        p.drawPolygon(QPolygonF({QPointF(18, 10), QPointF(12, 5), QPointF(12, 15)}));
        break;
    case Glyph::Target:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(10, 10), 7.5, 7.5);
        p.drawEllipse(QPointF(10, 10), 3.5, 3.5);
        p.setBrush(colour);
        p.drawEllipse(QPointF(10, 10), 1, 1);
        break;
    case Glyph::Eye: {
        QPainterPath eye;
        eye.moveTo(2, 10);
        eye.quadTo(10, 2, 18, 10);
        eye.quadTo(10, 18, 2, 10);
        p.setBrush(Qt::NoBrush);
        p.drawPath(eye);
        p.setBrush(colour);
        p.drawEllipse(QPointF(10, 10), 2.5, 2.5);
        break;
    }
    case Glyph::Star: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double radius = i % 2 ? 3.5 : 8.5;
            const double angle = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(10 + radius * std::cos(angle), 10.5 + radius * std::sin(angle));
        }
        p.drawPolygon(star);
        break;
    }
    case Glyph::Heart: {
        QPainterPath heart;
        heart.moveTo(10, 17);
        heart.cubicTo(1, 10, 4, 2, 10, 7);
        heart.cubicTo(16, 2, 19, 10, 10, 17);
        p.drawPath(heart);
        break;
    }
    case Glyph::Bullet:
        for (const double x : {5.0, 10.0, 15.0}) {
            p.drawRect(QRectF(x - 1.5, 8, 3, 9));
            p.drawEllipse(QPointF(x, 7.5), 1.5, 3);
        }
        break;
    case Glyph::Drop: {
        QPainterPath drop;
        drop.moveTo(10, 2);
        drop.cubicTo(14, 9, 16, 11, 16, 13);
        drop.arcTo(QRectF(4, 7, 12, 12), 0, -180);
        drop.cubicTo(4, 11, 6, 9, 10, 2);
        p.drawPath(drop);
        break;
    }
    case Glyph::Hangar: {
        QPainterPath roof;
        roof.moveTo(2, 17);
        roof.lineTo(2, 11);
        roof.arcTo(QRectF(2, 3, 16, 16), 180, -180);
        roof.lineTo(18, 17);
        p.setBrush(Qt::NoBrush);
        p.drawPath(roof);
        p.setBrush(colour);
        p.drawRect(QRectF(7, 11, 6, 6));
        break;
    }
    }
}

void drawShield(QPainter& p, const QColor& colour) {
    QPainterPath shield;
    shield.moveTo(1, 1);
    shield.lineTo(19, 1);
    shield.lineTo(19, 10);
    shield.quadTo(19, 17, 10, 19.5);
    shield.quadTo(1, 17, 1, 10);
    shield.closeSubpath();
    p.setPen(QPen(colour, 1));
    p.setBrush(QColor(225, 235, 250));
    p.drawPath(shield);
}

struct Symbol {
    Glyph glyph;
    bool shield;
    QRgb colour;
};

constexpr QRgb Attack = qRgb(190, 30, 30);
constexpr QRgb Defence = qRgb(30, 70, 170);

// Picture3..Picture22 in order.
constexpr Symbol Symbols[] = {
    {Glyph::Person, false, Attack},
    {Glyph::Tank, false, Attack},
    {Glyph::Plane, false, Attack},
    {Glyph::Ship, false, Attack},
    {Glyph::Sub, false, Attack},
    {Glyph::Tank, true, Defence},
    {Glyph::Plane, true, Defence},
    {Glyph::Person, true, Defence},
    {Glyph::Ship, true, Defence},
    {Glyph::Sub, true, Defence},
    {Glyph::Bolt, false, qRgb(200, 140, 0)},
    {Glyph::Bomb, false, qRgb(60, 60, 60)},
    {Glyph::Arrow, false, qRgb(0, 120, 60)},
    {Glyph::Target, false, qRgb(0, 120, 60)},
    {Glyph::Eye, false, qRgb(0, 90, 140)},
    {Glyph::Star, false, qRgb(210, 160, 0)},
    {Glyph::Heart, false, qRgb(200, 20, 60)},
    {Glyph::Bullet, false, qRgb(150, 100, 30)},
    {Glyph::Drop, false, qRgb(40, 40, 40)},
    {Glyph::Hangar, false, qRgb(90, 90, 110)},
};
constexpr int FirstPicture = 3;

} // namespace

QPixmap ValueSymbol(int picture) {
    const int i = picture - FirstPicture;
    if (i < 0 || i >= int(std::size(Symbols)))
        return {};
    const Symbol& symbol = Symbols[i];
    QPixmap pixmap(ValueSymbolSize, ValueSymbolSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (symbol.shield) {
        drawShield(p, QColor(symbol.colour));
        p.translate(4, 3.5);
        p.scale(0.6, 0.6);
    }
    drawGlyph(p, symbol.glyph, QColor(symbol.colour));
    return pixmap;
}

} // namespace quillon::formview
