#include "support/Process.h"

#include "support/Drive.h"
#include "support/WindowText.h"
#include "ui/MainMenu.h"

namespace process {

std::wstring ownFolder() {
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::vector<HWND> windowsOf(DWORD process) {
    std::vector<HWND> mine;
    for (HWND window : topWindows()) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process)
            mine.push_back(window);
    }
    return mine;
}

HWND topWindow(DWORD process, const std::wstring& caption, bool visibleOnly) {
    for (HWND window : windowsOf(process))
        if (windowText(window) == caption && (!visibleOnly || IsWindowVisible(window)))
            return window;
    return nullptr;
}

int visibleWindowsOf(DWORD process) {
    int count = 0;
    for (HWND window : windowsOf(process))
        count += IsWindowVisible(window) ? 1 : 0;
    return count;
}

int menuId(std::wstring_view name) {
    const auto rows = ui::mainMenu();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].name == name)
            return controls::firstMenuId + static_cast<int>(i);
    return -1;
}

Program::Program(const std::wstring& path, const std::wstring& arguments,
                 const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + path + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return;
    // Only the process is watched: its first thread's handle is closed at once.
    const platform::KernelHandle thread(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
}

Program::~Program() {
    end();
}

void Program::end() {
    if (running()) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool Program::running() const {
    return started() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

long long Program::exitCode(DWORD timeoutMs) const {
    if (!started() || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

HWND Program::waitForWindow(const std::wstring& caption, DWORD timeoutMs) const {
    HWND found = nullptr;
    drive::waitUntil(
        [&] { return !running() || (found = topWindow(id(), caption, true)) != nullptr; },
        timeoutMs);
    return found;
}

} // namespace process
