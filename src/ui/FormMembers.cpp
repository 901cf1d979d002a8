#include "ui/Controls.h"

#include "ui/Form.h"

namespace ui {

// ---- Timer ----

Timer::Timer(Form& form, std::wstring_view name) : form_(form), name_(name) {
    form.bind(*this);
}

Timer::~Timer() {
    stop();
    form_.forget(*this);
}

void Timer::start(HWND window, UINT_PTR id, const ControlSpec& row) {
    window_ = window;
    id_ = id;
    interval_ = row.interval;
    setEnabled(!(row.flags & Disabled));
}

void Timer::stop() {
    if (window_ && enabled_)
        KillTimer(window_, id_);
    window_ = nullptr;
    enabled_ = false;
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!window_)
        return;
    if (enabled)
        SetTimer(window_, id_, interval_, nullptr);
    else
        KillTimer(window_, id_);
}

// ---- MenuItem ----

MenuItem::MenuItem(Form& form, std::wstring_view name) : form_(form), name_(name) {
    form.bind(*this);
}

MenuItem::~MenuItem() {
    form_.forget(*this);
}

} // namespace ui
