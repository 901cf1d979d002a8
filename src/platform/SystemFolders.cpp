#include "platform/SystemFolders.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

namespace platform::systemFolders {

namespace {

// Spelled out, as the libraries' own GUIDs are not always data under mingw-w64.
constexpr GUID fontsFolderId{
    0xFD228CB7, 0xAE11, 0x4AE3, {0x86, 0x4C, 0x16, 0xF3, 0x91, 0x0A, 0xB8, 0xFE}};

template <typename Ask> std::wstring folder(Ask ask) {
    wchar_t path[MAX_PATH] = {};
    const UINT length = ask(path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

} // namespace

std::wstring system() {
    return folder(GetSystemDirectoryW);
}

std::wstring fonts() {
    PWSTR known = nullptr;
    std::wstring path;
    if (SUCCEEDED(SHGetKnownFolderPath(fontsFolderId, KF_FLAG_DONT_VERIFY, nullptr, &known)) &&
        known)
        path = known;
    CoTaskMemFree(known);
    if (!path.empty())
        return path;
    const std::wstring windows = folder(GetSystemWindowsDirectoryW);
    return windows.empty() ? windows : windows + L"\\Fonts";
}

} // namespace platform::systemFolders
