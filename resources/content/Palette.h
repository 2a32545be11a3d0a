#pragma once

#include <QImage>

// The picture with at most 256 colours, one byte per pixel. A picture of at
// most 256 colours keeps them exactly; otherwise its most frequent colours
// form the palette and every other colour takes the nearest of them, which
// suits flat drawings whose smooth edges add many rare in-between colours.
// Alpha is dropped. The palette is ordered by frequency, so the result is
// repeatable.
QImage ReduceToPalette(const QImage& image);
