#pragma once
// A timer of a form: no window of its own; it ticks through its form's.
#include "controls/Event.h"
#include "controls/Layout.h"

namespace controls {

class Form;

class Timer {
public:
    Timer(Form& form, std::wstring_view name);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    std::wstring_view name() const { return name_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    Event onTick;

    // What its form does with it: starts it on the form's window with the layout's
    // interval, stops it when the window goes, and tells it of each WM_TIMER.
    void start(HWND window, UINT_PTR id, const ControlLayout& layout);
    void stop();
    void timerMessage(UINT_PTR id);

private:
    Form& form_;
    std::wstring_view name_;
    HWND window_ = nullptr;
    UINT_PTR id_ = 0;
    UINT interval_ = 0;
    bool enabled_ = false;
};

} // namespace controls
