#pragma once
// A window made the bare way like one of the program's: a plain window class whose
// procedure paints the lines and frames, the same styles, place, menu, shortcuts and icons,
// and a system control for each control (a picture a plain picture window) with its tool
// tip, its text and a font of the same look.
#include "controls/Form.h"

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

class BareForm {
public:
    // What the window will be like, read from one the program made.
    explicit BareForm(const controls::Form& shape);
    ~BareForm() { destroy(); }
    BareForm(const BareForm&) = delete;
    BareForm& operator=(const BareForm&) = delete;

    // Made with its controls, hidden.
    void make();
    void destroy();

    HWND host = nullptr;
    std::vector<HWND> copies; // in the order of the shape's layout

private:
    struct MenuCopy {
        std::wstring text;
        MENUITEMINFOW info{};
        std::vector<MenuCopy> items;
    };
    struct Copy {
        const controls::Control* control;
        LOGFONTW look;
    };
    static std::vector<MenuCopy> readMenu(HMENU menu);
    static HMENU makeMenu(std::vector<MenuCopy>& items, bool bar);

    const controls::Form& shape_;
    std::vector<MenuCopy> menu_;
    std::vector<ACCEL> shortcuts_;
    std::vector<Copy> controls_;
    HACCEL shortcutTable_ = nullptr;
    std::vector<HFONT> fonts_;
    std::vector<HICON> icons_;
};

} // namespace bench
