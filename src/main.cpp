#include "app/App.h"
#include "platform/CurrentFolder.h"
#include "platform/Win32Platform.h"
#include "ui/Product.h"

#include <commctrl.h>
#include <objbase.h>

namespace {

// Every library loaded from now on comes from the system folder, never from the program's
// folder or the current one. Looked up: Windows 7 has it only with an update.
void librariesFromTheSystemOnly() {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    const auto set = reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (!set || !set(LOAD_LIBRARY_SEARCH_SYSTEM32))
        SetDllDirectoryW(L""); // at least not the current folder
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    librariesFromTheSystemOnly(); // before anything loads the delay-loaded libraries
    platform::currentFolder::leaveUserFolder();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // A single-threaded apartment for the process's life: screen readers' calls reach the
    // window thread through the message loop, and the common dialogs expect one.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    platform::Win32FontCollection fonts;
    platform::Win32Prompts prompts;
    platform::Win32Shell shell;
    platform::Win32System system{std::wstring(ui::product::instanceGate)};
    platform::Services services{fonts, prompts, shell, system};

    app::App app(services);
    if (!app.start())
        return 0;
    return app.run();
}
