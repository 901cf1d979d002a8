#include "app/App.h"
#include "platform/CurrentFolder.h"
#include "platform/LibrarySearch.h"
#include "platform/Win32Platform.h"
#include "ui/Product.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything loads the delay-loaded libraries; comctl32 comes through the
    // manifest's activation context, the screen readers' oleacc by name.
    platform::librariesFromTheSystemOnly({L"oleacc.dll"});
    platform::currentFolder::leaveUserFolder();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // A single-threaded apartment for the process's life: screen readers' calls reach the
    // window thread through the message loop, and the common dialogs expect one.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    platform::Win32FontCollection fonts;
    platform::Win32Prompts prompts;
    platform::Win32Shell shell;
    platform::Win32System system{ui::product::instanceGate};
    platform::Services services{fonts, prompts, shell, system};

    app::App app(services);
    if (!app.start())
        return 0;
    return app.run();
}
