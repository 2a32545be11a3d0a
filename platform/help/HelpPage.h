// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

// How much of a help page the browser is given: the page up to the first point where laying it
// out would cost more than a real help page does. The browser's layout grows faster than the
// page with nested tables (about three times per level), with the number of list items and of
// table cells, with elements left open inside each other and with words that never break; a
// page within these bounds is laid out in tens of milliseconds.
inline constexpr int kMaxPageNesting = 32;       // elements open inside each other
inline constexpr int kMaxPageTableNesting = 6;   // tables inside tables
inline constexpr int kMaxPageListItems = 2000;   // <li>
inline constexpr int kMaxPageTableCells = 1000;  // <td>, <th>
inline constexpr int kMaxPageTags = 10000;       // tags of any kind
inline constexpr std::size_t kMaxPageRun = 5000; // bytes without a space or line break

std::string_view BoundedHelpPage(std::string_view html);
