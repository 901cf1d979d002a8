#include "platform/FontFacts.h"

#include "platform/Handles.h"
#include "preview/FontFileFaces.h"

#include <dwrite.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace platform {

namespace {

// A name table past this is not read, and a string is cut here: a licence runs to a few
// thousand characters.
constexpr DWORD mostNameTableBytes = 1u << 20;
constexpr size_t mostStringUnits = 8192;
// A face is in one file, a collection's in one; a few more is already odd.
constexpr UINT32 mostFiles = 16;
constexpr size_t mostStyles = 64;

// A table's tag as GetFontData takes it: its four letters in file order.
constexpr DWORD tableTag(const char (&name)[5]) {
    return static_cast<DWORD>(static_cast<unsigned char>(name[0])) |
           static_cast<DWORD>(static_cast<unsigned char>(name[1])) << 8 |
           static_cast<DWORD>(static_cast<unsigned char>(name[2])) << 16 |
           static_cast<DWORD>(static_cast<unsigned char>(name[3])) << 24;
}

bool hasTable(HDC dc, DWORD tag) {
    const DWORD size = GetFontData(dc, tag, 0, nullptr, 0);
    return size != GDI_ERROR && size > 0;
}

// A big-endian 16-bit number of a table, when the table is that long.
std::optional<std::uint16_t> tableWord(HDC dc, DWORD tag, DWORD offset) {
    unsigned char bytes[2]{};
    if (GetFontData(dc, tag, offset, bytes, 2) != 2)
        return std::nullopt;
    return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
}

std::map<std::uint16_t, std::wstring> nameStrings(HDC dc) {
    const DWORD size = GetFontData(dc, tableTag("name"), 0, nullptr, 0);
    if (size == GDI_ERROR || size == 0 || size > mostNameTableBytes)
        return {};
    std::string table(size, '\0');
    if (GetFontData(dc, tableTag("name"), 0, table.data(), size) != size)
        return {};
    static constexpr std::array<std::uint16_t, 13> wanted = {
        preview::copyrightId,        preview::familyId,      preview::fullNameId,
        preview::versionId,          preview::trademarkId,   preview::vendorId,
        preview::designerId,         preview::descriptionId, preview::vendorUrlId,
        preview::designerUrlId,      preview::licenceId,     preview::licenceUrlId,
        preview::typographicFamilyId};
    return preview::readNameStrings(table, wanted, mostStringUnits);
}

// The family's styles ("Bold") or its faces' full names ("Arial Bold"), each once.
struct FaceNames {
    bool full;
    std::vector<std::wstring> found;
};

int CALLBACK addFaceName(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
    auto& names = *reinterpret_cast<FaceNames*>(data);
    const auto& face = *reinterpret_cast<const ENUMLOGFONTEXW*>(font);
    const std::wstring name =
        names.full ? std::wstring(face.elfFullName, wcsnlen(face.elfFullName, LF_FULLFACESIZE))
                   : std::wstring(face.elfStyle, wcsnlen(face.elfStyle, LF_FACESIZE));
    if (!name.empty() &&
        std::find(names.found.begin(), names.found.end(), name) == names.found.end())
        names.found.push_back(name);
    return names.found.size() < mostStyles;
}

std::vector<std::wstring> faceNamesOf(HDC dc, const std::wstring& family, bool full) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    FaceNames names{full, {}};
    EnumFontFamiliesExW(dc, &wanted, addFaceName, reinterpret_cast<LPARAM>(&names), 0);
    return names.found;
}

// Wine's loader answers with the system's own form of a path, "\\??\\C:\\...": the form
// Explorer and the user know has no prefix, or "\\\\" for a share.
std::wstring win32Path(std::wstring path) {
    const std::wstring_view prefix = L"\\??\\";
    if (path.size() < prefix.size() + 3 || path.compare(0, prefix.size(), prefix) != 0)
        return path;
    if (path[prefix.size() + 1] == L':' && path[prefix.size() + 2] == L'\\')
        return path.substr(prefix.size());
    if (CompareStringOrdinal(path.c_str() + prefix.size(), 4, L"UNC\\", 4, TRUE) == CSTR_EQUAL)
        return L"\\" + path.substr(prefix.size() + 3);
    return path;
}

