// Decoding a text file's bytes. Pure: built for Windows and, with the sanitizers, natively.
#include "editing/TextDecoding.h"
#include "pure/Latin1.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

// The bytes of a literal, NULs included.
template <size_t N> std::string_view raw(const char (&bytes)[N]) {
    return {bytes, N - 1};
}

TEST(TextDecoding, MarksEncodingsAndTheAnsiFallback) {
    using editing::decodeText;
    EXPECT_EQ(decodeText("", latin1), L"");
    EXPECT_EQ(decodeText(raw("\xFF\xFE"
                             "A\0\xE9\0"
                             "\r\0\n\0"),
                         latin1),
              L"A\u00E9\r\n");
    EXPECT_EQ(decodeText(raw("\xFE\xFF\0A\x26\x13"), latin1), L"A\u2613");
    EXPECT_EQ(decodeText("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
                         "e",
                         latin1),
              L"Gr\u00FC\u00DFe");
    EXPECT_EQ(decodeText("Gr\xC3\xBC\xC3\x9F"
                         "e \xE2\x9C\x93",
                         latin1),
              L"Gr\u00FC\u00DFe \u2713");
    EXPECT_EQ(decodeText("\xF0\x9F\x98\x80", latin1), L"\xD83D\xDE00") << "a pair of surrogates";
    // Not UTF-8: each byte a character of the code page.
    EXPECT_EQ(decodeText("caf\xE9 \xC3", latin1), L"caf\u00E9 \u00C3");
    EXPECT_EQ(decodeText("\xC0\x80", latin1), L"\u00C0\u0080") << "an overlong form is not UTF-8";
    EXPECT_EQ(decodeText("\xED\xA0\x80", latin1), L"\u00ED\u00A0\u0080") << "nor a surrogate";
    // Invalid bytes after a UTF-8 mark show as replacement characters.
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "a\xFF"
                         "b",
                         latin1),
              L"a\uFFFDb");
    EXPECT_EQ(decodeText(raw("\xFF\xFE"
                             "A\0B"),
                         latin1),
              L"A\uFFFD")
        << "a half character at the end";
}

TEST(TextDecoding, NulsBecomeSpacesAndNothingAfterThemIsLost) {
    const std::string bytes("ab\0\0cd\0", 7);
    EXPECT_EQ(editing::decodeText(bytes, latin1), L"ab  cd ");
    EXPECT_EQ(editing::decodeText(std::string("\xFF\xFE"
                                              "x\0\0\0y\0",
                                              8),
                                  latin1),
              L"x y");
}

} // namespace
