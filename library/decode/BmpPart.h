// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/decode/PartDecoder.h"

// A BMP: uncompressed by seeking to the part's rows, run-length coded by
// decoding its rows in sequence and keeping only the part.
OpenedPart OpenBmpPart(QIODevice& file);
