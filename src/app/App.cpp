#include "app/App.h"

#include "app/Startup.h"
#include "app/Wiring.h"

namespace app {

App::App(platform::Services& services) : services_(services) {
    wire();
}

void App::wire() {
    // The splash
    read_.onLoad = [this] {
        if (services_.system.previousInstance())
            endProcess(); // silently: no window, no message
    };
    read_.ReadingTimer.onTick = [this] { readingTick(); };
    read_.CloseClick.onClick = [this] { endProcess(); };
    read_.onCloseRequest = [this] { endProcess(); };

    // The main window's life
    main_.onLoad = [this] {
        loop_.setShortcuts(main_.hwnd(), main_.accelerators());
        loadMainForm(main_, services_.fonts, [this] { loop_.yield(); });
    };
    main_.onUnload = [this] { leave(); };
    main_.onCloseRequest = [this] { main_.unload(); };
    main_.Quit.onClick = [this] { unloadMain(); };
    main_.ExitPicture.onClick = [this] { unloadMain(); };
    main_.Minimize.onClick = [this] { main_.minimize(); };
    main_.MinimizePicture.onClick = [this] { main_.minimize(); };

    wirePreview(main_, services_);
    wireEditing(main_, services_);
    wireReport(main_, services_);
    const Windows windows{read_, main_, about_, feedback_};
    wireLaunches(windows, services_);
    wireAbout(windows, services_);
    wireFeedback(windows, services_);
}

bool App::start() {
    read_.load();
    if (ending_) {
        read_.ReadingTimer.setEnabled(false);
        return false;
    }
    read_.show();
    return true;
}

void App::readingTick() {
    // The reading yields to the window system, so a tick can fall due inside it: ignore it.
    if (reading_ || ending_)
        return;
    reading_ = true;
    readingSequence(read_, main_);
    reading_ = false;
}

void App::unloadMain() {
    main_.unload();
    endProcess(); // should the unload have left the process running
}

void App::leave() {
    read_.unload();
    about_.unload(); // nothing when it was never made
    endProcess();
}

void App::endProcess() {
    ending_ = true;
    services_.system.endProcess(0);
}

} // namespace app
