#include "report/ReportText.h"

#include "Version.h"
#include "ui/Product.h"

namespace report {

std::wstring effectsText(const Choice& choice) {
    std::wstring words;
    if (choice.bold)
        words += L"Bold ";
    if (choice.underline)
        words += L"Underline ";
    if (choice.strikeout)
        words += L"Strikeout ";
    if (choice.italic)
        words += L"Italic ";
    return words.empty() ? L" No one used" : words;
}

std::wstring reportText(const Choice& choice, const std::wstring& separator) {
    const std::wstring rule(54, L'-');
    const std::wstring& sep = separator;
    return L"Glyphmere " GLYPHMERE_VERSION_W L" Report" + sep + sep + rule + sep + sep +
           L"Selected font: " + choice.font + sep + L"Selected size: " + choice.size + sep +
           L"Selected effects: " + effectsText(choice) + sep + sep + rule + sep + sep +
           L"Thank you for using Glyphmere - Version " GLYPHMERE_VERSION_W + sep +
           L"If you like it please vote for it at " + std::wstring(ui::product::firstSiteHost) +
           L"\r\n";
}

} // namespace report
