// From process start to the main window's first state, and every way out, with the
// outside world faked.
#include "app/App.h"
#include "support/Drive.h"
#include "support/Fakes.h"
#include "support/Process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

class Startup : public testing::Test {
protected:
    // Runs the program up to the end of the reading: main window shown, timer off.
    void startAndRead() {
        ASSERT_TRUE(app.start());
        EXPECT_TRUE(app.readForm.visible());
        ASSERT_TRUE(drive::pumpUntil(
            app.loop, [&] { return !app.readForm.ReadingTimer.enabled() || world.system.ends > 0; },
            60000));
    }

    void expectFirstState(const std::wstring& firstFont) {
        auto& mainForm = app.mainForm;
        EXPECT_TRUE(mainForm.visible());
        EXPECT_FALSE(app.readForm.visible());
        EXPECT_TRUE(IsWindow(app.readForm.hwnd())) << "the splash stays loaded, hidden";
        EXPECT_FALSE(app.readForm.ReadingTimer.enabled());
        EXPECT_EQ(mainForm.FontList.listIndex(), mainForm.FontList.listCount() > 0 ? 0 : -1);
        EXPECT_EQ(mainForm.Sizelist.text(), L"8");
        EXPECT_EQ(mainForm.BigText.text(), L"");
        EXPECT_EQ(mainForm.BigText.fontName(), firstFont);
        EXPECT_EQ(mainForm.BigText.fontSize(), 8.0f);
        EXPECT_FALSE(mainForm.BigText.fontBold());
        EXPECT_FALSE(mainForm.BigText.fontItalic());
        EXPECT_FALSE(mainForm.BigText.fontUnderline());
        EXPECT_FALSE(mainForm.BigText.fontStrikethru());
        for (const controls::CheckBox* box :
             {&mainForm.Bold, &mainForm.Italic, &mainForm.Underline, &mainForm.Strikeout})
            EXPECT_EQ(box->value(), 0);
        // The load names the sample box; the find box then takes the focus as the window
        // shows, and with it the edit target.
        EXPECT_EQ(GetFocus(), mainForm.FontFind.hwnd());
        EXPECT_EQ(mainForm.WhichOne.text(), L"FontFind");
        EXPECT_EQ(GetForegroundWindow(), mainForm.hwnd()) << "the main window is in front";
        EXPECT_EQ(world.fonts.countCalls, 1) << "the count is read once";
        EXPECT_EQ(world.system.ends, 0);
    }

    fakes::World world;
    app::App app{world.services};
};

TEST_F(Startup, ThreeUnsortedNamesWithADuplicateAreListedSortedAndTheFirstIsShown) {
    world.fonts.names = {L"Zeta Sans", L"Alpha Serif", L"mono", L"Zeta Sans"};
    std::wstring targetWhileReading;
    world.fonts.onRead = [&](int) { targetWhileReading = app.mainForm.WhichOne.text(); };
    startAndRead();
    EXPECT_EQ(targetWhileReading, L"BigText");
    auto& list = app.mainForm.FontList;
    ASSERT_EQ(list.listCount(), 4) << "names are added as they come, duplicates included";
    EXPECT_EQ(list.list(0), L"Alpha Serif");
    EXPECT_EQ(list.list(1), L"mono");
    EXPECT_EQ(list.list(2), L"Zeta Sans");
    EXPECT_EQ(list.list(3), L"Zeta Sans");
    expectFirstState(L"Alpha Serif");
}

TEST_F(Startup, NoFontsLeavesTheListEmptyAndStillShowsTheMainWindow) {
    startAndRead();
    EXPECT_EQ(app.mainForm.FontList.listCount(), 0);
    EXPECT_EQ(app.mainForm.FontList.text(), L"");
    expectFirstState(L"Tahoma");
}

TEST_F(Startup, ThirtyThousandNamesAreReadOnceWhileTicksFallDue) {
    std::vector<std::wstring> names;
    for (int i = 0; i < 30000; ++i)
        names.push_back(L"Font " + std::to_wstring(100000 + i));
    std::shuffle(names.begin(), names.end(), std::mt19937(7));
    world.fonts.names = names;
    // The splash paints and its timer falls due while the names are read: the reading
    // waits here for a tick of the timer, which then finds the reading under way.
    int ticks = 0, ticksDuringReading = 0;
    auto& timer = app.readForm.ReadingTimer;
    timer.onTick = [&, tick = timer.onTick] {
        ++ticks;
        tick();
    };
    world.fonts.onRead = [&](int index) {
        if (index == 20000) {
            const int before = ticks;
            drive::pumpUntil(
                app.loop, [&] { return ticks > before; }, 5000);
            ticksDuringReading = ticks - before;
        }
    };
    const ULONGLONG started = GetTickCount64();
    startAndRead();
    const ULONGLONG took = GetTickCount64() - started;
    auto& list = app.mainForm.FontList;
    ASSERT_EQ(list.listCount(), 30000) << "a tick during the reading adds no name twice";
    EXPECT_EQ(list.list(0), L"Font 100000");
    EXPECT_EQ(list.list(29999), L"Font 129999");
    expectFirstState(L"Font 100000");
    EXPECT_GE(ticksDuringReading, 1) << "the timer ticked while the names were read";
    std::printf("read 30,000 names in %llu ms\n", took);
}

