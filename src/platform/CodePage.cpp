#include "platform/CodePage.h"

#include <windows.h>

#include <algorithm>

namespace platform {

std::wstring fromAnsiCodePage(std::string_view bytes) {
    // A single-byte code page gives one character a byte. The conversion takes an int's
    // worth at a time, so a larger text goes in pieces, each ending after a line break where
    // it has one: a break is never part of a double-byte character.
    constexpr size_t piece = size_t{1} << 30;
    std::wstring text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        size_t size = std::min(bytes.size(), piece);
        if (size < bytes.size())
            if (const size_t lineEnd = bytes.substr(0, size).rfind('\n');
                lineEnd != std::string_view::npos)
                size = lineEnd + 1;
        const size_t at = text.size();
        text.resize(at + size);
        const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(size),
                                               text.data() + at, static_cast<int>(size));
        text.resize(at + static_cast<size_t>(std::max(length, 0)));
        bytes.remove_prefix(size);
    }
    return text;
}

std::string toAnsiCodePage(const std::wstring& text) {
    if (text.empty())
        return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length,
                        nullptr, nullptr);
    return bytes;
}

} // namespace platform
