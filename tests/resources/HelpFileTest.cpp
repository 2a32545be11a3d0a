// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/ChmFile.h"
#include "platform/help/HelpContents.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

// The help file the build laid beside the program.
std::unique_ptr<ChmFile> BuiltHelp()
{
    return ChmFile::Open(TAPNEST_HELP_FILE);
}

struct Link
{
    std::string page;     // object path of the target, "/Faq.html"
    std::string fragment; // anchor within it; may be empty
};

// A link of a page at the file's root, unless it leads to the web.
std::optional<Link> InternalLink(const std::string& href)
{
    if (href.rfind("https://", 0) == 0 || href.rfind("http://", 0) == 0)
        return std::nullopt;
    const std::size_t hash = href.find('#');
    const std::string page = href.substr(0, hash);
    return Link{page.empty() ? "" : "/" + page,
                hash == std::string::npos ? "" : href.substr(hash + 1)};
}

std::vector<std::string> LinksOf(const std::string& html)
{
    static const std::regex linkPattern("(?:href|src)\\s*=\\s*\"([^\"]*)\"", std::regex::icase);
    std::vector<std::string> links;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), linkPattern);
         it != std::sregex_iterator(); ++it)
        links.push_back((*it)[1]);
    return links;
}

bool HasAnchor(const std::string& html, const std::string& name)
{
    return html.find("name=\"" + name + "\"") != std::string::npos;
}

TEST(BuiltHelpFile, HoldsTheTopicsTheDialogsOpenWithItsContents)
{
    const auto help = BuiltHelp();
    ASSERT_NE(help, nullptr) << TAPNEST_HELP_FILE;
    EXPECT_EQ(help->Title(), "Tapnest Help");
    EXPECT_EQ(help->DefaultTopic(), "index.html");
    for (const char* topic : {"/index.html", "/Faq.html", "/MorePictures.html"})
        EXPECT_TRUE(help->Holds(topic)) << topic;

    const std::optional<std::string> sitemap = help->Read(help->ContentsFile());
    ASSERT_TRUE(sitemap.has_value());
    const std::vector<HelpContentsEntry> contents = ParseHelpContents(*sitemap);
    std::set<std::string> topLevel;
    for (const HelpContentsEntry& entry : contents) {
        if (entry.depth == 0)
            topLevel.insert(entry.local);
        const std::optional<Link> link = InternalLink(entry.local);
        ASSERT_TRUE(link.has_value()) << entry.local;
        const std::optional<std::string> page = help->Read(link->page);
        ASSERT_TRUE(page.has_value()) << entry.name << ": " << entry.local;
        if (!link->fragment.empty()) {
            EXPECT_TRUE(HasAnchor(*page, link->fragment)) << entry.local;
        }
    }
    EXPECT_EQ(topLevel, (std::set<std::string>{"index.html", "Faq.html", "MorePictures.html"}));
}

TEST(BuiltHelpFile, EveryLinkPictureAndStyleSheetOfEveryPageIsInTheFile)
{
    const auto help = BuiltHelp();
    ASSERT_NE(help, nullptr);
    std::set<std::string> visited;
    std::vector<std::string> toVisit{"/index.html"};
    while (!toVisit.empty()) {
        const std::string pagePath = toVisit.back();
        toVisit.pop_back();
        if (!visited.insert(pagePath).second)
            continue;
        const std::optional<std::string> page = help->Read(pagePath);
        ASSERT_TRUE(page.has_value()) << pagePath;
        for (const std::string& href : LinksOf(*page)) {
            const std::optional<Link> link = InternalLink(href);
            if (!link)
                continue;
            const std::string target = link->page.empty() ? pagePath : link->page;
            const std::optional<std::string> targetBytes = help->Read(target);
            ASSERT_TRUE(targetBytes.has_value()) << pagePath << " -> " << href;
            if (!link->fragment.empty()) {
                EXPECT_TRUE(HasAnchor(*targetBytes, link->fragment)) << pagePath << " -> " << href;
            }
            if (target.ends_with(".html"))
                toVisit.push_back(target);
        }
    }
    EXPECT_TRUE(visited.contains("/Faq.html"));
    EXPECT_TRUE(visited.contains("/MorePictures.html"));
}

} // namespace
