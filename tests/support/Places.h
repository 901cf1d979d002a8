#pragma once
// Where a window's controls stand, read from the windows themselves.
#include "ui/Form.h"

#include <set>
#include <string_view>
#include <utility>

using ControlPairs = std::set<std::pair<std::wstring_view, std::wstring_view>>;

// The pairs of visible controls of the form whose places overlap, by their names.
ControlPairs overlappingControls(const ui::Form& form);
