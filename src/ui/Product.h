#pragma once
// The maker's and the download sites' names and addresses, shown in the windows and
// handed to the shell. All of them are fictional and use the reserved example domains.
#include "Version.h"

#include <string_view>

namespace ui::product {

// The single-instance gate's name, before the program file's own part: one Glyphmere of a
// version from each program file per session.
constexpr std::wstring_view instanceGate = L"Local\\Quillwright.Glyphmere." GLYPHMERE_VERSION_W;

constexpr std::wstring_view supportAddress = L"support@quillwright.example";
// Short enough for its room before the donation picture, with some to spare.
constexpr std::wstring_view rightsNotice =
    L"\u00A9 2026 Quillwright Software. All rights reserved.";
constexpr std::wstring_view secondRightsLine =
    L"Glyphmere and Quillwright are trademarks of Quillwright Software.";
constexpr std::wstring_view legalWarning =
    L"Warning: this computer program is protected by copyright law and international treaties. "
    L"Unauthorized reproduction or distribution of this program, or any portion of it, may "
    L"result in civil and criminal penalties, and will be prosecuted to the maximum extent "
    L"possible under the law.";

// The software-download site on which the product is listed, and where users vote.
constexpr std::wstring_view firstSiteName = L"Example Downloads";
constexpr std::wstring_view firstSiteOwner = L"EDN";
constexpr std::wstring_view firstSiteDomain = L"downloads.example.com";
constexpr std::wstring_view firstSiteHost = L"downloads.example.com";
constexpr std::wstring_view firstSiteHome = L"https://downloads.example.com/";
constexpr std::wstring_view productPage =
    L"https://downloads.example.com/windows/fonts/glyphmere.html";

constexpr std::wstring_view secondSiteName = L"FileDen";
constexpr std::wstring_view secondSiteDomain = L"fileden.example.org";
constexpr std::wstring_view secondSiteHost = L"fileden.example.org";
constexpr std::wstring_view secondSiteHome = L"https://fileden.example.org/";

} // namespace ui::product
