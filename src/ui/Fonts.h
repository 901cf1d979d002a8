#pragma once
// The fonts that the windows' tables share: Tahoma with the Arabic character set, as the
// labels and links were first laid out, plain, bold and as a link.
#include "controls/Layout.h"

namespace ui {

constexpr controls::FontDescription labelFont{.charset = controls::arabicCharset};
constexpr controls::FontDescription boldLabelFont{.weight = FW_BOLD,
                                                  .charset = controls::arabicCharset};
constexpr controls::FontDescription linkFont{
    .weight = FW_BOLD, .underline = true, .charset = controls::arabicCharset};

} // namespace ui
