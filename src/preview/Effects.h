#pragma once
// The four effects, removing them all, and the sample's colour.
#include "platform/Prompts.h"
#include "ui/MainForm.h"

namespace preview {

void boldSwitched(ui::MainForm& main);
void italicSwitched(ui::MainForm& main);
void underlineSwitched(ui::MainForm& main);
void strikeoutSwitched(ui::MainForm& main);

void removeAllEffects(ui::MainForm& main);                      // RemoveEffects, RemoveLabel
void pickColor(ui::MainForm& main, platform::Prompts& prompts); // ColorClick

} // namespace preview
