// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/lock/InhibitorRequests.h"

#include <map>

// Which windows have asked the compositor to keep its shortcuts away, and what
// it answered. A window gets a new surface each time it is shown, so it asks
// again whenever its surface changes, and never twice for one surface (the
// compositor treats that as a protocol error). An inhibitor counts only while
// its window has the keyboard, and the compositor says nothing when a window
// loses the keyboard: a granted inhibitor of another window tells nothing
// about the window that has it.
//
// A compositor may ask its user before it answers, in a question of its own
// that takes the keyboard from every window of the program. Each window of a
// play would then be asked about, so a cover asks only once the play window's
// inhibitor is granted without a question: the compositor knows the answer by
// then. One that asked about the play window asks about each window and
// remembers nothing, and the covers do not ask at all.
class ShortcutsInhibitors
{
public:
    // What a window is to the lock.
    enum class Part {
        Ahead, // a window of the parent's, asked on before any play
        Play,  // the play window
        Cover, // a cover of another screen
    };
    // The compositor's word on a window's inhibitor so far.
    enum class Word {
        None,      // not asked yet, or no answer yet
        Granted,   // active
        Refused,   // inactive before it was ever active
        TakenBack, // inactive after it was active
    };

    explicit ShortcutsInhibitors(InhibitorRequests& requests) : m_requests(requests) {}
    ~ShortcutsInhibitors() { Clear(); }
    ShortcutsInhibitors(const ShortcutsInhibitors&) = delete;
    ShortcutsInhibitors& operator=(const ShortcutsInhibitors&) = delete;

    // `window`, a `part` of the lock, shows `surface` now.
    void SurfaceShown(const void* window, void* surface, Part part);
    // `window` is hidden or no longer part of the lock: its surface is gone.
    void SurfaceGone(const void* window);
    void Clear();

    // The compositor's word on one of our inhibitors; others are ignored.
    void SetActive(InhibitorRequests::Inhibitor inhibitor, bool active);
    // The window of the program that has the keyboard now, whether part of
    // the lock or not; null when no window of the program has it.
    void KeyboardTo(const void* window);

    // True while the compositor grants the inhibitor of `window`.
    bool IsActive(const void* window) const;
    Word WordOn(const void* window) const;
    // No window of the program had the keyboard at some time while the
    // inhibitor of `window` waited for its answer: what a question of the
    // compositor does.
    bool QuestionSeen(const void* window) const;
    // An inhibitor waits for its answer while no window of the program has the
    // keyboard: the compositor may be asking its user right now.
    bool MayBeAsking() const;

private:
    struct Entry
    {
        Part part = Part::Play;
        void* surface = nullptr;
        InhibitorRequests::Inhibitor inhibitor = nullptr; // null: a cover not asked yet
        Word word = Word::None;
        bool questionSeen = false;
    };

    static bool CoversMayAskAfter(const Entry& entry);
    void Ask(Entry& entry);
    void AskForWaitingCovers();
    bool Waits(const Entry& entry) const { return entry.inhibitor && entry.word == Word::None; }
    const Entry* Find(const void* window) const;

    InhibitorRequests& m_requests;
    std::map<const void*, Entry> m_windows;
    const void* m_keyboard = nullptr;
};
