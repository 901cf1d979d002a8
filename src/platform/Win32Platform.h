#pragma once
#include "platform/Handles.h"
#include "platform/Services.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Win32FontCollection final : public FontCollection {
public:
    int count() override;
    std::wstring faceName(int index) override;

private:
    void read();
    bool read_ = false;
    std::vector<std::wstring> names_;
};

class Win32Prompts final : public Prompts {
public:
    int messageBox(HWND owner, const std::wstring& text, UINT style,
                   const std::wstring& title) override;
    std::wstring inputBox(HWND owner, const std::wstring& prompt, const std::wstring& title,
                          const std::wstring& initial) override;
    bool chooseColor(HWND owner, COLORREF& color) override;
    bool openFile(HWND owner, FileDialogRequest& request) override;
    bool saveFile(HWND owner, FileDialogRequest& request) override;

private:
    COLORREF customColors_[16] = {}; // kept for the run, as the colour dialog expects
};

class Win32Shell final : public Shell {
public:
    void execute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                 const wchar_t* folder, int show) override;
};

class Win32System final : public System {
public:
    // The single-instance gate is named by the prefix and this program file's path.
    explicit Win32System(std::wstring_view gatePrefix);
    ~Win32System() override;
    std::wstring userName() override;
    std::wstring programFolder() override;
    std::wstring systemFolder() override;
    std::wstring fontsFolder() override;
    bool previousInstance() override;
    void publishMainWindow(HWND window) override;
    bool sendToRunningInstance(std::uintptr_t kind, std::string_view bytes) override;
    unsigned long long memoryAvailable() override;
    void endProcess(unsigned exitCode) override;

private:
    static std::wstring programPath();
    std::wstring gatePrefix_;
    std::wstring instanceName_;
    KernelHandle instanceMutex_;
    KernelHandle mainWindowNote_; // names the main window to later starts
    bool anotherRunning_ = false;
};

} // namespace platform
