#include "support/Drop.h"

#include <shlobj.h>

#include <cstring>

platform::GlobalBlock makeDrop(const std::vector<std::wstring>& files) {
    std::wstring names;
    for (const std::wstring& file : files)
        names += file + L'\0';
    names += L'\0';
    DROPFILES drop{};
    drop.pFiles = sizeof(DROPFILES);
    drop.pt = {40, 300};
    drop.fWide = TRUE;
    std::string bytes(reinterpret_cast<const char*>(&drop), sizeof drop);
    bytes.append(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t));
    return globalCopy(bytes);
}

bool postDrop(HWND window, const std::vector<std::wstring>& files) {
    platform::GlobalBlock drop = makeDrop(files);
    if (!drop || !PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop.get()), 0))
        return false;
    drop.release(); // the receiver's now
    return true;
}
