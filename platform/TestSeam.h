// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The base of the platform's test seams. While an object of a class T derived from
// TestSeam<T> lives, it is the one Active() returns, and the platform function it stands in
// for records or answers there instead of reaching the desktop. A seam made while another
// lives hides that one until it is destroyed.
template <class T> class TestSeam
{
public:
    TestSeam(const TestSeam&) = delete;
    TestSeam& operator=(const TestSeam&) = delete;

    static T* Active() { return s_active; }

protected:
    TestSeam() : m_outer(s_active) { s_active = static_cast<T*>(this); }
    ~TestSeam() { s_active = m_outer; }

private:
    T* m_outer;
    static inline T* s_active = nullptr;
};
