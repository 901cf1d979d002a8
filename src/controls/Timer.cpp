#include "controls/Timer.h"

#include "controls/Form.h"

namespace controls {

Timer::Timer(Form& form, std::wstring_view name) : form_(form), name_(name) {
    form.bind(*this);
}

Timer::~Timer() {
    stop();
    form_.forget(*this);
}

void Timer::start(HWND window, UINT_PTR id, const ControlLayout& layout) {
    window_ = window;
    id_ = id;
    interval_ = layout.interval;
    setEnabled(!(layout.flags & Disabled));
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

void Timer::timerMessage(UINT_PTR id) {
    if (window_ && id == id_ && enabled_)
        raise(onTick);
}

} // namespace controls
