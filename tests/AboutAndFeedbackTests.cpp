// The about and feedback windows: each waits for its OK, keeps its state while hidden,
// and launches or tells what its links and pictures stand for.
#include "shell/WebAndMail.h"
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
    auto& about = app.aboutForm();
    ASSERT_TRUE(about.visible());
    EXPECT_FALSE(main().enabled()) << "the main window waits";
    EXPECT_EQ(about.UserName.caption(), world.system.user) << "the whole name";
    EXPECT_EQ(world.system.userNameCalls, 1);
    const HWND first = about.hwnd();

    clickOn(about.VoteLink);
    expectSupportLaunch(lastLaunch(),
                        L"https://downloads.example.com/windows/fonts/glyphmere.html");
    clickOn(about.SupportMailLink);
    expectSupportLaunch(lastLaunch(), L"mailto:support@quillwright.example");
    clickOn(about.DonatePicture);
    expectShellOpen(lastLaunch(), beside(L"Donate with PayPal.exe"));

    clickOn(about.OkButton);
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
    key(VK_ESCAPE, 0);
    EXPECT_FALSE(about.visible());
    EXPECT_TRUE(main().enabled());
}

TEST_F(SecondaryWindows, ALongUserNameEndsInDotsAndItsTipShowsItWhole) {
    world.system.user = std::wstring(143, L'W');
    key('B');
    auto& about = app.aboutForm();
    RECT name, donation;
    GetWindowRect(about.UserName.hwnd(), &name);
    GetWindowRect(about.DonatePicture.hwnd(), &donation);
    EXPECT_LE(name.right, donation.left) << "it stops before the donation picture";
    EXPECT_TRUE(GetWindowLongPtrW(about.UserName.hwnd(), GWL_STYLE) & SS_ENDELLIPSIS);
    EXPECT_EQ(toolTipOf(about, about.UserName), world.system.user);
}

TEST_F(SecondaryWindowsInFront, TheFeedbackWindowTellsAFriendAndShowsItsNotes) {
    key('I');
    auto& feedback = app.feedbackForm();
    ASSERT_TRUE(feedback.visible());
    EXPECT_FALSE(main().enabled());
    EXPECT_FALSE(feedback.Mail.visible());

    world.prompts.inputAnswer = L""; // cancelled or nothing typed
    clickOn(feedback.TellAFriendLink);
    ASSERT_EQ(world.prompts.inputPrompts.size(), 1u);
    EXPECT_EQ(world.prompts.inputPrompts[0], L"Please insert your friend's full mail address:");
    EXPECT_EQ(world.prompts.inputOwner, feedback.hwnd());
    EXPECT_TRUE(world.shell.launches.empty()) << "no mail";

    world.prompts.inputAnswer = L"my friend@example.org; x";
    clickOn(feedback.TellAFriendLink);
    expectSupportLaunch(lastLaunch(), L"mailto:my friend@example.org; x");
    EXPECT_EQ(feedback.Mail.text(), L"my friend@example.org; x");

    const size_t launches = world.shell.launches.size();
    clickOn(feedback.FirstSiteNotePicture);
    EXPECT_TRUE(lastMessageIs(
        L"Free registration required to vote and add a review at downloads.example.com",
        MB_ICONINFORMATION, feedback.hwnd()));
    clickOn(feedback.SecondSiteNotePicture);
    EXPECT_TRUE(lastMessageIs(L"Free registration required to add a review at "
                              L"fileden.example.org (No registration required to vote)",
                              MB_ICONINFORMATION, feedback.hwnd()));
    EXPECT_EQ(world.shell.launches.size(), launches) << "the notes open nothing";

    clickOn(feedback.FirstSiteLink);
    expectShellOpen(lastLaunch(), L"https://downloads.example.com/");
    clickOn(feedback.SecondSiteLink);
    expectShellOpen(lastLaunch(), L"https://fileden.example.org/");
    clickOn(feedback.SupportMailLink);
    expectSupportLaunch(lastLaunch(), L"mailto:support@quillwright.example");

    clickOn(feedback.ClosePicture);
    EXPECT_FALSE(feedback.visible());
    EXPECT_TRUE(main().enabled());
    EXPECT_EQ(GetForegroundWindow(), main().hwnd());
    key('I');
    EXPECT_EQ(feedback.Mail.text(), L"my friend@example.org; x") << "as it was left";
}

TEST_F(SecondaryWindows, MailToAFriendLoadsTheFeedbackWindowHiddenWhenNeeded) {
    ASSERT_FALSE(app.feedbackForm().loaded());
    shell::mailFriend(world.shell, app.feedbackForm());
    EXPECT_TRUE(app.feedbackForm().loaded());
    EXPECT_FALSE(app.feedbackForm().visible());
    expectSupportLaunch(lastLaunch(), L"mailto:");
}

TEST_F(SecondaryWindows, LeavingWithTheAboutWindowOpenClosesIt) {
    key('B');
    ASSERT_TRUE(app.aboutForm().visible());
    PostMessageW(main().hwnd(), WM_CLOSE, 0, 0);
    drive::pumpUntil(loop(), [&] { return world.system.ends > 0; });
    EXPECT_EQ(world.system.ends, 1);
    EXPECT_FALSE(app.aboutForm().loaded());
}

// While it is set no window can be made, as when the handle quota is used up.
LRESULT CALLBACK noWindows(int code, WPARAM wParam, LPARAM lParam) {
    return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(SecondaryWindows, AnAboutOrFeedbackWindowThatCannotBeMadeLeavesTheMainWindowEnabled) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, noWindows, nullptr, GetCurrentThreadId());
    key('B');
    EXPECT_TRUE(main().enabled()) << "about";
    key('I');
    EXPECT_TRUE(main().enabled()) << "feedback";
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(app.aboutForm().loaded() || app.feedbackForm().loaded()) << "none was made";
}

} // namespace
