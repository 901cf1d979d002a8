#pragma once
// The four effects, removing them all, and the sample's colour.
namespace platform {
class Prompts;
}
namespace ui {
class MainForm;
}

namespace preview {

void boldSwitched(ui::MainForm& mainForm);
void italicSwitched(ui::MainForm& mainForm);
void underlineSwitched(ui::MainForm& mainForm);
void strikeoutSwitched(ui::MainForm& mainForm);

void removeAllEffects(ui::MainForm& mainForm);
// The colour dialog, from the sample's colour; the sample takes the dialog's colour.
void pickColor(ui::MainForm& mainForm, platform::Prompts& prompts);

} // namespace preview
