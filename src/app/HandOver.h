#pragma once
// The files a second start hands to the running Glyphmere, as the bytes of one WM_COPYDATA:
// the paths in UTF-16, each ended by a NUL, the list by another. What arrives comes from
// another process and is checked whole before any of it is used. Pure: no window system.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app::handOver {

// The message's kind (its dwData): font files to preview.
constexpr std::uintptr_t kind = 0x474C5046; // "GLPF"
constexpr size_t mostPaths = 256;
constexpr size_t longestPath = 32767; // the longest path Windows takes, in UTF-16 units

std::string encode(const std::vector<std::wstring>& paths);
// The paths, or nothing when the bytes are not such a list: an odd size, a list not ended
// within them, an empty path, too many paths or too long a one.
std::optional<std::vector<std::wstring>> decode(std::string_view bytes);

} // namespace app::handOver
