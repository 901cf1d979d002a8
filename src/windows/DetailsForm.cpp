#include "windows/DetailsForm.h"

#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "platform/FontFacts.h"
#include "platform/PrivateFonts.h"
#include "platform/Services.h"
#include "platform/SystemFolders.h"
#include "platform/UserFonts.h"
#include "preview/FontFileFaces.h"
#include "preview/FontFilePreview.h"
#include "ui/DetailsForm.h"
#include "ui/MainForm.h"
#include "ui/Messages.h"
#include "windows/Waiting.h"

#include <algorithm>

namespace windows {

namespace {

// A font file is read whole to name it; the preview takes none larger.
constexpr unsigned long long mostFontBytes = 64ull << 20;

// Whether every file lies in the user's own font folder, where a font installed for one
// user lives.
bool inUserFontFolder(const std::vector<std::wstring>& files) {
    const std::wstring folder = platform::userFonts::folder() + L"\\";
    if (folder.size() == 1 || files.empty())
        return false;
    return std::all_of(files.begin(), files.end(), [&](const std::wstring& file) {
        return file.size() > folder.size() &&
               CompareStringOrdinal(file.c_str(), static_cast<int>(folder.size()), folder.c_str(),
                                    static_cast<int>(folder.size()), TRUE) == CSTR_EQUAL;
    });
}

} // namespace

void Details::open() {
    const std::wstring family = mainForm_.FontList.text();
    if (family.empty())
        return;
    read(family);
    showWhileMainWaits(form_, mainForm_, [this] {
        form_.load();
        fill();
        form_.show();
        form_.Facts.setFocus();
    });
}

void Details::read(const std::wstring& family) {
    facts_ = platform::readFontFacts(family);
    // Where DirectWrite finds no file (Wine's does not for a font installed since it
    // started), the user's own Fonts key may name it.
    if (facts_.files.empty())
        facts_.files = platform::userFonts::filesNamed(facts_.string(preview::fullNameId));
    if (const auto dropped = previews_.filesOf(family); !dropped.empty()) {
        facts_.where = preview::FontFacts::Where::previewed;
        facts_.files = dropped; // the files as the user has them, not our private copies
    } else if (!facts_.files.empty()) {
        facts_.where = inUserFontFolder(facts_.files) ? preview::FontFacts::Where::thisUser
                                                      : preview::FontFacts::Where::allUsers;
    }
}

void Details::fill() {
    form_.setCaption(L"Font Details - " + facts_.family);
    form_.Facts.setText(preview::rowsText(preview::detailRows(facts_)));
    form_.ShowInFolder.setEnabled(!facts_.files.empty());
    const std::pair<controls::CommandButton*, std::uint16_t> sites[] = {
        {&form_.VendorSite, preview::vendorUrlId},
        {&form_.DesignerSite, preview::designerUrlId},
        {&form_.LicencePage, preview::licenceUrlId}};
    for (const auto& [button, id] : sites)
        button->setEnabled(preview::isWebAddress(facts_.string(id)));
    form_.InstallFont.setVisible(facts_.where == preview::FontFacts::Where::previewed);
    form_.RemoveFont.setVisible(facts_.where == preview::FontFacts::Where::thisUser);
}

void Details::close() {
    backToMain(form_, mainForm_);
}

void Details::copyRows() {
    const std::wstring text = form_.Facts.text();
    platform::clipboard::setText(
        form_.hwnd(), preview::rowsTouched(text, static_cast<size_t>(form_.Facts.selStart()),
                                           static_cast<size_t>(form_.Facts.selLength())));
}

void Details::showInFolder() {
    const std::wstring system = services_.system.systemFolder();
    const size_t slash = system.find_last_of(L'\\');
    if (facts_.files.empty() || slash == std::wstring::npos)
        return;
    // Explorer lies in the Windows folder, above the system folder (also SysWOW64's).
    const std::wstring explorer = system.substr(0, slash) + L"\\explorer.exe";
    const std::wstring select = L"/select,\"" + facts_.files.front() + L"\"";
    services_.shell.execute(form_.hwnd(), L"open", explorer.c_str(), select.c_str(), nullptr,
                            SW_SHOWNORMAL);
}

void Details::tell(const std::wstring& text) {
    services_.prompts.messageBox(form_.hwnd(), text, ui::message::warning, ui::message::title);
}

void Details::install() {
    const std::wstring family = facts_.family;
    if (facts_.where != preview::FontFacts::Where::previewed)
        return;
    if (!platform::userFonts::supported()) {
        tell(L"Glyphmere cannot install fonts for you alone on this version of Windows: that "
             L"takes Windows 10 version 1809 or later.");
        return;
    }
    std::vector<platform::userFonts::FontFile> files;
    for (const auto& [path, copy] : previews_.copiesOf(family)) {
        const auto bytes = platform::files::readAll(copy, mostFontBytes);
        const auto name = bytes ? preview::readInstallName(*bytes) : std::nullopt;
        if (!name) {
            tell(L"Glyphmere installs TrueType and OpenType fonts only; this file is neither:\n" +
                 path);
            return;
        }
        files.push_back({copy, path.substr(path.find_last_of(L"\\/") + 1),
                         name->fullName + (name->postScript ? L" (OpenType)" : L" (TrueType)")});
    }
    previews_.setLoaded(family, false);
    const auto outcome = platform::userFonts::install(files);
    if (outcome != platform::userFonts::Outcome::done)
        previews_.setLoaded(family, true); // previewed still, as it was
    switch (outcome) {
    case platform::userFonts::Outcome::done:
        previews_.installed(family);
        read(family);
        fill();
        break;
    case platform::userFonts::Outcome::alreadyThere:
        tell(L"The font \"" + family +
             L"\" is already installed for you, or a file or entry of its name is there. "
             L"Glyphmere changed nothing.");
        break;
    case platform::userFonts::Outcome::failed:
        tell(L"Glyphmere could not install the font \"" + family + L"\". Nothing was changed.");
        break;
    }
}

std::vector<std::wstring> Details::filesToRemove() const {
    // Every face's file, not the regular one's alone: a family installed from several files
    // goes whole. Each is one the user's Fonts key names in the user's font folder.
    std::vector<std::wstring> files = facts_.files;
    for (const std::wstring& name : platform::fullNamesOf(facts_.family))
        for (std::wstring& file : platform::userFonts::filesNamed(name))
            if (std::none_of(files.begin(), files.end(), [&](const std::wstring& known) {
                    return CompareStringOrdinal(known.c_str(), -1, file.c_str(), -1, TRUE) ==
                           CSTR_EQUAL;
                }))
                files.push_back(std::move(file));
    return files;
}

void Details::remove() {
    const std::wstring family = facts_.family;
    if (facts_.where != preview::FontFacts::Where::thisUser ||
        services_.prompts.messageBox(form_.hwnd(),
                                     L"Remove the font \"" + family +
                                         L"\" that is installed for you? Its files go from your "
                                         L"font folder.",
                                     MB_YESNO | MB_ICONQUESTION, ui::message::title) != IDYES)
        return;
    const auto outcome = platform::userFonts::remove(filesToRemove());
    if (!platform::PrivateFonts::familyListed(family)) {
        const int at = mainForm_.FontList.findEntry(family);
        mainForm_.FontList.removeItem(family);
        mainForm_.FontList.setListIndex(std::min(at, mainForm_.FontList.listCount() - 1));
    }
    close();
    if (outcome != platform::userFonts::Outcome::done)
        tell(L"Glyphmere could not take all of the font \"" + family +
             L"\" away: a file may be in use. It goes when Windows next starts without it.");
}

void Details::openAddress(std::uint16_t id) {
    const std::wstring address = facts_.string(id);
    if (preview::isWebAddress(address))
        services_.shell.execute(form_.hwnd(), L"open", address.c_str(), nullptr, nullptr,
                                SW_SHOWNORMAL);
}

} // namespace windows
