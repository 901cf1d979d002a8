// Font files previewed before they are installed: dropped on the main window or named when
// the program starts, they show in the list and the sample for this program alone.
#include "app/HandOver.h"
#include "platform/PreviewCopies.h"
#include "platform/PrivateFonts.h"
#include "support/Drop.h"
#include "support/MainWindowTest.h"
#include "support/TempFolder.h"
#include "support/WindowText.h"
#include "windows/AboutForm.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <tuple>
#include <utility>

namespace {

const std::wstring family = L"Glyphmere Preview Test"; // the test font's, as its name table says
const std::wstring largeFamily = L"Glyphmere Preview Large";
// Listed by its first 31 units, as the system keeps a face name.
const std::wstring longFamily =
    std::wstring(L"Glyphmere Preview With A Rather Long Family Name").substr(0, LF_FACESIZE - 1);

class FontFiles : public MainWindowTest {
protected:
    void drop(const std::vector<std::wstring>& files) {
        ASSERT_TRUE(postDrop(mainForm().hwnd(), files));
        loop().yield();
    }
    std::wstring countMessage() {
        key(VK_F4, 0);
        return world.prompts.messageBoxes.empty() ? L"" : world.prompts.messageBoxes.back().text;
    }
    TempFolder folder;
};

TEST_F(FontFiles, ADroppedFontShowsInTheListAndTheSampleForThisProgramAlone) {
    const std::wstring installed = countMessage();
    mainForm().Sizelist.setText(L"12");
    checkBox(mainForm().Bold);
    writeBytes(folder.file(L"notes.txt"), "text beside the font");
    ASSERT_FALSE(platform::PrivateFonts::familyListed(family));

    drop({testFont(L"GlyphmerePreviewTest.ttf"), testFont(L"GlyphmereLongName.ttf"),
          folder.file(L"notes.txt")});
    EXPECT_EQ(mainForm().FontList.text(), family) << "the first file's, in its sorted place";
    EXPECT_GE(indexOf(longFamily), 0) << "a long name as the system lists it";
    EXPECT_EQ(mainForm().FontList.list(indexOf(family) - 1), L"Courier New");
    EXPECT_EQ(mainForm().BigText.fontName(), family);
    EXPECT_EQ(mainForm().BigText.fontSize(), 12.0f) << "the size kept";
    EXPECT_TRUE(mainForm().BigText.fontBold()) << "a checked effect kept";
    EXPECT_EQ(mainForm().BigText.text(), L"text beside the font") << "the text file opened";
    EXPECT_TRUE(platform::PrivateFonts::familyListed(family));
    EXPECT_EQ(countMessage(), installed) << "installed fonts only";

    world.prompts.messageBoxes.clear();
    // Dropped again, another style of the family, or a file changed since it was dropped (a
    // font of real size, then the family shown already): shown as it is now, listed once.
    const struct {
        const wchar_t* font;
        bool changing; // its bytes written to Changing.TTF, and that file dropped
        const std::wstring& selected;
        int previewed; // list entries not installed
    } drops[] = {{L"GlyphmerePreviewTest.ttf", false, family, 2},
                 {L"GlyphmerePreviewTest-Bold.ttf", false, family, 2},
                 {L"GlyphmerePreviewLarge.ttf", true, largeFamily, 3},
                 {L"GlyphmerePreviewTest.ttf", true, family, 2}};
    for (const auto& row : drops) {
        std::wstring path = testFont(row.font);
        if (row.changing) {
            writeBytes(folder.file(L"Changing.TTF"), readBytes(path));
            path = folder.file(L"Changing.TTF");
        }
        mainForm().FontList.setText(L"Tahoma");
        drop({path});
        EXPECT_EQ(mainForm().FontList.text(), row.selected) << row.font;
        EXPECT_EQ(mainForm().FontList.listCount(),
                  static_cast<int>(world.fonts.names.size()) + row.previewed)
            << row.font;
    }
    EXPECT_TRUE(world.prompts.messageBoxes.empty());
    EXPECT_FALSE(platform::PrivateFonts::familyListed(largeFamily))
        << "the changed file's old font";
    // With its family selected, a style joining it makes the sample's font anew.
    const HFONT before = windowFont(mainForm().BigText.hwnd());
    drop({testFont(L"GlyphmerePreviewTest-Bold.ttf")});
    EXPECT_NE(windowFont(mainForm().BigText.hwnd()), before);

    mainForm().unload();
    EXPECT_FALSE(platform::PrivateFonts::familyListed(family)) << "gone with the main window";
}

TEST_F(FontFiles, AFileThatCannotBeShownIsNamedAndTheRestOfTheDropGoesOn) {
    const std::string font = readBytes(testFont(L"GlyphmerePreviewTest.ttf"));
    writeBytes(folder.file(L"cut.ttf"), font.substr(0, font.size() / 3));
    writeBytes(folder.file(L"text.otf"), "no font at all");
    // Under a family that the system has and the list has not.
    writeBytes(folder.file(L"installed.ttf"),
               fontRenamed(L"GlyphmerePreviewTest.ttf", "Glyphmere Preview Test", "Marlett"));
    // Under one the list has and the system has not (uninstalled since the list was read).
    writeBytes(
        folder.file(L"listed.ttf"),
        fontRenamed(L"GlyphmerePreviewTest.ttf", "Glyphmere Preview Test", "Arial Rounded Bold"));
    // A pipe whose server would see a reader connect.
    const std::wstring pipeName =
        L"\\\\.\\pipe\\glyphmere-test-" + std::to_wstring(GetCurrentProcessId()) + L".ttf";
    const platform::KernelHandle pipe(CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_OUTBOUND,
                                                       PIPE_TYPE_BYTE | PIPE_NOWAIT, 1, 4096, 4096,
                                                       0, nullptr));
    ASSERT_TRUE(pipe);
    // Each file, and what its message names besides it.
    const std::pair<std::wstring, std::wstring> rows[] = {
        {folder.file(L"cut.ttf"), L""},
        {folder.file(L"text.otf"), L""},
        {folder.file(L"missing.fon"), L""},
        {folder.file(L"installed.ttf"), L"\"Marlett\""},
        {folder.file(L"listed.ttf"), L"\"Arial Rounded Bold\""},
        {testFont(L"GlyphmereHidesTahoma.ttc"), L""},
        {pipeName, L""},
        {folder.file(L"installed.ttf:stream.ttf"), L""}};
    drop({testFont(L"GlyphmerePreviewTest.ttf")});
    const int entries = mainForm().FontList.listCount();
    mainForm().FontList.setText(L"Tahoma");
    mainForm().BigText.setText(L"the user's sample");
    std::vector<std::wstring> paths;
    for (const auto& [path, alsoNamed] : rows) {
        world.prompts.messageBoxes.clear();
        drop({path});
        ASSERT_EQ(world.prompts.messageBoxes.size(), 1u) << path;
        for (const std::wstring& named : {path, alsoNamed})
            EXPECT_NE(world.prompts.messageBoxes[0].text.find(named), std::wstring::npos) << path;
        EXPECT_EQ(world.prompts.messageBoxes[0].style, static_cast<UINT>(MB_OK | MB_ICONWARNING));
        EXPECT_EQ(mainForm().FontList.listCount(), entries) << path;
        EXPECT_EQ(mainForm().FontList.text(), L"Tahoma") << path;
        EXPECT_EQ(mainForm().BigText.text(), L"the user's sample") << path;
        paths.push_back(path);
    }
    EXPECT_FALSE(ConnectNamedPipe(pipe.get(), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PIPE_LISTENING)) << "no reader came";

