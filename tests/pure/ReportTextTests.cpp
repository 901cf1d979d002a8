// The report's text. Pure: built for Windows and, with the sanitizers, natively.
#include "report/ReportText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ReportText, LinesAndEffectWords) {
    report::Choice choice{L"Tahoma", L"12"};
    EXPECT_EQ(report::effectsText(choice), L" No one used");
    choice.italic = choice.bold = true;
    EXPECT_EQ(report::effectsText(choice), L"Bold Italic ");
    const std::wstring text = report::reportText(choice, L" \r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 12);
    EXPECT_NE(text.find(L"Selected effects: Bold Italic  \r\n"), std::wstring::npos);
    EXPECT_NE(text.find(L"\r\n" + std::wstring(54, L'-') + L" \r\n"), std::wstring::npos);
}

} // namespace
