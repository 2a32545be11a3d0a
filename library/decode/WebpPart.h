// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/decode/PartDecoder.h"

// A still WebP through libwebp's cropping; an animated one is left to Qt's
// reader.
OpenedPart OpenWebpPart(QIODevice& file);
