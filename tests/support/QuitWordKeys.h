// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

#include <array>

// The keys that type the quit word, "kolo486", in order.
inline constexpr std::array kQuitWordKeys{Qt::Key_K, Qt::Key_O, Qt::Key_L, Qt::Key_O,
                                          Qt::Key_4, Qt::Key_8, Qt::Key_6};
