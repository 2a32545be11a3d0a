// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpContents.h"

#include "platform/AsciiCase.h"
#include "platform/help/HtmlTags.h"

#include <QString>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The character an entity's name (between '&' and ';') stands for, appended to `text`;
// false for an entity this reader does not know.
bool AppendEntity(std::string& text, std::string_view entity)
{
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
    for (const auto& [name, character] : kNamed) {
        if (entity == name) {
            text += character;
            return true;
        }
    }
    if (entity.size() < 2 || entity.size() > 8 || entity.front() != '#')
        return false;
    const bool hex = entity[1] == 'x' || entity[1] == 'X';
    const std::string digits(entity.substr(hex ? 2 : 1));
    char* end = nullptr;
    const unsigned long code = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
    if (digits.empty() || *end != '\0' || code == 0 || code > 0x10FFFF)
        return false;
    const auto character = static_cast<char32_t>(code);
    text += QString::fromUcs4(&character, 1).toStdString();
    return true;
}

// Entities are looked for no further than the longest one known, "#x10FFFF",
// so that decoding stays linear in the value's length.
std::string DecodeEntities(std::string_view value)
{
    constexpr std::size_t kLongestEntity = 8;
    std::string text;
    for (std::size_t at = 0; at < value.size(); ++at) {
        if (value[at] == '&') {
            const std::string_view after = value.substr(at + 1, kLongestEntity + 1);
            const std::size_t semicolon = after.find(';');
            if (semicolon != std::string_view::npos &&
                AppendEntity(text, after.substr(0, semicolon))) {
                at += 1 + semicolon;
                continue;
            }
        }
        text += value[at];
    }
    return text;
}

// The value of the attribute `wanted` (any letter case), as written.
std::optional<std::string_view> AttributeOf(std::string_view attributes, std::string_view wanted)
{
    std::size_t at = 0;
    const auto skipSpaces = [&] {
        while (at < attributes.size() && IsSpace(attributes[at]))
            ++at;
    };
    while (true) {
        skipSpaces();
        if (at >= attributes.size())
            return std::nullopt;
        const std::size_t nameStart = at;
        while (at < attributes.size() && !IsSpace(attributes[at]) && attributes[at] != '=')
            ++at;
        const std::string_view name = attributes.substr(nameStart, at - nameStart);
        if (at == nameStart)
            ++at; // a stray '='
        skipSpaces();
        std::string_view value;
        if (at < attributes.size() && attributes[at] == '=') {
            ++at;
            skipSpaces();
            const char quote = at < attributes.size() ? attributes[at] : 0;
            if (quote == '"' || quote == '\'') {
                const std::size_t close = attributes.find(quote, at + 1);
                const std::size_t end = close == std::string_view::npos ? attributes.size() : close;
                value = attributes.substr(at + 1, end - at - 1);
                at = end + 1;
            } else {
                const std::size_t valueStart = at;
                while (at < attributes.size() && !IsSpace(attributes[at]))
                    ++at;
                value = attributes.substr(valueStart, at - valueStart);
            }
        }
        if (EqualsNoCase(name, wanted))
            return value;
    }
}

bool IsSitemapObject(const HtmlTag& tag)
{
    const std::optional<std::string_view> type = AttributeOf(tag.attributes, "type");
    return type && EqualsNoCase(DecodeEntities(*type), "text/sitemap");
}

bool StartsCharacter(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// A name as shown on one line: no more than kMaxContentsNameChars characters, the rest given
// as an ellipsis. Only as much of the written value is decoded as can be shown.
std::string LineOfName(std::string_view written)
{
    constexpr std::size_t kLongestCharacterBytes = 10; // "&#x10FFFF;"
    std::string name =
        DecodeEntities(written.substr(0, (kMaxContentsNameChars + 1) * kLongestCharacterBytes));
    std::size_t characters = 0;
    for (std::size_t at = 0; at < name.size(); ++at) {
        if (StartsCharacter(name[at]) && characters++ == kMaxContentsNameChars) {
            name.resize(at);
            return name + "\u2026";
        }
    }
    return name;
}

} // namespace

std::vector<HelpContentsEntry> ParseHelpContents(std::string_view sitemap)
{
    std::vector<HelpContentsEntry> entries;
    HtmlTagReader reader(sitemap);
    int listDepth = 0;
    std::optional<HelpContentsEntry> entry; // while inside a sitemap object
    while (entries.size() < kMaxContentsEntries) {
        const std::optional<HtmlTag> tag = reader.Next();
        if (!tag)
            break;
        if (tag->name == "UL") {
            ++listDepth;
        } else if (tag->name == "/UL") {
            listDepth = std::max(0, listDepth - 1);
        } else if (tag->name == "OBJECT") {
            entry.reset();
            if (IsSitemapObject(*tag))
                entry = HelpContentsEntry{.depth = std::clamp(listDepth - 1, 0, kMaxContentsDepth),
                                          .name = {},
                                          .local = {}};
        } else if (tag->name == "PARAM" && entry) {
            const std::string name =
                DecodeEntities(AttributeOf(tag->attributes, "name").value_or(""));
            const std::string_view value = AttributeOf(tag->attributes, "value").value_or("");
            // An entry may repeat its parameters for merged files; the first ones count.
            if (EqualsNoCase(name, "Name") && entry->name.empty())
                entry->name = LineOfName(value);
            else if (EqualsNoCase(name, "Local") && entry->local.empty() &&
                     value.size() <= kMaxContentsTopicBytes)
                entry->local = DecodeEntities(value);
        } else if (tag->name == "/OBJECT" && entry) {
            if (!entry->name.empty())
                entries.push_back(std::move(*entry));
            entry.reset();
        }
    }
    return entries;
}
