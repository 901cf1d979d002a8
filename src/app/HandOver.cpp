#include "app/HandOver.h"

namespace app::handOver {

std::string encode(const std::vector<std::wstring>& paths) {
    std::string bytes;
    const auto unit = [&](unsigned value) {
        bytes.push_back(static_cast<char>(value & 0xFF));
        bytes.push_back(static_cast<char>(value >> 8 & 0xFF));
    };
    for (const std::wstring& path : paths) {
        for (const wchar_t c : path)
            unit(static_cast<unsigned>(c) & 0xFFFF);
        unit(0);
    }
    unit(0);
    return bytes;
}

std::optional<std::vector<std::wstring>> decode(std::string_view bytes) {
    if (bytes.size() % 2 || bytes.size() < 2)
        return std::nullopt;
    std::vector<std::wstring> paths;
    std::wstring path;
    for (size_t at = 0; at < bytes.size(); at += 2) {
        const auto unit = static_cast<wchar_t>(static_cast<unsigned char>(bytes[at]) |
                                               static_cast<unsigned char>(bytes[at + 1]) << 8);
        if (unit != L'\0') {
            if (path.size() == longestPath)
                return std::nullopt;
            path.push_back(unit);
            continue;
        }
        if (path.empty()) // the list's end: nothing may follow it
            return at + 2 == bytes.size() && !paths.empty() ? std::optional(paths) : std::nullopt;
        if (paths.size() == mostPaths)
            return std::nullopt;
        paths.push_back(std::move(path));
        path.clear();
    }
    return std::nullopt; // not ended
}

} // namespace app::handOver
