#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it. What
// cannot be made or written throws std::runtime_error, which fails the test.
#include "platform/Handles.h"

#include <windows.h>

#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }
    std::vector<std::wstring> names() const; // the folder's entries, sorted

private:
    std::wstring path_;
};

// A font that tools/make_test_fonts.py made, by its file name in tests/fonts.
std::wstring testFont(const std::wstring& name);

// A test font's bytes with every name `from` made `to` (no longer), the rest of its room
// filled with NULs.
std::string fontRenamed(const std::wstring& font, const std::string& from, const std::string& to);

void writeBytes(const std::wstring& path, const std::string& bytes);
std::string readBytes(const std::wstring& path);
// The file opened with this access and shared with nobody, as another program holding it
// locked; closed when the handle goes. Holds nothing when the file cannot be opened.
platform::KernelHandle lockFile(const std::wstring& path, DWORD access = GENERIC_READ);
