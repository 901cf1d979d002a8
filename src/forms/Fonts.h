#pragma once
// The fonts that the windows' tables share: Tahoma with the Arabic character set, as the
// labels and links were first laid out, plain, bold and as a link.
#include "ui/Layout.h"

namespace forms {

constexpr ui::FontSpec labelFont{.charset = ui::arabicCharset};
constexpr ui::FontSpec boldLabelFont{.weight = FW_BOLD, .charset = ui::arabicCharset};
constexpr ui::FontSpec linkFont{.weight = FW_BOLD, .underline = true, .charset = ui::arabicCharset};

} // namespace forms
