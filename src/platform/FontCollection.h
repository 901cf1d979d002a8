#pragma once
#include <string>

namespace platform {

// The installed screen-font families, read and never changed.
class FontCollection {
public:
    virtual ~FontCollection() = default;
    virtual int count() = 0;
    virtual std::wstring faceName(int index) = 0;
};

} // namespace platform
