// The built program, started as a user starts it: one instance, the real fonts, and
// each way out ending the process with exit code 0.
#include "platform/Handles.h"
#include "platform/InstanceGate.h"
#include "platform/PrivateFonts.h"
#include "support/Drive.h"
#include "support/Drop.h"
#include "support/Process.h"
#include "support/ScreenReader.h"
#include "support/TempFolder.h"
#include "support/WindowText.h"
#include "ui/Product.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace process;

std::wstring programPath() {
    return ownFolder() + L"glyphmere.exe";
}

HWND fontListOf(HWND mainForm) {
    for (HWND list : childrenOfClass(mainForm, L"ListBox"))
        if (GetWindowLongW(list, GWL_STYLE) & LBS_SORT)
            return list;
    return nullptr;
}

HWND sampleBoxOf(HWND mainForm) {
    for (HWND edit : childrenOfClass(mainForm, L"Edit"))
        if ((GetWindowLongW(edit, GWL_STYLE) & ES_MULTILINE) && IsWindowVisible(edit))
            return edit;
    return nullptr;
}

// A click posted to a check box of another process; answers once it shows in its state.
bool clickUntilChecked(HWND box, LRESULT state) {
    PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    return drive::waitUntil([&] { return SendMessageW(box, BM_GETCHECK, 0, 0) == state; }, 5000);
}

TEST(EndToEnd, StartsWithTheInstalledFontsAndASecondStartEndsSilently) {
    Program first(programPath());
    ASSERT_TRUE(first.started());
    HWND mainForm = first.waitForMainWindow();
    ASSERT_NE(mainForm, nullptr);
    // The readForm hides right after the main window shows.
    EXPECT_TRUE(drive::waitUntil(
        [&] { return !topWindow(first.id(), GLYPHMERE_SPLASH_CAPTION, true); }, 2000))
        << "the readForm is hidden";
    EXPECT_NE(topWindow(first.id(), GLYPHMERE_SPLASH_CAPTION, false), nullptr)
        << "and stays loaded";

    HWND list = fontListOf(mainForm);
    ASSERT_NE(list, nullptr);
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    ASSERT_GT(count, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0) << "the first font is selected";
    bool hasTahoma = false;
    for (int i = 0; i < count; ++i) {
        const std::wstring name = listEntry(list, i);
        hasTahoma = hasTahoma || name == L"Tahoma";
        if (i > 0) {
            EXPECT_LE(CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE,
                                     listEntry(list, i - 1).c_str(), -1, name.c_str(), -1),
                      CSTR_EQUAL)
                << "sorted at " << i;
            EXPECT_NE(listEntry(list, i - 1), name) << "each family once";
        }
    }
    EXPECT_TRUE(hasTahoma);

    const int windowsBefore = visibleWindowsOf(first.id());
    Program second(programPath());
    ASSERT_TRUE(second.started());
    int secondWindowsSeen = 0;
    const bool ended = drive::waitUntil(
        [&] {
            secondWindowsSeen += visibleWindowsOf(second.id());
            return !second.running();
        },
        20000, [] { Sleep(5); });
    if (!ended)
        second.end(); // its windows are counted below; the first's checks still run
    EXPECT_TRUE(ended) << "the second start did not end within 20 seconds";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(secondWindowsSeen, 0) << "the second process shows nothing";

    EXPECT_TRUE(first.running());
    EXPECT_TRUE(IsWindowVisible(mainForm));
    EXPECT_EQ(visibleWindowsOf(first.id()), windowsBefore);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), count);
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(mainForm, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0)
        << "the first one still answers";
}

TEST(EndToEnd, TheDocumentsLieBesideTheProgram) {
    const std::pair<const wchar_t*, const char*> documents[] = {
        {L"Install Fonts.htm", "<!DOCT"},
        {L"License Agreement.rtf", "{\\rtf1"},
        {L"Donate with PayPal.exe", "MZ"}};
    for (const auto& [name, start] : documents)
        EXPECT_TRUE(readBytes(ownFolder() + name).starts_with(start))
            << testing::PrintToString(std::wstring(name));
}

