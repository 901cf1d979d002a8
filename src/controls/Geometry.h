#pragma once
// Where a window's table puts its rows, in pixels at a dpi: arithmetic over the table
// alone, no window needed.
#include "controls/Layout.h"

namespace controls {

// The top left corner of the row's container, in 96-dpi units of the client area.
POINT containerOrigin(const FormLayout& form, const ControlLayout& row);
// The row's place in the client area, in pixels.
RECT pixels(const FormLayout& form, const ControlLayout& row, int dpi);
// The band a Line row fills, both end points and its thickness included.
RECT linePixels(const FormLayout& form, const ControlLayout& row, int dpi);
// What lies behind the row: the frontmost filled rectangle or frame under its middle, else
// the button-face colour of the window itself.
COLORREF backgroundAt(const FormLayout& form, const ControlLayout& row, int dpi);

} // namespace controls
