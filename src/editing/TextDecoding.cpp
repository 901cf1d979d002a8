#include "editing/TextDecoding.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace editing {

namespace {

constexpr wchar_t replacement = 0xFFFD;
constexpr std::uint32_t invalid = 0xFFFFFFFFu;

bool startsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

std::wstring fromUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring text;
    text.reserve(bytes.size() / 2 + 1);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text.push_back(
            static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    if (bytes.size() % 2)
        text.push_back(replacement); // a last half character
    return text;
}

void appendCodePoint(std::wstring& text, std::uint32_t point) {
    if (point < 0x10000) {
        text.push_back(static_cast<wchar_t>(point));
    } else {
        point -= 0x10000;
        text.push_back(static_cast<wchar_t>(0xD800 + (point >> 10)));
        text.push_back(static_cast<wchar_t>(0xDC00 + (point & 0x3FF)));
    }
}

// Walks UTF-8, handing each code point on, or an invalid byte as 0xFFFFFFFF. Answers
// false at the first invalid byte when strict.
template <typename Take> bool walkUtf8(std::string_view bytes, bool strict, Take&& take) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            take(lead);
            ++i;
            continue;
        }
        size_t length = 0;
        std::uint32_t point = 0, smallest = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, point = lead & 0x1Fu, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, point = lead & 0x0Fu, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, point = lead & 0x07u, smallest = 0x10000;
        }
        bool valid = length != 0 && i + length <= bytes.size();
        for (size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            point = (point << 6) | (next & 0x3Fu);
        }
        valid = valid && point >= smallest && point <= 0x10FFFF &&
                !(point >= 0xD800 && point <= 0xDFFF);
        if (valid) {
            take(point);
            i += length;
        } else if (strict) {
            return false;
        } else {
            take(invalid);
            ++i;
        }
    }
    return true;
}

// The UTF-16 units that UTF-8 bytes make; nothing when strict and a byte is invalid.
std::optional<size_t> utf16Units(std::string_view bytes, bool strict) {
    size_t units = 0;
    if (!walkUtf8(bytes, strict, [&](std::uint32_t point) {
            units += point >= 0x10000 && point != invalid ? 2 : 1;
        }))
        return std::nullopt;
    return units;
}

// Each invalid byte shows as the replacement character. The units counted before, the
// text takes exactly its own room.
std::wstring fromUtf8(std::string_view bytes, size_t units) {
    std::wstring text;
    text.reserve(units);
    walkUtf8(bytes, false, [&](std::uint32_t point) {
        if (point == invalid)
            text.push_back(replacement);
        else
            appendCodePoint(text, point);
    });
    return text;
}

} // namespace

std::wstring decodeText(std::string_view bytes, const AnsiDecoder& fromAnsi) {
    std::wstring text;
    if (startsWith(bytes, "\xFF\xFE"))
        text = fromUtf16(bytes.substr(2), false);
    else if (startsWith(bytes, "\xFE\xFF"))
        text = fromUtf16(bytes.substr(2), true);
    else if (startsWith(bytes, "\xEF\xBB\xBF"))
        text = fromUtf8(bytes.substr(3), *utf16Units(bytes.substr(3), false));
    else if (const auto units = utf16Units(bytes, true)) // no room taken for what is not UTF-8
        text = fromUtf8(bytes, *units);
    else
        text = fromAnsi(bytes);
    std::replace(text.begin(), text.end(), L'\0', L' ');
    return text;
}

} // namespace editing
