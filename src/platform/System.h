#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The process and the session it runs in.
class System {
public:
    virtual ~System() = default;
    virtual std::wstring userName() = 0;
    // The folder the running program was started from, without a trailing backslash.
    virtual std::wstring programFolder() = 0;
    // The system's own programs' folder (System32) and the Fonts folder, as full paths
    // without a trailing backslash: launches name them whole, never leaving the shell to
    // search, which looks in the current folder and the program's own first.
    virtual std::wstring systemFolder() = 0;
    virtual std::wstring fontsFolder() = 0;
    // True when another instance of the program is already running.
    virtual bool previousInstance() = 0;
    // Makes the running instance's main window known to a later start of the program.
    virtual void publishMainWindow(HWND window) = 0;
    // Hands data of a kind to the main window of the instance already running, waiting a
    // while for it to be published; whether that window took it.
    virtual bool sendToRunningInstance(std::uintptr_t kind, std::string_view bytes) = 0;
    // The bytes this process can still take: what the system can still commit, and no more
    // than its own free address space.
    virtual unsigned long long memoryAvailable() = 0;
    // Ends the process at once; the real one does not return.
    virtual void endProcess(unsigned exitCode) = 0;
};

} // namespace platform
