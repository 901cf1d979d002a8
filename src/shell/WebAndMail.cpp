#include "shell/WebAndMail.h"

#include "forms/Product.h"

#include <string>

namespace shell {

namespace {

// No owner, the shell's default verb, no parameters, and "C:\" to work in, whatever
// folder the program runs from.
void launch(platform::Shell& shell, const std::wstring& target) {
    shell.execute(nullptr, nullptr, target.c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
}

} // namespace

void openProductPage(platform::Shell& shell) {
    launch(shell, std::wstring(forms::product::productPage));
}

void mailSupport(platform::Shell& shell) {
    launch(shell, L"mailto:" + std::wstring(forms::product::supportAddress));
}

void mailFriend(platform::Shell& shell, forms::ForGlyphmere& feedback) {
    feedback.load();
    launch(shell, L"mailto:" + feedback.Mail.text());
}

} // namespace shell
