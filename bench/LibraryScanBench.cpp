// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/GroupFolders.h"
#include "library/ContentLibrary.h"
#include "library/PictureGroup.h"
#include "platform/files/Paths.h"
#include "tests/support/TempLibrary.h"

#include <benchmark/benchmark.h>

#include <sys/stat.h>

namespace {

constexpr int kGroups = 100;
constexpr int kPicturesPerGroup = 100;

// 100 shown groups of 100 pictures in mixed formats; every other picture has
// its own sound and every tenth is cut to display.
const TempLibrary& LargeLibrary()
{
    static const TempLibrary library;
    static const bool built = [] {
        const char* const extensions[] = {"bmp", "jpg", "jpeg", "gif", "png", "tif"};
        for (int group = 0; group < kGroups; ++group) {
            TestGroup contents("Group" + std::to_string(group));
            for (int picture = 0; picture < kPicturesPerGroup; ++picture) {
                const std::string base = "picture" + std::to_string(picture);
                contents.files.push_back(base + "." + extensions[picture % 6]);
                if (picture % 2 == 0)
                    contents.files.push_back(base + ".wav");
                if (picture % 10 == 0)
                    contents.cutNames.push_back(contents.files.back());
            }
            library.AddGroup(contents);
        }
        return true;
    }();
    (void)built;
    return library;
}

bool FileExists(const std::string& path)
{
    struct stat status = {};
    return stat(path.c_str(), &status) == 0;
}

// Own sounds tested one by one, to compare with FindOwnSounds.
template <bool (*Exists)(const std::string&)>
std::vector<std::string> TestEachSound(const std::string&, const std::vector<FoundEntry>& pictures)
{
    std::vector<std::string> sounds;
    for (const FoundEntry& picture : pictures) {
        const std::string sound = OwnSoundPath(picture.path);
        sounds.push_back(Exists(sound) ? sound : std::string());
    }
    return sounds;
}

// Everything a play start reads of the library: the group scan, each shown
// group's cut list, pictures and their own sounds.
using SoundFinder = std::vector<std::string> (*)(const std::string&,
                                                 const std::vector<FoundEntry>&);

template <SoundFinder FindSounds> void ScanLibrary(benchmark::State& state)
{
    const std::string installDir = LargeLibrary().InstallDir();
    for (auto _ : state) {
        std::size_t pictures = 0;
        std::size_t withSound = 0;
        std::size_t cut = 0;
        for (const std::string& folder : ListGroupFolders(installDir)) {
            const std::string groupPath = JoinPath(installDir, folder);
            const GroupFileContents group = ReadGroupFile(groupPath, folder);
            if (!group.complete || group.displayed == 0)
                continue;
            const std::vector<FoundEntry> files = ListPictureFiles(groupPath);
            const std::vector<bool> cutMarks = ReadCutMarks(groupPath, files);
            const std::vector<std::string> sounds = FindSounds(groupPath, files);
            for (std::size_t i = 0; i < files.size(); ++i) {
                ++pictures;
                withSound += sounds[i].empty() ? 0 : 1;
                cut += cutMarks[i] ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(withSound + cut);
        if (pictures != kGroups * kPicturesPerGroup)
            state.SkipWithError("the library was not built as planned");
    }
}

BENCHMARK(ScanLibrary<FindOwnSounds>)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanLibrary<TestEachSound<FileExists>>)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanLibrary<TestEachSound<ExistsNoCase>>)->Unit(benchmark::kMillisecond);

// The setup dialog's list of groups, read as it opens and after every change of a group.
void ScanGroupsForSetup(benchmark::State& state)
{
    const std::string installDir = LargeLibrary().InstallDir();
    for (auto _ : state) {
        const std::vector<FoundGroup> groups = ScanGroups(installDir);
        if (groups.size() != kGroups)
            state.SkipWithError("the library was not built as planned");
        benchmark::DoNotOptimize(groups.data());
    }
}
BENCHMARK(ScanGroupsForSetup)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
