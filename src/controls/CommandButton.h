#pragma once
// A push button.
#include "controls/Control.h"

namespace controls {

class CommandButton : public Control {
public:
    using Control::Control;
    void notify(WORD code) override;

protected:
    bool shows(const ControlLayout& layout) const override { return layout.kind == Kind::Button; }
    void create(HWND parent, int id, const RECT& place) override;
};

} // namespace controls
