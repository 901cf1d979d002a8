#pragma once
// A frame, line or filled rectangle of a form: no window of its own; it is painted on the
// form's client area where its layout puts it.
#include "controls/Layout.h"

#include <string_view>

namespace controls {

class Form;

class Decoration {
public:
    Decoration(Form& form, std::wstring_view name);
    ~Decoration();
    Decoration(const Decoration&) = delete;
    Decoration& operator=(const Decoration&) = delete;
    std::wstring_view name() const { return name_; }

    // Whether a layout is one this class paints.
    static bool paints(const ControlLayout& layout) {
        return layout.kind == Kind::Frame || layout.kind == Kind::Line ||
               layout.kind == Kind::FilledRect;
    }
    // Paints it from its layout into the form's client area.
    void paint(HDC dc, const ControlLayout& layout) const;

private:
    Form& form_;
    std::wstring_view name_;
};

} // namespace controls
