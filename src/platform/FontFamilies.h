#pragma once
// The font families the system lists for this process: installed ones and those added for
// it alone.
#include <functional>

namespace platform {

// Gives each family's name, once for every character set the system lists it in, in the
// system's order. Out of memory inside the callback, the enumeration stops there.
void enumerateFamilies(const std::function<void(const wchar_t* name)>& take);

} // namespace platform
