// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/ShapePictures.h"

#include "tools/content/PaintKit.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace {

const QPointF kCenter{50.0, 50.0};

// Corners of a regular polygon around the centre, the first one straight up
// unless turned by `turnDegrees`; alternating radii make a star.
QPolygonF RoundCorners(int corners, double outer, double inner, double turnDegrees)
{
    QPolygonF polygon;
    const int points = inner > 0.0 ? corners * 2 : corners;
    for (int i = 0; i < points; ++i) {
        const double radius = (inner > 0.0 && i % 2 == 1) ? inner : outer;
        const double angle =
            (turnDegrees - 90.0) * std::numbers::pi / 180.0 + 2.0 * std::numbers::pi * i / points;
        polygon << kCenter + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

QPainterPath Polygon(const QPolygonF& polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath Heart()
{
    QPainterPath path;
    path.moveTo(50.0, 88.0);
    path.cubicTo(20.0, 66.0, 6.0, 50.0, 8.0, 32.0);
    path.cubicTo(10.0, 14.0, 38.0, 8.0, 50.0, 28.0);
    path.cubicTo(62.0, 8.0, 90.0, 14.0, 92.0, 32.0);
    path.cubicTo(94.0, 50.0, 80.0, 66.0, 50.0, 88.0);
    path.closeSubpath();
    return path;
}

QPainterPath Moon()
{
    QPainterPath full;
    full.addEllipse(kCenter, 40.0, 40.0);
    QPainterPath bite;
    bite.addEllipse(QPointF(74.0, 34.0), 32.0, 32.0);
    return full.subtracted(bite);
}

QPainterPath Sun()
{
    QPainterPath rays = Polygon(RoundCorners(12, 46.0, 30.0, 0.0));
    QPainterPath disc;
    disc.addEllipse(kCenter, 30.0, 30.0);
    return rays.united(disc);
}

QPainterPath Flower()
{
    QPainterPath flower;
    for (int i = 0; i < 6; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / 6.0;
        QPainterPath petal;
        petal.addEllipse(kCenter + QPointF(27.0 * std::cos(angle), 27.0 * std::sin(angle)), 18.0,
                         18.0);
        flower = flower.united(petal);
    }
    QPainterPath middle;
    middle.addEllipse(kCenter, 24.0, 24.0);
    return flower.united(middle);
}

QPainterPath ShapePath(Shape shape)
{
    switch (shape) {
    case Shape::Circle: {
        QPainterPath circle;
        circle.addEllipse(kCenter, 42.0, 42.0);
        return circle;
    }
    case Shape::Square: {
        QPainterPath square;
        square.addRoundedRect(QRectF(12.0, 12.0, 76.0, 76.0), 8.0, 8.0);
        return square;
    }
    case Shape::Triangle:
        return Polygon(RoundCorners(3, 50.0, 0.0, 0.0).translated(0.0, 10.0));
    case Shape::Star:
        return Polygon(RoundCorners(5, 46.0, 20.0, 0.0).translated(0.0, 4.0));
    case Shape::Heart:
        return Heart();
    case Shape::Diamond:
        return Polygon(QPolygonF({{50.0, 6.0}, {84.0, 50.0}, {50.0, 94.0}, {16.0, 50.0}}));
    case Shape::Moon:
        return Moon();
    case Shape::Hexagon:
        return Polygon(RoundCorners(6, 44.0, 0.0, 30.0));
    case Shape::Sun:
        return Sun();
    case Shape::Flower:
        return Flower();
    }
    return {};
}

// Where the face sits: most shapes smile from their middle; the moon from the
// inside of its curve, the triangle lower down where it is wide.
QPointF FaceCenter(Shape shape)
{
    switch (shape) {
    case Shape::Moon:
        return {28.0, 64.0};
    case Shape::Triangle:
        return {50.0, 66.0};
    case Shape::Heart:
        return {50.0, 45.0};
    default:
        return kCenter;
    }
}

void DrawFace(QPainter& painter, QPointF center, const QColor& line)
{
    constexpr double kEyeRadius = 5.5;
    DrawEye(painter, center + QPointF(-9.0, -6.0), kEyeRadius);
    DrawEye(painter, center + QPointF(9.0, -6.0), kEyeRadius);
    DrawSmile(painter, QRectF(center + QPointF(-10.0, -6.0), QSizeF(20.0, 16.0)), line, 2.5);
}

} // namespace

QImage DrawShapePicture(Shape shape, int size, const QColor& color)
{
    QImage canvas = PlainCanvas(QSize(size, size), kPaperWhite);
    QPainter painter;
    BeginUnitPainting(painter, canvas);
    painter.setPen(QPen(OutlineColor(color), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(color);
    painter.drawPath(ShapePath(shape));
    DrawFace(painter, FaceCenter(shape), OutlineColor(color));
    painter.end();
    return canvas;
}
