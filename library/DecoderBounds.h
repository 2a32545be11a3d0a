#pragma once

#include <QtGlobal>

class QIODevice;

// Some decoders keep buffers of their own, beyond the image the reader's
// allocation limit guards: the coefficients of a progressive JPEG, the
// canvases of GIF, MNG and WebP, the strips of a TIFF, the chunks of a PNG.
// Whether the picture at the start of `file` would make one of them larger
// than `limitBytes`, or claims more data than the file holds, told from its
// headers before any decoder runs. Formats not named here are left to the
// reader. The file is read from its start and left at an unknown position.
bool ExceedsDecoderBounds(QIODevice& file, qint64 limitBytes);