TEST_F(Startup, TheSplashsCloseEndsTheProcessInTheMiddleOfTheReading) {
    for (int i = 0; i < 30000; ++i)
        world.fonts.names.push_back(L"Font " + std::to_wstring(i));
    int readAtEnd = -1;
    world.system.onEnd = [&] { readAtEnd = world.fonts.lastIndex; };
    world.fonts.onRead = [&](int index) {
        if (index == 1000)
            drive::click(app.readForm.CloseClick.hwnd()); // handled by the next yield
    };
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(drive::pumpUntil(
        app.loop, [&] { return world.system.ends > 0; }, 60000));
    EXPECT_EQ(world.system.lastExitCode, 0u);
    EXPECT_GE(readAtEnd, 1000);
    EXPECT_LT(readAtEnd, 1010) << "ended at once, not after the reading";
}

TEST_F(Startup, ACloseRequestToTheSplashEndsTheProcessLikeItsClosePicture) {
    ASSERT_TRUE(app.start());
    PostMessageW(app.readForm.hwnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(drive::pumpUntil(app.loop, [&] { return world.system.ends > 0; }));
    EXPECT_EQ(world.system.lastExitCode, 0u);
    EXPECT_FALSE(IsWindow(app.mainForm.hwnd())) << "ended before the reading began";
}

TEST_F(Startup, AnotherInstanceRunningEndsSilentlyBeforeAnyWindowShows) {
    world.system.anotherRunning = true;
    EXPECT_FALSE(app.start());
    EXPECT_EQ(world.system.ends, 1);
    EXPECT_EQ(world.system.lastExitCode, 0u);
    EXPECT_FALSE(app.readForm.visible());
    EXPECT_FALSE(IsWindow(app.mainForm.hwnd()));
    EXPECT_TRUE(world.prompts.messageBoxes.empty());
    // No tick starts the reading: by the time a timer of the splash's interval, set now,
    // has ticked, the splash's own would have.
    const UINT interval = controls::findControl(app.readForm.layout(), L"ReadingTimer")->interval;
    ASSERT_GT(interval, 0u);
    ASSERT_TRUE(drive::pumpPastTimer(app.loop, interval));
    EXPECT_FALSE(IsWindow(app.mainForm.hwnd()));
}

class Leaving : public Startup {
protected:
    void SetUp() override {
        world.fonts.names = {L"Arial", L"Courier New"};
        startAndRead();
        readForm = app.readForm.hwnd();
        ASSERT_TRUE(IsWindow(readForm));
    }
    void expectEndedWithTheMainWindowUnloaded() {
        EXPECT_GE(world.system.ends, 1);
        EXPECT_EQ(world.system.lastExitCode, 0u);
        EXPECT_FALSE(IsWindow(readForm)) << "the splash is unloaded first";
        EXPECT_FALSE(IsWindow(app.mainForm.hwnd()));
        EXPECT_TRUE(world.prompts.messageBoxes.empty()) << "no question to the user";
    }
    HWND readForm = nullptr;
};

TEST_F(Leaving, ByTheExitMenuItem) {
    PostMessageW(app.mainForm.hwnd(), WM_COMMAND, static_cast<WPARAM>(process::menuId(L"Quit")), 0);
    drive::pumpUntil(app.loop, [&] { return world.system.ends > 0; });
    expectEndedWithTheMainWindowUnloaded();
}

TEST_F(Leaving, ByTheBannersExitPicture) {
    drive::click(app.mainForm.Image9.hwnd());
    drive::pumpUntil(app.loop, [&] { return world.system.ends > 0; });
    expectEndedWithTheMainWindowUnloaded();
}

TEST_F(Leaving, ByACloseRequestOfTheWindowSystem) {
    PostMessageW(app.mainForm.hwnd(), WM_CLOSE, 0, 0);
    drive::pumpUntil(app.loop, [&] { return world.system.ends > 0; });
    expectEndedWithTheMainWindowUnloaded();
    EXPECT_EQ(world.system.ends, 1);
}

TEST_F(Leaving, MinimisingByMenuShortcutOrPictureChangesNothingElse) {
    auto& mainForm = app.mainForm;
    mainForm.BigText.setText(L"sample");
    const int selected = mainForm.FontList.listIndex();
    const auto minimized = [&] { return IsIconic(mainForm.hwnd()); };
    drive::click(mainForm.BigText.hwnd(), 5, 5); // the user works in the sample
    drive::pressKey(app.loop, mainForm.BigText.hwnd(), 'T', MOD_CONTROL);
    EXPECT_TRUE(drive::pumpUntil(app.loop, minimized, 2000));
    ShowWindow(mainForm.hwnd(), SW_RESTORE);
    EXPECT_FALSE(IsIconic(mainForm.hwnd()));
    EXPECT_EQ(GetFocus(), mainForm.BigText.hwnd()) << "back where the user was";
    EXPECT_EQ(mainForm.WhichOne.text(), L"BigText");
    drive::click(mainForm.Image8.hwnd());
    EXPECT_TRUE(drive::pumpUntil(app.loop, minimized, 2000));
    EXPECT_TRUE(IsWindow(mainForm.hwnd()));
    EXPECT_EQ(mainForm.BigText.text(), L"sample");
    EXPECT_EQ(mainForm.FontList.listIndex(), selected);
    EXPECT_EQ(world.system.ends, 0);
}

} // namespace
