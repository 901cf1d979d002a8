// The installer as a user runs it: a silent install puts every file, the Start-menu
// shortcut and the installed-programs entry in place; the installed program starts and
// finds its documents; installing again duplicates nothing; a silent uninstall leaves
// nothing behind. GLYPHMERE_MSI and GLYPHMERE_UPGRADE_CODE come from the build.
#include "support/Drive.h"
#include "support/Process.h"
#include "support/WindowText.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <msi.h>
#include <shlobj.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace process;

const wchar_t* const shippedFiles[] = {L"glyphmere.exe", L"Donate with PayPal.exe",
                                       L"License Agreement.rtf", L"Install Fonts.htm"};

std::wstring knownFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, path)) ? path : L"";
}

// The Program Files of this test's own architecture, where the MSI of the same build goes.
std::wstring installFolder() {
    return knownFolder(CSIDL_PROGRAM_FILES) + L"\\Glyphmere";
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

long long fileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

long long msiexec(const std::wstring& arguments) {
    Program installer(knownFolder(CSIDL_SYSTEM) + L"\\msiexec.exe", arguments + L" /qn");
    return installer.exitCode(120000);
}

std::wstring msiPath() {
    return ownFolder() + GLYPHMERE_MSI;
}

// The products installed under our upgrade code: one at most, whatever was run before.
std::vector<std::wstring> installedProducts() {
    std::vector<std::wstring> codes;
    wchar_t code[39] = {};
    for (DWORD i = 0; MsiEnumRelatedProductsW(GLYPHMERE_UPGRADE_CODE, 0, i, code) == ERROR_SUCCESS;
         ++i)
        codes.emplace_back(code);
    return codes;
}

std::wstring productInfo(const std::wstring& code, const wchar_t* property) {
    wchar_t value[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (MsiGetProductInfoW(code.c_str(), property, value, &length) != ERROR_SUCCESS)
        return L"";
    return value;
}

// A text value of the machine's registry (the key's own without a name), or "" without one;
// in the given registry view.
std::wstring machineValue(const std::wstring& key, const wchar_t* name = nullptr,
                          REGSAM view = KEY_WOW64_64KEY) {
    HKEY entry = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | view, &entry) != ERROR_SUCCESS)
        return L"";
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    DWORD type = 0;
    const LSTATUS read =
        RegQueryValueExW(entry, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(entry);
    return read == ERROR_SUCCESS && type == REG_SZ ? value : L"";
}

// A value of the product's entry in the installed-programs list, or "" without one.
std::wstring uninstallEntry(const std::wstring& code, const wchar_t* name) {
    return machineValue(L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + code, name);
}

// One architecture's installer: its package, its folder, its "Open with" ProgID and the
// registry view its components write in.
struct Build {
    std::wstring msi, folder, progId;
    REGSAM view;
};
constexpr bool is64Bit = sizeof(void*) == 8;
const Build ours{msiPath(), installFolder(), GLYPHMERE_PROGID,
                 is64Bit ? KEY_WOW64_64KEY : KEY_WOW64_32KEY};
// The other architecture's Program Files: the 32-bit one from a 64-bit test, the 64-bit one
// (which a 32-bit program is not told of as a folder) from a 32-bit test.
const Build sibling{
    ownFolder() + GLYPHMERE_SIBLING_MSI,
    (is64Bit ? knownFolder(CSIDL_PROGRAM_FILESX86)
             : machineValue(L"Software\\Microsoft\\Windows\\CurrentVersion", L"ProgramW6432Dir")) +
        L"\\Glyphmere",
    GLYPHMERE_SIBLING_PROGID, is64Bit ? KEY_WOW64_32KEY : KEY_WOW64_64KEY};

// Glyphmere under "Open with" for font files while installed, never their default program.
void expectOpenWith(const Build& build, bool installed) {
    const std::wstring progId = L"Software\\Classes\\" + build.progId;
    EXPECT_EQ(machineValue(progId + L"\\shell\\open\\command", nullptr, build.view),
              installed ? L"\"" + build.folder + L"\\glyphmere.exe\" \"%1\"" : L"")
        << build.progId;
    for (const std::wstring type : {L".ttf", L".otc"}) {
        HKEY key = nullptr;
        bool listed = false;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                          (L"Software\\Classes\\" + type + L"\\OpenWithProgids").c_str(), 0,
                          KEY_READ | build.view, &key) == ERROR_SUCCESS) {
            listed = RegQueryValueExW(key, build.progId.c_str(), nullptr, nullptr, nullptr,
                                      nullptr) == ERROR_SUCCESS;
            RegCloseKey(key);
        }
        EXPECT_EQ(listed, installed) << build.progId << " " << testing::PrintToString(type);
        EXPECT_EQ(
            machineValue(L"Software\\Classes\\" + type, nullptr, build.view).find(L"lyphmere"),
            std::wstring::npos)
            << " opens with another program by default";
    }
}

// The Start-menu shortcuts "Glyphmere": every user's, and the user's own, where Wine's
// installer puts a per-machine one.
std::vector<std::wstring> shortcuts() {
    std::vector<std::wstring> found;
    for (int folder : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
        const std::wstring link = knownFolder(folder) + L"\\Glyphmere.lnk";
        if (exists(link))
            found.push_back(link);
    }
    return found;
}

struct Shortcut {
    std::wstring target, icon;
};

