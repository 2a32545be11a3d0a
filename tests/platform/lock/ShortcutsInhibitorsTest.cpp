// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/ShortcutsInhibitors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Records the requests; each inhibitor is a number of its own.
class RecordedRequests final : public InhibitorRequests
{
public:
    bool available = true;
    std::vector<void*> inhibitedSurfaces;
    std::vector<Inhibitor> destroyed;

    bool Available() const override { return available; }
    Inhibitor Inhibit(void* surface) override
    {
        inhibitedSurfaces.push_back(surface);
        return reinterpret_cast<Inhibitor>(static_cast<std::uintptr_t>(inhibitedSurfaces.size()));
    }
    void Destroy(Inhibitor inhibitor) override { destroyed.push_back(inhibitor); }
};

// The n-th inhibitor asked for.
void* Nth(std::uintptr_t n)
{
    return reinterpret_cast<void*>(n);
}

using Part = ShortcutsInhibitors::Part;
using Word = ShortcutsInhibitors::Word;
constexpr Part kPlay = Part::Play;

int windowA;
int windowB;
int windowC;
int surface1;
int surface2;
int surface3;

class ShortcutsInhibitorsTest : public ::testing::Test
{
protected:
    RecordedRequests requests;
    ShortcutsInhibitors inhibitors{requests};
};

} // namespace

TEST_F(ShortcutsInhibitorsTest, AsksOncePerSurfaceAndAgainForEachNewSurface)
{
    inhibitors.SurfaceShown(&windowA, &surface1, kPlay);
    inhibitors.SurfaceShown(&windowA, &surface1, kPlay); // a second expose of the same surface
    EXPECT_EQ(requests.inhibitedSurfaces, std::vector<void*>{&surface1});

    // Shown again with a new surface: the old inhibitor goes, a new one is asked for.
    inhibitors.SurfaceShown(&windowA, &surface2, kPlay);
    EXPECT_EQ(requests.inhibitedSurfaces, (std::vector<void*>{&surface1, &surface2}));
    EXPECT_EQ(requests.destroyed, std::vector<void*>{Nth(1)});

    // Hidden, then shown on a surface at the address of the old one.
    inhibitors.SurfaceGone(&windowA);
    inhibitors.SurfaceShown(&windowA, &surface2, kPlay);
    EXPECT_EQ(requests.inhibitedSurfaces.size(), 3u);
    EXPECT_EQ(requests.destroyed.size(), 2u);
}

TEST_F(ShortcutsInhibitorsTest, EachWindowFollowsTheCompositorsWordOnItsOwnInhibitor)
{
    inhibitors.SurfaceShown(&windowA, &surface1, kPlay);
    inhibitors.SurfaceShown(&windowB, &surface2, kPlay);
    EXPECT_FALSE(inhibitors.IsActive(&windowA)); // asked, not granted yet

    inhibitors.SetActive(Nth(1), true);
    inhibitors.SetActive(Nth(2), true);
    EXPECT_TRUE(inhibitors.IsActive(&windowA));
    // The compositor took one back: the other window's grant says nothing of it.
    inhibitors.SetActive(Nth(1), false);
    EXPECT_FALSE(inhibitors.IsActive(&windowA));
    EXPECT_TRUE(inhibitors.IsActive(&windowB));
    EXPECT_FALSE(inhibitors.IsActive(nullptr));

    // A late word about the inhibitor of a surface that is gone changes nothing.
    inhibitors.SurfaceShown(&windowA, &surface3, kPlay);
    inhibitors.SetActive(Nth(1), true);
    EXPECT_FALSE(inhibitors.IsActive(&windowA));
    inhibitors.SetActive(Nth(3), true);
    EXPECT_TRUE(inhibitors.IsActive(&windowA));

    // A granted window that is hidden no longer holds.
    inhibitors.SurfaceGone(&windowA);
    EXPECT_FALSE(inhibitors.IsActive(&windowA));
}

TEST_F(ShortcutsInhibitorsTest, AsksNothingWithoutTheManagerOrASurface)
{
    requests.available = false;
    inhibitors.SurfaceShown(&windowA, &surface1, kPlay);
    EXPECT_TRUE(requests.inhibitedSurfaces.empty());

    requests.available = true;
    inhibitors.SurfaceShown(&windowA, nullptr, kPlay);
    EXPECT_TRUE(requests.inhibitedSurfaces.empty());
    inhibitors.SurfaceGone(&windowB); // never seen
    EXPECT_TRUE(requests.destroyed.empty());
}

