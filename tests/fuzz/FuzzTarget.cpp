// SPDX-License-Identifier: GPL-3.0-or-later
// One fuzz target: TAPNEST_FUZZ_READER names the reader of tests/fuzz/Readers.h it feeds.
#include "tests/fuzz/Readers.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The image readers of the plugins are found through the application.
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::TAPNEST_FUZZ_READER(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
