#include "preview/FontListCommands.h"

#include "platform/Clipboard.h"
#include "platform/Prompts.h"
#include "preview/FontFilePreview.h"
#include "ui/MainForm.h"
#include "ui/Messages.h"

namespace preview {

namespace {
using ui::message::information;
using ui::message::title;
using ui::message::warning;
} // namespace

void countFonts(ui::MainForm& mainForm, platform::Prompts& prompts,
                const FontFilePreview& fontFiles) {
    const int installed = mainForm.FontList.listCount() - fontFiles.families();
    prompts.messageBox(mainForm.hwnd(),
                       L"You have " + std::to_wstring(installed) +
                           L" installed fonts in your Windows 'Fonts' folder",
                       information, title);
}

void refreshList(ui::MainForm& mainForm) {
    mainForm.FontList.refresh();
}

void copyFontName(ui::MainForm& mainForm, platform::Prompts& prompts) {
    // Never a success reported for a failure, and never the user's clipboard wiped for
    // nothing.
    if (mainForm.FontList.listIndex() < 0) {
        prompts.messageBox(mainForm.hwnd(), L"No font is selected.", warning, title);
        return;
    }
    switch (platform::clipboard::setText(mainForm.hwnd(), mainForm.FontList.text())) {
    case platform::clipboard::Result::Done:
        prompts.messageBox(mainForm.hwnd(), L"Font name successfully copied!", information, title);
        break;
    case platform::clipboard::Result::Busy:
        prompts.messageBox(mainForm.hwnd(),
                           L"The font name could not be copied because another program is "
                           L"using the clipboard.",
                           warning, title);
        break;
    case platform::clipboard::Result::Failed:
        prompts.messageBox(mainForm.hwnd(), L"The font name could not be copied.", warning, title);
        break;
    }
}

} // namespace preview
