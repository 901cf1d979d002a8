#pragma once
// A test's look into a window's messages, for as long as it lives: the handler sees each
// message first and may answer it itself; what it leaves goes on to the window.
#include <windows.h>

#include <functional>
#include <optional>

class Subclass {
public:
    using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM, LPARAM)>;
    Subclass(HWND window, Handler handler);
    ~Subclass();
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
    HWND window_;
    Handler handler_;
};
