#pragma once
// One policy for the code the system calls back (window and dialog procedures, subclasses,
// enumerations, event handlers): an exception never unwinds through the system's own
// frames. It ends at the callback, a debugger is told where, and the system gets the
// callback's fallback answer.
#include <windows.h>

#include <cstdio>
#include <exception>

namespace platform {

// Tells a debugger which callback an exception ended; never throws itself.
inline void reportStoppedException(const char* where, const char* what) noexcept {
    char line[512];
    std::snprintf(line, sizeof line, "Glyphmere: an exception ended %s (%s)\n",
                  where ? where : "a callback", what ? what : "not a standard exception");
    OutputDebugStringA(line);
}

// Runs the body and answers what it answers; should it throw, reports it and answers the
// fallback instead.
template <typename Body, typename Fallback>
auto guardCallback(const char* where, Body&& body, Fallback&& fallback) noexcept
    -> decltype(body()) {
    try {
        return body();
    } catch (const std::exception& error) {
        reportStoppedException(where, error.what());
    } catch (...) {
        reportStoppedException(where, nullptr);
    }
    return fallback();
}

} // namespace platform
