#pragma once
// The product's page, a mail to the maker, a mail to a friend.
namespace platform {
class Shell;
}
namespace ui {
class ForGlyphmere;
}

namespace shell::Support {

void OpenDownloadPage(platform::Shell& shell);
void MailSupport(platform::Shell& shell);
// Addressed to ForGlyphmere's Mail text as it is now; loads that window, hidden, when it
// does not exist yet.
void MailFriend(platform::Shell& shell, ui::ForGlyphmere& forGlyphmere);

} // namespace shell::Support
