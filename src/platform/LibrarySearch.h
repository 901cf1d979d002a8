#pragma once
// Every library a program loads after this comes from the system folder, never from the
// program's folder (a download folder, when a ZIP was unpacked there) or the current one.
// Header only: the donation program, which has no more of ours, takes it too.
#include <windows.h>

#include <initializer_list>
#include <string>

namespace platform {

// First thing in a program. `loadNow` are the libraries it loads later by name (its
// delay-loaded ones): on a Windows 7 without the library-search update, which has only
// SetDllDirectory, they are loaded now from the system folder by their full paths, so that
// the later load by name finds them already there.
inline void librariesFromTheSystemOnly(std::initializer_list<const wchar_t*> loadNow = {}) {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    const auto set = reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (set && set(LOAD_LIBRARY_SEARCH_SYSTEM32))
        return;
    SetDllDirectoryW(L""); // at least not the current folder
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    for (const wchar_t* name : loadNow)
        LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str()); // kept to the end
}

} // namespace platform
