#include "shell/LaunchCommands.h"

#include "forms/Messages.h"
#include "platform/Files.h"
#include "shell/ShellOpen.h"

namespace shell {

std::wstring besideProgram(platform::System& system, const std::wstring& name) {
    return system.programFolder() + L"\\" + name;
}

void openFontsFolder(platform::Shell& shell, const forms::ReadForm& splash) {
    shellOpen(shell, splash.hwnd(), L"Fonts", L"", L"");
}

void openCharacterMap(platform::Shell& shell, const forms::ReadForm& splash) {
    shellOpen(shell, splash.hwnd(), L"charmap.exe", L"", L"");
}

void openHowTo(platform::Services& services, const forms::ReadForm& splash) {
    shellOpen(services.shell, splash.hwnd(), besideProgram(services.system, L"Install Fonts.htm"),
              L"", L"");
}

void openDonation(platform::Services& services, const forms::ReadForm& splash) {
    shellOpen(services.shell, splash.hwnd(),
              besideProgram(services.system, L"Donate with PayPal.exe"), L"", L"");
}

void openLicense(platform::Services& services, const forms::ReadForm& splash, HWND owner) {
    const std::wstring path = besideProgram(services.system, L"License Agreement.rtf");
    if (!platform::files::canRead(path)) {
        services.prompts.messageBox(owner,
                                    L"Glyphmere can not find the file License Agreement.rtf, "
                                    L"Please reinstall the application",
                                    forms::message::warning, forms::message::title);
        return;
    }
    shellOpen(services.shell, splash.hwnd(), path, L"", L"");
}

} // namespace shell
