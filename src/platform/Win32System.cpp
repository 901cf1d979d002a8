#include "platform/Win32Platform.h"

#include "platform/InstanceGate.h"
#include "platform/SystemFolders.h"

#include <lmcons.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace platform {

Win32System::Win32System(std::wstring_view gatePrefix)
    : gatePrefix_(gatePrefix), instanceName_(instanceGateName(gatePrefix, programPath())) {}

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

namespace {

// The main window's handle, as a 64-bit number, in a small named block beside the gate.
constexpr DWORD noteSize = sizeof(std::uint64_t);
std::wstring noteName(const std::wstring& gate) {
    return gate + L".MainWindow";
}

// The user a process runs as, as the bytes of its SID; empty when it cannot be told.
std::string userOf(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return {};
    const KernelHandle owned(token);
    alignas(TOKEN_USER) unsigned char buffer[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE] = {};
    DWORD size = 0;
    if (!GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size))
        return {};
    const PSID sid = reinterpret_cast<const TOKEN_USER*>(buffer)->User.Sid;
    if (!IsValidSid(sid))
        return {};
    return std::string(static_cast<const char*>(sid), GetLengthSid(sid));
}

// Whether another process runs the program file this gate is named for, as this user.
bool runsThisProgramAsUs(DWORD processId, const std::wstring& gate, std::wstring_view prefix) {
    const KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process)
        return false;
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process.get(), 0, path.data(), &length))
        return false;
    path.resize(length);
    const std::string user = userOf(process.get());
    return instanceGateName(prefix, path) == gate && !user.empty() &&
           user == userOf(GetCurrentProcess());
}

// The main window that a running instance published, if it is one of ours in another process.
HWND publishedWindow(const std::wstring& gate, std::wstring_view prefix) {
    const KernelHandle note(OpenFileMappingW(FILE_MAP_READ, FALSE, noteName(gate).c_str()));
    if (!note)
        return nullptr;
    const void* view = MapViewOfFile(note.get(), FILE_MAP_READ, 0, 0, noteSize);
    if (!view)
        return nullptr;
    std::uint64_t value = 0;
    std::memcpy(&value, view, sizeof value);
    UnmapViewOfFile(view);
    const auto window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
    wchar_t windowClass[32] = {};
    DWORD process = 0;
    // Anyone may have made the note: the window must be a form of this program, run by
    // this user, before it is handed anything or let come to the front.
    if (!window || !IsWindow(window) || !GetClassNameW(window, windowClass, 32) ||
        std::wcscmp(windowClass, L"GlyphmereForm") != 0 ||
        !GetWindowThreadProcessId(window, &process) || process == GetCurrentProcessId() ||
        !runsThisProgramAsUs(process, gate, prefix))
        return nullptr;
    return window;
}

} // namespace

bool Win32System::previousInstance() {
    // The mutex lives as long as this process; the first process to create it owns the name.
    if (!instanceMutex_) {
        instanceMutex_.reset(CreateMutexW(nullptr, FALSE, instanceName_.c_str()));
        const DWORD error = GetLastError();
        // Access denied: an instance runs with rights this one lacks (elevated).
        anotherRunning_ =
            instanceMutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
        if (instanceMutex_ && !anotherRunning_) {
            // The note is made as the gate is won: one made before is someone else's, and
            // this instance then publishes nothing.
            mainWindowNote_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                                     0, noteSize, noteName(instanceName_).c_str()));
            if (mainWindowNote_ && GetLastError() == ERROR_ALREADY_EXISTS)
                mainWindowNote_.reset();
        }
    }
    return anotherRunning_;
}

void Win32System::publishMainWindow(HWND window) {
    if (!mainWindowNote_)
        return;
    void* view = MapViewOfFile(mainWindowNote_.get(), FILE_MAP_WRITE, 0, 0, noteSize);
    if (!view)
        return;
    const auto value = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window));
    std::memcpy(view, &value, sizeof value);
    UnmapViewOfFile(view);
}

bool Win32System::sendToRunningInstance(std::uintptr_t kind, std::string_view bytes) {
    // The running one publishes its window once its fonts are read: wait a while for that.
    HWND window = nullptr;
    for (int attempt = 0; attempt < 100; ++attempt) {
        window = publishedWindow(instanceName_, gatePrefix_);
        if (window)
            break;
        Sleep(100);
    }
    if (!window || bytes.size() > MAXDWORD)
        return false;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    AllowSetForegroundWindow(process); // it comes to the front itself
    COPYDATASTRUCT data{kind, static_cast<DWORD>(bytes.size()), const_cast<char*>(bytes.data())};
    DWORD_PTR answer = 0;
    // The running one only keeps the files before it answers.
    return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG, 5000, &answer) &&
           answer;
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
