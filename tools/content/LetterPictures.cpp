// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/LetterPictures.h"

#include "tools/content/PaintKit.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

namespace {

const QColor kShadow{200, 200, 210};

// The letter's outline scaled to fill `target`, keeping its proportions.
QPainterPath LetterPath(char letter, const QRectF& target)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath glyph;
    glyph.addText(0.0, 0.0, font, QString(QChar::fromLatin1(letter)));
    const QRectF bounds = glyph.boundingRect();
    if (bounds.isEmpty()) {
        return glyph;
    }
    const double scale =
        std::min(target.width() / bounds.width(), target.height() / bounds.height());
    QTransform place;
    place.translate(target.center().x(), target.center().y());
    place.scale(scale, scale);
    place.translate(-bounds.center().x(), -bounds.center().y());
    return place.map(glyph);
}

} // namespace

QImage DrawLetterPicture(char letter, int size, const QColor& color)
{
    QImage canvas = PlainCanvas(QSize(size, size), kPaperWhite);
    QPainter painter;
    BeginUnitPainting(painter, canvas);
    const QPainterPath path = LetterPath(letter, QRectF(12.0, 10.0, 74.0, 76.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kShadow);
    painter.drawPath(path.translated(3.0, 3.0));
    painter.setPen(QPen(OutlineColor(color), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(color);
    painter.drawPath(path);
    painter.end();
    return canvas;
}
