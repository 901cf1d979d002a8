#pragma once
// A stand-in for the system's ANSI code page where there is none: each byte the
// character of the same number.
#include <string>
#include <string_view>

inline std::wstring latin1(std::string_view bytes) {
    std::wstring text;
    for (const char c : bytes)
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return text;
}
