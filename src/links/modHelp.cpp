#include "links/modHelp.h"

#include <string>

namespace velmora {

namespace {
void OpenAt(UrlOpener& opener, std::string_view site, std::string_view path) {
    std::string url(site);
    url += path;
    opener.Open(url);
}
}  // namespace

void OpenHelpPage(UrlOpener& opener) { OpenAt(opener, ProductSite, "/velmora-help.html"); }
void OpenDownloadPage(UrlOpener& opener) { OpenAt(opener, ProductSite, "/download-velmora.html"); }
void OpenHomePage(UrlOpener& opener) { OpenAt(opener, MakerSite, ""); }
void OpenDonatePage(UrlOpener& opener) { OpenAt(opener, HelpSite, "/donate.html"); }
void OpenFullBrandPage(UrlOpener& opener) { OpenAt(opener, HelpSite, "/fully-branded.html"); }
void OpenCoBrandPage(UrlOpener& opener) { OpenAt(opener, HelpSite, "/co-brand.html"); }

}  // namespace velmora
