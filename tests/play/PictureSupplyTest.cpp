// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PictureSupply.h"

#include "PlayLibrary.h"

#include "platform/files/Paths.h"
#include "tests/support/SolidPng.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr QSize kScreen(800, 600);

// What a key shows, as the play would see it.
struct Shown
{
    int index = 0;
    QRect place; // empty when the picture cannot be shown
    std::optional<PlayColors> colors;
    std::optional<std::string> sound;

    bool operator==(const Shown&) const = default;
};

class PictureSupplyTest : public ::testing::Test
{
protected:
    std::string Path(const std::string& name) const
    {
        return JoinPath(m_dir.path().toStdString(), name);
    }

    DeckEntry Picture(const std::string& name, QSize size, const std::string& ownSound = {})
    {
        PlayLibrary::SavePicture(m_dir.path().toStdString(), name,
                                 PlayLibrary::Filled(size.width(), size.height(), Qt::red));
        return {.picturePath = Path(name), .ownSoundPath = ownSound};
    }

    // The next `keys` pictures of a play on `deck` from `seed`, each taken as
    // soon as it is ready, with the sound a shown picture plays.
    static std::vector<Shown> Play(const PlayDeck& deck, std::uint32_t seed, int keys,
                                   bool randomColors = true)
    {
        PictureSupply supply;
        supply.Begin(deck, seed);
        supply.Prefetch(kScreen, randomColors);
        std::vector<Shown> shown;
        for (int key = 0; key < keys; ++key) {
            const bool taken = QTest::qWaitFor(
                [&] {
                    return supply.TakeNext([&](const PicturePick& pick) {
                        Shown one;
                        one.index = pick.index;
                        one.colors = pick.colors;
                        if (pick.image) {
                            one.place =
                                QRect(pick.x, pick.y, pick.image->Width(), pick.image->Height());
                            one.sound = supply.SoundOf(pick);
                        }
                        shown.push_back(one);
                    });
                },
                30000);
            EXPECT_TRUE(taken) << "key " << key;
        }
        return shown;
    }

    DeckEntry Unreadable(const std::string& name) const
    {
        return {.picturePath = Path(name), .ownSoundPath = {}};
    }

    QTemporaryDir m_dir;
};

PlayDeck DeckOf(std::vector<DeckEntry> entries, std::vector<std::string> defaultSounds = {})
{
    return {.entries = std::move(entries), .defaultSounds = std::move(defaultSounds)};
}

} // namespace

// A seeded play is known in advance: the same seed shows the same pictures in
// the same places with the same colours and sounds; every picture lies on the
// screen and every sound is the picture's own or a default one.
TEST_F(PictureSupplyTest, ASeededPlayIsTheSameEveryTime)
{
    const PlayDeck deck = DeckOf({Picture("a.png", {100, 80}, "a.wav"), Picture("b.png", {220, 60}),
                                  Picture("c.png", {30, 200})},
                                 {"1.wav", "2.wav", "3.wav"});
    const std::vector<Shown> first = Play(deck, 4321, 12);
    EXPECT_EQ(Play(deck, 4321, 12), first);
    EXPECT_NE(Play(deck, 1234, 12), first);

    std::set<std::string> defaultSounds;
    for (const Shown& shown : first) {
        ASSERT_LT(shown.index, 3);
        EXPECT_TRUE(QRect(QPoint(), kScreen).contains(shown.place)) << shown.index;
        EXPECT_TRUE(shown.colors.has_value());
        ASSERT_TRUE(shown.sound.has_value());
        if (shown.index == 0) {
            EXPECT_EQ(*shown.sound, "a.wav");
        } else {
            EXPECT_NE(std::ranges::find(deck.defaultSounds, *shown.sound),
                      deck.defaultSounds.end());
            defaultSounds.insert(*shown.sound);
        }
    }
    EXPECT_GT(defaultSounds.size(), 1u) << "a default sound is drawn for each picture";
}

TEST_F(PictureSupplyTest, WithoutRandomColoursOrSoundsNothingOfThemIsDrawn)
{
    const PlayDeck deck = DeckOf({Picture("a.png", {10, 10})});
    for (const Shown& shown : Play(deck, 7, 3, false)) {
        EXPECT_FALSE(shown.colors.has_value());
        EXPECT_FALSE(shown.sound.has_value());
    }
}

// A picture larger than the screen lies at its top left and is decoded only
// as far as the screen reaches; WebP pictures, as phones and the web give
// them, are shown too.
TEST_F(PictureSupplyTest, PicturesAreMadeReadyForTheScreen)
{
    struct Case
    {
        const char* name;
        QSize size;
    };
    for (const Case& c : {Case{"big.png", kScreen + QSize(50, 40)}, Case{"sun.webp", {40, 30}}}) {
        const std::vector<Shown> shown = Play(DeckOf({Picture(c.name, c.size)}), 3, 1);
        ASSERT_EQ(shown.size(), 1u);
        const QRect& place = shown[0].place;
        EXPECT_EQ(place.size(), c.size) << c.name;
        EXPECT_TRUE(QRect(QPoint(), kScreen).contains(place) || place.topLeft() == QPoint())
            << c.name;
    }
}

// A picture whose file cannot be read, whether it fails to open or to
// decode, shows nothing and leaves the generator where the other leaves it.
TEST_F(PictureSupplyTest, PicturesThatCannotBeShownDrawTheSameAsEachOther)
{
    PlayLibrary::WriteBytes(Path("cut.png"), SolidPng(QSize(300, 300), Qt::red).substr(0, 80));
    const PlayDeck opens = DeckOf({Unreadable("cut.png"), Picture("a.png", {9, 9})});
    const PlayDeck fails = DeckOf({Unreadable("none.png"), Picture("b.png", {9, 9})});
    const std::vector<Shown> decoded = Play(opens, 21, 10);
    EXPECT_EQ(Play(fails, 21, 10), decoded);
    EXPECT_NE(std::ranges::count(decoded, QRect(), &Shown::place), 0);
}
