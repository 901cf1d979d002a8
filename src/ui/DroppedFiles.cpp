#include "ui/DroppedFiles.h"

#include <shellapi.h>
#include <shlobj.h>

namespace ui {

namespace {

// A DROPFILES head, then names that end in two NULs within the block.
bool holdsDrop(HGLOBAL block) {
    const SIZE_T size = GlobalSize(block);
    if (size < sizeof(DROPFILES))
        return false;
    const auto* head = static_cast<const DROPFILES*>(GlobalLock(block));
    if (!head)
        return false;
    bool ends = false;
    if (head->pFiles >= sizeof(DROPFILES) && head->pFiles < size) {
        const auto* names = reinterpret_cast<const unsigned char*>(head) + head->pFiles;
        const size_t unit = head->fWide ? sizeof(wchar_t) : 1;
        const size_t count = (size - head->pFiles) / unit;
        const auto isNul = [&](size_t i) {
            for (size_t b = 0; b < unit; ++b)
                if (names[i * unit + b])
                    return false;
            return true;
        };
        for (size_t i = 1; i < count && !ends; ++i)
            ends = isNul(i) && isNul(i - 1);
    }
    GlobalUnlock(block);
    return ends;
}

} // namespace

std::vector<std::wstring> takeDroppedFiles(WPARAM wParam) {
    const auto drop = reinterpret_cast<HDROP>(wParam);
    std::vector<std::wstring> files;
    if (!drop || !holdsDrop(reinterpret_cast<HGLOBAL>(drop)))
        return files;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
        if (!name.empty())
            files.push_back(std::move(name));
    }
    DragFinish(drop);
    return files;
}

} // namespace ui
