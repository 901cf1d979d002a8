#include "windows/ForGlyphmere.h"

#include "platform/Services.h"
#include "shell/Support.h"
#include "ui/ForGlyphmere.h"
#include "ui/MainForm.h"
#include "ui/Messages.h"
#include "ui/Product.h"

namespace windows {

void tellAFriend(ui::ForGlyphmere& forGlyphmere, platform::Services& services) {
    const std::wstring address = services.prompts.inputBox(
        forGlyphmere.hwnd(), L"Please insert your friend's full mail address:", L"Tell-a-friend",
        L"");
    forGlyphmere.Mail.setText(address);
    if (!address.empty())
        shell::Support::MailFriend(services.shell, forGlyphmere);
}

void firstSiteNote(ui::ForGlyphmere& forGlyphmere, platform::Prompts& prompts) {
    prompts.messageBox(forGlyphmere.hwnd(),
                       L"Free registration required to vote and add a review at " +
                           std::wstring(ui::product::firstSiteHost),
                       ui::message::information, ui::message::title);
}

void secondSiteNote(ui::ForGlyphmere& forGlyphmere, platform::Prompts& prompts) {
    prompts.messageBox(forGlyphmere.hwnd(),
                       L"Free registration required to add a review at " +
                           std::wstring(ui::product::secondSiteHost) +
                           L" (No registration required to vote)",
                       ui::message::information, ui::message::title);
}

void openForGlyphmere(ui::ForGlyphmere& forGlyphmere, ui::MainForm& mainForm) {
    forGlyphmere.show();
    if (forGlyphmere.visible())
        mainForm.setEnabled(false);
}

void closeForGlyphmere(ui::ForGlyphmere& forGlyphmere, ui::MainForm& mainForm) {
    mainForm.setEnabled(true);
    mainForm.bringToFront();
    forGlyphmere.hide();
}

} // namespace windows
