#include "platform/InstanceGate.h"

#include <windows.h>

#include <cstdint>
#include <cwchar>

namespace platform {

std::wstring instanceGateName(std::wstring_view prefix, const std::wstring& programPath) {
    // One spelling of the path: long names, upper case (NTFS compares names so).
    std::wstring path(programPath);
    const DWORD length = GetLongPathNameW(programPath.c_str(), nullptr, 0);
    if (length > 0) {
        std::wstring longer(length, L'\0');
        const DWORD copied = GetLongPathNameW(programPath.c_str(), longer.data(), length);
        if (copied > 0 && copied < length)
            path.assign(longer.data(), copied);
    }
    if (!path.empty())
        CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
    // FNV-1a over the UTF-16 units: a name of fixed length, whatever the path's.
    std::uint64_t digest = 14695981039346656037ull;
    for (const wchar_t unit : path)
        for (const unsigned byte : {unit & 0xFFu, (unit >> 8) & 0xFFu}) {
            digest ^= byte;
            digest *= 1099511628211ull;
        }
    wchar_t hex[17];
    std::swprintf(hex, 17, L"%016llx", static_cast<unsigned long long>(digest));
    return std::wstring(prefix) + L"." + hex;
}

} // namespace platform
