// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/HelpFileMaker.h"

#include "platform/files/Paths.h"
#include "tests/support/SolidPng.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <filesystem>

namespace {

std::string ProjectFile(const std::vector<HelpSource>& sources, std::string_view title)
{
    std::string project = "[OPTIONS]\n"
                          "Compatibility=1.1 or later\n"
                          "Compiled file=compiled.chm\n"
                          "Contents file=toc.hhc\n"
                          "Default topic=index.html\n"
                          "Language=0x409 English (United States)\n"
                          "Title=";
    project.append(title).append("\n\n[FILES]\n");
    for (const HelpSource& source : sources)
        project.append(source.path).append("\n");
    return project;
}

std::string Page(std::string_view title, std::string_view body)
{
    std::string page = "<html><head><title>";
    page.append(title).append("</title></head><body>").append(body).append("</body></html>");
    return page;
}

} // namespace

std::string CompileHelpFile(const TempLibrary& library, std::string_view relative,
                            const std::vector<HelpSource>& sources, std::string_view title)
{
    const std::string projectDir = library.MakeDir("help-project");
    for (const HelpSource& source : sources)
        library.WriteFile(JoinPath("help-project", source.path), source.bytes);
    library.WriteFile("help-project/project.hhp", ProjectFile(sources, title));

    QProcess compiler;
    compiler.setWorkingDirectory(QString::fromStdString(projectDir));
    compiler.start(QStringLiteral(TAPNEST_CHMCMD), {QStringLiteral("project.hhp")});
    const bool finished = compiler.waitForFinished(60000);
    EXPECT_TRUE(finished && compiler.exitCode() == 0)
        << compiler.readAllStandardError().toStdString();

    const std::string target = library.PathOf(relative);
    std::error_code error;
    std::filesystem::rename(JoinPath(projectDir, "compiled.chm"), target, error);
    EXPECT_FALSE(error) << "no compiled help file: " << error.message();
    std::filesystem::remove_all(projectDir, error);
    return target;
}

std::vector<HelpSource> SampleHelpSources()
{
    return {
        {"index.html", Page("Index", "<p>Index page</p>"
                                     "<p><a href=\"Faq.html#second\">To the questions</a></p>"
                                     "<p><a href=\"sub/page.html\">Deeper</a></p>"
                                     "<p><a href=\"https://example.org/x\">Web</a></p>"
                                     "<p><a href=\"missing.html\">Nowhere</a></p>")},
        {"Faq.html", Page("Questions", "<p><a name=\"first\"></a>Questions page</p>"
                                       "<p><a name=\"second\"></a>Second answer</p>")},
        {"sub/page.html", Page("Deeper", "<p>Deeper page</p><p><img src=\"../red.png\"></p>"
                                         "<p><a href=\"../index.html\">Home</a></p>")},
        {"red.png", SolidPng(QSize(40, 40), Qt::red)},
        {"toc.hhc",
         "<html><body><ul>"
         "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Index\">"
         "<param name=\"Local\" value=\"index.html\"></object>"
         "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Questions\">"
         "<param name=\"Local\" value=\"Faq.html\"></object>"
         "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Second\">"
         "<param name=\"Local\" value=\"Faq.html#second\"></object></ul>"
         "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Deeper\">"
         "<param name=\"Local\" value=\"sub/page.html\"></object></ul>"
         "</ul></body></html>"},
    };
}
