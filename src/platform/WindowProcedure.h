#pragma once
// The plumbing between the window system and the objects behind our windows, written once:
// - boundProcedure, the procedure of a window class of our own, binds the object passed
//   at creation when WM_NCCREATE comes and lets it go after WM_NCDESTROY;
// - boundDialogProcedure, the same for a dialog, from WM_INITDIALOG on;
// - Subclass, the owner of one subclass of a window that an object handles, removes it
//   when it goes or when the window does, whichever comes first;
// - Painting, BeginPaint and EndPaint around a scope.
// No exception from an object's handler reaches the window system (platform/CallbackGuard.h).
#include "platform/CallbackGuard.h"

#include <windows.h>

#include <commctrl.h>

#include <type_traits>

namespace platform {

namespace detail {
template <typename Method> struct ClassOf;
template <typename Class, typename Result, typename... Arguments>
struct ClassOf<Result (Class::*)(Arguments...)> {
    using type = Class;
};
} // namespace detail

// The object a window of ours is bound to, or null outside its life.
template <typename Handler> Handler* boundObject(HWND window) {
    return reinterpret_cast<Handler*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}
// The object is going before its window: no message reaches it any more.
void unbindObject(HWND window);

// The procedure of a window class whose windows are made with their object, as a Passed*,
// for the creation parameter. Handle(window, message, wParam, lParam) sees every message
// from WM_NCCREATE to WM_NCDESTROY; it answers DefWindowProcW for what it leaves.
template <auto Handle, typename Passed = typename detail::ClassOf<decltype(Handle)>::type>
LRESULT CALLBACK boundProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    using Handler = typename detail::ClassOf<decltype(Handle)>::type;
    // Bound once: a WM_NCCREATE sent later, by anyone, cannot bind another object.
    if (message == WM_NCCREATE && !boundObject<Handler>(window)) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* object = static_cast<Handler*>(static_cast<Passed*>(create->lpCreateParams));
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    }
    Handler* object = boundObject<Handler>(window);
    if (!object)
        return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = guardCallback(
        "a window procedure", [&] { return (object->*Handle)(window, message, wParam, lParam); },
        [&] { return DefWindowProcW(window, message, wParam, lParam); });
    if (message == WM_NCDESTROY)
        unbindObject(window);
    return result;
}

// The procedure of a dialog made with its object, as a Handler*, for the initialisation
// parameter. Handle(dialog, message, wParam, lParam) sees every message from WM_INITDIALOG
// on and answers as a dialog procedure does; before it, the dialog manager's own answer.
template <auto Handle>
INT_PTR CALLBACK boundDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    using Handler = typename detail::ClassOf<decltype(Handle)>::type;
    // Bound once: any window on the desktop can send a dialog WM_INITDIALOG.
    if (message == WM_INITDIALOG && !GetWindowLongPtrW(dialog, DWLP_USER))
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* object = reinterpret_cast<Handler*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!object)
        return FALSE;
    const INT_PTR result = guardCallback(
        "a dialog procedure", [&] { return (object->*Handle)(dialog, message, wParam, lParam); },
        [] { return INT_PTR(FALSE); });
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
    return result;
}

// One subclass of one window, handled by an object's Handle(window, message, wParam,
// lParam), which answers DefSubclassProc for what it leaves. The subclass is removed when
// its owner goes or takes another, or when the window goes, whichever comes first. Moves,
// never copies: the window's subclass follows its owner.
class Subclass {
public:
    Subclass() = default;
    template <auto Handle>
    static Subclass install(HWND window, typename detail::ClassOf<decltype(Handle)>::type& object) {
        using Handler = typename detail::ClassOf<decltype(Handle)>::type;
        // The subclass holds the object's address for the window's whole life.
        static_assert(!std::is_move_constructible_v<Handler> && !std::is_move_assignable_v<Handler>,
                      "a subclass's handler must stay where it is: make it neither copyable nor "
                      "movable");
        return Subclass(window, &object, &call<Handle>);
    }
    ~Subclass() { reset(); }
    Subclass(Subclass&& other) noexcept;
    Subclass& operator=(Subclass&& other) noexcept;
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    explicit operator bool() const { return window_ != nullptr; }
    void reset();

private:
    using Call = LRESULT (*)(void* object, HWND, UINT, WPARAM, LPARAM);
    template <auto Handle>
    static LRESULT call(void* object, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        using Handler = typename detail::ClassOf<decltype(Handle)>::type;
        return (static_cast<Handler*>(object)->*Handle)(window, message, wParam, lParam);
    }
    Subclass(HWND window, void* object, Call call);
    // The subclass's data is its owner, told again wherever the owner moves.
    void follow();
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR owner);

    HWND window_ = nullptr;
    void* object_ = nullptr; // its address is the subclass's id: one subclass per object
    Call call_ = nullptr;
};

// WM_PAINT's device context for a scope.
class Painting {
public:
    explicit Painting(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~Painting() { EndPaint(window_, &paint_); }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

} // namespace platform
