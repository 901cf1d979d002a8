#pragma once
// The one wait of the tests: ask again until the answer is yes or the time is up.
#include <windows.h>

#include <functional>

// Asks the condition until it holds or `timeoutMs` have passed, running `between` after
// each no (by default a short sleep). Answers whether it held.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000,
               const std::function<void()>& between = {});
