#include "Version.h"
#include "app/App.h"
#include "platform/CurrentFolder.h"
#include "platform/Win32Platform.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::currentFolder::leaveUserFolder();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // A single-threaded apartment for the process's life: screen readers' calls reach the
    // window thread through the message loop, and the common dialogs expect one.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    platform::Win32FontCollection fonts;
    platform::Win32Prompts prompts;
    platform::Win32Shell shell;
    platform::Win32System system(L"Local\\Quillwright.Glyphmere." GLYPHMERE_VERSION_W);
    platform::Services services{fonts, prompts, shell, system};

    app::App app(services);
    if (!app.start())
        return 0;
    return app.run();
}
