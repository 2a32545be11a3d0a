// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fuzz/Readers.h"
#include "tests/support/PeakMemory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// Every hand-made hostile file goes through its reader, as the program would read it: it ends
// as a file that cannot be read, costing little more memory than its own bytes.
TEST(RegressionFiles, EachIsReadWithinBoundedMemory)
{
    int read = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TAPNEST_REGRESSIONS_DIR)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const fuzz::Reader reader = fuzz::ReaderFor(name);
        ASSERT_NE(reader, nullptr) << "a regression file without a reader";
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        const PeakMemoryProbe memory;
        reader(bytes);
        EXPECT_LT(memory.GrowthBytes(), (std::int64_t(64) << 20) + std::ssize(bytes) * 4);
        ++read;
    }
    EXPECT_GE(read, 10);
}

} // namespace
