#pragma once
// A check box whose value set from code raises its click handling, as the user's click does.
#include "controls/Control.h"

namespace controls {

class CheckBox : public Control {
public:
    using Control::Control;
    int value() const; // 0 unchecked, 1 checked, 2 grayed
    void setValue(int value);
    std::wstring caption() const;
    void notify(WORD code) override;

protected:
    bool shows(const ControlLayout& layout) const override { return layout.kind == Kind::CheckBox; }
    void create(HWND parent, int id, const RECT& place) override;
};

} // namespace controls