// The files of the face selected into the device context, as DirectWrite finds them.
std::vector<std::wstring> filesOf(HDC dc) {
    std::vector<std::wstring> paths;
    ComPointer<IDWriteFactory> factory;
    ComPointer<IDWriteGdiInterop> interop;
    ComPointer<IDWriteFontFace> face;
    if (FAILED(DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                   reinterpret_cast<IUnknown**>(factory.put()))) ||
        FAILED(factory->GetGdiInterop(interop.put())) ||
        FAILED(interop->CreateFontFaceFromHdc(dc, face.put())))
        return paths;
    UINT32 count = 0;
    if (FAILED(face->GetFiles(&count, nullptr)) || count == 0 || count > mostFiles)
        return paths;
    std::array<IDWriteFontFile*, mostFiles> files{};
    if (FAILED(face->GetFiles(&count, files.data())))
        return paths;
    for (UINT32 i = 0; i < count; ++i) {
        ComPointer<IDWriteFontFile> file(files[i]);
        ComPointer<IDWriteFontFileLoader> loader;
        ComPointer<IDWriteLocalFontFileLoader> local;
        const void* key = nullptr;
        UINT32 keySize = 0, length = 0;
        if (FAILED(file->GetReferenceKey(&key, &keySize)) ||
            FAILED(file->GetLoader(loader.put())) ||
            FAILED(loader->QueryInterface(__uuidof(IDWriteLocalFontFileLoader), local.putVoid())) ||
            FAILED(local->GetFilePathLengthFromKey(key, keySize, &length)) || length == 0 ||
            length >= 32768)
            continue;
        std::wstring path(length + 1, L'\0');
        if (SUCCEEDED(local->GetFilePathFromKey(key, keySize, path.data(), length + 1))) {
            path.resize(wcsnlen(path.c_str(), length));
            paths.push_back(win32Path(std::move(path)));
        }
    }
    return paths;
}

} // namespace

preview::FontFacts readFontFacts(const std::wstring& family) {
    preview::FontFacts facts;
    facts.family = family;
    const MemoryDC memory(CreateCompatibleDC(nullptr));
    if (!memory || family.empty() || family.size() >= LF_FACESIZE)
        return facts;
    const HDC dc = memory.get();
    const Font font(CreateFontW(-100, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, family.c_str()));
    const Selection selected(dc, font.get());
    wchar_t drawn[LF_FACESIZE]{};
    GetTextFaceW(dc, LF_FACESIZE, drawn);
    if (lstrcmpiW(drawn, family.c_str()) != 0)
        return facts; // another face stands in for the name: its facts are not the family's
    facts.styles = faceNamesOf(dc, family, false);
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(dc, &metrics) && !(metrics.tmPitchAndFamily & TMPF_TRUETYPE)) {
        // TMPF_VECTOR set means a vector font here; clear, a bitmap font.
        facts.vector = (metrics.tmPitchAndFamily & TMPF_VECTOR) != 0;
        facts.bitmap = !facts.vector;
    }
    facts.strings = nameStrings(dc);
    facts.postScriptOutlines = hasTable(dc, tableTag("CFF ")) || hasTable(dc, tableTag("CFF2"));
    facts.trueTypeOutlines = !facts.postScriptOutlines && hasTable(dc, tableTag("glyf"));
    facts.variable = hasTable(dc, tableTag("fvar"));
    facts.embedding = tableWord(dc, tableTag("OS/2"), 8);
    facts.glyphs = tableWord(dc, tableTag("maxp"), 4);
    facts.files = filesOf(dc);
    return facts;
}

std::vector<std::wstring> fullNamesOf(const std::wstring& family) {
    const MemoryDC memory(CreateCompatibleDC(nullptr));
    if (!memory || family.empty() || family.size() >= LF_FACESIZE)
        return {};
    return faceNamesOf(memory.get(), family, true);
}

} // namespace platform
