// The places' index: a file that is short, altered, foreign or made from
// other data is refused and made again (or the look-up works from memory),
// never read past its end; and what it holds is what the library gives.
// glib's headers first: Qt's keyword macros must not reach them.
#include <geonames.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "places/lookup/GeonamesDirectory.h"
#include "places/lookup/PlaceFinder.h"
#include "places/lookup/PlaceIndex.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const unsigned char* Bytes(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); }

std::vector<IndexedPlace> SmallPlaces() {
    IndexedPlace pune{"Pune", "Maharashtra", "India", "IN", "Asia/Kolkata", "", "pune", 18.51957, 73.85535,
                      2935744, 7, {{"Poona", "poona"}}};
    IndexedPlace kyiv{"Kyiv", "Kyiv City", "Ukraine", "UA", "Europe/Kyiv", "Europe/Kiev", "kyiv", 50.45466, 30.5238,
                      2797553, 9, {{"Kiev", "kiev"}, {"Kiew", "kiew"}}};
    IndexedPlace singapore{"Singapore", "", "Singapore", "SG", "Asia/Singapore", "", "singapore", 1.2833, 103.85, 0,
                           IndexedPlace::kNoLibraryIndex, {}};
    return {pune, kyiv, singapore};
}

// Everything a view shows, in one text, to compare two views.
std::string Dump(const PlaceIndexView& v) {
    std::string out;
    for (std::size_t k = 0; k < v.Count(); ++k) {
        for (int t = 0; t < 6; ++t) out += std::string(v.Text(k, t)) + "|";
        out += std::string(v.Words(k)) + "|" + std::to_string(v.Population(k)) + "|" +
               std::to_string(v.LibraryIndex(k)) + "|" + std::to_string(v.Latitude(k)) + "|" +
               std::to_string(v.Longitude(k));
        for (std::size_t i = 0; i < v.OtherCount(k); ++i) {
            out += "|" + std::string(v.OtherText(k, i)) + "=" + std::string(v.OtherWords(k, i));
        }
        out += "\n";
    }
    return out;
}

TEST(PlaceIndexFile, ReadsBackWhatWasWrittenAndRefusesEveryDamagedCopy) {
    const std::string key = "test key 1";
    const std::string index = BuildPlaceIndex(SmallPlaces(), key);
    PlaceIndexView view;
    ASSERT_TRUE(view.Open(Bytes(index), index.size(), key));
    ASSERT_EQ(view.Count(), 3u);
    EXPECT_EQ(view.Text(1, 0), "Kyiv");
    EXPECT_EQ(view.Text(1, 5), "Europe/Kiev");
    EXPECT_EQ(view.Text(2, 1), "");
    EXPECT_EQ(view.Words(2), "singapore");
    EXPECT_EQ(view.OtherCount(0), 1u);
    EXPECT_EQ(view.OtherCount(1), 2u);
    EXPECT_EQ(view.OtherCount(2), 0u);
    EXPECT_EQ(view.OtherText(1, 1), "Kiew");
    EXPECT_EQ(view.Population(0), 2935744u);
    EXPECT_EQ(view.LibraryIndex(2), IndexedPlace::kNoLibraryIndex);
    EXPECT_DOUBLE_EQ(view.Latitude(1), 50.45466);
    EXPECT_DOUBLE_EQ(view.Longitude(1), 30.5238);
    const std::string whole = Dump(view);

    // Made from other data, or of no places at all.
    EXPECT_FALSE(PlaceIndexView().Open(Bytes(index), index.size(), "test key 2"));
    EXPECT_FALSE(PlaceIndexView().Open(Bytes(index), index.size(), ""));
    const std::string empty = BuildPlaceIndex({}, key);
    PlaceIndexView none;
    ASSERT_TRUE(none.Open(Bytes(empty), empty.size(), key));
    EXPECT_EQ(none.Count(), 0u);
    // Every shorter copy, and the file with bytes after it.
    for (std::size_t n = 0; n < index.size(); ++n) {
        EXPECT_FALSE(PlaceIndexView().Open(Bytes(index), n, key)) << n;
    }
    const std::string longer = index + std::string(8, '\0');
    EXPECT_FALSE(PlaceIndexView().Open(Bytes(longer), longer.size(), key));
    // Every byte altered in turn: refused, or (a byte nothing reads) the same places.
    for (std::size_t i = 0; i < index.size(); ++i) {
        for (const unsigned char flip : {0x01, 0x80, 0xFF}) {
            std::string altered = index;
            altered[i] = static_cast<char>(altered[i] ^ flip);
            PlaceIndexView v;
            if (v.Open(Bytes(altered), altered.size(), key)) EXPECT_EQ(Dump(v), whole) << "byte " << i;
        }
    }
    // Noise of every size up to a few records.
    std::mt19937 random(20261207);
    for (std::size_t n = 0; n < 600; ++n) {
        std::string noise(n, '\0');
        for (char& c : noise) c = static_cast<char>(random());
        if (n >= 8) noise.replace(0, 8, index.substr(0, 8));
        EXPECT_FALSE(PlaceIndexView().Open(Bytes(noise), noise.size(), key)) << n;
    }
    EXPECT_FALSE(PlaceIndexView().Open(nullptr, 0, key));
}

