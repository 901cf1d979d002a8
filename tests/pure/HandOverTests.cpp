// The files one start hands to another: what arrives is taken only when well made. Pure:
// built for Windows and, with the sanitizers, natively.
#include "app/HandOver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using app::handOver::decode;
using app::handOver::encode;

TEST(HandOver, PathsGoAcrossWholeAndNothingBadlyMadeIsTaken) {
    const std::vector<std::wstring> paths = {L"C:\\Fonts\\a.ttf", L"D:\\\u00E9\u4E2D.otf"};
    EXPECT_EQ(decode(encode(paths)), paths);

    const std::string good = encode(paths);
    const std::string tooMany = encode(std::vector<std::wstring>(257, L"x.ttf"));
    const std::string tooLong = encode({std::wstring(32768, L'x')});
    for (const std::string& bytes :
         {std::string(), good.substr(0, good.size() - 2), good.substr(0, good.size() - 1),
          good.substr(0, good.size() - 4), good + std::string(2, 'x'), encode({}),
          std::string(4, '\0'), tooMany, tooLong})
        EXPECT_FALSE(decode(bytes)) << bytes.size() << " bytes";
}

} // namespace
