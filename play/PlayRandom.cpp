// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PlayRandom.h"

int PlayRandom::Draw()
{
    m_state = m_state * 214013u + 2531011u;
    return static_cast<int>((m_state >> 16) & 0x7FFF);
}

int PlayRandom::RandomIndex(int n)
{
    if (n <= 0)
        return 0;
    return Draw() % n;
}

PlayColors PlayRandom::RandomColors()
{
    const std::uint32_t r = Draw() % 255;
    const std::uint32_t g = Draw() % 255;
    const std::uint32_t b = Draw() % 255;
    const auto negate = [](std::uint32_t c) { return (256 - c) % 256; };
    return {r | g << 8 | b << 16, negate(r) | negate(g) << 8 | negate(b) << 16};
}