class PlaceIndexCache : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("velmora-index-test-" + std::to_string(std::random_device()()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all(folder_, error);
    }
    std::string Path() const { return (folder_ / "places.idx").string(); }

    // What a few look-ups answer, as one text.
    static std::string Answers(const GeonamesDirectory& d) {
        std::string out;
        for (const char* text : {"Pune", "Bombay", "Springfield", "Paris, TX", "Singapore", "Konch, State of Uttar Pradesh",
                                 "Kyiv", "sao pa"}) {
            const PlaceAnswer a = FindPlaceOnDate(d, text, {2026, 12, 7, 12, 0});
            out += std::string(text) + " -> " + (a.found ? PlaceLine(a.place.place, a.place.clock, a.place.entries) : a.problem);
            for (const std::string& note : a.notes) out += " / " + note;
            out += "\n";
        }
        return out;
    }
    fs::path folder_;
};

TEST_F(PlaceIndexCache, MadeOnceThenMappedMadeAgainWhenDamagedOrStale) {
    const GeonamesDirectory memory("");
    EXPECT_EQ(memory.Source(), GeonamesDirectory::IndexSource::Memory);
    const std::string expected = Answers(memory);
    EXPECT_NE(expected.find("Pune -> Pune, Maharashtra, India: 18\u00B0 31' N, 73\u00B0 51' E"), std::string::npos)
        << expected;

    {
        const GeonamesDirectory first(Path());
        EXPECT_EQ(first.Source(), GeonamesDirectory::IndexSource::Written);
        EXPECT_EQ(Answers(first), expected);
    }
    ASSERT_TRUE(fs::is_regular_file(Path()));
    {
        const GeonamesDirectory second(Path());
        EXPECT_EQ(second.Source(), GeonamesDirectory::IndexSource::Mapped);
        EXPECT_EQ(Answers(second), expected);
    }
    std::string good;
    {
        std::ifstream in(Path(), std::ios::binary);
        good.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Only the made index remains in the folder: no part-written file.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);

    auto writeAs = [this](const std::string& bytes) {
        std::ofstream out(Path(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    };
    const std::string key = GeonamesDirectory::IndexKey();
    std::string stale = good;
    stale[48 + key.find("former names")] ^= 0x20;  // the same bytes, made from other former names
    std::string altered = good;
    altered[altered.size() / 2] ^= 0x01;
    // (Each is made again from the library, a few seconds under the sanitizers: the cases that differ most.)
    const std::vector<std::string> damaged = {"", good.substr(0, good.size() / 2), stale, altered};
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        writeAs(damaged[i]);
        const GeonamesDirectory again(Path());
        EXPECT_EQ(again.Source(), GeonamesDirectory::IndexSource::Written) << i;
        EXPECT_EQ(Answers(again), expected) << i;
        const GeonamesDirectory next(Path());
        EXPECT_EQ(next.Source(), GeonamesDirectory::IndexSource::Mapped) << i;
    }

    // Where no file can be written: from memory, the same answers.
    fs::remove(Path());
    fs::create_directory(Path());
    const GeonamesDirectory folderInTheWay(Path());
    EXPECT_EQ(folderInTheWay.Source(), GeonamesDirectory::IndexSource::Memory);
    EXPECT_EQ(Answers(folderInTheWay), expected);
    const GeonamesDirectory unwritable("/proc/velmora/places.idx");
    EXPECT_EQ(unwritable.Source(), GeonamesDirectory::IndexSource::Memory);
    EXPECT_EQ(Answers(unwritable), expected);
}

TEST(PlaceIndexContents, EveryCityOfTheLibraryAsTheLibraryGivesIt) {
    const GeonamesDirectory directory("");
    ASSERT_EQ(directory.Source(), GeonamesDirectory::IndexSource::Memory);
    // The index the directory made, read on its own.
    const std::string folder = (fs::temp_directory_path() / ("velmora-contents-" + std::to_string(std::random_device()()))).string();
    const std::string path = folder + "/places.idx";
    {
        const GeonamesDirectory writer(path);
        ASSERT_EQ(writer.Source(), GeonamesDirectory::IndexSource::Written);
    }
    const std::unique_ptr<MappedFile> file = MapFile(path);
    ASSERT_TRUE(file);
    PlaceIndexView index;
    ASSERT_TRUE(index.Open(file->Data(), file->Size(), GeonamesDirectory::IndexKey()));
    const int cities = geonames_get_n_cities();
    std::vector<int> seen(static_cast<std::size_t>(cities), 0);
    std::uint32_t previous = 0xFFFFFFFFu;
    std::size_t fromTables = 0;
    for (std::size_t k = 0; k < index.Count(); ++k) {
        const std::uint32_t i = index.LibraryIndex(k);
        if (i == IndexedPlace::kNoLibraryIndex) {
            ++fromTables;
            EXPECT_EQ(index.Population(k), 0u);
            continue;
        }
        EXPECT_EQ(fromTables, 0u) << "the tables' places come after the library's";
        ASSERT_LT(i, static_cast<std::uint32_t>(cities));
        ++seen[i];
        EXPECT_LE(index.Population(k), previous) << "most populous first";
        previous = index.Population(k);
        GeonamesCity* c = geonames_get_city(static_cast<int>(i));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(index.Text(k, 0), geonames_city_get_name(c));
        EXPECT_EQ(index.Text(k, 1), ShortStateName(geonames_city_get_state(c)));
        EXPECT_EQ(index.Text(k, 2), geonames_city_get_country(c));
        EXPECT_EQ(index.Text(k, 3), geonames_city_get_country_code(c));
        const std::string_view gazetteerZone = index.Text(k, 5).empty() ? index.Text(k, 4) : index.Text(k, 5);
        EXPECT_EQ(gazetteerZone, geonames_city_get_timezone(c));
        EXPECT_EQ(index.Latitude(k), geonames_city_get_latitude(c));
        EXPECT_EQ(index.Longitude(k), geonames_city_get_longitude(c));
        EXPECT_EQ(index.Population(k), geonames_city_get_population(c));
        geonames_city_free(c);
    }
    for (int i = 0; i < cities; ++i) EXPECT_EQ(seen[static_cast<std::size_t>(i)], 1) << "city " << i;
    EXPECT_GT(fromTables, 20u);
    std::error_code error;
    fs::remove_all(folder, error);
}

}  // namespace
}  // namespace velmora