    // Refused together, they are named in one message.
    world.prompts.messageBoxes.clear();
    drop(paths);
    ASSERT_EQ(world.prompts.messageBoxes.size(), 1u);
    for (const std::wstring& path : paths)
        EXPECT_NE(world.prompts.messageBoxes[0].text.find(path), std::wstring::npos) << path;
}

// Named when the program starts, as "Open with" does: previewed once the fonts are read.
TEST(FontFilesAtStart, AFontNamedOnTheCommandLineIsPreviewedOnceTheFontsAreRead) {
    // Copies a crash left, in a folder no running Glyphmere holds.
    const std::wstring copies = platform::PreviewCopies::usualParent();
    const std::wstring leftover = copies + L"\\left-by-a-crash";
    ASSERT_EQ(SHCreateDirectoryExW(nullptr, leftover.c_str(), nullptr), ERROR_SUCCESS);
    writeBytes(leftover + L"\\1.ttf", readBytes(testFont(L"GlyphmerePreviewTest.ttf")));
    fakes::World world;
    world.fonts.names = {L"Arial", L"Tahoma"};
    app::App app(world.services);
    app.openAfterStart({testFont(L"GlyphmerePreviewTest.ttf")});
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(drive::pumpUntil(app.loop, [&] { return !app.readForm.ReadingTimer.enabled(); }));
    EXPECT_EQ(GetFileAttributesW(leftover.c_str()), INVALID_FILE_ATTRIBUTES) << "swept at start";
    EXPECT_EQ(app.mainForm.FontList.text(), family);
    EXPECT_EQ(app.mainForm.BigText.fontName(), family);
    EXPECT_EQ(world.system.published, app.mainForm.hwnd()) << "for a later start to find";

    // What a later start hands over arrives as WM_COPYDATA: taken only when well made.
    const std::string good = app::handOver::encode({testFont(L"GlyphmerePreviewTest.ttf")});
    for (const auto& [kind, bytes, taken] :
         {std::tuple{app::handOver::kind, good, true},
          std::tuple{app::handOver::kind, good.substr(0, good.size() - 2), false},
          std::tuple{app::handOver::kind + 1, good, false}}) {
        COPYDATASTRUCT data{kind, static_cast<DWORD>(bytes.size()),
                            const_cast<char*>(bytes.data())};
        EXPECT_EQ(
            SendMessageW(app.mainForm.hwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) != 0,
            taken);
    }
    // Handed over while the about window has the main window wait, the files are kept, the
    // sender answered at once, and they are shown once that window closes.
    windows::openAboutForm(app.aboutForm, app.mainForm);
    const std::string later = app::handOver::encode({testFont(L"GlyphmereLongName.ttf")});
    COPYDATASTRUCT data{app::handOver::kind, static_cast<DWORD>(later.size()),
                        const_cast<char*>(later.data())};
    EXPECT_TRUE(SendMessageW(app.mainForm.hwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
    app.loop.yield();
    EXPECT_EQ(app.mainForm.FontList.findEntry(longFamily), -1) << "opened while it waits";
    windows::closeAboutForm(app.aboutForm, app.mainForm);
    EXPECT_TRUE(drive::pumpUntil(app.loop,
                                 [&] { return app.mainForm.FontList.findEntry(longFamily) >= 0; }));
    app.mainForm.unload();
    EXPECT_TRUE(RemoveDirectoryW(copies.c_str())) << "the copies gone with the main window";

    // A second start hands its files to the one that runs, and ends.
    fakes::World second;
    second.system.anotherRunning = true;
    app::App secondApp(second.services);
    secondApp.openAfterStart({testFont(L"GlyphmerePreviewTest.ttf")});
    EXPECT_FALSE(secondApp.start());
    ASSERT_EQ(second.system.handedOver.size(), 1u);
    EXPECT_EQ(second.system.handedOver[0], std::pair(app::handOver::kind, good));
}

} // namespace
