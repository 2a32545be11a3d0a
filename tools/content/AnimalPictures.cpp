// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/AnimalPictures.h"

#include "tools/content/PaintKit.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <cmath>
#include <numbers>

// Every face is drawn on a 100 x 100 grid, back to front.
namespace {

const QColor kCheekPink{255, 160, 175};
const QColor kNosePink{235, 110, 140};
constexpr double kLineWidth = 1.8;

void Blob(QPainter& painter, QPointF center, double rx, double ry, const QColor& fill)
{
    painter.setPen(QPen(OutlineColor(fill), kLineWidth));
    painter.setBrush(fill);
    painter.drawEllipse(center, rx, ry);
}

void Patch(QPainter& painter, const QPolygonF& corners, const QColor& fill)
{
    painter.setPen(
        QPen(OutlineColor(fill), kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPolygon(corners);
}

// The polygon mirrored around the face's vertical middle line.
QPolygonF Mirrored(const QPolygonF& corners)
{
    QPolygonF mirrored;
    for (const QPointF& corner : corners) {
        mirrored << QPointF(100.0 - corner.x(), corner.y());
    }
    return mirrored;
}

void PairOfPatches(QPainter& painter, const QPolygonF& left, const QColor& fill)
{
    Patch(painter, left, fill);
    Patch(painter, Mirrored(left), fill);
}

void PairOfBlobs(QPainter& painter, QPointF left, double rx, double ry, const QColor& fill)
{
    Blob(painter, left, rx, ry, fill);
    Blob(painter, QPointF(100.0 - left.x(), left.y()), rx, ry, fill);
}

void Eyes(QPainter& painter, double y, double apart, double radius)
{
    DrawEye(painter, QPointF(50.0 - apart, y), radius);
    DrawEye(painter, QPointF(50.0 + apart, y), radius);
}

void Cheeks(QPainter& painter, double y, double apart)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCheekPink);
    painter.drawEllipse(QPointF(50.0 - apart, y), 6.0, 4.0);
    painter.drawEllipse(QPointF(50.0 + apart, y), 6.0, 4.0);
}

void Smile(QPainter& painter, const QRectF& box)
{
    DrawSmile(painter, box, kFigureDark, 2.0);
}

void Whiskers(QPainter& painter, double y)
{
    painter.setPen(QPen(kFigureDark, 1.0, Qt::SolidLine, Qt::RoundCap));
    for (const double side : {-1.0, 1.0}) {
        painter.drawLine(QPointF(50.0 + side * 12.0, y), QPointF(50.0 + side * 36.0, y - 4.0));
        painter.drawLine(QPointF(50.0 + side * 12.0, y + 3.0),
                         QPointF(50.0 + side * 36.0, y + 7.0));
    }
}

// An ear hanging down beside the head, tilted outwards.
void FloppyEar(QPainter& painter, QPointF center, double tiltDegrees, const QColor& fill)
{
    painter.save();
    painter.translate(center);
    painter.rotate(tiltDegrees);
    Blob(painter, QPointF(0.0, 0.0), 10.0, 24.0, fill);
    painter.restore();
}

void Cat(QPainter& painter)
{
    const QColor fur{250, 165, 70};
    PairOfPatches(painter, QPolygonF({{16.0, 44.0}, {22.0, 6.0}, {46.0, 26.0}}), fur);
    PairOfPatches(painter, QPolygonF({{22.0, 34.0}, {25.0, 15.0}, {37.0, 26.0}}), kCheekPink);
    Blob(painter, QPointF(50.0, 57.0), 38.0, 33.0, fur);
    Eyes(painter, 50.0, 14.0, 7.0);
    Cheeks(painter, 66.0, 25.0);
    Patch(painter, QPolygonF({{46.0, 61.0}, {54.0, 61.0}, {50.0, 66.0}}), kNosePink);
    Smile(painter, QRectF(42.0, 61.0, 8.0, 8.0));
    Smile(painter, QRectF(50.0, 61.0, 8.0, 8.0));
    Whiskers(painter, 65.0);
}

void Dog(QPainter& painter)
{
    const QColor fur{210, 155, 100};
    const QColor ears{140, 90, 55};
    FloppyEar(painter, QPointF(19.0, 46.0), 20.0, ears);
    FloppyEar(painter, QPointF(81.0, 46.0), -20.0, ears);
    Blob(painter, QPointF(50.0, 52.0), 33.0, 36.0, fur);
    Blob(painter, QPointF(50.0, 69.0), 18.0, 13.0, QColor(245, 225, 200));
    Eyes(painter, 44.0, 13.0, 6.5);
    Blob(painter, QPointF(50.0, 79.0), 4.5, 5.5, kNosePink);
    Blob(painter, QPointF(50.0, 62.0), 7.0, 5.0, kFigureDark);
    Smile(painter, QRectF(41.0, 61.0, 18.0, 14.0));
}

void Bear(QPainter& painter)
{
    const QColor fur{165, 110, 70};
    PairOfBlobs(painter, QPointF(22.0, 22.0), 13.0, 13.0, fur);
    PairOfBlobs(painter, QPointF(22.0, 22.0), 7.0, 7.0, QColor(230, 180, 145));
    Blob(painter, QPointF(50.0, 56.0), 38.0, 35.0, fur);
    Blob(painter, QPointF(50.0, 69.0), 16.0, 12.0, QColor(230, 190, 150));
    Eyes(painter, 48.0, 15.0, 6.0);
    Blob(painter, QPointF(50.0, 63.0), 6.0, 4.5, kFigureDark);
    Smile(painter, QRectF(42.0, 64.0, 16.0, 11.0));
}

void Pig(QPainter& painter)
{
    const QColor skin{250, 175, 190};
    PairOfPatches(painter, QPolygonF({{18.0, 36.0}, {20.0, 8.0}, {42.0, 22.0}}), skin);
    Blob(painter, QPointF(50.0, 56.0), 38.0, 34.0, skin);
    Eyes(painter, 46.0, 16.0, 6.0);
    Cheeks(painter, 62.0, 27.0);
    Blob(painter, QPointF(50.0, 64.0), 14.0, 10.0, QColor(240, 135, 155));
    PairOfBlobs(painter, QPointF(45.0, 64.0), 2.5, 3.5, kFigureDark);
    Smile(painter, QRectF(42.0, 70.0, 16.0, 10.0));
}

void Frog(QPainter& painter)
{
    const QColor skin{120, 200, 80};
    PairOfBlobs(painter, QPointF(30.0, 32.0), 16.0, 16.0, skin);
    Blob(painter, QPointF(50.0, 60.0), 44.0, 30.0, skin);
    Eyes(painter, 31.0, 20.0, 9.0);
    Cheeks(painter, 66.0, 28.0);
    Smile(painter, QRectF(26.0, 46.0, 48.0, 26.0));
}

void Mouse(QPainter& painter)
{
    const QColor fur{175, 175, 190};
    PairOfBlobs(painter, QPointF(20.0, 26.0), 18.0, 18.0, fur);
    PairOfBlobs(painter, QPointF(20.0, 26.0), 11.0, 11.0, kCheekPink);
    Blob(painter, QPointF(50.0, 58.0), 32.0, 30.0, fur);
    Eyes(painter, 52.0, 12.0, 6.0);
    Blob(painter, QPointF(50.0, 65.0), 4.0, 4.0, kNosePink);
    Whiskers(painter, 66.0);
    Smile(painter, QRectF(44.0, 65.0, 12.0, 10.0));
}

void Lion(QPainter& painter)
{
    const QColor mane{205, 120, 40};
    constexpr int kTufts = 12;
    for (int i = 0; i < kTufts; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / kTufts;
        Blob(painter, QPointF(50.0 + 35.0 * std::cos(angle), 52.0 + 35.0 * std::sin(angle)), 14.0,
             14.0, mane);
    }
    Blob(painter, QPointF(50.0, 52.0), 36.0, 36.0, mane);
    Blob(painter, QPointF(50.0, 54.0), 30.0, 29.0, QColor(250, 205, 85));
    Eyes(painter, 48.0, 12.0, 6.0);
    Blob(painter, QPointF(50.0, 66.0), 14.0, 9.0, QColor(255, 232, 175));
    Patch(painter, QPolygonF({{45.0, 60.0}, {55.0, 60.0}, {50.0, 65.0}}), kFigureDark);
    Smile(painter, QRectF(43.0, 63.0, 14.0, 10.0));
}

void Chick(QPainter& painter)
{
    const QColor feathers{255, 220, 60};
    for (const double x : {44.0, 50.0, 56.0}) {
        Blob(painter, QPointF(x, 17.0), 3.5, 8.0, feathers);
    }
    Blob(painter, QPointF(50.0, 56.0), 38.0, 38.0, feathers);
    Eyes(painter, 46.0, 14.0, 6.5);
    Cheeks(painter, 60.0, 24.0);
    Patch(painter, QPolygonF({{42.0, 57.0}, {58.0, 57.0}, {50.0, 70.0}}), QColor(255, 140, 30));
}

} // namespace

QImage DrawAnimalPicture(Animal animal, int size)
{
    QImage canvas = PlainCanvas(QSize(size, size), kPaperWhite);
    QPainter painter;
    BeginUnitPainting(painter, canvas);
    switch (animal) {
    case Animal::Cat:
        Cat(painter);
        break;
    case Animal::Dog:
        Dog(painter);
        break;
    case Animal::Bear:
        Bear(painter);
        break;
    case Animal::Pig:
        Pig(painter);
        break;
    case Animal::Frog:
        Frog(painter);
        break;
    case Animal::Mouse:
        Mouse(painter);
        break;
    case Animal::Lion:
        Lion(painter);
        break;
    case Animal::Chick:
        Chick(painter);
        break;
    }
    painter.end();
    return canvas;
}
