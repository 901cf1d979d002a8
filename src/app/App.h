#pragma once
// The program's lifetime: the windows, the wiring of their events to the handlers, the
// single-instance gate and every way out.
#include "app/MessageLoop.h"
#include "platform/Services.h"
#include "ui/AboutForm.h"
#include "ui/ForGlyphmere.h"
#include "ui/MainForm.h"
#include "ui/ReadForm.h"

namespace app {

class App {
public:
    explicit App(platform::Services& services);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Loads and shows the splash. False when the process is to end: another instance runs.
    bool start();
    // The message loop, until the process ends.
    int run() { return loop_.run(); }

    ui::ReadForm& readForm() { return read_; }
    ui::MainForm& mainForm() { return main_; }
    ui::AboutForm& aboutForm() { return about_; }
    ui::ForGlyphmere& feedbackForm() { return feedback_; }
    MessageLoop& loop() { return loop_; }

private:
    void wire();
    void readingTick();
    void leave(); // the main window unloads
    void unloadMain();
    void endProcess();

    platform::Services& services_;
    MessageLoop loop_;
    ui::ReadForm read_;
    ui::MainForm main_;
    ui::AboutForm about_;
    ui::ForGlyphmere feedback_;
    bool reading_ = false;
    bool ending_ = false;
};

} // namespace app
