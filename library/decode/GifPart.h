// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/decode/PartDecoder.h"

// The first frame of a GIF, on its logical screen as Qt's reader lays it out;
// empty when no frame can be found.
OpenedPart OpenGifPart(QIODevice& file);
