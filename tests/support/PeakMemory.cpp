// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/PeakMemory.h"

#include <fstream>
#include <string>

namespace {

// A "Name:   1234 kB" line of /proc/self/status, in bytes.
std::int64_t StatusBytes(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(name + ":", 0) == 0)
            return std::stoll(line.substr(name.size() + 1)) * 1024;
    }
    return 0;
}

} // namespace

PeakMemoryProbe::PeakMemoryProbe()
{
    std::ofstream("/proc/self/clear_refs") << "5"; // the high-water mark starts again here
    m_startBytes = StatusBytes("VmRSS");
}

std::int64_t PeakMemoryProbe::GrowthBytes() const
{
    return PeakBytes() - m_startBytes;
}

std::int64_t PeakMemoryProbe::PeakBytes()
{
    return StatusBytes("VmHWM");
}
