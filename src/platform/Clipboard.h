#pragma once
// The real clipboard, as text. Not a seam: tests use the real one.
#include <windows.h>

#include <optional>
#include <string>

namespace platform::clipboard {

enum class Result {
    Done,
    Busy,   // another program keeps the clipboard open
    Failed, // the clipboard was not changed for another reason
};

// The clipboard opened for a scope, trying again for about half a second while another
// program holds it, and closed again whatever way the scope ends.
class Opened {
public:
    explicit Opened(HWND owner);
    ~Opened();
    Opened(const Opened&) = delete;
    Opened& operator=(const Opened&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

// Replaces the clipboard's contents by the text alone. Should the system refuse the text
// once the clipboard is emptied, the text the clipboard held is put back (other formats it
// held are gone then); a clipboard that cannot be opened is not touched.
Result setText(HWND owner, const std::wstring& text);

// The clipboard's text, or nothing when it holds none or cannot be opened.
std::optional<std::wstring> text(HWND owner);

} // namespace platform::clipboard
