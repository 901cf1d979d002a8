#include "app/App.h"

#include "app/HandOver.h"
#include "app/Startup.h"
#include "app/Wiring.h"
#include "editing/OpenFile.h"
#include "platform/PreviewCopies.h"
#include "platform/Services.h"

#include <algorithm>

namespace app {

App::App(platform::Services& services)
    : fontFiles(services.prompts), details(detailsForm, mainForm, services, fontFiles),
      services_(services) {
    wire();
}

void App::wire() {
    readForm.onLoad = [this] {
        if (!services_.system.previousInstance())
            return;
        // Silently: no window, no message; files go to the one that runs.
        if (!filesToOpen_.empty())
            services_.system.sendToRunningInstance(handOver::kind, handOver::encode(filesToOpen_));
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
    mainForm.onReminder = [this] { openHandedOver(); };
    // Not at once: the window that had it wait is still closing.
    mainForm.onEnabled = [this] {
        if (!handedOver_.empty())
            mainForm.remind();
    };

    const Windows windows{readForm, mainForm, aboutForm, forGlyphmere};
    wirePreview(mainForm, services_, fontFiles);
    wireEditing(mainForm, services_);
    wireReport(mainForm, services_);
    wireLaunches(windows, services_);
    wireAboutForm(windows, services_);
    wireForGlyphmere(windows, services_);
    wireDetails();
}

void App::wireDetails() {
    mainForm.FontDetails.onClick = [this] { details.open(); };
    detailsForm.Facts.onCopyKey = [this] { details.copyRows(); };
    detailsForm.ShowInFolder.onClick = [this] { details.showInFolder(); };
    detailsForm.VendorSite.onClick = [this] { details.openAddress(preview::vendorUrlId); };
    detailsForm.DesignerSite.onClick = [this] { details.openAddress(preview::designerUrlId); };
    detailsForm.LicencePage.onClick = [this] { details.openAddress(preview::licenceUrlId); };
    detailsForm.InstallFont.onClick = [this] { details.install(); };
    detailsForm.RemoveFont.onClick = [this] { details.remove(); };
    // Every way of closing gives the main window back.
    detailsForm.CloseDetails.onClick = [this] { details.close(); };
    detailsForm.onEscape = [this] { details.close(); };
    detailsForm.onCloseRequest = [this] { details.close(); };
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
    platform::PreviewCopies::sweep(platform::PreviewCopies::usualParent());
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
    // Kept, not opened here: the sender waits for the answer, and a message box now would
    // run inside its call.
    const size_t room = handOver::mostPaths - std::min(handOver::mostPaths, handedOver_.size());
    handedOver_.insert(handedOver_.end(), files->begin(),
                       files->begin() + static_cast<std::ptrdiff_t>(std::min(room, files->size())));
    bringInputWindowToFront();
    mainForm.remind();
    return true;
}

void App::openHandedOver() {
    // A window that waits for a dialog or another window takes the files once it is enabled
    // again; files that come while they are opened wait for the ones before.
    if (openingHandedOver_)
        return;
    openingHandedOver_ = true;
    const struct Done {
        bool& opening;
        ~Done() { opening = false; } // also when an opening is thrown out of
    } done{openingHandedOver_};
    while (!handedOver_.empty() && mainForm.enabled())
        openFiles(std::exchange(handedOver_, {}));
}

void App::bringInputWindowToFront() {
    if (mainForm.enabled()) {
        mainForm.bringToFront();
        return;
    }
    // The dialog or message box the main window waits for, else the window it waits for.
    HWND target = GetLastActivePopup(mainForm.hwnd());
    if (target == mainForm.hwnd() || !IsWindowEnabled(target)) {
        target = nullptr;
        for (controls::Form* form :
             {static_cast<controls::Form*>(&aboutForm), static_cast<controls::Form*>(&forGlyphmere),
              static_cast<controls::Form*>(&detailsForm)})
            if (form->visible() && form->enabled())
                target = form->hwnd();
    }
    if (target) {
        BringWindowToTop(target);
        SetForegroundWindow(target);
    }
}

void App::unloadMainForm() {
    mainForm.unload();
    endProcess(); // should the unload have left the process running
}

void App::mainFormUnload() {
    fontFiles.close();
    readForm.unload();
    aboutForm.unload(); // nothing when it was never made
    detailsForm.unload();
    endProcess();
}

void App::endProcess() {
    ending_ = true;
    services_.system.endProcess(0);
}

} // namespace app
