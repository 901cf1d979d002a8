#include "aboutfeedback/FeedbackWindow.h"

#include "forms/Messages.h"
#include "forms/Product.h"
#include "shell/WebAndMail.h"

namespace aboutfeedback {

void tellAFriend(forms::ForGlyphmere& feedback, platform::Services& services) {
    const std::wstring address = services.prompts.inputBox(
        feedback.hwnd(), L"Please insert your friend's full mail address:", L"Tell-a-friend", L"");
    feedback.Mail.setText(address);
    if (!address.empty())
        shell::mailFriend(services.shell, feedback);
}

void firstSiteNote(forms::ForGlyphmere& feedback, platform::Prompts& prompts) {
    prompts.messageBox(feedback.hwnd(),
                       L"Free registration required to vote and add a review at " +
                           std::wstring(forms::product::firstSiteHost),
                       forms::message::information, forms::message::title);
}

void secondSiteNote(forms::ForGlyphmere& feedback, platform::Prompts& prompts) {
    prompts.messageBox(feedback.hwnd(),
                       L"Free registration required to add a review at " +
                           std::wstring(forms::product::secondSiteHost) +
                           L" (No registration required to vote)",
                       forms::message::information, forms::message::title);
}

void openFeedback(forms::ForGlyphmere& feedback, forms::MainForm& main) {
    feedback.show();
    if (feedback.visible())
        main.setEnabled(false);
}

void closeFeedback(forms::ForGlyphmere& feedback, forms::MainForm& main) {
    main.setEnabled(true);
    main.bringToFront();
    feedback.hide();
}

} // namespace aboutfeedback
