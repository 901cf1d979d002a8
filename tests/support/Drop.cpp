#include "support/Drop.h"

#include <shlobj.h>

#include <cstring>

HGLOBAL makeDrop(const std::vector<std::wstring>& files) {
    std::wstring names;
    for (const std::wstring& file : files)
        names += file + L'\0';
    names += L'\0';
    const size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (!memory)
        return nullptr;
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = {40, 300};
    drop->fWide = TRUE;
    std::memcpy(drop + 1, names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

bool postDrop(HWND window, const std::vector<std::wstring>& files) {
    HGLOBAL drop = makeDrop(files);
    if (drop && PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0))
        return true;
    if (drop)
        GlobalFree(drop);
    return false;
}
