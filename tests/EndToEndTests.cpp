// The built program, started as a user starts it: one instance, the real fonts, and
// each way out ending the process with exit code 0.
#include "support/Process.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
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
