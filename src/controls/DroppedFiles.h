#pragma once
// The files of a WM_DROPFILES message.
#include <windows.h>

#include <string>
#include <vector>

namespace controls {

// The names in the drop, in the shell's order; the drop is freed. Nothing, and nothing
// freed, when the handle holds no drop as the shell makes it: posted by another process,
// a handle arrives under Wine as it was and may name some other block of this one.
std::vector<std::wstring> takeDroppedFiles(WPARAM drop);

} // namespace controls
