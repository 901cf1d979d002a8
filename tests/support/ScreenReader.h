#pragma once
// What a screen reader asks of a control's client area, the way it asks it: through
// oleacc, from outside the program.
#include <windows.h>

#include <string>

class ScreenReader {
public:
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    struct Answer {
        HRESULT found = E_FAIL; // whether the control gave an object at all
        std::wstring name;
        long role = 0;
        std::wstring defaultAction; // empty: none
    };
    Answer read(HWND control) const;
    HRESULT doDefaultAction(HWND control) const;

private:
    HRESULT com_;
};
