// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// A counting card: the numeral of `count` and that many shiny balls in
// `color`, on a pale tint of the colour.
QImage DrawNumberPicture(int count, QSize size, const QColor& color);
