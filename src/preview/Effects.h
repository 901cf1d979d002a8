#pragma once
// The four effects, removing them all, and the sample's colour.
#include "forms/MainForm.h"
#include "platform/Prompts.h"

namespace preview {

void boldSwitched(forms::MainForm& main);
void italicSwitched(forms::MainForm& main);
void underlineSwitched(forms::MainForm& main);
void strikeoutSwitched(forms::MainForm& main);

void removeAllEffects(forms::MainForm& main);                      // RemoveEffects, RemoveLabel
void pickColor(forms::MainForm& main, platform::Prompts& prompts); // ColorClick

} // namespace preview
