// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/decode/PartDecoder.h"

// PNG through libpng, row by row; empty when the header cannot be read.
OpenedPart OpenPngPart(QIODevice& file);
