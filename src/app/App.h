#pragma once
// The program's lifetime: the windows, the wiring of their events to the handlers, the
// single-instance gate and every way out.
#include "app/MessageLoop.h"
#include "forms/AboutForm.h"
#include "forms/ForGlyphmere.h"
#include "forms/MainForm.h"
#include "forms/ReadForm.h"
#include "platform/Services.h"

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

    forms::ReadForm& readForm() { return read_; }
    forms::MainForm& mainForm() { return main_; }
    forms::AboutForm& aboutForm() { return about_; }
    forms::ForGlyphmere& feedbackForm() { return feedback_; }
    MessageLoop& loop() { return loop_; }

private:
    void wire();
    void readingTick();
    void leave(); // the main window unloads
    void unloadMain();
    void endProcess();

    platform::Services& services_;
    MessageLoop loop_;
    forms::ReadForm read_;
    forms::MainForm main_;
    forms::AboutForm about_;
    forms::ForGlyphmere feedback_;
    bool reading_ = false;
    bool ending_ = false;
};

} // namespace app
