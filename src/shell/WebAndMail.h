#pragma once
// The product's page, a mail to the maker, a mail to a friend.
#include "forms/ForGlyphmere.h"
#include "platform/Shell.h"

namespace shell {

void openProductPage(platform::Shell& shell);
void mailSupport(platform::Shell& shell);
// Addressed to the feedback window's Mail text as it is now; loads that window, hidden,
// when it does not exist yet.
void mailFriend(platform::Shell& shell, forms::ForGlyphmere& feedback);

} // namespace shell
