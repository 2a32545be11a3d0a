// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

// A big capital letter in `color` with a soft shadow, on paper white, in a
// square of `size` pixels.
QImage DrawLetterPicture(char letter, int size, const QColor& color);
