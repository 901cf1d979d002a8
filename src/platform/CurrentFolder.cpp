#include "platform/CurrentFolder.h"

#include <windows.h>

namespace platform::currentFolder {

namespace {

std::wstring remembered;

std::wstring current() {
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    return folder;
}

} // namespace

void leaveUserFolder() {
    // The shared Windows folder: under a terminal server the per-user one is the user's.
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    const std::wstring left = current();
    if (!SetCurrentDirectoryW(windows))
        return;
    const std::wstring now = current();
    if (!left.empty() &&
        CompareStringOrdinal(left.c_str(), -1, now.c_str(), -1, TRUE) != CSTR_EQUAL)
        remembered = left;
}

const std::wstring& userFolder() {
    return remembered;
}

} // namespace platform::currentFolder
