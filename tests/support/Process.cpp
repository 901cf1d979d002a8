#include "support/Process.h"

#include "forms/MainMenu.h"

namespace process {

std::wstring ownFolder() {
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

namespace {
BOOL CALLBACK collect(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}
} // namespace

std::vector<HWND> topWindows() {
    std::vector<HWND> all;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&all));
    return all;
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

std::vector<HWND> childrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND topWindow(DWORD process, const std::wstring& caption, bool visibleOnly) {
    for (HWND window : windowsOf(process)) {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        if (caption == text && (!visibleOnly || IsWindowVisible(window)))
            return window;
    }
    return nullptr;
}

int visibleWindowsOf(DWORD process) {
    int count = 0;
    for (HWND window : windowsOf(process))
        count += IsWindowVisible(window) ? 1 : 0;
    return count;
}

int menuId(std::wstring_view name) {
    const auto rows = forms::mainMenu();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].name == name)
            return ui::firstMenuId + static_cast<int>(i);
    return -1;
}

Program::Program(const std::wstring& path, const std::wstring& arguments,
                 const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + path + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.empty() ? nullptr : folder.c_str(), &startup, &info_);
}

Program::~Program() {
    if (!started_)
        return;
    if (running()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Program::running() const {
    return started_ && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

long long Program::exitCode(DWORD timeoutMs) const {
    if (!started_ || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

HWND Program::waitForWindow(const std::wstring& caption, DWORD timeoutMs) const {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < end && running()) {
        if (HWND window = topWindow(id(), caption, true))
            return window;
        Sleep(20);
    }
    return nullptr;
}

} // namespace process
