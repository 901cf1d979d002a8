#pragma once
// The feedback window's behaviour.
#include "platform/Services.h"
#include "ui/ForGlyphmere.h"
#include "ui/MainForm.h"

namespace windows {

void tellAFriend(ui::ForGlyphmere& feedback, platform::Services& services);  // Label4
void firstSiteNote(ui::ForGlyphmere& feedback, platform::Prompts& prompts);  // Image1
void secondSiteNote(ui::ForGlyphmere& feedback, platform::Prompts& prompts); // Image2
void closeFeedback(ui::ForGlyphmere& feedback, ui::MainForm& main);          // Image3

} // namespace windows
