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

    static Inhibitor Nth(std::uintptr_t n) { return reinterpret_cast<Inhibitor>(n); }
};

int windowA;
int windowB;
int surface1;
int surface2;
int surface3;

} // namespace

TEST(ShortcutsInhibitors, AsksOncePerSurfaceAndAgainForEachNewSurface)
{
    RecordedRequests requests;
    ShortcutsInhibitors inhibitors(requests);
    inhibitors.SurfaceShown(&windowA, &surface1);
    inhibitors.SurfaceShown(&windowA, &surface1); // a second expose of the same surface
    EXPECT_EQ(requests.inhibitedSurfaces, std::vector<void*>{&surface1});

    // Shown again with a new surface: the old inhibitor goes, a new one is asked for.
    inhibitors.SurfaceShown(&windowA, &surface2);
    EXPECT_EQ(requests.inhibitedSurfaces, (std::vector<void*>{&surface1, &surface2}));
    EXPECT_EQ(requests.destroyed, std::vector<void*>{RecordedRequests::Nth(1)});

    // Hidden, then shown on a surface at the address of the old one.
    inhibitors.SurfaceGone(&windowA);
    inhibitors.SurfaceShown(&windowA, &surface2);
    EXPECT_EQ(requests.inhibitedSurfaces.size(), 3u);
    EXPECT_EQ(requests.destroyed.size(), 2u);
}

TEST(ShortcutsInhibitors, EachWindowFollowsTheCompositorsWordOnItsOwnInhibitor)
{
    RecordedRequests requests;
    ShortcutsInhibitors inhibitors(requests);
    inhibitors.SurfaceShown(&windowA, &surface1);
    inhibitors.SurfaceShown(&windowB, &surface2);
    EXPECT_FALSE(inhibitors.IsActive(&windowA)); // asked, not granted yet

    inhibitors.SetActive(RecordedRequests::Nth(1), true);
    inhibitors.SetActive(RecordedRequests::Nth(2), true);
    EXPECT_TRUE(inhibitors.IsActive(&windowA));
    // The compositor took one back: the other window's grant says nothing of it.
    inhibitors.SetActive(RecordedRequests::Nth(1), false);
    EXPECT_FALSE(inhibitors.IsActive(&windowA));
    EXPECT_TRUE(inhibitors.IsActive(&windowB));
    EXPECT_FALSE(inhibitors.IsActive(nullptr));

    // A late word about the inhibitor of a surface that is gone changes nothing.
    inhibitors.SurfaceShown(&windowA, &surface3);
    inhibitors.SetActive(RecordedRequests::Nth(1), true);
    EXPECT_FALSE(inhibitors.IsActive(&windowA));
    inhibitors.SetActive(RecordedRequests::Nth(3), true);
    EXPECT_TRUE(inhibitors.IsActive(&windowA));

    // A granted window that is hidden no longer holds.
    inhibitors.SurfaceGone(&windowA);
    EXPECT_FALSE(inhibitors.IsActive(&windowA));
}

TEST(ShortcutsInhibitors, AsksNothingWithoutTheManagerOrASurface)
{
    RecordedRequests requests;
    requests.available = false;
    ShortcutsInhibitors inhibitors(requests);
    inhibitors.SurfaceShown(&windowA, &surface1);
    EXPECT_TRUE(requests.inhibitedSurfaces.empty());

    requests.available = true;
    inhibitors.SurfaceShown(&windowA, nullptr);
    EXPECT_TRUE(requests.inhibitedSurfaces.empty());
    inhibitors.SurfaceGone(&windowB); // never seen
    EXPECT_TRUE(requests.destroyed.empty());
}

TEST(ShortcutsInhibitors, ClearAndDestructionGiveEveryInhibitorBack)
{
    RecordedRequests requests;
    {
        ShortcutsInhibitors inhibitors(requests);
        inhibitors.SurfaceShown(&windowA, &surface1);
        inhibitors.SurfaceShown(&windowB, &surface2);
        inhibitors.Clear();
        std::ranges::sort(requests.destroyed);
        EXPECT_EQ(requests.destroyed,
                  (std::vector<void*>{RecordedRequests::Nth(1), RecordedRequests::Nth(2)}));
        inhibitors.SurfaceShown(&windowA, &surface3);
    }
    EXPECT_EQ(requests.destroyed.size(), 3u);
    EXPECT_EQ(requests.destroyed.back(), RecordedRequests::Nth(3));
}
