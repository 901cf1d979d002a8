// Registering the program's window classes: once, and never over another's class.
#include "controls/WindowClass.h"

#include <gtest/gtest.h>

namespace {

// Bodies that differ: a linker that folds identical functions (MSVC's /OPT:ICF) would
// otherwise give the two one address.
LRESULT CALLBACK ourProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}
LRESULT CALLBACK anotherProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_USER ? 1 : DefWindowProcW(window, message, wParam, lParam);
}

TEST(WindowClasses, ASecondRegistrationFindsOursAndANameTakenByAnotherIsRefused) {
    const controls::WindowClassDescription ours{.name = L"TestWindowClass",
                                                .procedure = ourProcedure};
    const ATOM atom = controls::registerWindowClass(ours);
    ASSERT_NE(atom, 0);
    EXPECT_EQ(controls::registerWindowClass(ours), atom);
    EXPECT_EQ(
        controls::registerWindowClass({.name = L"TestWindowClass", .procedure = anotherProcedure}),
        0)
        << "its windows would not reach the procedure asked for";
}

} // namespace
