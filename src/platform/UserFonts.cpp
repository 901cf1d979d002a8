#include "platform/UserFonts.h"

#include "platform/SystemFolders.h"

#include <windows.h>

#include <vector>

namespace platform::userFonts {

namespace {

constexpr const wchar_t* fontsKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

class Key {
public:
    Key() {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, fontsKey, 0, nullptr, 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~Key() {
        if (key_)
            RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

bool hasValue(HKEY key, const std::wstring& name) {
    return RegQueryValueExW(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// The names of the values that hold this path, whole or as a bare file name.
std::vector<std::wstring> valuesNaming(HKEY key, const std::wstring& path) {
    std::vector<std::wstring> names;
    const std::wstring bare = path.substr(path.find_last_of(L'\\') + 1);
    std::vector<wchar_t> name(16384), data(32768);
    for (DWORD i = 0; i < 65536; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>((data.size() - 1) * sizeof(wchar_t)), type = 0;
        const LSTATUS status = RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(data.data()), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            continue;
        data[dataSize / sizeof(wchar_t)] = L'\0';
        if (lstrcmpiW(data.data(), path.c_str()) == 0 || lstrcmpiW(data.data(), bare.c_str()) == 0)
            names.emplace_back(name.data(), nameLength);
    }
    return names;
}

void tellEveryWindow() {
    // Posted, not sent: a window that does not answer cannot hold Glyphmere up.
    SendNotifyMessageW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
}

} // namespace

std::wstring folder() {
    const std::wstring data = systemFolders::localAppData();
    return data.empty() ? data : data + L"\\Microsoft\\Windows\\Fonts";
}

bool supported() {
    using GetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto get = reinterpret_cast<GetVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!get || get(&version) != 0)
        return false;
    return version.dwMajorVersion > 10 ||
           (version.dwMajorVersion == 10 && version.dwBuildNumber >= 17763);
}

Outcome install(const std::vector<FontFile>& files) {
    const std::wstring into = folder();
    const Key key;
    if (into.empty() || !key.get() || files.empty())
        return Outcome::failed;
    for (const FontFile& file : files)
        if (GetFileAttributesW((into + L"\\" + file.fileName).c_str()) != INVALID_FILE_ATTRIBUTES ||
            hasValue(key.get(), file.value))
            return Outcome::alreadyThere;
    // The folder and the two above it, should a new profile lack them.
    for (size_t end = into.rfind(L"\\Microsoft"); end != std::wstring::npos;
         end = into.find(L'\\', end + 1))
        CreateDirectoryW(into.substr(0, end).c_str(), nullptr);
    CreateDirectoryW(into.c_str(), nullptr);

    // What was done so far, undone in reverse should a step fail.
    std::vector<std::wstring> copied, registered, added;
    const auto undo = [&] {
        for (const std::wstring& path : added)
            RemoveFontResourceW(path.c_str());
        for (const std::wstring& value : registered)
            RegDeleteValueW(key.get(), value.c_str());
        for (const std::wstring& path : copied)
            DeleteFileW(path.c_str());
    };
    for (const FontFile& file : files) {
        const std::wstring path = into + L"\\" + file.fileName;
        if (!CopyFileW(file.source.c_str(), path.c_str(), TRUE)) { // never over a file
            undo();
            return GetLastError() == ERROR_FILE_EXISTS ? Outcome::alreadyThere : Outcome::failed;
        }
        copied.push_back(path);
        if (hasValue(key.get(), file.value) ||
            RegSetValueExW(key.get(), file.value.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(path.c_str()),
                           static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))) !=
                ERROR_SUCCESS) {
            undo();
            return Outcome::failed;
        }
        registered.push_back(file.value);
        if (!AddFontResourceW(path.c_str())) {
            undo();
            return Outcome::failed;
        }
        added.push_back(path);
    }
    tellEveryWindow();
    return Outcome::done;
}

std::vector<std::wstring> filesNamed(const std::wstring& fullName) {
    const std::wstring into = folder() + L"\\";
    std::vector<std::wstring> files;
    const Key key;
    if (!key.get() || into.size() == 1 || fullName.empty())
        return files;
    for (const wchar_t* kind : {L" (TrueType)", L" (OpenType)"}) {
        wchar_t data[1024]{};
        DWORD size = sizeof data - sizeof(wchar_t);
        if (RegGetValueW(key.get(), nullptr, (fullName + kind).c_str(), RRF_RT_REG_SZ, nullptr,
                         data, &size) != ERROR_SUCCESS)
            continue;
        // A bare name is a file in the folder; a full path counts only when it is there.
        std::wstring path = wcschr(data, L'\\') ? std::wstring(data) : into + data;
        if (CompareStringOrdinal(path.c_str(), static_cast<int>(into.size()), into.c_str(),
                                 static_cast<int>(into.size()), TRUE) == CSTR_EQUAL &&
            GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            files.push_back(std::move(path));
    }
    return files;
}

Outcome remove(const std::vector<std::wstring>& files) {
    const Key key;
    if (!key.get() || files.empty())
        return Outcome::failed;
    bool whole = true;
    for (const std::wstring& path : files) {
        // Added once by install, once more by each other program's add: take them all.
        for (int times = 0; times < 64 && RemoveFontResourceW(path.c_str()); ++times) {
        }
        for (const std::wstring& value : valuesNaming(key.get(), path))
            if (RegDeleteValueW(key.get(), value.c_str()) != ERROR_SUCCESS)
                whole = false;
        if (!DeleteFileW(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
            whole = false;
    }
    tellEveryWindow();
    return whole ? Outcome::done : Outcome::failed;
}

} // namespace platform::userFonts
