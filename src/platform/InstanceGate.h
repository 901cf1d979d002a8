#pragma once
// The name of the single-instance gate: one Glyphmere at a time from each program file, as
// the previous-instance flag has always meant, so that a copy elsewhere (a test build, an
// unpacked release beside the installed one) runs beside it. The program reads no
// environment for it.
#include <string>
#include <string_view>

namespace platform {

// `prefix` followed by a digest of the program's full path, the same for every spelling of
// it (case, short names).
std::wstring instanceGateName(std::wstring_view prefix, const std::wstring& programPath);

} // namespace platform
