#include "app/App.h"

#include "app/HandOver.h"
#include "app/Startup.h"
#include "app/Wiring.h"
#include "editing/OpenFile.h"
#include "platform/Services.h"

namespace app {

App::App(platform::Services& services) : fontFiles(services.prompts), services_(services) {
    wire();
}

void App::wire() {
    readForm.onLoad = [this] {
        if (!services_.system.previousInstance())
            return;
        // Silently: no window, no message; files go to the one that runs.
        if (!filesToOpen_.empty())
            services_.system.sendToRunningInstance(handOver::kind,
                                                   handOver::encode(filesToOpen_));
        endProcess();
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
    mainForm.onFilesDropped = [this](const std::vector<std::wstring>& files) { openFiles(files); };
    mainForm.onDataReceived = [this](std::uintptr_t kind, std::string_view bytes) {
        return takeHandedOver(kind, bytes);
    };

    const Windows windows{readForm, mainForm, aboutForm, forGlyphmere};
    wirePreview(mainForm, services_, fontFiles);
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
    if (!readForm.ReadingTimer.enabled() && !started_)
        started();
}

void App::started() {
    started_ = true;
    services_.system.publishMainWindow(mainForm.hwnd());
    openFiles(std::exchange(filesToOpen_, {}));
}

void App::openFiles(const std::vector<std::wstring>& files) {
    std::vector<std::wstring> fonts, others;
    for (const std::wstring& file : files)
        (preview::FontFilePreview::isFontFile(file) ? fonts : others).push_back(file);
    fontFiles.preview(mainForm, fonts);
    editing::openDroppedFiles(mainForm, services_.system, others);
}

bool App::takeHandedOver(std::uintptr_t kind, std::string_view bytes) {
    if (kind != handOver::kind)
        return false;
    const auto files = handOver::decode(bytes);
    if (!files)
        return false;
    mainForm.bringToFront();
    // A window that waits for a dialog or another window takes no files, as it takes no drop.
    if (mainForm.enabled())
        openFiles(*files);
    return true;
}

void App::unloadMainForm() {
    mainForm.unload();
    endProcess(); // should the unload have left the process running
}

void App::mainFormUnload() {
    fontFiles.removeAll();
    readForm.unload();
    aboutForm.unload(); // nothing when it was never made
    endProcess();
}

void App::endProcess() {
    ending_ = true;
    services_.system.endProcess(0);
}

} // namespace app
