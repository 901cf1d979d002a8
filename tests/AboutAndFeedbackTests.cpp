// The about and feedback windows: each waits for its OK, keeps its state while hidden,
// and launches or tells what its links and pictures stand for.
#include "shell/Support.h"
#include "support/LaunchTest.h"
#include "support/WindowText.h"

#include <gtest/gtest.h>

namespace {

using SecondaryWindows = LaunchTest;
// These check which window is in front.
using SecondaryWindowsInFront = LaunchTest;

TEST_F(SecondaryWindowsInFront, TheAboutWindowWaitsForOkAndKeepsItsStateAndName) {
    world.system.user = std::wstring(143, L'n') + L"";
    world.system.user[0] = L'N';
    world.system.user[142] = L'Z';
    key('B');
    auto& aboutForm = app.aboutForm;
    ASSERT_TRUE(aboutForm.visible());
    EXPECT_FALSE(mainForm().enabled()) << "the main window waits";
    EXPECT_EQ(aboutForm.UserName.caption(), world.system.user) << "the whole name";
    EXPECT_EQ(world.system.userNameCalls, 1);
    const HWND first = aboutForm.hwnd();

    clickOn(aboutForm.Label10);
    expectSupportLaunch(lastLaunch(),
                        L"https://downloads.example.com/windows/fonts/glyphmere.html");
    clickOn(aboutForm.Label6);
    expectSupportLaunch(lastLaunch(), L"mailto:support@quillwright.example");
    clickOn(aboutForm.Image1);
    expectShellOpen(lastLaunch(), beside(L"Donate with PayPal.exe"));

    clickOn(aboutForm.MinimizeToTray2);
    EXPECT_FALSE(aboutForm.visible());
    EXPECT_TRUE(IsWindow(aboutForm.hwnd())) << "hidden, not unloaded";
    EXPECT_TRUE(mainForm().enabled());
    EXPECT_EQ(GetForegroundWindow(), mainForm().hwnd());

    world.system.user = L"Someone Else";
    key('B');
    EXPECT_EQ(aboutForm.hwnd(), first) << "the same window again";
    EXPECT_EQ(world.system.userNameCalls, 1) << "the name is asked once a run";
    EXPECT_EQ(aboutForm.UserName.caption().size(), 143u);
    // Esc closes it as OK does.
    key(VK_ESCAPE, 0);
    EXPECT_FALSE(aboutForm.visible());
    EXPECT_TRUE(mainForm().enabled());
}

TEST_F(SecondaryWindows, ALongUserNameEndsInDotsAndItsTipShowsItWhole) {
    world.system.user = std::wstring(143, L'W');
    key('B');
    auto& aboutForm = app.aboutForm;
    RECT name, donation;
    GetWindowRect(aboutForm.UserName.hwnd(), &name);
    GetWindowRect(aboutForm.Image1.hwnd(), &donation);
    EXPECT_LE(name.right, donation.left) << "it stops before the donation picture";
    EXPECT_TRUE(GetWindowLongPtrW(aboutForm.UserName.hwnd(), GWL_STYLE) & SS_ENDELLIPSIS);
    EXPECT_EQ(toolTipOf(aboutForm, aboutForm.UserName), world.system.user);
}

TEST_F(SecondaryWindowsInFront, TheFeedbackWindowTellsAFriendAndShowsItsNotes) {
    key('I');
    auto& forGlyphmere = app.forGlyphmere;
    ASSERT_TRUE(forGlyphmere.visible());
    EXPECT_FALSE(mainForm().enabled());
    EXPECT_FALSE(forGlyphmere.Mail.visible());

    world.prompts.inputAnswer = L""; // cancelled or nothing typed
    clickOn(forGlyphmere.Label4);
    ASSERT_EQ(world.prompts.inputPrompts.size(), 1u);
    EXPECT_EQ(world.prompts.inputPrompts[0], L"Please insert your friend's full mail address:");
    EXPECT_EQ(world.prompts.inputOwner, forGlyphmere.hwnd());
    EXPECT_TRUE(world.shell.launches.empty()) << "no mail";

    world.prompts.inputAnswer = L"my friend@example.org; x";
    clickOn(forGlyphmere.Label4);
    expectSupportLaunch(lastLaunch(), L"mailto:my friend@example.org; x");
    EXPECT_EQ(forGlyphmere.Mail.text(), L"my friend@example.org; x");

    const size_t launches = world.shell.launches.size();
    clickOn(forGlyphmere.Image1);
    EXPECT_TRUE(lastMessageIs(
        L"Free registration required to vote and add a review at downloads.example.com",
        MB_ICONINFORMATION, forGlyphmere.hwnd()));
    clickOn(forGlyphmere.Image2);
    EXPECT_TRUE(lastMessageIs(L"Free registration required to add a review at "
                              L"fileden.example.org (No registration required to vote)",
                              MB_ICONINFORMATION, forGlyphmere.hwnd()));
    EXPECT_EQ(world.shell.launches.size(), launches) << "the notes open nothing";

    clickOn(forGlyphmere.Label8);
    expectShellOpen(lastLaunch(), L"https://downloads.example.com/");
    clickOn(forGlyphmere.Label12);
    expectShellOpen(lastLaunch(), L"https://fileden.example.org/");
    clickOn(forGlyphmere.Label6);
    expectSupportLaunch(lastLaunch(), L"mailto:support@quillwright.example");

    clickOn(forGlyphmere.Image3);
    EXPECT_FALSE(forGlyphmere.visible());
    EXPECT_TRUE(mainForm().enabled());
    EXPECT_EQ(GetForegroundWindow(), mainForm().hwnd());
    key('I');
    EXPECT_EQ(forGlyphmere.Mail.text(), L"my friend@example.org; x") << "as it was left";
}

TEST_F(SecondaryWindows, MailToAFriendLoadsTheFeedbackWindowHiddenWhenNeeded) {
    ASSERT_FALSE(IsWindow(app.forGlyphmere.hwnd()));
    shell::Support::MailFriend(world.shell, app.forGlyphmere);
    EXPECT_TRUE(IsWindow(app.forGlyphmere.hwnd()));
    EXPECT_FALSE(app.forGlyphmere.visible());
    expectSupportLaunch(lastLaunch(), L"mailto:");
}

TEST_F(SecondaryWindows, LeavingWithTheAboutWindowOpenClosesIt) {
    key('B');
    ASSERT_TRUE(app.aboutForm.visible());
    PostMessageW(mainForm().hwnd(), WM_CLOSE, 0, 0);
    drive::pumpUntil(loop(), [&] { return world.system.ends > 0; });
    EXPECT_EQ(world.system.ends, 1);
    EXPECT_FALSE(IsWindow(app.aboutForm.hwnd()));
}

// While it is set no window can be made, as when the handle quota is used up.
LRESULT CALLBACK noWindows(int code, WPARAM wParam, LPARAM lParam) {
    return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(SecondaryWindows, AnAboutOrFeedbackWindowThatCannotBeMadeLeavesTheMainWindowEnabled) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, noWindows, nullptr, GetCurrentThreadId());
    key('B');
    EXPECT_TRUE(mainForm().enabled()) << "about";
    key('I');
    EXPECT_TRUE(mainForm().enabled()) << "feedback";
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(IsWindow(app.aboutForm.hwnd()) || IsWindow(app.forGlyphmere.hwnd()))
        << "none was made";
}

} // namespace
