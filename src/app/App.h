#pragma once
// The program's lifetime: the windows, the wiring of their events to the handlers, the
// single-instance gate and every way out.
#include "app/MessageLoop.h"
#include "preview/FontFilePreview.h"
#include "ui/AboutForm.h"
#include "ui/DetailsForm.h"
#include "ui/ForGlyphmere.h"
#include "ui/MainForm.h"
#include "ui/ReadForm.h"
#include "windows/DetailsForm.h"

namespace platform {
struct Services;
}

namespace app {

class App {
public:
    explicit App(platform::Services& services);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Files the program was started with, opened once the fonts are read (font files are
    // previewed); handed to the running instance instead when there is one.
    void openAfterStart(std::vector<std::wstring> files) { filesToOpen_ = std::move(files); }
    // Loads and shows ReadForm. False when the process is to end: another instance runs.
    bool start();
    // The message loop, until the process ends.
    int run() { return loop.run(); }

    // The program's windows, made when the program starts, loaded when first used, and its
    // one message loop.
    MessageLoop loop;
    ui::ReadForm readForm;
    ui::MainForm mainForm;
    ui::AboutForm aboutForm;
    ui::ForGlyphmere forGlyphmere;
    // The font files shown before they are installed.
    preview::FontFilePreview fontFiles;
    // The selected font's details.
    ui::DetailsForm detailsForm;
    windows::Details details;

private:
    void wire();
    void wireDetails();
    void readingTimerTick();
    void started(); // the fonts are read and the main window shows
    // Font files are previewed, the first other file opened into the sample.
    void openFiles(const std::vector<std::wstring>& files);
    // Another start's files: checked, kept and answered at once; opened from the loop once
    // the main window takes input.
    bool takeHandedOver(std::uintptr_t kind, std::string_view bytes);
    void openHandedOver();
    void bringInputWindowToFront();
    void mainFormUnload();
    void unloadMainForm();
    void endProcess();

    platform::Services& services_;
    std::vector<std::wstring> filesToOpen_;
    std::vector<std::wstring> handedOver_;
    bool openingHandedOver_ = false;
    bool reading_ = false;
    bool started_ = false;
    bool ending_ = false;
};

} // namespace app
