// The details window on installed and previewed fonts, as the system and the fonts' own
// strings (written by tools/make_test_fonts.py) give them.
#include "platform/UserFonts.h"
#include "preview/FontDetails.h"
#include "preview/FontFileFaces.h"
#include "support/Drop.h"
#include "support/MainWindowTest.h"
#include "support/TempFolder.h"
#include "support/WindowText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

class Details : public MainWindowTest {
protected:
    // Alt+Enter on the family, as a user opens the details.
    void openDetails(const std::wstring& family) {
        chooseFont(family);
        mainForm().FontList.setFocus();
        key(VK_RETURN, MOD_ALT);
    }
    ui::DetailsForm& form() { return app.detailsForm; }
};

TEST_F(Details, TheWindowSaysWhatTheSystemAndTheFontSay) {
    const std::wstring dropped = testFont(L"GlyphmereDetails.ttf");
    ASSERT_TRUE(postDrop(mainForm().hwnd(), {dropped}));
    loop().yield();
    const struct {
        std::wstring family;
        std::vector<std::wstring> rows; // each a whole row of the window, lower case
        bool ownFont;                   // the vendor's site opens, the licence "address" not
    } rows[] = {
        {L"Glyphmere Details Test",
         {L"family: glyphmere details test", L"version: version 1.000", L"type: truetype outlines",
          L"copyright: copyright 2026 quillwright test foundry",
          L"vendor: quillwright test foundry", L"designer: ada designer",
          L"description: made for the tests. a tab and  a line break become spaces.",
          L"licence url: file:///c:/windows/system32/calc.exe", L"embedding: installable",
          L"glyphs: 3", L"file: " + lowerCase(dropped), L"installed: previewed, not installed"},
         true},
        {L"Tahoma",
         {L"family: tahoma", L"type: truetype outlines", L"installed: installed for all users"},
         false},
    };
    for (const auto& row : rows) {
        openDetails(row.family);
        ASSERT_TRUE(form().visible()) << row.family;
        EXPECT_FALSE(mainForm().enabled()) << "the main window waits";
        const std::wstring text = L"\n" + lowerCase(form().Facts.text());
        for (const std::wstring& expected : row.rows)
            EXPECT_NE(text.find(L"\n" + expected + L"\r\n"), std::wstring::npos)
                << expected << " in\n"
                << text;
        EXPECT_NE(text.find(L"\nfile: "), std::wstring::npos) << "its file, as the system has it";
        if (row.ownFont) {
            EXPECT_TRUE(form().VendorSite.enabled());
            EXPECT_FALSE(form().LicencePage.enabled());
        }
        // Ctrl+C on the caret's row; Esc back to the main window.
        key('C');
        EXPECT_EQ(clipboardText(), L"Family: " + row.family + L"\r\n");
        key(VK_ESCAPE, 0);
        EXPECT_FALSE(form().visible());
        EXPECT_TRUE(mainForm().enabled());
    }
}

TEST_F(Details, OnlyTheFontsWebAddressesAreOpened) {
    ASSERT_TRUE(postDrop(mainForm().hwnd(), {testFont(L"GlyphmereDetails.ttf")}));
    loop().yield();
    openDetails(L"Glyphmere Details Test");
    ASSERT_TRUE(form().visible());
    app.details.openAddress(preview::licenceUrlId); // file:///...calc.exe
    EXPECT_TRUE(world.shell.launches.empty()) << "a licence address that is no web address";
    clickOn(form().VendorSite);
    ASSERT_EQ(world.shell.launches.size(), 1u);
    EXPECT_EQ(world.shell.launches.back().file, L"https://vendor.example/fonts");
    clickOn(form().ShowInFolder);
    ASSERT_EQ(world.shell.launches.size(), 2u);
    EXPECT_EQ(world.shell.launches.back().parameters,
              L"/select,\"" + testFont(L"GlyphmereDetails.ttf") + L"\"");
}

