#include "controls/DroppedFiles.h"

#include "platform/Handles.h"

#include <shellapi.h>
#include <shlobj.h>

namespace controls {

namespace {

// As the shell makes a drop: a DROPFILES head that says its own size, then the names,
// wide or narrow as it says, at least one, the list ending in its two NULs within the block.
bool holdsDrop(HGLOBAL block) {
    const platform::LockedBlock memory(block);
    const SIZE_T size = memory.size();
    if (size < sizeof(DROPFILES))
        return false;
    const auto* head = static_cast<const DROPFILES*>(memory.data());
    if (head->pFiles != sizeof(DROPFILES))
        return false;
    const auto* names = reinterpret_cast<const unsigned char*>(head) + head->pFiles;
    const size_t unit = head->fWide ? sizeof(wchar_t) : 1;
    const size_t count = (size - head->pFiles) / unit;
    const auto isNul = [&](size_t i) {
        for (size_t b = 0; b < unit; ++b)
            if (names[i * unit + b])
                return false;
        return true;
    };
    if (count == 0 || isNul(0)) // the list ends at its first empty name
        return false;
    for (size_t i = 1; i < count; ++i)
        if (isNul(i) && isNul(i - 1))
            return true;
    return false;
}

} // namespace

std::vector<std::wstring> takeDroppedFiles(WPARAM wParam) {
    std::vector<std::wstring> files;
    if (!wParam || !holdsDrop(reinterpret_cast<HGLOBAL>(wParam)))
        return files;
    const platform::Drop drop(reinterpret_cast<HDROP>(wParam));
    const UINT count = DragQueryFileW(drop.get(), 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(DragQueryFileW(drop.get(), i, nullptr, 0) + 1, L'\0');
        name.resize(DragQueryFileW(drop.get(), i, name.data(), static_cast<UINT>(name.size())));
        if (!name.empty())
            files.push_back(std::move(name));
    }
    return files;
}

} // namespace controls
