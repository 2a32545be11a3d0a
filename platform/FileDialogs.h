// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TestSeam.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

struct OpenFilesRequest
{
    QWidget* owner = nullptr;
    // Pairs of description and ';'-separated patterns, each field ended by
    // '|', as in "Sound wave files (*.wav) | *.wav||".
    std::string filter = {};
    std::string defaultExtension = {};
    bool multipleSelection = false;
};

// Shows the open-file dialog; the chosen existing files in the order the
// dialog returns them, or nullopt when the user cancels.
std::optional<std::vector<std::string>> ChooseFiles(const OpenFilesRequest& request);

// Shows the colour dialog starting at `initial` (0x00BBGGRR); the chosen
// colour, or nullopt when the user cancels. The 16 custom colours live as
// long as the process and start white.
std::optional<std::uint32_t> ChooseColor(QWidget* owner, std::uint32_t initial);

// The dialog's name filters for a filter text of pairs as above: the
// description with its patterns as a person writes them, "Sound wave files
// (*.wav)", which the dialog shows, then the patterns it matches file names
// with, ignoring letter case.
std::vector<std::string> NameFiltersOf(const std::string& filter);

// Test seam: while an object of this class lives, ChooseFiles and
// ChooseColor record each request and return the answerers' results.
class ScriptedFileDialogs : public TestSeam<ScriptedFileDialogs>
{
public:
    using FilesAnswerer =
        std::function<std::optional<std::vector<std::string>>(const OpenFilesRequest&)>;
    using ColorAnswerer = std::function<std::optional<std::uint32_t>(std::uint32_t initial)>;

    ScriptedFileDialogs(FilesAnswerer files = {}, ColorAnswerer colors = {});

    const std::vector<OpenFilesRequest>& FileRequests() const { return m_fileRequests; }
    const std::vector<std::uint32_t>& ColorRequests() const { return m_colorRequests; }

private:
    friend std::optional<std::vector<std::string>> ChooseFiles(const OpenFilesRequest& request);
    friend std::optional<std::uint32_t> ChooseColor(QWidget* owner, std::uint32_t initial);
    FilesAnswerer m_files;
    ColorAnswerer m_colors;
    std::vector<OpenFilesRequest> m_fileRequests;
    std::vector<std::uint32_t> m_colorRequests;
};
