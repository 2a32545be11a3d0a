#pragma once

#include <cstdint>
#include <functional>

// A high-resolution counter stamped at the last accepted input. The key delay
// and the auto display both measure from that stamp.
class InputClock
{
public:
    using Counter = std::function<std::int64_t()>;

    // The steady clock, in nanoseconds.
    InputClock();
    // Any counter ticking `frequency` times a second; a frequency of 0 or
    // less means no counter is available.
    InputClock(Counter counter, std::int64_t frequency);

    bool Available() const { return m_frequency > 0; }
    // Seconds since the last RestartClock; 0 without a counter.
    double ElapsedSeconds() const;
    // Stamps the counter now; nothing without a counter.
    void RestartClock();

private:
    Counter m_counter;
    std::int64_t m_frequency = 0;
    std::int64_t m_lastCount = 0;
};
