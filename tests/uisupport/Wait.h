// Polling with a timeout: the programs under test repaint and log asynchronously.
#pragma once

#include <windows.h>

namespace uitest {

// Calls `condition` every `pollMs` until it returns true or `timeoutMs` have passed;
// returns whether it became true (it is checked once more at the deadline).
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs, DWORD pollMs = 20)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(pollMs);
    }
}

}  // namespace uitest
