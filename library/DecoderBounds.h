// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QIODevice;

// Some decoders keep buffers of their own, beyond the image the reader's
// allocation limit guards: the coefficients of a progressive JPEG, the
// canvases of MNG and animated WebP, the strips of a TIFF, the chunks of a PNG and the
// passes of an interlaced one. Whether the picture at the start of `file`
// would make one of them larger than `limitBytes`, or claims more data than
// the file holds, told from its headers before any decoder runs. A PNG read
// row by row, a GIF and a still WebP, whose decoders hold only the part of
// the picture asked for, may be of any size. Formats not named here are left to the
// reader. A TIFF decoded a part at a time (`byParts`) needs one strip or
// tile at a time, else the whole picture. The file is read from its start and
// left at an unknown position.
bool ExceedsDecoderBounds(QIODevice& file, qint64 limitBytes, bool byParts = false);
