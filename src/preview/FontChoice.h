#pragma once
// The sample follows the chosen font and size; the sample box as the editing target;
// emptying the sample.
#include "forms/MainForm.h"

#include <optional>
#include <string>

namespace preview {

// A size entry's text as points: "8" to "72". Nothing for a text that is not a number.
std::optional<float> pointsOf(const std::wstring& text);

void fontChosen(forms::MainForm& main);  // FontList click
void sizeChosen(forms::MainForm& main);  // Sizelist click
void sampleUsed(forms::MainForm& main);  // BigText click or focus
void clearSample(forms::MainForm& main); // ClearText, RemoveAll

} // namespace preview