Shortcut readShortcut(const std::wstring& path) {
    Shortcut read;
    platform::ComPointer<IShellLinkW> link;
    platform::ComPointer<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.putVoid())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid())) ||
        FAILED(file->Load(path.c_str(), STGM_READ)))
        return read;
    wchar_t text[MAX_PATH] = {};
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0)))
        read.target = text;
    int index = 0;
    text[0] = L'\0';
    if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &index)))
        read.icon = text;
    return read;
}

// A visible top-level window, of any process, whose caption begins with `start`.
void closeWindowAndItsProgram(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    const platform::KernelHandle program(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id));
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (program && WaitForSingleObject(program.get(), 5000) != WAIT_OBJECT_0)
        TerminateProcess(program.get(), 0);
}

class Installer : public testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        ASSERT_TRUE(exists(msiPath())) << "the build makes the installer beside this test";
        // A run that stopped half-way may have left an install behind.
        for (const std::wstring& code : installedProducts())
            msiexec(L"/x " + code);
        ASSERT_TRUE(installedProducts().empty());
    }
    void TearDown() override {
        for (const std::wstring& code : installedProducts())
            msiexec(L"/x " + code);
        CoUninitialize();
    }

    void expectInstalledOnce() {
        for (const wchar_t* name : shippedFiles)
            EXPECT_EQ(fileSize(installFolder() + L"\\" + name), fileSize(ownFolder() + name))
                << "installed: " << testing::PrintToString(std::wstring(name));

        const auto products = installedProducts();
        ASSERT_EQ(products.size(), 1u) << "one product under the upgrade code";
        const std::wstring& code = products.front();
        EXPECT_EQ(uninstallEntry(code, L"DisplayName"), L"Glyphmere");
        EXPECT_EQ(uninstallEntry(code, L"Publisher"), L"Quillwright Software");
        EXPECT_EQ(uninstallEntry(code, L"DisplayVersion"), GLYPHMERE_VERSION_W L".0");
        const std::wstring icon = productInfo(code, INSTALLPROPERTY_PRODUCTICON);
        EXPECT_TRUE(!icon.empty() && exists(icon)) << "the entry's icon";

        const auto links = shortcuts();
        ASSERT_EQ(links.size(), 1u) << "one Start-menu shortcut";
        const Shortcut link = readShortcut(links.front());
        EXPECT_EQ(CompareStringOrdinal(link.target.c_str(), -1,
                                       (installFolder() + L"\\glyphmere.exe").c_str(), -1, TRUE),
                  CSTR_EQUAL)
            << testing::PrintToString(link.target);
        EXPECT_TRUE(!link.icon.empty() && exists(link.icon)) << "the shortcut's icon";
        expectOpenWith(ours, true);
    }
};

TEST_F(Installer, InstallsRunsReinstallsAndUninstallsCleanly) {
    ASSERT_EQ(msiexec(L"/i \"" + msiPath() + L"\""), 0);
    expectInstalledOnce();

    {
        Program program(installFolder() + L"\\glyphmere.exe");
        HWND mainForm = program.waitForMainWindow();
        ASSERT_NE(mainForm, nullptr) << "the installed program shows its main window";
        // The licence lies beside the installed exe: it opens, with no "can not find" warning.
        PostMessageW(mainForm, WM_COMMAND, static_cast<WPARAM>(menuId(L"License")), 0);
        HWND document = nullptr;
        drive::waitUntil(
            [&] { return (document = topWindowStartingWith(L"License Agreement.rtf")) != nullptr; },
            20000);
        EXPECT_NE(document, nullptr) << "a window shows the licence";
        EXPECT_EQ(topWindow(program.id(), L"Glyphmere", true), nullptr) << "no warning";
        if (document)
            closeWindowAndItsProgram(document);
        PostMessageW(mainForm, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.exitCode(), 0);
    }

    // Again, and over itself: still one of everything.
    ASSERT_EQ(msiexec(L"/i \"" + msiPath() + L"\""), 0);
    expectInstalledOnce();
    ASSERT_EQ(msiexec(L"/i \"" + msiPath() + L"\" REINSTALL=ALL REINSTALLMODE=amus"), 0);
    expectInstalledOnce();

    const std::wstring code = installedProducts().front();
    ASSERT_EQ(msiexec(L"/x \"" + msiPath() + L"\""), 0);
    EXPECT_TRUE(installedProducts().empty());
    EXPECT_FALSE(exists(installFolder())) << "the folder is gone";
    EXPECT_TRUE(shortcuts().empty()) << "the shortcut is gone";
    EXPECT_EQ(uninstallEntry(code, L"DisplayName"), L"") << "the entry is gone";
    expectOpenWith(ours, false);
}

// Both architectures' installers side by side: either one removed leaves the other's
// "Open with" working, and nothing that names a removed program.
TEST_F(Installer, BothArchitecturesSideBySideEachRemovedAlone) {
    BOOL wow64 = FALSE;
    if (!is64Bit && (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64))
        GTEST_SKIP()
            << "a 32-bit Windows takes no 64-bit installer, so has no other beside its own";
    for (const auto& [first, second] : {std::pair(&ours, &sibling), std::pair(&sibling, &ours)}) {
        ASSERT_EQ(msiexec(L"/i \"" + first->msi + L"\""), 0);
        ASSERT_EQ(msiexec(L"/i \"" + second->msi + L"\""), 0);
        expectOpenWith(*first, true);
        expectOpenWith(*second, true);
        ASSERT_EQ(msiexec(L"/x \"" + first->msi + L"\""), 0);
        expectOpenWith(*first, false);
        expectOpenWith(*second, true);
        ASSERT_EQ(msiexec(L"/x \"" + second->msi + L"\""), 0);
        expectOpenWith(*second, false);
    }
}

} // namespace
