#include "windows/FeedbackWindow.h"

#include "shell/Support.h"
#include "ui/Product.h"

namespace windows {

void tellAFriend(ui::ForGlyphmere& feedback, platform::Services& services) {
    const std::wstring address = services.prompts.inputBox(
        feedback.hwnd(), L"Please insert your friend's full mail address:", L"Tell-a-friend", L"");
    feedback.Mail.setText(address);
    if (!address.empty())
        shell::MailFriend(services.shell, feedback);
}

void firstSiteNote(ui::ForGlyphmere& feedback, platform::Prompts& prompts) {
    prompts.messageBox(feedback.hwnd(),
                       L"Free registration required to vote and add a review at " +
                           std::wstring(ui::product::firstSiteHost),
                       MB_OK | MB_ICONINFORMATION, L"Glyphmere");
}

void secondSiteNote(ui::ForGlyphmere& feedback, platform::Prompts& prompts) {
    prompts.messageBox(feedback.hwnd(),
                       L"Free registration required to add a review at " +
                           std::wstring(ui::product::secondSiteHost) +
                           L" (No registration required to vote)",
                       MB_OK | MB_ICONINFORMATION, L"Glyphmere");
}

void closeFeedback(ui::ForGlyphmere& feedback, ui::MainForm& main) {
    main.setEnabled(true);
    main.bringToFront();
    feedback.hide();
}

} // namespace windows
