// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/X11Stacking.h"

#include <algorithm>

namespace {

constexpr int kQuickLookMs = 100;
constexpr int kSlowLookMs = 1000;
// Nothing is missed for long should an event have been: the events tell of
// every change, this only makes sure.
constexpr int kSafetyLookMs = 2000;

} // namespace

std::vector<StackedWindow> WindowsOverOurs(std::span<const StackedWindow> stack,
                                           std::span<const std::uint32_t> ours)
{
    std::vector<StackedWindow> over;
    const auto isOurs = [&](const StackedWindow& window) {
        return std::ranges::find(ours, window.id) != ours.end();
    };
    for (auto upper = stack.begin(); upper != stack.end(); ++upper) {
        if (!upper->shows || isOurs(*upper))
            continue;
        const bool overlapsOursBelow = std::any_of(stack.begin(), upper, [&](const auto& lower) {
            return lower.shows && isOurs(lower) && lower.area.intersects(upper->area);
        });
        if (overlapsOursBelow)
            over.push_back(*upper);
    }
    return over;
}

int NextLookMs(int unsettled)
{
    if (unsettled == 0)
        return kSafetyLookMs;
    return unsettled <= kQuickLooks ? kQuickLookMs : kSlowLookMs;
}
