#include "shell/Support.h"

#include "platform/Shell.h"
#include "ui/ForGlyphmere.h"
#include "ui/Product.h"

#include <string>

namespace shell::Support {

namespace {

// No owner, the shell's default verb, no parameters, and "C:\" to work in, whatever
// folder the program runs from.
void launch(platform::Shell& shell, const std::wstring& target) {
    shell.execute(nullptr, nullptr, target.c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
}

} // namespace

void OpenDownloadPage(platform::Shell& shell) {
    launch(shell, std::wstring(ui::product::productPage));
}

void MailSupport(platform::Shell& shell) {
    launch(shell, L"mailto:" + std::wstring(ui::product::supportAddress));
}

void MailFriend(platform::Shell& shell, ui::ForGlyphmere& forGlyphmere) {
    forGlyphmere.load();
    launch(shell, L"mailto:" + forGlyphmere.Mail.text());
}

} // namespace shell::Support
