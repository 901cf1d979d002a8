#include "shell/LaunchCommands.h"

#include "platform/Files.h"
#include "platform/Services.h"
#include "shell/WinFontFolder.h"
#include "ui/Messages.h"

namespace shell {

std::wstring besideProgram(platform::System& system, const std::wstring& name) {
    return system.programFolder() + L"\\" + name;
}

void openFontsFolder(platform::Shell& shell, const ui::ReadForm& readForm) {
    WinFontFolder::ShellOpen(shell, readForm, L"Fonts", L"", L"");
}

void openCharacterMap(platform::Shell& shell, const ui::ReadForm& readForm) {
    WinFontFolder::ShellOpen(shell, readForm, L"charmap.exe", L"", L"");
}

void openHowTo(platform::Services& services, const ui::ReadForm& readForm) {
    WinFontFolder::ShellOpen(services.shell, readForm,
                             besideProgram(services.system, L"Install Fonts.htm"), L"", L"");
}

void openDonation(platform::Services& services, const ui::ReadForm& readForm) {
    WinFontFolder::ShellOpen(services.shell, readForm,
                             besideProgram(services.system, L"Donate with PayPal.exe"), L"", L"");
}

void openLicense(platform::Services& services, const ui::ReadForm& readForm, HWND owner) {
    const std::wstring path = besideProgram(services.system, L"License Agreement.rtf");
    if (!platform::files::canRead(path)) {
        services.prompts.messageBox(owner,
                                    L"Glyphmere can not find the file License Agreement.rtf, "
                                    L"Please reinstall the application",
                                    ui::message::warning, ui::message::title);
        return;
    }
    WinFontFolder::ShellOpen(services.shell, readForm, path, L"", L"");
}

} // namespace shell
