#include "platform/Win32Platform.h"

#include "platform/FontFamilies.h"

#include <unordered_set>

namespace platform {

void Win32FontCollection::read() {
    read_ = true;
    // The system reports a family once per character set; the list wants it once.
    std::unordered_set<std::wstring> seen;
    enumerateFamilies([&](const wchar_t* name) {
        if (seen.insert(name).second)
            names_.emplace_back(name);
    });
}

int Win32FontCollection::count() {
    if (!read_)
        read();
    return static_cast<int>(names_.size());
}

std::wstring Win32FontCollection::faceName(int index) {
    if (!read_)
        read();
    if (index < 0 || static_cast<size_t>(index) >= names_.size())
        return {};
    return names_[static_cast<size_t>(index)];
}

} // namespace platform
