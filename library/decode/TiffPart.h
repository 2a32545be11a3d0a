// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/decode/PartDecoder.h"

// TIFF through libtiff, by the strips or tiles that cross the part; not ours
// for the kinds of TIFF that Qt's reader reads its own way.
OpenedPart OpenTiffPart(QIODevice& file);
