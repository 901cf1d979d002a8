#include "platform/SystemFolders.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

namespace platform::systemFolders {

namespace {

// Spelled out, as the libraries' own GUIDs are not always data under mingw-w64.
constexpr GUID fontsFolderId{
    0xFD228CB7, 0xAE11, 0x4AE3, {0x86, 0x4C, 0x16, 0xF3, 0x91, 0x0A, 0xB8, 0xFE}};

constexpr GUID localAppDataId{
    0xF1B32785, 0x6FBA, 0x4FCF, {0x9D, 0x55, 0x7B, 0x8E, 0x7F, 0x15, 0x70, 0x91}};

std::wstring knownFolder(const GUID& id) {
    PWSTR known = nullptr;
    std::wstring path;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &known)) && known)
        path = known;
    CoTaskMemFree(known);
    return path;
}

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
    const std::wstring path = knownFolder(fontsFolderId);
    if (!path.empty())
        return path;
    const std::wstring windows = folder(GetSystemWindowsDirectoryW);
    return windows.empty() ? windows : windows + L"\\Fonts";
}

std::wstring localAppData() {
    return knownFolder(localAppDataId);
}

} // namespace platform::systemFolders
