// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The picture with at most 256 colours, one byte per pixel. A picture of at
// most 256 colours keeps them exactly; otherwise the palette takes the most
// frequent colours, spread out over the colours present, and every other
// colour takes the nearest of them. That suits flat drawings, whose smooth
// edges add many rare in-between colours. Alpha is dropped; the result is
// repeatable.
QImage ReduceToPalette(const QImage& image);
