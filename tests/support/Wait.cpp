#include "support/Wait.h"

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs,
               const std::function<void()>& between) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end)
            return false;
        if (between)
            between();
        else
            Sleep(20);
    }
    return true;
}
