#pragma once
// Reading windows as another program reads them: by message, so that the answers are the
// same for this process's windows and another's.
#include "controls/Control.h"
#include "controls/Form.h"

#include <windows.h>

#include <string>
#include <vector>

// The window's text now (for another process's edit, GetWindowText gives only the caption
// it was made with). Empty when the window does not answer within two seconds.
std::wstring windowText(HWND window);
std::wstring classOf(HWND window);
// The text in lower case, for comparing as the system compares names.
inline std::wstring lowerCase(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The list box's entry at the index, by message; empty when there is none.
std::wstring listEntry(HWND list, int index);

std::vector<HWND> topWindows();
// A visible top-level window whose caption begins with `start`, or null.
HWND topWindowStartingWith(const std::wstring& start);
// Every window below the parent, children's children included.
std::vector<HWND> childrenOf(HWND parent);
// Every window below the parent of that class (any case), in the order the system gives.
std::vector<HWND> childrenOfClass(HWND parent, const wchar_t* windowClass);
// The first of them whose text is exactly `text`, or null.
HWND childWithText(HWND parent, const wchar_t* windowClass, const std::wstring& text);

// The text of the control's tool tip, as the form's tool-tip control gives it.
std::wstring toolTipOf(const controls::Form& form, const controls::Control& control);

// The font the window draws its text in, as WM_SETFONT last gave it.
HFONT windowFont(HWND window);
// The tool-tip control that the form owns, or null.
HWND toolTipsOf(HWND form);
