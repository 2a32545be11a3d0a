// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>

// The white that surrounds the figures; pictures cut to display lose it.
inline const QColor kPaperWhite{255, 255, 255};
// The white used inside figures (eyes, shine), a shade off the paper white
// so that cutting the paper never punches holes in a figure.
inline const QColor kFigureWhite{250, 250, 250};
// The dark of pupils and noses: never pure black either.
inline const QColor kFigureDark{45, 40, 50};

// Bright, friendly colours, cycled by index.
QColor BrightColor(int index);

// A darker shade of a fill colour for its outline.
QColor OutlineColor(const QColor& fill);

// An opaque canvas of one colour, ready for drawing.
QImage PlainCanvas(QSize size, const QColor& color);

// A painter on `image` with smooth edges, in a coordinate system where the
// image spans 0 to 100 in both directions.
void BeginUnitPainting(QPainter& painter, QImage& image);

// Every pixel of exactly the paper white becomes fully transparent (keeping
// its white colour), for pictures that carry their background in an alpha
// channel as well.
QImage PaperToTransparent(const QImage& image);

// A round eye with a pupil looking slightly up and a shine.
void DrawEye(QPainter& painter, QPointF center, double radius);

// A smiling mouth: the lower half of the ellipse in `box`.
void DrawSmile(QPainter& painter, const QRectF& box, const QColor& color, double width);

// Sizes spread evenly but not in order over min to max, so that neighbouring
// pictures of a group differ in size; repeatable for a given index.
int SpreadSize(int index, int count, int minSize, int maxSize);
