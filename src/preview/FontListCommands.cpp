#include "preview/FontListCommands.h"

#include "forms/Messages.h"
#include "platform/Clipboard.h"

namespace preview {

namespace {
using forms::message::information;
using forms::message::title;
using forms::message::warning;
} // namespace

void countFonts(forms::MainForm& main, platform::Prompts& prompts) {
    prompts.messageBox(main.hwnd(),
                       L"You have " + std::to_wstring(main.FontList.listCount()) +
                           L" installed fonts in your Windows 'Fonts' folder",
                       information, title);
}

void refreshList(forms::MainForm& main) {
    main.FontList.refresh();
}

void copyFontName(forms::MainForm& main, platform::Prompts& prompts) {
    // Never a success reported for a failure, and never the user's clipboard wiped for
    // nothing.
    if (main.FontList.listIndex() < 0) {
        prompts.messageBox(main.hwnd(), L"No font is selected.", warning, title);
        return;
    }
    switch (platform::clipboard::setText(main.hwnd(), main.FontList.text())) {
    case platform::clipboard::Result::Done:
        prompts.messageBox(main.hwnd(), L"Font name successfully copied!", information, title);
        break;
    case platform::clipboard::Result::Busy:
        prompts.messageBox(main.hwnd(),
                           L"The font name could not be copied because another program is "
                           L"using the clipboard.",
                           warning, title);
        break;
    case platform::clipboard::Result::Failed:
        prompts.messageBox(main.hwnd(), L"The font name could not be copied.", warning, title);
        break;
    }
}

} // namespace preview
