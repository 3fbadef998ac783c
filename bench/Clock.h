// The benchmarks' clock: the performance counter, in seconds.
#pragma once

#include <windows.h>

inline double Now() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}
