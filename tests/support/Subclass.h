#pragma once
// A test's look into a window's messages, for as long as it lives: the handler sees each
// message first and may answer it itself; what it leaves goes on to the window.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <optional>
#include <utility>

class Subclass {
public:
    using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM, LPARAM)>;
    Subclass(HWND window, Handler handler) : window_(window), handler_(std::move(handler)) {
        SetWindowSubclass(window_, procedure, id(), reinterpret_cast<DWORD_PTR>(this));
    }
    ~Subclass() { RemoveWindowSubclass(window_, procedure, id()); }
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

private:
    UINT_PTR id() const { return reinterpret_cast<UINT_PTR>(this); }
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self) {
        const auto answer = reinterpret_cast<Subclass*>(self)->handler_(message, wParam, lParam);
        return answer ? *answer : DefSubclassProc(window, message, wParam, lParam);
    }
    HWND window_;
    Handler handler_;
};
