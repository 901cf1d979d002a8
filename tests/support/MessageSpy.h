#pragma once
// A test's look into a window's messages, for as long as it lives: the handler sees each
// message first and may answer it itself; what it leaves goes on to the window. Held by
// the control layer's subclass owner.
#include "platform/WindowProcedure.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <optional>
#include <utility>

class MessageSpy {
public:
    using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM, LPARAM)>;
    MessageSpy(HWND window, Handler handler) : handler_(std::move(handler)) {
        subclass_ = platform::Subclass::install<&MessageSpy::handle>(window, *this);
    }
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

private:
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const auto answer = handler_(message, wParam, lParam);
        return answer ? *answer : DefSubclassProc(window, message, wParam, lParam);
    }
    Handler handler_;
    platform::Subclass subclass_;
};
