#pragma once

#include "library/decode/PartDecoder.h"

// An uncompressed BMP, by seeking to the part's rows; a run-length
// compressed one is left to Qt's reader.
OpenedPart OpenBmpPart(QIODevice& file);
