#pragma once
// The main window with the program's folder a temporary one, and checks of the launches
// the shell was asked for, with every argument as the shell receives it.
#include "support/MainWindowTest.h"
#include "support/TempFolder.h"

class LaunchTest : public MainWindowTest {
protected:
    void SetUp() override {
        world.system.folder = folder.path();
        MainWindowTest::SetUp();
    }
    const fakes::Launch& lastLaunch() {
        static const fakes::Launch none{};
        return world.shell.launches.empty() ? none : world.shell.launches.back();
    }
    // "Open" with empty parameters and folder, owned by the readForm.
    void expectShellOpen(const fakes::Launch& launch, const std::wstring& file) {
        EXPECT_EQ(launch.owner, app.readForm.hwnd());
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
    std::wstring beside(const std::wstring& name) { return folder.file(name); }

    TempFolder folder;
};
