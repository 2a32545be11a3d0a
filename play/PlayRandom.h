// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The colours of the play screen, as 0x00BBGGRR.
struct PlayColors
{
    std::uint32_t back = 0;
    std::uint32_t text = 0;

    bool operator==(const PlayColors&) const = default;
};

// The one random generator of a play: a linear congruential generator whose
// every draw lies in 0..32767, so a seeded play is known in advance.
class PlayRandom
{
public:
    void Seed(std::uint32_t seed) { m_state = seed; }
    int Draw();
    // 0 for n <= 0 without a draw; otherwise one draw modulo n.
    int RandomIndex(int n);
    // Three draws: a background colour with components 0..254 and a text
    // colour whose components are their 8-bit negations.
    PlayColors RandomColors();

    bool operator==(const PlayRandom&) const = default;

private:
    std::uint32_t m_state = 0;
};
