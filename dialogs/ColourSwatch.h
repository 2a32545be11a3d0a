// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class QPainter;
class QRect;

// Draws the face of the background colour button over `rect`: when active, a plain field of
// `colour` (0x00BBGGRR); when inactive, a dark grey field with a red cross about 16 pixels
// across at its centre.
void DrawColourSwatch(QPainter& painter, const QRect& rect, bool active, std::uint32_t colour);
