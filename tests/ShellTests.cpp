// Launches through the shell, with every argument as the shell receives it, and the
// about and feedback windows.
#include "shell/Support.h"
#include "support/MainWindowTest.h"
#include "support/TempFolder.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

class Launches : public MainWindowTest {
protected:
    void SetUp() override {
        world.system.folder = folder.path();
        MainWindowTest::SetUp();
    }
    void key(UINT vk, UINT modifiers = MOD_CONTROL) {
        drive::pressKey(loop(), GetFocus(), vk, modifiers);
    }
    void clickOn(const ui::Control& control) {
        drive::click(control.hwnd());
        loop().yield();
    }
    const fakes::Launch& lastLaunch() {
        static const fakes::Launch none{};
        return world.shell.launches.empty() ? none : world.shell.launches.back();
    }
    // "Open" with empty parameters and folder, owned by the splash.
    void expectShellOpen(const fakes::Launch& launch, const std::wstring& file) {
        EXPECT_EQ(launch.owner, app.readForm().hwnd());
        EXPECT_TRUE(launch.hasVerb);
        EXPECT_EQ(launch.verb, L"Open");
        EXPECT_EQ(launch.file, file);
        EXPECT_TRUE(launch.hasParameters) << "an empty text, not none";
        EXPECT_EQ(launch.parameters, L"");
        EXPECT_TRUE(launch.hasFolder) << "an empty text, not none";
        EXPECT_EQ(launch.folder, L"");
        EXPECT_EQ(launch.show, SW_SHOWNORMAL);
    }
    // No owner, the default verb, no parameters, "C:\".
    void expectSupportLaunch(const fakes::Launch& launch, const std::wstring& file) {
        EXPECT_EQ(launch.owner, nullptr);
        EXPECT_FALSE(launch.hasVerb) << "no verb, not an empty one";
        EXPECT_EQ(launch.file, file);
        EXPECT_FALSE(launch.hasParameters);
        EXPECT_TRUE(launch.hasFolder);
        EXPECT_EQ(launch.folder, L"C:\\");
        EXPECT_EQ(launch.show, SW_SHOWNORMAL);
    }
    std::wstring beside(const std::wstring& name) { return folder.path() + L"\\" + name; }

    TempFolder folder;
};

TEST_F(Launches, FontsFolderAndCharacterMapFromTheMenuAndThePictures) {
    key(VK_F2, 0);
    clickOn(main().FontFolder);
    key(VK_F3, 0);
    clickOn(main().CharacterMap);
    ASSERT_EQ(world.shell.launches.size(), 4u);
    expectShellOpen(world.shell.launches[0], L"Fonts");
    expectShellOpen(world.shell.launches[1], L"Fonts");
    expectShellOpen(world.shell.launches[2], L"charmap.exe");
    expectShellOpen(world.shell.launches[3], L"charmap.exe");
    EXPECT_TRUE(world.prompts.messageBoxes.empty());
}

TEST_F(Launches, DocumentsBesideTheProgramAreHandedOverUntested) {
    key('F'); // the how-to page, although it is missing
    expectShellOpen(lastLaunch(), beside(L"Install Fonts.htm"));
    clickOn(main().Image4);
    expectShellOpen(lastLaunch(), beside(L"Donate with PayPal.exe"));
    EXPECT_TRUE(world.prompts.messageBoxes.empty()) << "nothing from the program";
}

TEST_F(Launches, MailAndTheWebPage) {
    key('M');
    expectSupportLaunch(lastLaunch(), L"mailto:support@quillwright.example");
    key('W');
    expectSupportLaunch(lastLaunch(),
                        L"https://downloads.example.com/windows/fonts/glyphmere.html");
}

