#include "platform/WindowProcedure.h"

#include <utility>

namespace platform {

void unbindObject(HWND window) {
    if (window)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

Subclass::Subclass(HWND window, void* object, Call call) : object_(object), call_(call) {
    if (window && SetWindowSubclass(window, procedure, reinterpret_cast<UINT_PTR>(object_),
                                    reinterpret_cast<DWORD_PTR>(this)))
        window_ = window;
}

Subclass::Subclass(Subclass&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)),
      object_(std::exchange(other.object_, nullptr)), call_(std::exchange(other.call_, nullptr)) {
    follow();
}

Subclass& Subclass::operator=(Subclass&& other) noexcept {
    if (this != &other) {
        reset();
        window_ = std::exchange(other.window_, nullptr);
        object_ = std::exchange(other.object_, nullptr);
        call_ = std::exchange(other.call_, nullptr);
        follow();
    }
    return *this;
}

void Subclass::follow() {
    if (window_)
        SetWindowSubclass(window_, procedure, reinterpret_cast<UINT_PTR>(object_),
                          reinterpret_cast<DWORD_PTR>(this));
}

void Subclass::reset() {
    if (window_)
        RemoveWindowSubclass(std::exchange(window_, nullptr), procedure,
                             reinterpret_cast<UINT_PTR>(object_));
}

LRESULT CALLBACK Subclass::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data) {
    auto* owner = reinterpret_cast<Subclass*>(data);
    if (!owner || !owner->call_) // never so while each move tells the window
        return DefSubclassProc(window, message, wParam, lParam);
    const LRESULT result = guardCallback(
        "a subclass", [&] { return owner->call_(owner->object_, window, message, wParam, lParam); },
        [&] { return DefSubclassProc(window, message, wParam, lParam); });
    // The window is going: its subclass with it, and the owner knows, unless the handler
    // gave the owner another window meanwhile.
    if (message == WM_NCDESTROY && owner->window_ == window)
        owner->reset();
    return result;
}

} // namespace platform
