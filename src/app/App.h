#pragma once
// The program's lifetime: the windows, the wiring of their events to the handlers, the
// single-instance gate and every way out.
#include "app/MessageLoop.h"
#include "ui/AboutForm.h"
#include "ui/ForGlyphmere.h"
#include "ui/MainForm.h"
#include "ui/ReadForm.h"

namespace platform {
struct Services;
}

namespace app {

class App {
public:
    explicit App(platform::Services& services);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

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

private:
    void wire();
    void readingTimerTick();
    void mainFormUnload();
    void unloadMainForm();
    void endProcess();

    platform::Services& services_;
    bool reading_ = false;
    bool ending_ = false;
};

} // namespace app
