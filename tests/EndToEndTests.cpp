// The built program, started as a user starts it: one instance, the real fonts, and
// each way out ending the process with exit code 0.
#include "support/Drop.h"
#include "support/Process.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <ole2.h>
#include <oleacc.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace process;

std::wstring programPath() {
    return ownFolder() + L"glyphmere.exe";
}

void clickAt(HWND window, int x, int y) {
    POINT at{x, y};
    HWND child = ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE);
    ASSERT_NE(child, nullptr);
    ASSERT_NE(child, window) << "a control lies at " << x << ", " << y;
    MapWindowPoints(window, child, &at, 1);
    PostMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageW(child, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

HWND fontListOf(HWND main) {
    for (HWND child : childrenOf(main)) {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        if (_wcsicmp(name, L"ListBox") == 0 && (GetWindowLongW(child, GWL_STYLE) & LBS_SORT))
            return child;
    }
    return nullptr;
}

std::wstring entry(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    return text;
}

TEST(EndToEnd, StartsWithTheInstalledFontsAndASecondStartEndsSilently) {
    Program first(programPath());
    ASSERT_TRUE(first.started());
    HWND main = first.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    // The splash hides right after the main window shows.
    for (int i = 0; i < 100 && topWindow(first.id(), L"Glyphmere 3.5", true); ++i)
        Sleep(20);
    EXPECT_EQ(topWindow(first.id(), L"Glyphmere 3.5", true), nullptr) << "the splash is hidden";
    EXPECT_NE(topWindow(first.id(), L"Glyphmere 3.5", false), nullptr) << "and stays loaded";

    HWND list = fontListOf(main);
    ASSERT_NE(list, nullptr);
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    ASSERT_GT(count, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0) << "the first font is selected";
    bool hasTahoma = false;
    for (int i = 0; i < count; ++i) {
        const std::wstring name = entry(list, i);
        hasTahoma = hasTahoma || name == L"Tahoma";
        if (i > 0) {
            EXPECT_LE(CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE,
                                     entry(list, i - 1).c_str(), -1, name.c_str(), -1),
                      CSTR_EQUAL)
                << "sorted at " << i;
            EXPECT_NE(entry(list, i - 1), name) << "each family once";
        }
    }
    EXPECT_TRUE(hasTahoma);

    const int windowsBefore = visibleWindowsOf(first.id());
    Program second(programPath());
    ASSERT_TRUE(second.started());
    int secondWindowsSeen = 0;
    while (second.running()) {
        secondWindowsSeen += visibleWindowsOf(second.id());
        Sleep(5);
    }
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(secondWindowsSeen, 0) << "the second process shows nothing";

    EXPECT_TRUE(first.running());
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(visibleWindowsOf(first.id()), windowsBefore);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), count);
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0)
        << "the first one still answers";
}

TEST(EndToEnd, TheDocumentsLieBesideTheProgram) {
    const std::wstring program = programPath();
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\') + 1);
    for (const wchar_t* name :
         {L"Install Fonts.htm", L"License Agreement.rtf", L"Donate with PayPal.exe"}) {
        const std::wstring path = folder + name;
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << std::string(path.begin(), path.end());
        char head[8] = {};
        DWORD read = 0;
        ReadFile(file, head, 6, &read, nullptr);
        CloseHandle(file);
        const std::string start(head, read);
        if (std::wstring(name).ends_with(L".rtf")) {
            EXPECT_EQ(start, "{\\rtf1");
        } else if (std::wstring(name).ends_with(L".exe")) {
            EXPECT_EQ(start.substr(0, 2), "MZ");
        } else {
            EXPECT_EQ(start, "<!DOCT");
        }
    }
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
    EXPECT_EQ(value(L"ProductVersion"), L"3.5");
    EXPECT_EQ(value(L"CompanyName"), L"Quillwright Software");
    EXPECT_FALSE(value(L"FileDescription").empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(5, 3));
}

