#include "platform/PreviewCopies.h"

#include "platform/Files.h"
#include "platform/SystemFolders.h"

#include <windows.h>

namespace platform {

namespace {

constexpr const wchar_t* inUseName = L"\\in-use";

// Each entry of the folder, its name and whether it is a folder of its own.
template <typename Take> void forEachEntry(const std::wstring& folder, Take take) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        // Not "." and "..", nor a link that leads out of the folder.
        if (name != L"." && name != L".." &&
            !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            take(folder + L"\\" + name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// Deletes every file in the folder, then the folder.
void deleteFolder(const std::wstring& folder) {
    forEachEntry(folder, [](const std::wstring& path, bool isFolder) {
        if (!isFolder)
            DeleteFileW(path.c_str());
    });
    RemoveDirectoryW(folder.c_str());
}

} // namespace

std::wstring PreviewCopies::usualParent() {
    const std::wstring data = systemFolders::localAppData();
    return data.empty() ? data : data + L"\\Glyphmere\\Preview";
}

bool PreviewCopies::makeFolder() {
    if (parent_.empty())
        parent_ = usualParent();
    if (parent_.empty())
        return false;
    const auto slash = parent_.find_last_of(L'\\');
    if (slash != std::wstring::npos)
        CreateDirectoryW(parent_.substr(0, slash).c_str(), nullptr);
    CreateDirectoryW(parent_.c_str(), nullptr);
    // A folder no other process has: made new, never one that was there already.
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::wstring folder = parent_ + L"\\" + std::to_wstring(GetCurrentProcessId()) +
                                    L"-" + std::to_wstring(GetTickCount() + attempt);
        if (!CreateDirectoryW(folder.c_str(), nullptr)) {
            if (GetLastError() == ERROR_ALREADY_EXISTS)
                continue;
            return false;
        }
        inUse_.reset(CreateFileW((folder + inUseName).c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE,
                                 nullptr));
        if (!inUse_) { // swept away between the two steps: another folder
            RemoveDirectoryW(folder.c_str());
            continue;
        }
        folder_ = folder;
        return true;
    }
    return false;
}

std::wstring PreviewCopies::copy(const std::string& bytes, std::wstring_view extension) {
    if (folder_.empty() && !makeFolder())
        return {};
    const std::wstring path =
        folder_ + L"\\" + std::to_wstring(++copies_) + std::wstring(extension);
    return files::writeNew(path, bytes) ? path : std::wstring();
}

void PreviewCopies::remove(const std::wstring& copy) {
    if (!folder_.empty() && copy.starts_with(folder_ + L"\\"))
        DeleteFileW(copy.c_str());
}

void PreviewCopies::removeCopies() {
    if (folder_.empty())
        return;
    const std::wstring inUse = folder_ + inUseName;
    forEachEntry(folder_, [&](const std::wstring& path, bool isFolder) {
        if (!isFolder && path != inUse)
            DeleteFileW(path.c_str());
    });
}

void PreviewCopies::removeAll() {
    if (folder_.empty())
        return;
    inUse_.reset(); // deleted as it closes
    deleteFolder(folder_);
    folder_.clear();
}

void PreviewCopies::sweep(const std::wstring& parent) {
    if (parent.empty())
        return;
    forEachEntry(parent, [](const std::wstring& folder, bool isFolder) {
        // A running Glyphmere holds its marker open, unshared: it cannot be deleted then.
        if (isFolder &&
            (DeleteFileW((folder + inUseName).c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND))
            deleteFolder(folder);
    });
}

} // namespace platform
