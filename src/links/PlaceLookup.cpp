#include "links/PlaceLookup.h"

#include "links/modHelp.h"

namespace velmora {

namespace {

Refusal PlaceRefusal(const char* message, const char* focus) {
    return Refusal{message, MessageIcon::Information, focus};
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// "https://www.example.org/path" -> "www.example.org".
std::string_view HostOf(std::string_view address) {
    const auto scheme = address.find("://");
    if (scheme != std::string_view::npos) address.remove_prefix(scheme + 3);
    const auto end = address.find_first_of("/?#");
    if (end != std::string_view::npos) address = address.substr(0, end);
    return address;
}

}  // namespace

std::optional<Refusal> CheckPlaceNames(const InputForm& form) {
    // Compared as they are: a name of blanks passes and is sent with its blanks.
    if (form.txtMCity.empty()) return PlaceRefusal("Please Enter City", "txtMCity");
    if (form.txtMState.empty()) return PlaceRefusal("Please Enter State", "txtMState");
    if (form.txtMCountry.empty()) return PlaceRefusal("Please Enter Country", "txtMCountry");
    return std::nullopt;
}

std::string PlaceSearchText(const InputForm& form) {
    return form.txtMCity + " " + form.txtMState + " " + form.txtMCountry + " Latitude Longitude";
}

std::optional<Refusal> RunPlaceLookup(const InputForm& form, PlaceSearch& search) {
    if (auto refusal = CheckPlaceNames(form)) return refusal;
    search.OpenPlaceSearch(PlaceSearchText(form), std::string(MakerSite));
    return std::nullopt;
}

std::string PercentEncode(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnreserved(c)) {
            out += ch;
        } else {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 0x0F];
        }
    }
    return out;
}

std::string PlaceSearchAddress(std::string_view searchText, std::string_view siteAddress) {
    std::string address(PlaceSearchEngine);
    address += "?q=";
    address += PercentEncode(searchText);
    const std::string_view host = HostOf(siteAddress);
    if (!host.empty()) {
        address += "&t=";
        address += PercentEncode(host);
    }
    return address;
}

void WebPlaceSearch::OpenPlaceSearch(const std::string& searchText, const std::string& siteAddress) {
    opener_.Open(PlaceSearchAddress(searchText, siteAddress));
}

}  // namespace velmora
