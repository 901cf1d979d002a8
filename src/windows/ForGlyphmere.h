#pragma once
// ForGlyphmere's behaviour.
namespace platform {
class Prompts;
struct Services;
} // namespace platform
namespace ui {
class ForGlyphmere;
class MainForm;
} // namespace ui

namespace windows {

// As openAboutForm, the main window waits only for a window that is there.
void openForGlyphmere(ui::ForGlyphmere& forGlyphmere, ui::MainForm& mainForm);
// Asks for the friend's address and, given one, writes to it.
void tellAFriend(ui::ForGlyphmere& forGlyphmere, platform::Services& services);
// How to vote at each download site.
void firstSiteNote(ui::ForGlyphmere& forGlyphmere, platform::Prompts& prompts);
void secondSiteNote(ui::ForGlyphmere& forGlyphmere, platform::Prompts& prompts);
// Back to the main window.
void closeForGlyphmere(ui::ForGlyphmere& forGlyphmere, ui::MainForm& mainForm);

} // namespace windows
