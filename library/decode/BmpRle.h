// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QIODevice;

// Decodes the run-length coded indices (`bits` 4 or 8) that follow in `file`
// for a picture of `size`, keeping those inside `part` in `image`, a palette
// image of the part's size. False when the file ends inside 8-bit indices,
// which Qt's reader then refuses.
bool DecodeBmpRle(QIODevice& file, int bits, QSize size, bool bottomUp, const QRect& part,
                  QImage& image);
