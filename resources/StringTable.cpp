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

std::string FillIn(std::string text, std::string_view marker, std::string_view value)
{
    const std::size_t at = text.find(marker);
    if (at != std::string::npos)
        text.replace(at, marker.size(), value);
    return text;
}
