#include "resources/StringTable.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct StringEntry
{
    int id;
    std::string_view text;
};

constexpr std::array kStrings{
    StringEntry{kStrAboutMenu, "&About Tapnest..."},
    StringEntry{kStrInformation, "Information"},
    StringEntry{kStrWarning, "Warning"},
    StringEntry{kStrQuitHint, "Type \"kolo486\" to quit."},
    StringEntry{kStrNoGroupToShow, "Please select one picture group to display."},
    StringEntry{kStrPlayWindowFailed, "Create the playing window failed."},
    StringEntry{kStrTimeToRest, "You have played for a long time. Please have a rest."},
    StringEntry{kStrError, "Error"},
};

} // namespace

std::string LoadString(int id)
{
    const auto found = std::ranges::find(kStrings, id, &StringEntry::id);
    return found == kStrings.end() ? std::string() : std::string(found->text);
}