// The value the user's Fonts key holds under that name, if any.
std::optional<std::wstring> userFontValue(const std::wstring& name) {
    wchar_t data[1024]{};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts",
                     name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(data);
}

// Takes what a test installed away again, however the test ends.
struct Uninstall {
    std::vector<std::wstring> files;
    ~Uninstall() { platform::userFonts::remove(files); }
};

// Install for the current user, then Remove, which leaves nothing of it. A family of two
// files installs both, into a font folder made for it, and goes whole; then, in that folder,
// a file of the name already there refuses the install and is left as it was.
TEST_F(Details, InstallingForThisUserAndRemovingLeaveNothingElse) {
    const std::wstring folder = platform::userFonts::folder();
    ASSERT_FALSE(folder.empty());
    const struct {
        std::wstring family;
        std::vector<std::wstring> files;
        bool fileThere; // else no font folder: a new profile has none
    } rows[] = {
        {L"Glyphmere Preview Test",
         {L"GlyphmerePreviewTest.ttf", L"GlyphmerePreviewTest-Bold.ttf"},
         false},
        {L"Glyphmere Details Test", {L"GlyphmereDetails.ttf"}, true},
    };
    for (const auto& row : rows) {
        Uninstall installed;
        std::vector<std::wstring> dropped, values;
        for (const std::wstring& name : row.files) {
            dropped.push_back(testFont(name));
            const auto named = preview::readInstallName(readBytes(dropped.back()));
            ASSERT_TRUE(named);
            installed.files.push_back(folder + L"\\" + name);
            values.push_back(named->fullName + L" (TrueType)");
        }
        const std::wstring& first = installed.files.front();
        if (!row.fileThere) {
            RemoveDirectoryW(folder.c_str());
            ASSERT_EQ(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES) << folder;
        }
        ASSERT_TRUE(postDrop(mainForm().hwnd(), dropped));
        loop().yield();
        openDetails(row.family);
        ASSERT_TRUE(form().InstallFont.visible());
        if (row.fileThere) {
            writeBytes(first, "mine");
            clickOn(form().InstallFont);
            EXPECT_EQ(readBytes(first), "mine");
            EXPECT_FALSE(userFontValue(values.front()));
            ASSERT_FALSE(world.prompts.messageBoxes.empty());
            EXPECT_NE(world.prompts.messageBoxes.back().text.find(L"changed nothing"),
                      std::wstring::npos);
            DeleteFileW(first.c_str());
        }
        clickOn(form().InstallFont);
        for (size_t i = 0; i < values.size(); ++i) {
            EXPECT_EQ(readBytes(installed.files[i]), readBytes(dropped[i]));
            EXPECT_EQ(userFontValue(values[i]), installed.files[i]);
        }
        EXPECT_NE(lowerCase(form().Facts.text()).find(L"\ninstalled: installed for this user\r\n"),
                  std::wstring::npos)
            << form().Facts.text();
        EXPECT_FALSE(form().InstallFont.visible());
        EXPECT_EQ(app.fontFiles.families(), 0) << "counted as installed, not previewed";
        EXPECT_GE(indexOf(row.family), 0);

        world.prompts.yesNoAnswer = IDNO;
        ASSERT_TRUE(form().RemoveFont.visible());
        clickOn(form().RemoveFont);
        EXPECT_NE(GetFileAttributesW(first.c_str()), INVALID_FILE_ATTRIBUTES) << "No keeps it";
        world.prompts.yesNoAnswer = IDYES;
        clickOn(form().RemoveFont);
        for (size_t i = 0; i < values.size(); ++i) {
            EXPECT_EQ(GetFileAttributesW(installed.files[i].c_str()), INVALID_FILE_ATTRIBUTES);
            EXPECT_FALSE(userFontValue(values[i])) << values[i];
        }
        EXPECT_EQ(indexOf(row.family), -1);
        EXPECT_FALSE(form().visible());
        EXPECT_TRUE(mainForm().enabled());
    }
}

} // namespace