TEST_F(Launches, TheLicenceIsTestedFirstFromTheMenuAndFromTheAboutWindow) {
    const std::wstring warning =
        L"Glyphmere can not find the file License Agreement.rtf, Please reinstall the application";
    const auto fromMenu = [&] { key('L'); };
    const auto fromAbout = [&] {
        key('B');
        clickOn(app.aboutForm().About_License);
        clickOn(app.aboutForm().MinimizeToTray2);
    };
    const std::wstring licence = beside(L"License Agreement.rtf");
    for (const bool inAbout : {false, true}) {
        const auto openLicence =
            inAbout ? std::function<void()>(fromAbout) : std::function<void()>(fromMenu);
        DeleteFileW(licence.c_str());
        world.shell.launches.clear();
        world.prompts.messageBoxes.clear();
        openLicence(); // missing
        ASSERT_EQ(world.prompts.messageBoxes.size(), 1u);
        EXPECT_EQ(lastMessage().owner, inAbout ? app.aboutForm().hwnd() : main().hwnd());
        EXPECT_EQ(lastMessage().text, warning);
        EXPECT_EQ(lastMessage().style, 48u);
        EXPECT_EQ(lastMessage().title, L"Glyphmere");
        EXPECT_TRUE(world.shell.launches.empty());

        writeBytes(licence, "{\\rtf1 licence}");
        HANDLE locked = CreateFileW(licence.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        openLicence(); // there, but nobody may read it
        CloseHandle(locked);
        EXPECT_EQ(world.prompts.messageBoxes.size(), 2u);
        EXPECT_TRUE(world.shell.launches.empty());

        openLicence(); // there and readable
        EXPECT_EQ(world.prompts.messageBoxes.size(), 2u);
        ASSERT_EQ(world.shell.launches.size(), 1u);
        expectShellOpen(lastLaunch(), licence);
    }
}

// While it is set no window can be made, as when the handle quota is used up.
LRESULT CALLBACK noWindows(int code, WPARAM wParam, LPARAM lParam) {
    return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Launches, AnAboutOrFeedbackWindowThatCannotBeMadeLeavesTheMainWindowEnabled) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, noWindows, nullptr, GetCurrentThreadId());
    key('B');
    EXPECT_TRUE(main().enabled()) << "about";
    key('I');
    EXPECT_TRUE(main().enabled()) << "feedback";
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(app.aboutForm().loaded() || app.feedbackForm().loaded()) << "none was made";
}

TEST_F(Launches, TheAboutWindowWaitsForOkAndKeepsItsStateAndName) {
    world.system.user = std::wstring(143, L'n') + L"";
    world.system.user[0] = L'N';
    world.system.user[142] = L'Z';
    key('B');
    auto& about = app.aboutForm();
    ASSERT_TRUE(about.visible());
    EXPECT_FALSE(main().enabled()) << "the main window waits";
    EXPECT_EQ(about.UserName.caption(), world.system.user) << "the whole name";
    EXPECT_EQ(world.system.userNameCalls, 1);
    const HWND first = about.hwnd();

    clickOn(about.Label10);
    expectSupportLaunch(lastLaunch(),
                        L"https://downloads.example.com/windows/fonts/glyphmere.html");
    clickOn(about.Label6);
    expectSupportLaunch(lastLaunch(), L"mailto:support@quillwright.example");
    clickOn(about.Image1);
    expectShellOpen(lastLaunch(), beside(L"Donate with PayPal.exe"));

    clickOn(about.MinimizeToTray2);
    EXPECT_FALSE(about.visible());
    EXPECT_TRUE(about.loaded()) << "hidden, not unloaded";
    EXPECT_TRUE(main().enabled());
    EXPECT_EQ(GetForegroundWindow(), main().hwnd());

    world.system.user = L"Someone Else";
    key('B');
    EXPECT_EQ(about.hwnd(), first) << "the same window again";
    EXPECT_EQ(world.system.userNameCalls, 1) << "the name is asked once a run";
    EXPECT_EQ(about.UserName.caption().size(), 143u);
    // Esc closes it as OK does.
    drive::pressKey(loop(), GetFocus(), VK_ESCAPE);
    EXPECT_FALSE(about.visible());
    EXPECT_TRUE(main().enabled());
}

