// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/ChmFile.h"
#include "platform/help/HelpContents.h"

#include <benchmark/benchmark.h>

namespace {

// What every help request does before the window shows: the file checked in a child process
// and opened, then the contents pane's sitemap read and parsed.
void OpenHelpFile(benchmark::State& state)
{
    for (auto _ : state) {
        const std::unique_ptr<ChmFile> help = ChmFile::Open(TAPNEST_HELP_FILE);
        if (!help) {
            state.SkipWithError("the help file does not open");
            return;
        }
        const std::optional<std::string> sitemap = help->Read(help->ContentsFile());
        benchmark::DoNotOptimize(ParseHelpContents(sitemap.value_or("")));
    }
}
BENCHMARK(OpenHelpFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
