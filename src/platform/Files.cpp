#include "platform/Files.h"

#include <windows.h>

#include <algorithm>
#include <new>

namespace platform::files {

namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid())
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

bool writeAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return FlushFileBuffers(file) != 0;
}

std::wstring folderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

} // namespace

std::wstring longPath(const std::wstring& path) {
    // Beyond 260 characters Windows wants the "\\?\" form, which takes the path as it is.
    constexpr std::wstring_view prefix = L"\\\\?\\";
    if (path.size() < MAX_PATH - 12 || path.starts_with(prefix))
        return path;
    if (path.starts_with(L"\\\\"))
        return std::wstring(prefix) + L"UNC\\" + path.substr(2); // \\server\share\...
    if (path.size() > 2 && path[1] == L':')
        return std::wstring(prefix) + path; // C:\...
    return path;                            // a relative path stays as it is
}

std::optional<std::string> readAll(const std::wstring& path) {
    Handle file(CreateFileW(longPath(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                            nullptr));
    if (!file.valid())
        return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > std::string().max_size())
        return std::nullopt;
    // More than the system can still give this process: not even tried, so that a system
    // that promises memory it does not have is not driven out of it.
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    if (GlobalMemoryStatusEx(&memory) &&
        static_cast<unsigned long long>(size.QuadPart) >
            std::min(memory.ullAvailPageFile, memory.ullAvailVirtual))
        return std::nullopt;
    std::string bytes;
    try {
        bytes.resize(static_cast<size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr))
            return std::nullopt;
        if (read == 0)
            break; // the file became shorter while we read: keep what is there
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

bool replaceWith(const std::wstring& path, const std::string& bytes) {
    // A read-only file is not to be replaced (Windows refuses the rename; not every
    // system that runs us does).
    const std::wstring target = longPath(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    // The new file lies in the target's folder, so that taking the name is one rename.
    const std::wstring stem =
        folderOf(target) + L"~glyphmere-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    std::wstring temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = stem + std::to_wstring(GetTickCount() + attempt) + L".tmp";
        created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return false; // no folder, or no right to write there
    }
    bool written = false;
    {
        Handle file(created);
        written = file.valid() && writeAll(file.get(), bytes);
    }
    if (!written && created == INVALID_HANDLE_VALUE)
        return false;
    if (written && MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

} // namespace platform::files
