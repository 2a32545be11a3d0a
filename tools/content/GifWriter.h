// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <string>

// Writes the picture as a GIF file (Qt reads GIF but cannot write it).
// A picture of at most 256 colours keeps them exactly; one of more colours is
// reduced to a palette first. False when the file cannot be written.
bool WriteGif(const QImage& image, const std::string& path);