TEST(EndToEnd, ExitMenuItemEndsWithCodeZero) {
    Program program(programPath());
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(menuId(L"Quit")), 0);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(EndToEnd, BannerExitPictureEndsWithCodeZero) {
    Program program(programPath());
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    clickAt(main, 688, 16); // the close picture at the banner's right
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(EndToEnd, CloseRequestEndsWithCodeZero) {
    Program program(programPath());
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(EndToEnd, SplashClosePictureEndsWithCodeZero) {
    Program program(programPath());
    HWND splash = program.waitForWindow(L"Glyphmere 3.5");
    ASSERT_NE(splash, nullptr);
    clickAt(splash, 336, 14);
    EXPECT_EQ(program.exitCode(), 0);
}

// ---- from another program: a screen reader, and a file dropped from the shell ----

std::vector<HWND> childrenOfClass(HWND parent, const wchar_t* wanted) {
    std::vector<HWND> found;
    for (HWND child : childrenOf(parent)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (_wcsicmp(name, wanted) == 0)
            found.push_back(child);
    }
    return found;
}

HWND sampleBoxOf(HWND main) {
    for (HWND edit : childrenOfClass(main, L"Edit"))
        if ((GetWindowLongW(edit, GWL_STYLE) & ES_MULTILINE) && IsWindowVisible(edit))
            return edit;
    return nullptr;
}

// By message: for another process's window, GetWindowText gives the caption it was made
// with, not what an edit holds now.
std::wstring textOf(HWND window) {
    std::wstring text(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end)
            return false;
        Sleep(20);
    }
    return true;
}

// What a screen reader asks of a control's client area, the way it asks it.
class ScreenReader {
public:
    ScreenReader() : com_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ScreenReader() {
        if (SUCCEEDED(com_))
            CoUninitialize();
    }
    struct Answer {
        HRESULT found = E_FAIL;
        std::wstring name;
        long role = 0;
    };
    Answer read(HWND control) const {
        Answer answer;
        IAccessible* object = open(control, answer.found);
        if (!object)
            return answer;
        BSTR name = nullptr;
        if (object->get_accName(self(), &name) == S_OK && name)
            answer.name = name;
        SysFreeString(name);
        VARIANT role;
        VariantInit(&role);
        if (SUCCEEDED(object->get_accRole(self(), &role)) && role.vt == VT_I4)
            answer.role = role.lVal;
        VariantClear(&role);
        object->Release();
        return answer;
    }
    HRESULT doDefaultAction(HWND control) const {
        HRESULT found = E_FAIL;
        IAccessible* object = open(control, found);
        if (!object)
            return found;
        const HRESULT done = object->accDoDefaultAction(self());
        object->Release();
        return done;
    }

private:
    static VARIANT self() {
        VARIANT child;
        VariantInit(&child);
        child.vt = VT_I4;
        child.lVal = CHILDID_SELF;
        return child;
    }
    static IAccessible* open(HWND control, HRESULT& found) {
        static constexpr GUID accessibleId{
            0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
        IAccessible* object = nullptr;
        found = AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), accessibleId,
                                           reinterpret_cast<void**>(&object));
        return SUCCEEDED(found) ? object : nullptr;
    }
    HRESULT com_;
};

