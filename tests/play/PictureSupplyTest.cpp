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

constexpr QSize kSupplyScreen(800, 600);

// What a key shows: the picture's index and place (empty when it cannot be
// shown), the clearing's colours and the sound.
struct Shown
{
    int index = 0;
    QRect place;
    std::optional<PlayColors> colors;
    std::optional<std::string> sound;

    bool operator==(const Shown&) const = default;
};

// The next `keys` pictures of a play on `deck` from `seed`, each taken as soon
// as it is ready, with the sound a shown picture plays.
std::vector<Shown> Play(const PlayDeck& deck, std::uint32_t seed, int keys)
{
    PictureSupply supply;
    supply.Begin(deck, seed);
    supply.Prefetch(kSupplyScreen, true);
    std::vector<Shown> shown;
    const auto take = [&](const PicturePick& pick) {
        Shown& one = shown.emplace_back();
        one.index = pick.index;
        one.colors = pick.colors;
        if (pick.image) {
            one.place = QRect(pick.x, pick.y, pick.image->Width(), pick.image->Height());
            one.sound = supply.SoundOf(pick);
        }
    };
    for (int key = 0; key < keys; ++key)
        EXPECT_TRUE(QTest::qWaitFor([&] { return supply.TakeNext(take); }, 30000)) << key;
    return shown;
}

class PictureSupplyTest : public ::testing::Test
{
protected:
    // A deck of the pictures named, saved with their size (none: not
    // readable), and of the default sounds.
    PlayDeck Deck(const std::vector<std::pair<std::string, QSize>>& pictures,
                  std::vector<std::string> defaultSounds = {}) const
    {
        PlayDeck deck{.entries = {}, .defaultSounds = std::move(defaultSounds)};
        const std::string dir = m_dir.path().toStdString();
        for (const auto& [name, size] : pictures) {
            if (!size.isEmpty())
                PlayLibrary::SavePicture(dir, name,
                                         PlayLibrary::Filled(size.width(), size.height(), Qt::red));
            deck.entries.push_back({.picturePath = JoinPath(dir, name), .ownSoundPath = {}});
        }
        return deck;
    }

    QTemporaryDir m_dir;
};

} // namespace

// A seeded play is known in advance: the same seed shows the same pictures in
// the same places with the same colours and sounds; every picture lies on the
// screen and every sound is the picture's own or a default one.
TEST_F(PictureSupplyTest, ASeededPlayIsTheSameEveryTime)
{
    PlayDeck deck = Deck({{"a.png", {100, 80}}, {"b.png", {220, 60}}, {"c.png", {30, 200}}},
                         {"1.wav", "2.wav", "3.wav"});
    deck.entries[0].ownSoundPath = "a.wav";
    const std::vector<Shown> first = Play(deck, 4321, 12);
    EXPECT_EQ(Play(deck, 4321, 12), first);
    EXPECT_NE(Play(deck, 1234, 12), first);

    std::set<std::string> sounds;
    for (const Shown& shown : first) {
        EXPECT_TRUE(QRect(QPoint(), kSupplyScreen).contains(shown.place)) << shown.index;
        EXPECT_TRUE(shown.colors.has_value());
        ASSERT_TRUE(shown.sound.has_value());
        EXPECT_EQ(*shown.sound == "a.wav", shown.index == 0) << *shown.sound;
        sounds.insert(*shown.sound);
    }
    EXPECT_EQ(sounds, (std::set<std::string>{"a.wav", "1.wav", "2.wav", "3.wav"}));
}

// A picture larger than the screen lies at its top left; WebP pictures, as
// phones and the web give them, are shown too; without default sounds a
// picture without its own is silent.
TEST_F(PictureSupplyTest, PicturesAreMadeReadyForTheScreen)
{
    for (const auto& [name, size] : {std::pair{"big.png", kSupplyScreen + QSize(50, 40)},
                                     std::pair{"sun.webp", QSize(40, 30)}}) {
        const std::vector<Shown> shown = Play(Deck({{name, size}}), 3, 1);
        ASSERT_EQ(shown.size(), 1u);
        const QRect& place = shown[0].place;
        EXPECT_EQ(place.size(), size) << name;
        EXPECT_TRUE(QRect(QPoint(), kSupplyScreen).contains(place) || place.topLeft() == QPoint())
            << name;
        EXPECT_FALSE(shown[0].sound.has_value());
    }
}

// A picture whose file cannot be read, whether it fails to open or to
// decode, shows nothing and leaves the generator where the other leaves it.
TEST_F(PictureSupplyTest, PicturesThatCannotBeShownDrawTheSameAsEachOther)
{
    const PlayDeck opens = Deck({{"cut.png", {}}, {"a.png", {9, 9}}});
    PlayLibrary::WriteBytes(opens.entries[0].picturePath,
                            SolidPng(QSize(300, 300), Qt::red).substr(0, 80));
    const std::vector<Shown> shown = Play(opens, 21, 10);
    EXPECT_EQ(Play(Deck({{"none.png", {}}, {"b.png", {9, 9}}}), 21, 10), shown);
    EXPECT_NE(std::ranges::count(shown, QRect(), &Shown::place), 0);
}
