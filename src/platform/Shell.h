#pragma once
#include <windows.h>

namespace platform {

// Hands a target to the Windows shell. Null pointers stay null on the way: a null
// verb means the default verb, which is not the same as an empty one.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void execute(HWND owner, const wchar_t* verb, const wchar_t* file,
                         const wchar_t* parameters, const wchar_t* folder, int show) = 0;
};

} // namespace platform
