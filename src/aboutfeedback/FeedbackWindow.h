#pragma once
// The feedback window's behaviour.
#include "forms/ForGlyphmere.h"
#include "forms/MainForm.h"
#include "platform/Services.h"

namespace aboutfeedback {

// FeedbackMenu: as openAbout, the main window waits only for a window that is there.
void openFeedback(forms::ForGlyphmere& feedback, forms::MainForm& main);
void tellAFriend(forms::ForGlyphmere& feedback, platform::Services& services); // TellAFriendLink
void firstSiteNote(forms::ForGlyphmere& feedback,
                   platform::Prompts& prompts); // FirstSiteNotePicture
void secondSiteNote(forms::ForGlyphmere& feedback,
                    platform::Prompts& prompts);                          // SecondSiteNotePicture
void closeFeedback(forms::ForGlyphmere& feedback, forms::MainForm& main); // ClosePicture

} // namespace aboutfeedback
