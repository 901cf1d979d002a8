#include "controls/Layout.h"

#include <cmath>

namespace controls {

COLORREF resolveColor(COLORREF color) {
    return isSystemColor(color) ? GetSysColor(static_cast<int>(color & 0xFFu)) : color;
}

const ControlLayout* findControl(const FormLayout& form, std::wstring_view name) {
    for (const auto& control : form.controls)
        if (control.name == name)
            return &control;
    return nullptr;
}

int scale(int value96, int dpi) {
    return MulDiv(value96, dpi, 96);
}

int fontHeight(float points, int dpi) {
    // Negative: the character height, as a point size means.
    return -static_cast<int>(std::lround(points * static_cast<float>(dpi) / 72.0f));
}

int layoutFontHeight(float points, int dpi) {
    const int height96 = -fontHeight(points, 96);
    return -(height96 * dpi / 96);
}

} // namespace controls
