#pragma once
// An item of a form's menu, known by the name its row in the menu's layout has.
#include "controls/Event.h"

#include <string_view>

namespace controls {

class Form;

class MenuItem {
public:
    MenuItem(Form& form, std::wstring_view name);
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    std::wstring_view name() const { return name_; }
    Event onClick;

private:
    Form& form_;
    std::wstring_view name_;
};

} // namespace controls
