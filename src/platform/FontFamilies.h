#pragma once
// The font families the system lists for this process: installed ones and those added for
// it alone.
#include <functional>

namespace platform {

// Gives each family's name in the system's order, once for each run of character sets the
// system lists it in one after another: a name can still come again later. Out of memory
// inside the callback, the enumeration stops there.
void enumerateFamilies(const std::function<void(const wchar_t* name)>& take);

} // namespace platform
