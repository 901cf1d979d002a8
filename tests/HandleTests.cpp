// The handle owners: each handle freed once, by its last owner.
#include "platform/Handles.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

bool isLiveGdiObject(HGDIOBJ object) {
    return GetObjectType(object) != 0;
}

TEST(Handles, EachHandleIsFreedOnceByItsLastOwner) {
    HFONT first = CreateFontW(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
    HFONT second = CreateFontW(14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
    {
        platform::Font owner(first);
        platform::Font taker(std::move(owner));
        EXPECT_FALSE(owner) << "a moved-from owner holds nothing";
        owner = std::move(taker); // and back again
        EXPECT_TRUE(isLiveGdiObject(first));
        owner.reset(second);
        EXPECT_FALSE(isLiveGdiObject(first)) << "taking another frees the first";
        EXPECT_TRUE(isLiveGdiObject(second));
    }
    EXPECT_FALSE(isLiveGdiObject(second)) << "going away frees the last";

    // A failed CreateFileW answers INVALID_HANDLE_VALUE, which is no handle to close.
    platform::KernelHandle missing(CreateFileW(L"C:\\no such folder\\no such file", GENERIC_READ, 0,
                                               nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(missing);
}

} // namespace
