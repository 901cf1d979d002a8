#pragma once
// A test on the real main window, started and read as at program start with every seam
// faked; helpers that click and type as a user does. The clipboard is the user's again
// when the test ends.
#include "app/App.h"
#include "support/Clipboard.h"
#include "support/Drive.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        if (world.fonts.names.empty())
            world.fonts.names = {L"Times New Roman", L"Arial Black", L"Verdana",
                                 L"Arial",           L"Courier New", L"Arial Rounded Bold",
                                 L"Symbol",          L"Tahoma",      L"Wingdings"};
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(drive::pumpUntil(loop(), [&] { return !app.readForm.ReadingTimer.enabled(); }));
    }
    app::MessageLoop& loop() { return app.loop; }
    ui::MainForm& mainForm() { return app.mainForm; }
    int indexOf(const std::wstring& name) {
        for (int i = 0; i < mainForm().FontList.listCount(); ++i)
            if (mainForm().FontList.list(i) == name)
                return i;
        return -1;
    }
    // A mouse click on an entry of a list, through the loop.
    void clickEntry(controls::ListBox& list, int index) {
        SendMessageW(list.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        const int top = static_cast<int>(SendMessageW(list.hwnd(), LB_GETTOPINDEX, 0, 0));
        const int row = static_cast<int>(SendMessageW(list.hwnd(), LB_GETITEMHEIGHT, 0, 0));
        drive::click(list.hwnd(), 20, (index - top) * row + row / 2);
        loop().yield();
    }
    void chooseFont(const std::wstring& name) {
        clickEntry(mainForm().FontList, indexOf(name));
        ASSERT_EQ(mainForm().FontList.text(), name);
    }
    void checkBox(controls::CheckBox& box) {
        drive::click(box.hwnd(), 5, 5);
        loop().yield();
    }
    // A click at the middle of a control, through the loop.
    void clickOn(const controls::Control& control) {
        drive::click(control.hwnd());
        loop().yield();
    }
    // A key, Ctrl+ unless told otherwise, to whatever has the focus.
    void key(UINT vk, UINT modifiers = MOD_CONTROL) {
        drive::pressKey(loop(), GetFocus(), vk, modifiers);
    }
    void findText(const std::wstring& text) {
        mainForm().FontFind.setFocus();
        drive::type(loop(), mainForm().FontFind.hwnd(), text);
    }
    // Ctrl+O and Ctrl+S, with the file dialog answering this path.
    void openFile(const std::wstring& path) {
        world.prompts.fileAnswer = path;
        key('O');
    }
    void saveReport(const std::wstring& path) {
        world.prompts.fileAnswer = path;
        key('S');
    }
    // Text and a second format, as another program might leave the clipboard.
    void fillClipboard(const std::wstring& text) {
        ASSERT_TRUE(putOnClipboard(
            {{CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(text.c_str()),
                                          (text.size() + 1) * sizeof(wchar_t))},
             {otherFormat(), "else"}}));
    }

    // The last message box: its text, its style (MB_OK and an icon), the program's title
    // and the window it belongs to.
    testing::AssertionResult lastMessageIs(const std::wstring& text, UINT style, HWND owner) {
        if (world.prompts.messageBoxes.empty())
            return testing::AssertionFailure() << "no message was shown";
        const fakes::MessageBoxCall& last = world.prompts.messageBoxes.back();
        if (last.text == text && last.style == style && last.title == L"Glyphmere" &&
            last.owner == owner)
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "shown: " << testing::PrintToString(last.text) << ", style " << last.style
               << ", title " << testing::PrintToString(last.title) << ", owner " << last.owner;
    }

    ClipboardKeeper clipboard; // first: back as it was after the windows are gone
    fakes::World world;
    app::App app{world.services};
};
