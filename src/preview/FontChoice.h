#pragma once
// The sample follows the chosen font and size; the sample box as the editing target;
// emptying the sample.
#include "ui/MainForm.h"

#include <optional>
#include <string>

namespace preview {

// A size entry's text as points: "8" to "72". Nothing for a text that is not a number.
std::optional<float> pointsOf(const std::wstring& text);

void fontChosen(ui::MainForm& main);  // FontList click
void sizeChosen(ui::MainForm& main);  // Sizelist click
void sampleUsed(ui::MainForm& main);  // BigText click or focus
void clearSample(ui::MainForm& main); // ClearText, RemoveAll

} // namespace preview
