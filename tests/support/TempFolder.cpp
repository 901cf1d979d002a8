#include "support/TempFolder.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

void removeTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

[[noreturn]] void fail(const char* what) {
    throw std::runtime_error(std::string(what) + " (error " + std::to_string(GetLastError()) + ")");
}

} // namespace

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH] = {};
    if (!GetTempPathW(MAX_PATH, base))
        fail("no temporary folder");
    static unsigned counter = 0;
    // Another name only while the name is taken; any other failure will not pass by itself.
    for (int attempt = 0;; ++attempt) {
        path_ = std::wstring(base) + L"glyphmere-test-" + std::to_wstring(GetCurrentProcessId()) +
                L"-" + std::to_wstring(++counter);
        if (CreateDirectoryW(path_.c_str(), nullptr))
            break;
        if (GetLastError() != ERROR_ALREADY_EXISTS || attempt == 1000)
            fail("the temporary folder cannot be made");
    }
}

TempFolder::~TempFolder() {
    removeTree(path_);
}

std::vector<std::wstring> TempFolder::names() const {
    std::vector<std::wstring> result;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return result;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            result.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(result.begin(), result.end());
    return result;
}

void writeBytes(const std::wstring& path, const std::string& bytes) {
    const platform::KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        fail("the file cannot be made");
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0)
            fail("the file cannot be written");
        done += written;
    }
}

std::string readBytes(const std::wstring& path) {
    const platform::KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return "(missing)";
    std::string bytes(GetFileSize(file.get(), nullptr), '\0');
    DWORD read = 0;
    ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

platform::KernelHandle lockFile(const std::wstring& path, DWORD access) {
    return platform::KernelHandle(CreateFileW(path.c_str(), access, 0, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string fontRenamed(const std::wstring& font, const std::string& from, const std::string& to) {
    std::string bytes = readBytes(testFont(font));
    const auto wide = [](const std::string& text) { // UTF-16BE, as the name table holds it
        std::string units;
        for (const char c : text)
            units += std::string(1, '\0') + c;
        return units;
    };
    for (const auto& [old, now] : {std::pair(from, to), std::pair(wide(from), wide(to))})
        for (auto at = bytes.find(old); at != std::string::npos; at = bytes.find(old, at))
            bytes.replace(at, old.size(), now + std::string(old.size() - now.size(), '\0'));
    return bytes;
}

std::wstring testFont(const std::wstring& name) {
    const char* folder = GLYPHMERE_TEST_FONTS;
    std::wstring path(folder, folder + std::strlen(folder));
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path + name;
}
