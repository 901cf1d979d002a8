// Launches through the shell, with every argument as the shell receives it.
#include "support/LaunchTest.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Launches = LaunchTest;

TEST_F(Launches, FontsFolderAndCharacterMapFromTheMenuAndThePictures) {
    key(VK_F2, 0);
    clickOn(mainForm().FontFolder);
    key(VK_F3, 0);
    clickOn(mainForm().CharacterMap);
    ASSERT_EQ(world.shell.launches.size(), 4u);
    // By full paths, never bare names the shell would look up beside us first.
    expectShellOpen(world.shell.launches[0], world.system.fonts);
    expectShellOpen(world.shell.launches[1], world.system.fonts);
    expectShellOpen(world.shell.launches[2], world.system.systemFiles + L"\\charmap.exe");
    expectShellOpen(world.shell.launches[3], world.system.systemFiles + L"\\charmap.exe");
    EXPECT_TRUE(world.prompts.messageBoxes.empty());
}

TEST_F(Launches, DocumentsBesideTheProgramAreHandedOverUntested) {
    key('F'); // the how-to page, although it is missing
    expectShellOpen(lastLaunch(), beside(L"Install Fonts.htm"));
    clickOn(mainForm().Image4);
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
        clickOn(app.aboutForm.About_License);
        clickOn(app.aboutForm.MinimizeToTray2);
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
        EXPECT_TRUE(lastMessageIs(warning, MB_ICONWARNING,
                                  inAbout ? app.aboutForm.hwnd() : mainForm().hwnd()));
        EXPECT_TRUE(world.shell.launches.empty());

        writeBytes(licence, "{\\rtf1 licence}");
        {
            const auto locked = lockFile(licence);
            ASSERT_TRUE(locked);
            openLicence(); // there, but nobody may read it
        }
        EXPECT_EQ(world.prompts.messageBoxes.size(), 2u);
        EXPECT_TRUE(world.shell.launches.empty());

        openLicence(); // there and readable
        EXPECT_EQ(world.prompts.messageBoxes.size(), 2u);
        ASSERT_EQ(world.shell.launches.size(), 1u);
        expectShellOpen(lastLaunch(), licence);
    }
}

} // namespace
