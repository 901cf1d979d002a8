#pragma once
// Test doubles for the seams: they script answers and record what was asked of them.
#include "platform/Services.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fakes {

class FontCollection : public platform::FontCollection {
public:
    explicit FontCollection(std::vector<std::wstring> names = {}) : names(std::move(names)) {}
    int count() override {
        ++countCalls;
        return static_cast<int>(names.size());
    }
    std::wstring faceName(int index) override {
        lastIndex = index;
        if (onRead)
            onRead(index);
        return names.at(static_cast<size_t>(index));
    }

    std::vector<std::wstring> names;
    std::function<void(int)> onRead; // runs as each name is read
    int countCalls = 0;
    int lastIndex = -1;
};

struct MessageBoxCall {
    std::wstring text;
    UINT style;
    std::wstring title;
    HWND owner = nullptr;
};

class Prompts : public platform::Prompts {
public:
    int messageBox(HWND owner, const std::wstring& text, UINT style,
                   const std::wstring& title) override {
        messageBoxes.push_back({text, style, title, owner});
        waitAsModal(owner);
        return (style & MB_TYPEMASK) == MB_YESNO ? yesNoAnswer : IDOK;
    }
    std::wstring inputBox(HWND owner, const std::wstring& prompt, const std::wstring&,
                          const std::wstring&) override {
        inputPrompts.push_back(prompt);
        inputOwner = owner;
        return inputAnswer;
    }
    bool chooseColor(HWND, COLORREF& color) override {
        ++colorDialogs;
        colorOffered = color;
        if (!colorAnswer)
            return false; // cancelled
        color = *colorAnswer;
        return true;
    }
    bool openFile(HWND owner, platform::FileDialogRequest& request) override {
        return answerFile(owner, openRequests, request);
    }
    bool saveFile(HWND owner, platform::FileDialogRequest& request) override {
        return answerFile(owner, saveRequests, request);
    }

    std::vector<MessageBoxCall> messageBoxes;
    std::vector<std::wstring> inputPrompts;
    std::wstring inputAnswer;
    int yesNoAnswer = IDNO; // a Yes/No question's answer
    HWND inputOwner = nullptr;
    int colorDialogs = 0;
    COLORREF colorOffered = 0;
    std::optional<COLORREF> colorAnswer; // none: the user cancels
    std::vector<platform::FileDialogRequest> openRequests, saveRequests;
    std::wstring fileAnswer; // empty: the user cancels
    bool modal = false;      // as a real dialog or box: its owner waits while its own loop runs

private:
    void waitAsModal(HWND owner) {
        if (!modal)
            return;
        EnableWindow(owner, FALSE);
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
        EnableWindow(owner, TRUE);
    }
    bool answerFile(HWND owner, std::vector<platform::FileDialogRequest>& asked,
                    platform::FileDialogRequest& request) {
        asked.push_back(request);
        waitAsModal(owner);
        if (fileAnswer.empty())
            return false;
        request.fileName = fileAnswer;
        return true;
    }
};

struct Launch {
    HWND owner;
    bool hasVerb, hasParameters, hasFolder;
    std::wstring verb, file, parameters, folder;
    int show;
};

class Shell : public platform::Shell {
public:
    void execute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                 const wchar_t* folder, int show) override {
        launches.push_back({owner, verb != nullptr, parameters != nullptr, folder != nullptr,
                            verb ? verb : L"", file ? file : L"", parameters ? parameters : L"",
                            folder ? folder : L"", show});
    }
    std::vector<Launch> launches;
};

class System : public platform::System {
public:
    std::wstring userName() override {
        ++userNameCalls;
        return user;
    }
    std::wstring programFolder() override { return folder; }
    std::wstring systemFolder() override { return systemFiles; }
    std::wstring fontsFolder() override { return fonts; }
    bool previousInstance() override { return anotherRunning; }
    void publishMainWindow(HWND window) override { published = window; }
    bool sendToRunningInstance(std::uintptr_t kind, std::string_view bytes) override {
        handedOver.push_back({kind, std::string(bytes)});
        return true;
    }
    unsigned long long memoryAvailable() override { return memory; }
    void endProcess(unsigned exitCode) override {
        ++ends;
        lastExitCode = exitCode;
        if (onEnd)
            onEnd();
    }

    std::wstring user = L"Tester";
    int userNameCalls = 0;
    std::wstring folder = L"C:\\Glyphmere";
    std::wstring systemFiles = L"D:\\System";
    std::wstring fonts = L"D:\\System\\Fonts";
    bool anotherRunning = false;
    HWND published = nullptr;
    std::vector<std::pair<std::uintptr_t, std::string>> handedOver;
    unsigned long long memory = 1ull << 32;
    int ends = 0;
    unsigned lastExitCode = 0xFFFFFFFFu;
    std::function<void()> onEnd;
};

// Every seam faked, ready to hand to the windows.
struct World {
    FontCollection fonts;
    Prompts prompts;
    Shell shell;
    System system;
    platform::Services services{fonts, prompts, shell, system};
};

} // namespace fakes
