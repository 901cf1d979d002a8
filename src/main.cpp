#include "app/App.h"
#include "platform/CurrentFolder.h"
#include "platform/Files.h"
#include "platform/LibrarySearch.h"
#include "platform/Win32Platform.h"
#include "ui/Product.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// The files named on the command line ("Open with", a drop on the program's icon), made
// full while the folder they are relative to is still the current one.
std::vector<std::wstring> filesOnTheCommandLine() {
    std::vector<std::wstring> files;
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments)
        return files;
    for (int i = 1; i < count; ++i)
        if (*arguments[i])
            files.push_back(platform::files::fullPath(arguments[i]));
    LocalFree(arguments);
    return files;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything loads the delay-loaded libraries; comctl32 comes through the
    // manifest's activation context, the screen readers' oleacc by name.
    platform::librariesFromTheSystemOnly({L"oleacc.dll", L"dwrite.dll"});
    const std::vector<std::wstring> files = filesOnTheCommandLine();
    platform::currentFolder::leaveUserFolder();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    platform::Win32FontCollection fonts;
    platform::Win32Prompts prompts;
    platform::Win32Shell shell;
    platform::Win32System system{ui::product::instanceGate};
    platform::Services services{fonts, prompts, shell, system};

    app::App app(services);
    app.openAfterStart(files);
    if (!app.start())
        return 0;
    // Once the splash is painted, which needs no COM: a single-threaded apartment for the
    // process's life. Screen readers' calls reach the window thread through the message
    // loop, and the common dialogs expect one.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return app.run();
}
