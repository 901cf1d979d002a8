#include "platform/Win32Platform.h"

#include "platform/InstanceGate.h"
#include "platform/SystemFolders.h"

#include <lmcons.h>

#include <algorithm>

namespace platform {

Win32System::Win32System(std::wstring_view gatePrefix)
    : instanceName_(instanceGateName(gatePrefix, programPath())) {}

Win32System::~Win32System() = default;

std::wstring Win32System::userName() {
    wchar_t name[UNLEN + 1] = {};
    DWORD size = UNLEN + 1;
    if (!GetUserNameW(name, &size))
        return {};
    return name;
}

std::wstring Win32System::programPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2); // a long path: try again with room for it
    }
}

std::wstring Win32System::programFolder() {
    const std::wstring path = programPath();
    const auto slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring{} : path.substr(0, slash);
}

std::wstring Win32System::systemFolder() {
    return systemFolders::system();
}

std::wstring Win32System::fontsFolder() {
    return systemFolders::fonts();
}

bool Win32System::previousInstance() {
    // The mutex lives as long as this process; the first process to create it owns the name.
    if (!instanceMutex_) {
        instanceMutex_.reset(CreateMutexW(nullptr, FALSE, instanceName_.c_str()));
        anotherRunning_ = instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return anotherRunning_;
}

unsigned long long Win32System::memoryAvailable() {
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    if (!GlobalMemoryStatusEx(&memory))
        return 0;
    return std::min(memory.ullAvailPageFile, memory.ullAvailVirtual);
}

void Win32System::endProcess(unsigned exitCode) {
    ExitProcess(exitCode);
}

} // namespace platform
