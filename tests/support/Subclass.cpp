#include "support/Subclass.h"

#include <commctrl.h>

#include <utility>

Subclass::Subclass(HWND window, Handler handler) : window_(window), handler_(std::move(handler)) {
    SetWindowSubclass(window_, procedure, reinterpret_cast<UINT_PTR>(this),
                      reinterpret_cast<DWORD_PTR>(this));
}

Subclass::~Subclass() {
    RemoveWindowSubclass(window_, procedure, reinterpret_cast<UINT_PTR>(this));
}

LRESULT CALLBACK Subclass::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR self) {
    if (const auto answer = reinterpret_cast<Subclass*>(self)->handler_(message, wParam, lParam))
        return *answer;
    return DefSubclassProc(window, message, wParam, lParam);
}
