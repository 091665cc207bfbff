// Functions: FreeForOtherThreads
// Shared by the lock tests of the framework and of the library.
#pragma once

#include <windows.h>

#include <thread>

// Whether another thread could enter the section right now; it leaves at once if it could.
inline bool FreeForOtherThreads(CRITICAL_SECTION* pSect)
{
    bool bEntered = false;
    std::thread probe([&] {
        bEntered = ::TryEnterCriticalSection(pSect) != FALSE;
        if (bEntered)
            ::LeaveCriticalSection(pSect);
    });
    probe.join();
    return bEntered;
}
