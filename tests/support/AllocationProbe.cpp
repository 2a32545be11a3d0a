// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/AllocationProbe.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> probing{false};
std::atomic<std::size_t> largest{0};

void Record(std::size_t size)
{
    if (!probing.load(std::memory_order_relaxed))
        return;
    std::size_t seen = largest.load(std::memory_order_relaxed);
    while (size > seen && !largest.compare_exchange_weak(seen, size)) {
    }
}

// Both forms of new allocate here: what they give is freed by the deletes
// below, so it must come from malloc.
void* Allocate(std::size_t size)
{
    Record(size);
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace

// Replacing the global allocation functions is how every allocation of the
// test program passes through Record.
void* operator new(std::size_t size)
{
    if (void* memory = Allocate(size))
        return memory;
    throw std::bad_alloc();
}

// Qt allocates with the non-throwing form too.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

AllocationProbe::AllocationProbe()
{
    largest = 0;
    probing = true;
}

AllocationProbe::~AllocationProbe()
{
    probing = false;
}

std::size_t AllocationProbe::Largest() const
{
    return largest;
}
