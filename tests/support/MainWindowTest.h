#pragma once
// A test on the real main window, started and read as at program start with every seam
// faked; helpers that click and type as a user does.
#include "app/App.h"
#include "platform/Clipboard.h"
#include "support/Drive.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        if (world.fonts.names.empty())
            world.fonts.names = {L"Times New Roman", L"Arial Black", L"Verdana",
                                 L"Arial",           L"Courier New", L"Arial Rounded Bold",
                                 L"Symbol",          L"Tahoma",      L"Wingdings"};
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(
            drive::pumpUntil(loop(), [&] { return !app.readForm().ReadingTimer.enabled(); }));
    }
    app::MessageLoop& loop() { return app.loop(); }
    forms::MainForm& main() { return app.mainForm(); }
    int indexOf(const std::wstring& name) {
        for (int i = 0; i < main().FontList.listCount(); ++i)
            if (main().FontList.list(i) == name)
                return i;
        return -1;
    }
    // A mouse click on an entry of a list, through the loop.
    void clickEntry(ui::ListBox& list, int index) {
        SendMessageW(list.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        const int top = static_cast<int>(SendMessageW(list.hwnd(), LB_GETTOPINDEX, 0, 0));
        const int row = static_cast<int>(SendMessageW(list.hwnd(), LB_GETITEMHEIGHT, 0, 0));
        drive::click(list.hwnd(), 20, (index - top) * row + row / 2);
        loop().yield();
    }
    void chooseFont(const std::wstring& name) {
        clickEntry(main().FontList, indexOf(name));
        ASSERT_EQ(main().FontList.text(), name);
    }
    void checkBox(ui::CheckBox& box) {
        drive::click(box.hwnd(), 5, 5);
        loop().yield();
    }
    void findText(const std::wstring& text) {
        main().FontFind.setFocus();
        drive::type(loop(), main().FontFind.hwnd(), text);
    }
    const fakes::MessageBoxCall& lastMessage() {
        static const fakes::MessageBoxCall none{L"(none)", 0, L""};
        return world.prompts.messageBoxes.empty() ? none : world.prompts.messageBoxes.back();
    }

    fakes::World world;
    app::App app{world.services};
};

// ---- the real clipboard ----

inline UINT otherFormat() {
    return RegisterClipboardFormatW(L"Glyphmere.Test.Other");
}

// Text and a second format, as another program might leave the clipboard.
inline void fillClipboard(const std::wstring& text) {
    ASSERT_EQ(platform::clipboard::setText(nullptr, text), platform::clipboard::Result::Done);
    ASSERT_TRUE(OpenClipboard(nullptr));
    SetClipboardData(otherFormat(), GlobalAlloc(GMEM_MOVEABLE, 4));
    CloseClipboard();
}

inline std::wstring clipboardText() {
    return platform::clipboard::text(nullptr).value_or(L"(no text)");
}

// Keeps the clipboard open from another thread, as a busy program does, while it lives.
class ClipboardHolder {
public:
    ClipboardHolder()
        : thread_([this] {
              opened_ = OpenClipboard(nullptr) != 0;
              holding_ = true;
              while (!release_)
                  Sleep(5);
              if (opened_)
                  CloseClipboard();
          }) {
        while (!holding_)
            Sleep(1);
    }
    ~ClipboardHolder() {
        release_ = true;
        thread_.join();
    }
    bool opened() const { return opened_; }

private:
    std::atomic<bool> holding_{false}, release_{false}, opened_{false};
    std::thread thread_;
};
