#pragma once
// Another program started from a test, as a user starts it, and its top-level windows.
#include "platform/Handles.h"
#include "support/Captions.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace process {

// The folder of this test exe, with a trailing backslash.
std::wstring ownFolder();

std::vector<HWND> windowsOf(DWORD process);
// A top-level window of the process whose caption is exactly `caption`.
HWND topWindow(DWORD process, const std::wstring& caption, bool visibleOnly);
int visibleWindowsOf(DWORD process);

// The command id of the main menu's item with that name, for a WM_COMMAND from outside.
int menuId(std::wstring_view name);

class Program {
public:
    // Started in `folder` as its current folder; in this process's when empty.
    explicit Program(const std::wstring& path, const std::wstring& arguments = L"",
                     const std::wstring& folder = L"");
    ~Program(); // ends the process if it still runs
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    DWORD id() const { return id_; }
    bool running() const;
    // Waits for the end of the process; answers its exit code, or -1 when it runs on.
    long long exitCode(DWORD timeoutMs = 10000) const;
    // Ends the process at once if it still runs.
    void end();
    // A visible top-level window of the process with that caption, or null after the wait.
    HWND waitForWindow(const std::wstring& caption, DWORD timeoutMs = 20000) const;
    HWND waitForMainWindow() const { return waitForWindow(GLYPHMERE_MAIN_CAPTION); }

private:
    platform::KernelHandle process_;
    DWORD id_ = 0;
};

} // namespace process
