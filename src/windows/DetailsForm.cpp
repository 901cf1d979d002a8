#include "windows/DetailsForm.h"

#include "platform/Clipboard.h"
#include "platform/FontFacts.h"
#include "platform/Services.h"
#include "platform/SystemFolders.h"
#include "preview/FontFilePreview.h"
#include "ui/DetailsForm.h"
#include "ui/MainForm.h"
#include "windows/Waiting.h"

#include <algorithm>

namespace windows {

namespace {

// Whether every file lies in the user's own font folder, where a font installed for one
// user lives.
bool inUserFontFolder(const std::vector<std::wstring>& files) {
    const std::wstring data = platform::systemFolders::localAppData();
    if (data.empty() || files.empty())
        return false;
    const std::wstring folder = data + L"\\Microsoft\\Windows\\Fonts\\";
    return std::all_of(files.begin(), files.end(), [&](const std::wstring& file) {
        return file.size() > folder.size() &&
               CompareStringOrdinal(file.c_str(), static_cast<int>(folder.size()), folder.c_str(),
                                    static_cast<int>(folder.size()), TRUE) == CSTR_EQUAL;
    });
}

std::wstring factString(const preview::FontFacts& facts, std::uint16_t id) {
    const auto found = facts.strings.find(id);
    return found == facts.strings.end() ? std::wstring() : found->second;
}

} // namespace

void Details::open() {
    const std::wstring family = mainForm_.FontList.text();
    if (family.empty())
        return;
    facts_ = platform::readFontFacts(family);
    if (const auto dropped = previews_.filesOf(family); !dropped.empty()) {
        facts_.where = preview::FontFacts::Where::previewed;
        facts_.files = dropped; // the files as the user has them, not our private copies
    } else if (!facts_.files.empty()) {
        facts_.where = inUserFontFolder(facts_.files) ? preview::FontFacts::Where::thisUser
                                                      : preview::FontFacts::Where::allUsers;
    }
    showWhileMainWaits(form_, mainForm_, [this] {
        form_.load();
        fill();
        form_.show();
        form_.Facts.setFocus();
    });
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
        button->setEnabled(preview::isWebAddress(factString(facts_, id)));
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

void Details::openAddress(std::uint16_t id) {
    const std::wstring address = factString(facts_, id);
    if (preview::isWebAddress(address))
        services_.shell.execute(form_.hwnd(), L"open", address.c_str(), nullptr, nullptr,
                                SW_SHOWNORMAL);
}

} // namespace windows
