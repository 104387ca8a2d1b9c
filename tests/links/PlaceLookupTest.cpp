#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "links/PlaceLookup.h"
#include "links/RecordingUrlOpener.h"
#include "links/modHelp.h"

namespace velmora {
namespace {

using testing::RecordingPlaceSearch;
using testing::RecordingUrlOpener;

InputForm Place(std::string city, std::string state, std::string country) {
    InputForm f;
    f.txtMCity = std::move(city);
    f.txtMState = std::move(state);
    f.txtMCountry = std::move(country);
    return f;
}

struct RefusalCase {
    const char* city;
    const char* state;
    const char* country;
    const char* message;
    const char* focus;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << '"' << c.city << "\" \"" << c.state << "\" \"" << c.country << '"';
}

class PlaceLookupRefusals : public ::testing::TestWithParam<RefusalCase> {};

// The first empty box in the order city, state, country is named, and the
// component is never called.
TEST_P(PlaceLookupRefusals, NamesTheFirstEmptyBoxAndSendsNothing) {
    const RefusalCase& c = GetParam();
    RecordingPlaceSearch search;
    const auto refusal = RunPlaceLookup(Place(c.city, c.state, c.country), search);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(*refusal, (Refusal{c.message, MessageIcon::Information, c.focus}));
    EXPECT_TRUE(search.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    PlaceLookup, PlaceLookupRefusals,
    ::testing::Values(RefusalCase{"", "", "", "Please Enter City", "txtMCity"},
                      RefusalCase{"", "Maharashtra", "India", "Please Enter City", "txtMCity"},
                      RefusalCase{"", "", "India", "Please Enter City", "txtMCity"},
                      RefusalCase{"Pune", "", "India", "Please Enter State", "txtMState"},
                      RefusalCase{"Pune", "", "", "Please Enter State", "txtMState"},
                      RefusalCase{"Pune", "Maharashtra", "", "Please Enter Country", "txtMCountry"}));

TEST(PlaceLookup, SendsTheSearchTextAndOurSite) {
    RecordingPlaceSearch search;
    EXPECT_FALSE(RunPlaceLookup(Place("Pune", "Maharashtra", "India"), search).has_value());
    ASSERT_EQ(search.calls.size(), 1u);
    EXPECT_EQ(search.calls[0].searchText, "Pune Maharashtra India Latitude Longitude");
    EXPECT_EQ(search.calls[0].siteAddress, MakerSite);
}

TEST(PlaceLookup, BlanksPassAndAreSentAsTyped) {
    RecordingPlaceSearch search;
    EXPECT_FALSE(RunPlaceLookup(Place("Pune", " ", "India"), search).has_value());
    ASSERT_EQ(search.calls.size(), 1u);
    EXPECT_EQ(search.calls[0].searchText, "Pune   India Latitude Longitude");

    EXPECT_EQ(PlaceSearchText(Place("  São Paulo ", "SP", "Brasil")),
              "  São Paulo  SP Brasil Latitude Longitude");
}

TEST(PercentEncoding, KeepsOnlyUnreservedCharacters) {
    EXPECT_EQ(PercentEncode("AZaz09-._~"), "AZaz09-._~");
    EXPECT_EQ(PercentEncode(""), "");
    EXPECT_EQ(PercentEncode("a b"), "a%20b");
    EXPECT_EQ(PercentEncode("&#?=+%/:;'\"`$|<>\\"),
              "%26%23%3F%3D%2B%25%2F%3A%3B%27%22%60%24%7C%3C%3E%5C");
    EXPECT_EQ(PercentEncode(std::string("\0\n\x7f", 3)), "%00%0A%7F");
    // UTF-8 bytes, upper-case hex: é is C3 A9, the Devanagari "पुणे" is three bytes per letter.
    EXPECT_EQ(PercentEncode("é"), "%C3%A9");
    EXPECT_EQ(PercentEncode("पुणे"), "%E0%A4%AA%E0%A5%81%E0%A4%A3%E0%A5%87");
    EXPECT_EQ(PercentEncode("\xff"), "%FF");
}

// What the user typed arrives in the opened address as data, never as
// address syntax: no second parameter, no fragment, no command.
TEST(WebPlaceSearch, OpensTheEncodedSearchInTheBrowser) {
    RecordingUrlOpener opener;
    WebPlaceSearch web(opener);
    const InputForm form = Place("Tom & Jerry's #1?", "Île-de-France", "$(rm -rf ~); \"x\"");
    ASSERT_FALSE(RunPlaceLookup(form, web).has_value());

    ASSERT_EQ(opener.opened.size(), 1u);
    const std::string& url = opener.opened[0];
    EXPECT_EQ(url,
              "https://duckduckgo.com/?q="
              "Tom%20%26%20Jerry%27s%20%231%3F%20"
              "%C3%8Ele-de-France%20"
              "%24%28rm%20-rf%20~%29%3B%20%22x%22%20"
              "Latitude%20Longitude"
              "&t=www.velmora.example");
    // Exactly one '?', one '&' (ours) and no '#' in the whole address.
    EXPECT_EQ(std::count(url.begin(), url.end(), '?'), 1);
    EXPECT_EQ(std::count(url.begin(), url.end(), '&'), 1);
    EXPECT_EQ(url.find('#'), std::string::npos);
    EXPECT_EQ(url.find(' '), std::string::npos);
}

TEST(WebPlaceSearch, SiteAddressIsReducedToItsHost) {
    EXPECT_EQ(PlaceSearchAddress("x", "https://www.velmora.example/a/b?c#d"),
              "https://duckduckgo.com/?q=x&t=www.velmora.example");
    EXPECT_EQ(PlaceSearchAddress("x", "velmora.example"), "https://duckduckgo.com/?q=x&t=velmora.example");
    EXPECT_EQ(PlaceSearchAddress("x", ""), "https://duckduckgo.com/?q=x");
    EXPECT_EQ(PlaceSearchAddress("x", "https://a b&c"), "https://duckduckgo.com/?q=x&t=a%20b%26c");
}

// Each link procedure opens its own page, once, and no two share an address.
TEST(LinkProcedures, EachOpensItsOwnPage) {
    struct Row {
        void (*open)(UrlOpener&);
        std::string expected;
    };
    const std::string maker(MakerSite), help(HelpSite), product(ProductSite);
    const Row rows[] = {
        {OpenHelpPage, product + "/velmora-help.html"},
        {OpenDownloadPage, product + "/download-velmora.html"},
        {OpenHomePage, maker},
        {OpenDonatePage, help + "/donate.html"},
        {OpenFullBrandPage, help + "/fully-branded.html"},
        {OpenCoBrandPage, help + "/co-brand.html"},
    };
    std::vector<std::string> all;
    for (const Row& row : rows) {
        RecordingUrlOpener opener;
        row.open(opener);
        ASSERT_EQ(opener.opened.size(), 1u);
        EXPECT_EQ(opener.opened[0], row.expected);
        all.push_back(opener.opened[0]);
    }
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
    // Three distinct hosts, none of them ending in a slash (the paths bring their own).
    EXPECT_NE(maker, help);
    EXPECT_NE(help, product);
    EXPECT_NE(maker, product);
    for (const std::string& host : {maker, help, product}) EXPECT_NE(host.back(), '/');
}

}  // namespace
}  // namespace velmora