TEST(ShortcutsInhibitors, ClearAndDestructionGiveEveryInhibitorBack)
{
    RecordedRequests requests;
    {
        ShortcutsInhibitors inhibitors(requests);
        inhibitors.SurfaceShown(&windowA, &surface1, kPlay);
        inhibitors.SurfaceShown(&windowB, &surface2, kPlay);
        inhibitors.Clear();
        std::ranges::sort(requests.destroyed);
        EXPECT_EQ(requests.destroyed, (std::vector<void*>{Nth(1), Nth(2)}));
        inhibitors.SurfaceShown(&windowA, &surface3, kPlay);
    }
    EXPECT_EQ(requests.destroyed.size(), 3u);
    EXPECT_EQ(requests.destroyed.back(), Nth(3));
}

TEST_F(ShortcutsInhibitorsTest, TheWordOnAnInhibitorTellsARefusalFromAGrantTakenBack)
{
    inhibitors.SurfaceShown(&windowA, &surface1, kPlay);
    inhibitors.SurfaceShown(&windowB, &surface2, kPlay);
    EXPECT_EQ(inhibitors.WordOn(&windowA), Word::None);

    inhibitors.SetActive(Nth(1), false);
    inhibitors.SetActive(Nth(2), true);
    EXPECT_EQ(inhibitors.WordOn(&windowA), Word::Refused);
    EXPECT_EQ(inhibitors.WordOn(&windowB), Word::Granted);
    inhibitors.SetActive(Nth(2), false);
    EXPECT_EQ(inhibitors.WordOn(&windowB), Word::TakenBack);
    inhibitors.SetActive(Nth(2), true); // given again
    EXPECT_EQ(inhibitors.WordOn(&windowB), Word::Granted);
}

TEST_F(ShortcutsInhibitorsTest, CoversAskOnlyOnceThePlayWindowIsGranted)
{
    inhibitors.KeyboardTo(&windowA);
    inhibitors.SurfaceShown(&windowB, &surface2, Part::Cover); // before the play window
    inhibitors.SurfaceShown(&windowA, &surface1, kPlay);
    inhibitors.SurfaceShown(&windowC, &surface3, Part::Cover);
    EXPECT_EQ(requests.inhibitedSurfaces, std::vector<void*>{&surface1});
    inhibitors.SurfaceGone(&windowC); // a cover that never asked gives nothing back
    EXPECT_TRUE(requests.destroyed.empty());

    inhibitors.SetActive(Nth(1), true);
    EXPECT_EQ(requests.inhibitedSurfaces, (std::vector<void*>{&surface1, &surface2}));
    inhibitors.SurfaceShown(&windowC, &surface3, Part::Cover); // a screen plugged in later
    EXPECT_EQ(requests.inhibitedSurfaces.size(), 3u);
}

TEST_F(ShortcutsInhibitorsTest, CoversDoNotAskACompositorThatAskedItsUserAboutThePlayWindow)
{
    inhibitors.KeyboardTo(&windowA);
    inhibitors.SurfaceShown(&windowA, &surface1, kPlay);
    inhibitors.SurfaceShown(&windowB, &surface2, Part::Cover);
    inhibitors.KeyboardTo(nullptr); // the compositor's question
    inhibitors.SetActive(Nth(1), true);
    inhibitors.KeyboardTo(&windowA);
    inhibitors.SurfaceShown(&windowC, &surface3, Part::Cover);
    EXPECT_EQ(requests.inhibitedSurfaces, std::vector<void*>{&surface1});
}

TEST_F(ShortcutsInhibitorsTest, TheKeyboardLeavingTheProgramWhileAnAnswerIsDueIsAQuestion)
{
    inhibitors.KeyboardTo(&windowA);
    inhibitors.SurfaceShown(&windowA, &surface1, Part::Ahead);
    EXPECT_FALSE(inhibitors.MayBeAsking()); // the window has the keyboard: no question is up

    inhibitors.KeyboardTo(nullptr);
    EXPECT_TRUE(inhibitors.MayBeAsking());
    inhibitors.KeyboardTo(&windowB); // another window of the program: no question either
    EXPECT_FALSE(inhibitors.MayBeAsking());
    EXPECT_TRUE(inhibitors.QuestionSeen(&windowA)); // the question closed without a word

    // Asked while no window has the keyboard: the question may be up already.
    inhibitors.KeyboardTo(nullptr);
    inhibitors.SurfaceShown(&windowB, &surface3, kPlay);
    EXPECT_TRUE(inhibitors.QuestionSeen(&windowB));
    inhibitors.SurfaceGone(&windowB);
    inhibitors.KeyboardTo(&windowB);

    // Once answered, the keyboard going away is no question.
    inhibitors.SurfaceShown(&windowC, &surface2, kPlay);
    inhibitors.SetActive(Nth(3), true);
    inhibitors.SetActive(Nth(1), true);
    inhibitors.KeyboardTo(nullptr);
    EXPECT_FALSE(inhibitors.MayBeAsking());
    EXPECT_FALSE(inhibitors.QuestionSeen(&windowC));
}
