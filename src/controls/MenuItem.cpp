#include "controls/MenuItem.h"

#include "controls/Form.h"

namespace controls {

MenuItem::MenuItem(Form& form, std::wstring_view name) : form_(form), name_(name) {
    form.bind(*this);
}

MenuItem::~MenuItem() {
    form_.forget(*this);
}

} // namespace controls
