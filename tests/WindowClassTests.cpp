// Registering the program's window classes: once, and never over another's class.
#include "ui/WindowClass.h"

#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK ourProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}
LRESULT CALLBACK anotherProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(WindowClasses, ASecondRegistrationFindsOursAndANameTakenByAnotherIsRefused) {
    const ui::WindowClassSpec ours{.name = L"TestWindowClass", .procedure = ourProcedure};
    const ATOM atom = ui::registerWindowClass(ours);
    ASSERT_NE(atom, 0);
    EXPECT_EQ(ui::registerWindowClass(ours), atom);
    EXPECT_EQ(ui::registerWindowClass({.name = L"TestWindowClass", .procedure = anotherProcedure}),
              0)
        << "its windows would not reach the procedure asked for";
}

} // namespace
