#pragma once

#include <string_view>

#include "links/UrlOpener.h"

// The web pages of the product and of its maker, one procedure per page.
namespace velmora {

// Host names, in one place.
inline constexpr std::string_view MakerSite = "https://www.velmora.example";
inline constexpr std::string_view HelpSite = "https://offers.velmora.example";
inline constexpr std::string_view ProductSite = "https://panchang.velmora.example";

void OpenHelpPage(UrlOpener& opener);       // product site /velmora-help.html
void OpenDownloadPage(UrlOpener& opener);   // product site /download-velmora.html
void OpenHomePage(UrlOpener& opener);       // maker's home page
void OpenDonatePage(UrlOpener& opener);     // help site /donate.html
void OpenFullBrandPage(UrlOpener& opener);  // help site /fully-branded.html
void OpenCoBrandPage(UrlOpener& opener);    // help site /co-brand.html

}  // namespace velmora
