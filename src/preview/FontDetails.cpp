#include "preview/FontDetails.h"

#include <algorithm>
#include <cwctype>

namespace preview {

namespace {

// One line, nothing that moves text about or hides it.
std::wstring oneLine(std::wstring_view text) {
    std::wstring line;
    for (const wchar_t c : text) {
        const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
        const bool direction = (c >= 0x200E && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
                               (c >= 0x2066 && c <= 0x2069) || c == 0x2028 || c == 0x2029;
        line.push_back(control || direction ? L' ' : c);
    }
    const auto first = line.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return {};
    return line.substr(first, line.find_last_not_of(L' ') - first + 1);
}

std::wstring typeOf(const FontFacts& f) {
    std::wstring type;
    if (f.postScriptOutlines)
        type = L"OpenType, PostScript (CFF) outlines";
    else if (f.trueTypeOutlines)
        type = L"TrueType outlines";
    else if (f.vector)
        type = L"Vector";
    else if (f.bitmap)
        type = L"Bitmap";
    if (f.variable && !type.empty())
        type += L", variable";
    return type;
}

// fsType: the least restrictive of the permissions set applies.
std::wstring embeddingOf(std::uint16_t fsType) {
    std::wstring text = (fsType & 0x000E) == 0 ? L"Installable"
                        : fsType & 0x0008      ? L"Editable"
                        : fsType & 0x0004      ? L"Preview and print"
                                               : L"Restricted: may not be embedded";
    if (fsType & 0x0100)
        text += L", no subsetting";
    if (fsType & 0x0200)
        text += L", bitmaps only";
    return text;
}

std::wstring whereOf(FontFacts::Where where) {
    switch (where) {
    case FontFacts::Where::allUsers:
        return L"Installed for all users";
    case FontFacts::Where::thisUser:
        return L"Installed for this user";
    case FontFacts::Where::previewed:
        return L"Previewed, not installed";
    default:
        return {};
    }
}

std::wstring joined(const std::vector<std::wstring>& parts) {
    std::wstring text;
    for (const std::wstring& part : parts)
        text += (text.empty() ? L"" : L", ") + part;
    return text;
}

} // namespace

std::vector<DetailRow> detailRows(const FontFacts& f) {
    const std::wstring family =
        f.string(typographicFamilyId).empty() ? f.string(familyId) : f.string(typographicFamilyId);
    const std::vector<DetailRow> all = {
        {L"Family", family.empty() ? f.family : family},
        {L"Full name", f.string(fullNameId)},
        {L"Styles", joined(f.styles)},
        {L"Version", f.string(versionId)},
        {L"Type", typeOf(f)},
        {L"Copyright", f.string(copyrightId)},
        {L"Trademark", f.string(trademarkId)},
        {L"Vendor", f.string(vendorId)},
        {L"Designer", f.string(designerId)},
        {L"Description", f.string(descriptionId)},
        {L"Vendor URL", f.string(vendorUrlId)},
        {L"Designer URL", f.string(designerUrlId)},
        {L"Licence", f.string(licenceId)},
        {L"Licence URL", f.string(licenceUrlId)},
        {L"Embedding", f.embedding ? embeddingOf(*f.embedding) : L""},
        {L"Glyphs", f.glyphs ? std::to_wstring(*f.glyphs) : L""},
        {f.files.size() > 1 ? L"Files" : L"File", joined(f.files)},
        {L"Installed", whereOf(f.where)},
    };
    std::vector<DetailRow> rows;
    for (const DetailRow& row : all)
        if (std::wstring value = oneLine(row.value); !value.empty())
            rows.push_back({row.label, std::move(value)});
    return rows;
}

std::wstring rowsText(const std::vector<DetailRow>& rows) {
    std::wstring text;
    for (const DetailRow& row : rows)
        text.append(row.label).append(L": ").append(row.value).append(L"\r\n");
    return text;
}

std::wstring rowsTouched(std::wstring_view text, size_t start, size_t length) {
    start = std::min(start, text.size());
    const size_t end = std::min(text.size(), start + std::min(length, text.size()));
    const size_t last = end > start ? end - 1 : start; // a selection ends inside its last row
    const size_t from = start == 0 ? 0 : text.rfind(L'\n', start - 1);
    const size_t first = from == std::wstring_view::npos || start == 0 ? 0 : from + 1;
    const size_t lineEnd = text.find(L'\n', std::min(last, text.size()));
    const size_t to = lineEnd == std::wstring_view::npos ? text.size() : lineEnd + 1;
    return std::wstring(text.substr(first, to - first));
}

bool isWebAddress(std::wstring_view address) {
    const auto startsWith = [&](std::wstring_view scheme) {
        return address.size() > scheme.size() &&
               std::equal(scheme.begin(), scheme.end(), address.begin(), [](wchar_t a, wchar_t b) {
                   return static_cast<std::wint_t>(a) == std::towlower(static_cast<std::wint_t>(b));
               });
    };
    if (!startsWith(L"http://") && !startsWith(L"https://"))
        return false;
    return std::none_of(address.begin(), address.end(),
                        [](wchar_t c) { return c <= 0x20 || (c >= 0x7F && c < 0xA0); });
}

} // namespace preview