TEST_F(Launches, ALongUserNameEndsInDotsAndItsTipShowsItWhole) {
    world.system.user = std::wstring(143, L'W');
    key('B');
    auto& about = app.aboutForm();
    RECT name, donation;
    GetWindowRect(about.UserName.hwnd(), &name);
    GetWindowRect(about.Image1.hwnd(), &donation);
    EXPECT_LE(name.right, donation.left) << "it stops before the donation picture";
    EXPECT_TRUE(GetWindowLongPtrW(about.UserName.hwnd(), GWL_STYLE) & SS_ENDELLIPSIS);
    wchar_t tip[512] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = about.hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(about.UserName.hwnd());
    tool.lpszText = tip;
    SendMessageW(about.toolTips(), TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::wstring(tip), world.system.user);
}

TEST_F(Launches, TheFeedbackWindowTellsAFriendAndShowsItsNotes) {
    key('I');
    auto& feedback = app.feedbackForm();
    ASSERT_TRUE(feedback.visible());
    EXPECT_FALSE(main().enabled());
    EXPECT_FALSE(feedback.Mail.visible());

    world.prompts.inputAnswer = L""; // cancelled or nothing typed
    clickOn(feedback.Label4);
    ASSERT_EQ(world.prompts.inputPrompts.size(), 1u);
    EXPECT_EQ(world.prompts.inputPrompts[0], L"Please insert your friend's full mail address:");
    EXPECT_EQ(world.prompts.inputOwner, feedback.hwnd());
    EXPECT_TRUE(world.shell.launches.empty()) << "no mail";

    world.prompts.inputAnswer = L"my friend@example.org; x";
    clickOn(feedback.Label4);
    expectSupportLaunch(lastLaunch(), L"mailto:my friend@example.org; x");
    EXPECT_EQ(feedback.Mail.text(), L"my friend@example.org; x");

    const size_t launches = world.shell.launches.size();
    clickOn(feedback.Image1);
    EXPECT_EQ(lastMessage().text,
              L"Free registration required to vote and add a review at downloads.example.com");
    EXPECT_EQ(lastMessage().style, 64u);
    clickOn(feedback.Image2);
    EXPECT_EQ(lastMessage().text, L"Free registration required to add a review at "
                                  L"fileden.example.org (No registration required to vote)");
    EXPECT_EQ(lastMessage().owner, feedback.hwnd());
    EXPECT_EQ(lastMessage().style, 64u);
    EXPECT_EQ(lastMessage().title, L"Glyphmere");
    EXPECT_EQ(world.shell.launches.size(), launches) << "the notes open nothing";

    clickOn(feedback.Label8);
    expectShellOpen(lastLaunch(), L"https://downloads.example.com/");
    clickOn(feedback.Label12);
    expectShellOpen(lastLaunch(), L"https://fileden.example.org/");
    clickOn(feedback.Label6);
    expectSupportLaunch(lastLaunch(), L"mailto:support@quillwright.example");

    clickOn(feedback.Image3);
    EXPECT_FALSE(feedback.visible());
    EXPECT_TRUE(main().enabled());
    EXPECT_EQ(GetForegroundWindow(), main().hwnd());
    key('I');
    EXPECT_EQ(feedback.Mail.text(), L"my friend@example.org; x") << "as it was left";
}

TEST_F(Launches, MailToAFriendLoadsTheFeedbackWindowHiddenWhenNeeded) {
    ASSERT_FALSE(app.feedbackForm().loaded());
    shell::MailFriend(world.shell, app.feedbackForm());
    EXPECT_TRUE(app.feedbackForm().loaded());
    EXPECT_FALSE(app.feedbackForm().visible());
    expectSupportLaunch(lastLaunch(), L"mailto:");
}

TEST_F(Launches, LeavingWithTheAboutWindowOpenClosesIt) {
    key('B');
    ASSERT_TRUE(app.aboutForm().visible());
    PostMessageW(main().hwnd(), WM_CLOSE, 0, 0);
    drive::pumpUntil(loop(), [&] { return world.system.ends > 0; });
    EXPECT_EQ(world.system.ends, 1);
    EXPECT_FALSE(app.aboutForm().loaded());
}

} // namespace
