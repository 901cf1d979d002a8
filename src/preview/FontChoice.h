#pragma once
// The sample follows the chosen font and size; the sample box as the editing target;
// emptying the sample.
#include <optional>
#include <string>

namespace ui {
class MainForm;
}

namespace preview {

// A size entry's text as points: "8" to "72". Nothing for a text that is not a number.
std::optional<float> pointsOf(const std::wstring& text);

void fontChosen(ui::MainForm& mainForm);  // a font selected in the list
void sizeChosen(ui::MainForm& mainForm);  // a size selected in its list
void sampleUsed(ui::MainForm& mainForm);  // clicked or focused: the editing target
void clearSample(ui::MainForm& mainForm); // the sample emptied

} // namespace preview
