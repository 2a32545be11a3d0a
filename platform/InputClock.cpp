#include "platform/InputClock.h"

#include <chrono>
#include <utility>

namespace {

std::int64_t SteadyNanoseconds()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

} // namespace

InputClock::InputClock() : InputClock(SteadyNanoseconds, 1'000'000'000) {}

InputClock::InputClock(Counter counter, std::int64_t frequency)
    : m_counter(std::move(counter)), m_frequency(frequency)
{
    RestartClock();
}

double InputClock::ElapsedSeconds() const
{
    if (!Available())
        return 0.0;
    return static_cast<double>(m_counter() - m_lastCount) / static_cast<double>(m_frequency);
}

void InputClock::RestartClock()
{
    if (Available())
        m_lastCount = m_counter();
}