TEST(EndToEnd, AScreenReaderHearsEveryPictureButtonByNameAsAPushButton) {
    Program program(programPath());
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    ScreenReader reader;
    std::map<std::wstring, long> named;
    int unnamed = 0;
    for (HWND picture : childrenOfClass(main, L"GlyphmerePicture")) {
        const auto answer = reader.read(picture);
        ASSERT_EQ(answer.found, S_OK);
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

    HWND link = nullptr;
    for (HWND label : childrenOfClass(main, L"Static"))
        if (textOf(label) == L"Remove all effects")
            link = label;
    ASSERT_NE(link, nullptr);
    const auto answer = reader.read(link);
    EXPECT_EQ(answer.name, L"Remove all effects");
    EXPECT_EQ(answer.role, ROLE_SYSTEM_LINK);
    EXPECT_EQ(program.exitCode(0), -1) << "still running";
}

TEST(EndToEnd, AScreenReadersDefaultActionPressesTheButtonOrFollowsTheLink) {
    Program program(programPath());
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    HWND sample = sampleBoxOf(main);
    ASSERT_NE(sample, nullptr);
    SendMessageW(sample, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"to be removed"));
    ASSERT_EQ(textOf(sample), L"to be removed");
    HWND bold = nullptr, removeText = nullptr, removeEffects = nullptr;
    for (HWND box : childrenOfClass(main, L"Button"))
        if (textOf(box) == L"Bold")
            bold = box;
    for (HWND label : childrenOfClass(main, L"Static"))
        if (textOf(label) == L"Remove all effects")
            removeEffects = label;
    ScreenReader reader;
    for (HWND picture : childrenOfClass(main, L"GlyphmerePicture"))
        if (reader.read(picture).name == L"Remove Current Text")
            removeText = picture;
    ASSERT_TRUE(bold && removeText && removeEffects);

    // Not while the window waits, as for another window of the program.
    EnableWindow(main, FALSE);
    EXPECT_NE(reader.doDefaultAction(removeText), S_OK);
    EnableWindow(main, TRUE);
    EXPECT_EQ(reader.doDefaultAction(removeText), S_OK);
    EXPECT_TRUE(waitFor([&] { return textOf(sample).empty(); })) << textOf(sample).size();

    PostMessageW(bold, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(bold, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(waitFor([&] { return SendMessageW(bold, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    EXPECT_EQ(reader.doDefaultAction(removeEffects), S_OK);
    EXPECT_TRUE(waitFor([&] { return SendMessageW(bold, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
}

bool underWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

TEST(EndToEnd, ATextFileDroppedByAnotherProgramLoadsIntoTheSample) {
    TempFolder folder;
    writeBytes(folder.file(L"dropped.txt"), "\xEF\xBB\xBF\xCE\x95\xCE\xBB dropped\r\nhere");
    writeBytes(folder.file(L"second.txt"), "second");
    Program program(programPath());
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    HWND sample = sampleBoxOf(main);
    HWND bold = nullptr;
    for (HWND box : childrenOfClass(main, L"Button"))
        if (textOf(box) == L"Bold")
            bold = box;
    ASSERT_TRUE(sample && bold);
    EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    HGLOBAL drop = makeDrop({folder.file(L"dropped.txt"), folder.file(L"second.txt")});
    ASSERT_TRUE(PostMessageW(main, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0));
    // A click queued behind the drop: once it shows, the drop has been handled.
    PostMessageW(bold, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(bold, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(waitFor([&] { return SendMessageW(bold, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    if (underWine()) {
        // Wine hands a drop posted by another process over as the bare handle, which means
        // nothing there (Windows copies the drop into the receiving process): the program
        // takes nothing from it and goes on.
        EXPECT_EQ(textOf(sample), L"");
    } else {
        EXPECT_TRUE(waitFor([&] { return textOf(sample) == L"\u0395\u03BB dropped\r\nhere"; }))
            << textOf(sample).size();
    }
    GlobalFree(drop); // the sender's own copy
    SendMessageW(sample, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"still answering"));
    EXPECT_EQ(textOf(sample), L"still answering");
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
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
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(menuId(L"OpenFileMenu")), 0);
    HWND dialog = program.waitForWindow(L"Open File");
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextW(dialog, cmb13, planted.file(L"sample.txt").c_str()); // the name typed
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(waitFor([&] { return textOf(sampleBoxOf(main)) == L"from a download folder"; }));

    PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(menuId(L"CharacterMapButton")), 0);
    PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(menuId(L"OpenWinFonts")), 0);
    HWND fonts = nullptr; // Wine's window on a folder: the planted one is empty
    if (underWine()) {
        EXPECT_TRUE(waitFor([&] {
            fonts = FindWindowW(L"ExplorerWClass", L"Fonts");
            const auto lists =
                fonts ? childrenOfClass(fonts, L"SysListView32") : std::vector<HWND>{};
            return !lists.empty() && SendMessageW(lists[0], LVM_GETITEMCOUNT, 0, 0) > 0;
        }));
    }
    EXPECT_FALSE(waitFor([&] { return planted.names().size() > 3; }, 3000))
        << "the planted character map ran";
    if (fonts)
        PostMessageW(fonts, WM_CLOSE, 0, 0);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

// Unpacked into a folder that holds libraries of system names, told to prefer those (as
// Windows does for libraries it does not count among its known ones), it takes the system's.
TEST(EndToEnd, LibrariesOfSystemNamesBesideTheProgramAreNotLoaded) {
    TempFolder unpacked;
    ASSERT_TRUE(CopyFileW(programPath().c_str(), unpacked.file(L"unpacked.exe").c_str(), FALSE));
    const std::wstring wine = L"Software\\Wine\\AppDefaults\\unpacked.exe";
    for (const wchar_t* name : {L"comctl32", L"oleacc"}) {
        CopyFileW((ownFolder() + L"planted.dll").c_str(),
                  unpacked.file(name + std::wstring(L".dll")).c_str(), FALSE);
        RegSetKeyValueW(HKEY_CURRENT_USER, (wine + L"\\DllOverrides").c_str(), name, REG_SZ,
                        L"native,builtin", 30);
    }
    Program program(unpacked.file(L"unpacked.exe"));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    // The screen readers' library comes in when one first asks.
    EXPECT_EQ(ScreenReader().read(childrenOfClass(main, L"GlyphmerePicture").at(0)).role,
              ROLE_SYSTEM_PUSHBUTTON);
    RegDeleteTreeW(HKEY_CURRENT_USER, wine.c_str());
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

// The release as a user unpacks it (the entry release_starts unpacks it first).
TEST(ReleasePackage, TheUnpackedProgramStartsAndShowsItsMainWindow) {
    const char* unpacked = std::getenv("GLYPHMERE_UNPACKED");
    ASSERT_TRUE(unpacked && *unpacked) << "GLYPHMERE_UNPACKED names the unpacked release";
    const std::wstring folder = ownFolder() + std::wstring(unpacked, unpacked + strlen(unpacked));
    ASSERT_NE(GetFileAttributesW((folder + L"\\glyphmere.exe").c_str()), INVALID_FILE_ATTRIBUTES);
    Program program(folder + L"\\glyphmere.exe");
    ASSERT_TRUE(program.started());
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(), 0);
}

} // namespace
