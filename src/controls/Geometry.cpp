#include "controls/Geometry.h"

#include <algorithm>

namespace controls {

POINT containerOrigin(const FormLayout& form, const ControlLayout& row) {
    POINT origin{0, 0};
    for (auto name = row.container; !name.empty();) {
        const ControlLayout* container = findControl(form, name);
        if (!container)
            break;
        origin.x += container->place.left;
        origin.y += container->place.top;
        name = container->container;
    }
    return origin;
}

RECT pixels(const FormLayout& form, const ControlLayout& row, int dpi) {
    const POINT origin = containerOrigin(form, row);
    const int left = origin.x + row.place.left;
    const int top = origin.y + row.place.top;
    return {scale(left, dpi), scale(top, dpi), scale(left + row.place.width, dpi),
            scale(top + row.place.height, dpi)};
}

RECT linePixels(const FormLayout& form, const ControlLayout& row, int dpi) {
    const POINT origin = containerOrigin(form, row);
    const int x1 = scale(origin.x + row.from.x, dpi);
    const int y1 = scale(origin.y + row.from.y, dpi);
    const int x2 = scale(origin.x + row.to.x, dpi);
    const int y2 = scale(origin.y + row.to.y, dpi);
    const int width = std::max(1, scale(row.thickness, dpi));
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + width, std::max(y1, y2) + width};
}

COLORREF backgroundAt(const FormLayout& form, const ControlLayout& row, int dpi) {
    const RECT r = pixels(form, row, dpi);
    const POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    for (const auto& behind : form.controls) {
        const bool filled = behind.kind == Kind::FilledRect ||
                            (behind.kind == Kind::Frame && behind.backColor != noColor);
        if (!filled)
            continue;
        const RECT area = pixels(form, behind, dpi);
        if (PtInRect(&area, middle))
            return resolveColor(behind.backColor);
    }
    return GetSysColor(COLOR_BTNFACE);
}

} // namespace controls
