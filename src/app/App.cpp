#include "app/App.h"

#include "app/Startup.h"
#include "app/Wiring.h"
#include "platform/Services.h"

namespace app {

App::App(platform::Services& services) : services_(services) {
    wire();
}

void App::wire() {
    readForm.onLoad = [this] {
        if (services_.system.previousInstance())
            endProcess(); // silently: no window, no message
    };
    readForm.ReadingTimer.onTick = [this] { readingTimerTick(); };
    readForm.CloseClick.onClick = [this] { endProcess(); };
    readForm.onCloseRequest = [this] { endProcess(); };

    mainForm.onLoad = [this] {
        loop.setShortcuts(mainForm.hwnd(), mainForm.accelerators());
        loadMainForm(mainForm, services_.fonts, [this] { loop.yield(); });
    };
    mainForm.onUnload = [this] { mainFormUnload(); };
    mainForm.onCloseRequest = [this] { mainForm.unload(); };
    mainForm.Quit.onClick = [this] { unloadMainForm(); };
    mainForm.Image9.onClick = [this] { unloadMainForm(); };
    mainForm.Minimize.onClick = [this] { mainForm.minimize(); };
    mainForm.Image8.onClick = [this] { mainForm.minimize(); };

    const Windows windows{readForm, mainForm, aboutForm, forGlyphmere};
    wirePreview(mainForm, services_);
    wireEditing(mainForm, services_);
    wireReport(mainForm, services_);
    wireLaunches(windows, services_);
    wireAboutForm(windows, services_);
    wireForGlyphmere(windows, services_);
}

bool App::start() {
    readForm.load();
    if (ending_) {
        readForm.ReadingTimer.setEnabled(false);
        return false;
    }
    readForm.show();
    return true;
}

void App::readingTimerTick() {
    // The reading yields to the window system, so a tick can fall due inside it: ignore it.
    if (reading_ || ending_)
        return;
    reading_ = true;
    readingSequence(readForm, mainForm);
    reading_ = false;
}

void App::unloadMainForm() {
    mainForm.unload();
    endProcess(); // should the unload have left the process running
}

void App::mainFormUnload() {
    readForm.unload();
    aboutForm.unload(); // nothing when it was never made
    endProcess();
}

void App::endProcess() {
    ending_ = true;
    services_.system.endProcess(0);
}

} // namespace app
