#include "platform/Files.h"

#include "platform/Handles.h"

#include <windows.h>

#include <algorithm>
#include <new>

namespace platform::files {

namespace {

// Flushed when the file is the user's: a copy of our own need not wait for the disk.
bool writeAll(HANDLE file, const std::string& bytes, bool flush) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return !flush || FlushFileBuffers(file) != 0;
}

std::wstring folderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

} // namespace

std::wstring fullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return path;
    full.resize(length);
    return full;
}

std::wstring longPath(const std::wstring& path) {
    // Beyond 260 characters Windows wants the "\\?\" form, which takes the path as it is,
    // with no "..", no relative part and no forward slashes: the full path is made first.
    constexpr std::wstring_view prefix = L"\\\\?\\";
    if (path.starts_with(prefix))
        return path;
    const std::wstring full = fullPath(path);
    if (full.size() < MAX_PATH - 12)
        return full;
    if (full.starts_with(L"\\\\"))
        return std::wstring(prefix) + L"UNC\\" + full.substr(2); // \\server\share\...
    if (full.size() > 2 && full[1] == L':')
        return std::wstring(prefix) + full; // C:\...
    return full;
}

std::wstring temporaryBeside(const std::wstring& path, unsigned long stamp) {
    // The name is longer than the target's: it takes the long form by its own length.
    return longPath(folderOf(fullPath(path)) + L"~glyphmere-" +
                    std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(stamp) +
                    L".tmp");
}

bool isPlainFilePath(const std::wstring& path) {
    const std::wstring full = fullPath(path);
    constexpr std::wstring_view longForm = L"\\\\?\\", longShare = L"\\\\?\\UNC\\";
    const auto startsWithDrive = [](std::wstring_view text) {
        return text.size() >= 3 && text[1] == L':' && text[2] == L'\\';
    };
    std::wstring_view rest = full;
    if (rest.starts_with(longShare)) {
        rest.remove_prefix(longShare.size()); // server\share\...
    } else if (rest.starts_with(longForm)) {
        rest.remove_prefix(longForm.size());
        if (!startsWithDrive(rest))
            return false; // \\?\GLOBALROOT, \\?\Volume{...} and the like
    } else if (rest.starts_with(L"\\\\")) {
        rest.remove_prefix(2); // \\server\share; \\.\ and \\?\ name devices
        if (rest.starts_with(L".") || rest.starts_with(L"?"))
            return false;
    } else if (!startsWithDrive(rest)) {
        return false; // \??\ and other forms only the system should see
    }
    if (startsWithDrive(rest))
        rest.remove_prefix(2);
    // A colon past the drive names a stream of the file.
    return rest.size() > 1 && rest.find(L':') == std::wstring_view::npos;
}

namespace {
// Only a plain file on a disk: the path checked first, a pipe server kept from acting as
// us (SECURITY_IDENTIFICATION), and any handle not of a disk file closed at once.
KernelHandle openForReading(const std::wstring& path) {
    if (!isPlainFilePath(path))
        return {};
    KernelHandle file(CreateFileW(longPath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN |
                                      SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION,
                                  nullptr));
    if (file && GetFileType(file.get()) != FILE_TYPE_DISK)
        file.reset();
    return file;
}
} // namespace

bool canRead(const std::wstring& path) {
    return static_cast<bool>(openForReading(path));
}

std::optional<std::string> readAll(const std::wstring& path, unsigned long long largest) {
    const KernelHandle file = openForReading(path);
    if (!file)
        return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) >
            std::min<unsigned long long>(largest, std::string().max_size()))
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

bool writeNew(const std::wstring& path, const std::string& bytes) {
    const std::wstring target = longPath(path);
    KernelHandle file(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    const bool written = writeAll(file.get(), bytes, false);
    file.reset();
    if (!written)
        DeleteFileW(target.c_str());
    return written;
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
    std::wstring temporary;
    KernelHandle file;
    for (unsigned attempt = 0; attempt < 100 && !file; ++attempt) {
        temporary = temporaryBeside(path, GetTickCount() + attempt);
        file.reset(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file && GetLastError() != ERROR_FILE_EXISTS) // reset() leaves the error as it is
            return false;                                 // no folder, or no right to write there
    }
    if (!file)
        return false;
    const bool written = writeAll(file.get(), bytes, true);
    file.reset(); // closed before it is renamed or deleted
    if (written && MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

} // namespace platform::files
