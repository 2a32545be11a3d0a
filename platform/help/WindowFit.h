// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// Where a window that would like to be `wanted` large goes on a screen whose free area (without
// panels and docks) is `available`, with `frame` of the desktop's decoration around it: as
// large as wanted where that fits, smaller where it does not, the whole frame centred in the
// free area. Answers the window's own geometry, inside the frame.
QRect FittedWindowGeometry(QSize wanted, const QRect& available, const QMargins& frame);