TEST(EndToEnd, TheExeCarriesItsManifestAndVersion) {
    const std::wstring program = programPath();
    HMODULE image = LoadLibraryExW(program.c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr) << "a manifest";
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, found))),
                               SizeofResource(image, found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("supportedOS"), std::string::npos);
    FreeLibrary(image);

    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "version information";
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, info.data()));
    const auto value = [&](const wchar_t* name) {
        wchar_t* text = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&text), &length))
            return std::wstring();
        return std::wstring(text);
    };
    EXPECT_EQ(value(L"ProductName"), L"Glyphmere");
    EXPECT_EQ(value(L"ProductVersion"), GLYPHMERE_VERSION_W);
    EXPECT_EQ(value(L"CompanyName"), L"Quillwright Software");
    EXPECT_FALSE(value(L"FileDescription").empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS,
              static_cast<DWORD>(MAKELONG(GLYPHMERE_VERSION_MINOR, GLYPHMERE_VERSION_MAJOR)));
}

TEST(EndToEnd, ExitMenuItemEndsWithCodeZero) {
    Program program(programPath());
    HWND mainForm = program.waitForMainWindow();
    ASSERT_NE(mainForm, nullptr);
    PostMessageW(mainForm, WM_COMMAND, static_cast<WPARAM>(menuId(L"Quit")), 0);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(EndToEnd, BannerExitPictureEndsWithCodeZero) {
    Program program(programPath());
    HWND mainForm = program.waitForMainWindow();
    ASSERT_NE(mainForm, nullptr);
    // The close picture at the banner's right.
    ASSERT_NE(drive::clickChildAt(mainForm, 688, 16), nullptr);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(EndToEnd, CloseRequestEndsWithCodeZero) {
    Program program(programPath());
    HWND mainForm = program.waitForMainWindow();
    ASSERT_NE(mainForm, nullptr);
    PostMessageW(mainForm, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

// The gate is the program file's own: a Glyphmere installed elsewhere, as a developer's own
// copy is, does not keep the tests' program from starting; the same file, however its path
// is spelled, does.
TEST(EndToEnd, AGlyphmereHoldingTheUsualGateDoesNotKeepTheTestsProgramFromStarting) {
    const std::wstring ownInLowerCase = lowerCase(programPath());
    const struct {
        std::wstring heldBy;
        bool starts;
    } rows[] = {{L"C:\\Program Files\\Glyphmere\\glyphmere.exe", true}, {ownInLowerCase, false}};
    for (const auto& row : rows) {
        const platform::KernelHandle gate(CreateMutexW(
            nullptr, FALSE,
            platform::instanceGateName(ui::product::instanceGate, row.heldBy).c_str()));
        ASSERT_TRUE(gate);
        Program program(programPath());
        if (row.starts) {
            HWND mainForm = program.waitForMainWindow();
            ASSERT_NE(mainForm, nullptr) << row.heldBy;
            PostMessageW(mainForm, WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(program.exitCode(), 0) << row.heldBy << ": ended by itself, or closed";
    }
}

TEST(EndToEnd, SplashClosePictureEndsWithCodeZero) {
    Program program(programPath());
    HWND readForm = program.waitForWindow(GLYPHMERE_SPLASH_CAPTION);
    ASSERT_NE(readForm, nullptr);
    ASSERT_NE(drive::clickChildAt(readForm, 336, 14), nullptr);
    EXPECT_EQ(program.exitCode(), 0);
}

// ---- from another program: a screen reader, and a file dropped from the shell ----

TEST(EndToEnd, AScreenReaderHearsEachPictureAndTheLinkByNameRoleAndDefaultAction) {
    Program program(programPath());
    HWND mainForm = program.waitForMainWindow();
    ASSERT_NE(mainForm, nullptr);
    ScreenReader reader;
    std::map<std::wstring, long> named;
    int unnamed = 0;
    for (HWND picture : childrenOfClass(mainForm, L"GlyphmerePicture")) {
        const auto answer = reader.read(picture);
        ASSERT_EQ(answer.found, S_OK);
        // A button is pressed; a picture that does nothing has nothing to do.
        EXPECT_EQ(answer.defaultAction, answer.role == ROLE_SYSTEM_PUSHBUTTON ? L"Press" : L"")
            << testing::PrintToString(answer.name);
        if (answer.name.empty()) {
            EXPECT_EQ(answer.role, ROLE_SYSTEM_GRAPHIC);
            ++unnamed;
        } else {
            EXPECT_TRUE(named.emplace(answer.name, answer.role).second) << "one of each";
        }
    }
    EXPECT_EQ(unnamed, 2) << "the logo and the effects picture";
    // Their tool tips, read without the dots or spaces around them; the search picture
    // does nothing and is no button.
    constexpr long button = ROLE_SYSTEM_PUSHBUTTON;
    const std::map<std::wstring, long> expected = {
        {L"Donate with PayPal", button},
        {L"Exit Glyphmere", button},
        {L"Minimize to taskbar", button},
        {L"Refresh fonts list", button},
        {L"Open Windows Fonts folder", button},
        {L"Report", button},
        {L"Copy font name", button},
        {L"Fonts Counter", button},
        {L"Run Windows\u00AE Character Map", button},
        {L"Search >", ROLE_SYSTEM_GRAPHIC},
        {L"Open File", button},
        {L"Colors", button},
        {L"Cut", button},
        {L"Copy", button},
        {L"Paste", button},
        {L"Delete", button},
        {L"Undo", button},
        {L"Remove Current Text", button},
    };
    EXPECT_EQ(named, expected);

    HWND link = childWithText(mainForm, L"Static", L"Remove all effects");
    ASSERT_NE(link, nullptr);
    const auto answer = reader.read(link);
    EXPECT_EQ(answer.name, L"Remove all effects");
    EXPECT_EQ(answer.role, ROLE_SYSTEM_LINK);
    EXPECT_EQ(answer.defaultAction, L"Jump");
    EXPECT_EQ(program.exitCode(0), -1) << "still running";
}

TEST(EndToEnd, AScreenReadersDefaultActionPressesTheButtonOrFollowsTheLink) {
    Program program(programPath());
    HWND mainForm = program.waitForMainWindow();
    ASSERT_NE(mainForm, nullptr);
    HWND sample = sampleBoxOf(mainForm);
    ASSERT_NE(sample, nullptr);
    SendMessageW(sample, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"to be removed"));
    ASSERT_EQ(windowText(sample), L"to be removed");
    HWND bold = childWithText(mainForm, L"Button", L"Bold"), removeText = nullptr;
    HWND removeEffects = childWithText(mainForm, L"Static", L"Remove all effects");
    ScreenReader reader;
    for (HWND picture : childrenOfClass(mainForm, L"GlyphmerePicture"))
        if (reader.read(picture).name == L"Remove Current Text")
            removeText = picture;
    ASSERT_TRUE(bold && removeText && removeEffects);

    // Not while the window waits, as for another window of the program.
    EnableWindow(mainForm, FALSE);
    EXPECT_NE(reader.doDefaultAction(removeText), S_OK);
    EnableWindow(mainForm, TRUE);
    EXPECT_EQ(reader.doDefaultAction(removeText), S_OK);
    EXPECT_TRUE(drive::waitUntil([&] { return windowText(sample).empty(); }, 5000))
        << windowText(sample).size();

    ASSERT_TRUE(clickUntilChecked(bold, BST_CHECKED));
    EXPECT_EQ(reader.doDefaultAction(removeEffects), S_OK);
    EXPECT_TRUE(drive::waitUntil(
        [&] { return SendMessageW(bold, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }, 5000));
}

bool underWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// The drop of a file from another process: loaded where the system hands the drop over
// (Windows); taken for nothing, with the program going on, where it does not (Wine).
TEST(EndToEnd, AFileDroppedByAnotherProgramLoadsWhereTheSystemPassesTheDropOnElseIsIgnored) {
    TempFolder folder;
    writeBytes(folder.file(L"dropped.txt"), "\xEF\xBB\xBF\xCE\x95\xCE\xBB dropped\r\nhere");
    writeBytes(folder.file(L"second.txt"), "second");
    Program program(programPath());
    HWND mainForm = program.waitForMainWindow();
    ASSERT_NE(mainForm, nullptr);
    HWND sample = sampleBoxOf(mainForm);
    HWND bold = childWithText(mainForm, L"Button", L"Bold");
    ASSERT_TRUE(sample && bold);
    EXPECT_TRUE(GetWindowLongW(mainForm, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    // The sender's own copy, freed when the test ends.
    const platform::GlobalBlock drop =
        makeDrop({folder.file(L"dropped.txt"), folder.file(L"second.txt")});
    ASSERT_TRUE(PostMessageW(mainForm, WM_DROPFILES, reinterpret_cast<WPARAM>(drop.get()), 0));
    // A click queued behind the drop: once it shows, the drop has been handled.
    ASSERT_TRUE(clickUntilChecked(bold, BST_CHECKED));
    if (underWine()) {
        // Wine hands a drop posted by another process over as the bare handle, which means
        // nothing there (Windows copies the drop into the receiving process): the program
        // takes nothing from it and goes on.
        EXPECT_EQ(windowText(sample), L"");
    } else {
        EXPECT_TRUE(drive::waitUntil(
            [&] { return windowText(sample) == L"\u0395\u03BB dropped\r\nhere"; }, 5000))
            << windowText(sample).size();
    }
    SendMessageW(sample, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"still answering"));
    EXPECT_EQ(windowText(sample), L"still answering");
    PostMessageW(mainForm, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

// A second start with a font file hands it to the running Glyphmere, which previews it for
// itself alone: no other program sees the font, and once Glyphmere ends nothing of it stays.
TEST(EndToEnd, ASecondStartWithAFontFileHasTheRunningOnePreviewItForItselfAlone) {
    const std::wstring family = L"Glyphmere Preview Test";
    Program first(programPath());
    HWND mainForm = first.waitForMainWindow();
    ASSERT_NE(mainForm, nullptr);
    HWND list = fontListOf(mainForm);
    // Named as "Open with" and a command prompt name it: relative to the folder it starts in.
    const std::wstring font = testFont(L"GlyphmerePreviewTest.ttf");
    const auto slash = font.find_last_of(L'\\');
    Program second(programPath(), font.substr(slash + 1), font.substr(0, slash));
    EXPECT_EQ(second.exitCode(3000), 0) << "the second start ends at once";
    EXPECT_TRUE(drive::waitUntil(
        [&] {
            const LRESULT at = SendMessageW(list, LB_GETCURSEL, 0, 0);
            return at != LB_ERR && listEntry(list, static_cast<int>(at)) == family;
        },
        10000))
        << "previewed and selected";
    EXPECT_FALSE(platform::PrivateFonts::familyListed(family)) << "another program sees it";
    PostMessageW(mainForm, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_FALSE(platform::PrivateFonts::familyListed(family)) << "left installed";
}

// ---- started from a folder of the user's, with the system's names planted in it ----

// Wine's shell looks a bare program name up in the system's folders before the current
// one, and has no character map: a planted one runs only from the current folder.
TEST(EndToEnd, AfterAFileIsOpenedFromAFolderWithPlantedNamesF2AndF3StillReachTheSystems) {
    TempFolder planted;
    ASSERT_TRUE(CopyFileW((ownFolder() + L"marker.exe").c_str(),
                          planted.file(L"charmap.exe").c_str(), FALSE));
    ASSERT_TRUE(CreateDirectoryW(planted.file(L"Fonts").c_str(), nullptr)); // empty
    writeBytes(planted.file(L"sample.txt"), "from a download folder");

    Program program(programPath(), L"", planted.path());
    HWND mainForm = program.waitForMainWindow();
    ASSERT_NE(mainForm, nullptr);
    PostMessageW(mainForm, WM_COMMAND, static_cast<WPARAM>(menuId(L"OpenFileMenu")), 0);
    HWND dialog = program.waitForWindow(L"Open File");
    ASSERT_NE(dialog, nullptr);
    // The name typed into the file-name box: the dialog's first visible edit, wherever the
    // dialog's style puts it (Windows' newer dialog nests it deeper than cmb13).
    HWND name = nullptr;
    ASSERT_TRUE(drive::waitUntil([&] {
        for (HWND edit : childrenOfClass(dialog, L"Edit"))
            if (!name && IsWindowVisible(edit))
                name = edit;
        return name != nullptr;
    }));
    SendMessageW(name, WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(planted.file(L"sample.txt").c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(drive::waitUntil(
        [&] { return windowText(sampleBoxOf(mainForm)) == L"from a download folder"; }, 10000));

    const std::vector<HWND> before = topWindows();
    PostMessageW(mainForm, WM_COMMAND, static_cast<WPARAM>(menuId(L"CharacterMapButton")), 0);
    PostMessageW(mainForm, WM_COMMAND, static_cast<WPARAM>(menuId(L"OpenWinFonts")), 0);
    HWND fonts = nullptr; // Wine's window on a folder: the planted one is empty
    if (underWine()) {
        EXPECT_TRUE(drive::waitUntil(
            [&] {
                fonts = FindWindowW(L"ExplorerWClass", L"Fonts");
                const auto lists =
                    fonts ? childrenOfClass(fonts, L"SysListView32") : std::vector<HWND>{};
                return !lists.empty() && SendMessageW(lists[0], LVM_GETITEMCOUNT, 0, 0) > 0;
            },
            10000));
    }
    EXPECT_FALSE(drive::waitUntil([&] { return planted.names().size() > 3; }, 3000))
        << "the planted character map ran";
    // The system's Character Map and Fonts window close again, not to lie over later tests.
    for (HWND window : topWindows())
        if (std::find(before.begin(), before.end(), window) == before.end() &&
            (window == fonts || windowText(window) == L"Character Map" ||
             windowText(window) == L"Fonts"))
            PostMessageW(window, WM_CLOSE, 0, 0);
    PostMessageW(mainForm, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

// Unpacked into a folder that holds libraries of system names, told to prefer those (as
// Windows does for libraries it does not count among its known ones), it takes the system's;
// nor does F3 start a program of the character map's name that lies beside it.
TEST(EndToEnd, LibrariesOfSystemNamesBesideTheProgramAreNotLoaded) {
    // Each program copied into a folder of the user's, with libraries it loads by name planted
    // beside it: Glyphmere's delay-loaded ones; the theme library, which the system loads into
    // the donation program as it opens the page.
    const struct {
        std::wstring program, copy;
        std::vector<const wchar_t*> libraries;
    } rows[] = {{programPath(), L"unpacked.exe", {L"comctl32", L"oleacc"}},
                {ownFolder() + L"Donate with PayPal.exe", L"donate.exe", {L"uxtheme"}}};
    for (const auto& row : rows) {
        TempFolder unpacked;
        ASSERT_TRUE(CopyFileW(row.program.c_str(), unpacked.file(row.copy).c_str(), FALSE));
        ASSERT_TRUE(CopyFileW((ownFolder() + L"marker.exe").c_str(),
                              unpacked.file(L"charmap.exe").c_str(), FALSE));
        const std::wstring wine = L"Software\\Wine\\AppDefaults\\" + row.copy;
        for (const wchar_t* name : row.libraries) {
            CopyFileW((ownFolder() + L"planted.dll").c_str(),
                      unpacked.file(name + std::wstring(L".dll")).c_str(), FALSE);
            RegSetKeyValueW(HKEY_CURRENT_USER, (wine + L"\\DllOverrides").c_str(), name, REG_SZ,
                            L"native,builtin", 30);
        }
        Program program(unpacked.file(row.copy));
        if (row.copy == L"unpacked.exe") {
            HWND mainForm = program.waitForMainWindow();
            ASSERT_NE(mainForm, nullptr);
            // The screen readers' library comes in when one first asks.
            EXPECT_EQ(
                ScreenReader().read(childrenOfClass(mainForm, L"GlyphmerePicture").at(0)).role,
                ROLE_SYSTEM_PUSHBUTTON);
            PostMessageW(mainForm, WM_COMMAND, static_cast<WPARAM>(menuId(L"CharacterMapButton")),
                         0);
            EXPECT_FALSE(drive::waitUntil(
                [&] {
                    return GetFileAttributesW(unpacked.file(L"charmap.exe.ran").c_str()) !=
                           INVALID_FILE_ATTRIBUTES;
                },
                3000))
                << "the character map beside the program ran";
            PostMessageW(mainForm, WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(program.exitCode(20000), 0) << row.copy;
        RegDeleteTreeW(HKEY_CURRENT_USER, wine.c_str());
        for (const wchar_t* name : row.libraries)
            EXPECT_EQ(
                GetFileAttributesW(unpacked.file(name + std::wstring(L".dll.loaded")).c_str()),
                INVALID_FILE_ATTRIBUTES)
                << row.copy << " loaded the planted " << testing::PrintToString(name);
    }
}

// The release as a user unpacks it (the entry release_starts unpacks it first).
TEST(ReleasePackage, TheUnpackedProgramStartsAndShowsItsMainWindow) {
    const char* unpacked = std::getenv("GLYPHMERE_UNPACKED");
    ASSERT_TRUE(unpacked && *unpacked) << "GLYPHMERE_UNPACKED names the unpacked release";
    const std::wstring folder = ownFolder() + std::wstring(unpacked, unpacked + strlen(unpacked));
    ASSERT_NE(GetFileAttributesW((folder + L"\\glyphmere.exe").c_str()), INVALID_FILE_ATTRIBUTES);
    Program program(folder + L"\\glyphmere.exe");
    ASSERT_TRUE(program.started());
    HWND mainForm = program.waitForMainWindow();
    ASSERT_NE(mainForm, nullptr);
    PostMessageW(mainForm, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

} // namespace
