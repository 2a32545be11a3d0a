// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon: a smiling sun on a round sky-blue tile, drawn at 16, 24, 32, 48, 64,
// 128 and 256 pixels. Needs a QGuiApplication.
QIcon AppIcon();
