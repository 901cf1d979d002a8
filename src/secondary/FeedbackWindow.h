#pragma once
// The feedback window's behaviour.
#include "forms/ForGlyphmere.h"
#include "forms/MainForm.h"
#include "platform/Services.h"

namespace secondary {

// LikeIt: as openAbout, the main window waits only for a window that is there.
void openFeedback(forms::ForGlyphmere& feedback, forms::MainForm& main);
void tellAFriend(forms::ForGlyphmere& feedback, platform::Services& services);  // Label4
void firstSiteNote(forms::ForGlyphmere& feedback, platform::Prompts& prompts);  // Image1
void secondSiteNote(forms::ForGlyphmere& feedback, platform::Prompts& prompts); // Image2
void closeFeedback(forms::ForGlyphmere& feedback, forms::MainForm& main);       // Image3

} // namespace secondary
