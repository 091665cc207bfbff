// Functions: BenchSeconds
// The performance counter in seconds, for the benchmarks' own timing.
#pragma once

#include <windows.h>

inline double BenchSeconds()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        return ::QueryPerformanceFrequency(&f) && f.QuadPart ? static_cast<double>(f.QuadPart) : 1.0;
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency;
}
