// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The compositor's side of keeping its own shortcuts away from a surface, as
// the lock sees it: one inhibitor per surface, asked for and destroyed by the
// client, reported active or inactive by the compositor.
class InhibitorRequests
{
public:
    using Inhibitor = void*;

    virtual ~InhibitorRequests() = default;
    // The compositor offers inhibitors at all.
    virtual bool Available() const = 0;
    // Asks for an inhibitor for `surface`; null when none can be asked for.
    virtual Inhibitor Inhibit(void* surface) = 0;
    virtual void Destroy(Inhibitor inhibitor) = 0;
};
