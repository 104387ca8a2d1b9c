// glib's headers first: Qt's keyword macros (signals, slots) must not reach them.
#include <geonames.h>
#include <gio/gio.h>

#include "places/lookup/GeonamesDirectory.h"

#include <algorithm>
#include <bit>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "places/lookup/FormerNames.h"
#include "places/lookup/PlaceText.h"
#include "places/lookup/ZoneTablePlaces.h"

#if defined(__unix__) || defined(__APPLE__)
#include <dlfcn.h>
#endif

namespace velmora {

namespace {

std::string Utf8(const char* text) { return text == nullptr ? std::string() : std::string(text); }

struct CityDeleter {
    void operator()(GeonamesCity* c) const { geonames_city_free(c); }
};
using City = std::unique_ptr<GeonamesCity, CityDeleter>;

// The folded words of a name joined by single blanks. Most of the gazetteer's
// names are plain ASCII, where folding is lowering and a word is a run of
// letters and digits: those are joined in one pass (the same text as the
// general way, which the first lookup of a process would otherwise spend a
// tenth of its time on).
QString JoinedWords(const std::string& name) {
    std::string joined;
    joined.reserve(name.size());
    bool blank = false;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80) return PlaceWords(FoldedPlaceText(name)).join(QLatin1Char(' '));
        if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z')) {
            if (blank && !joined.empty()) joined += ' ';
            blank = false;
            joined += static_cast<char>(u >= 'A' && u <= 'Z' ? u - 'A' + 'a' : u);
        } else {
            blank = true;
        }
    }
    return QString::fromLatin1(joined.data(), static_cast<qsizetype>(joined.size()));
}

std::string Utf8Words(const std::string& name) { return JoinedWords(name).toUtf8().toStdString(); }

// Each typed word begins a word of the name (both folded, words joined by
// single blanks).
bool Matches(const std::vector<std::string>& typed, std::string_view words) {
    for (const std::string& t : typed) {
        bool found = false;
        for (std::size_t from = 0; !found;) {
            const std::size_t at = words.find(t, from);
            if (at == std::string_view::npos) return false;
            found = at == 0 || words[at - 1] == ' ';
            from = at + 1;
        }
    }
    return true;
}

// The typed words are the first words of the name, whole.
bool Begins(std::string_view typed, std::string_view words) {
    return words.starts_with(typed) && (words.size() == typed.size() || words[typed.size()] == ' ');
}

// A typed state without the words the gazetteer puts before some states'
// names and the labels leave out: "state of uttar pradesh" is "uttar pradesh"
// (folded text in, folded text out; the text itself when it has none).
QString WithoutStatePrefix(const QString& folded) {
    for (const QLatin1StringView prefix : {QLatin1StringView("state of "), QLatin1StringView("province of "),
                                           QLatin1StringView("canton of ")}) {
        if (folded.size() > prefix.size() && folded.startsWith(prefix)) return folded.mid(prefix.size()).trimmed();
    }
    return folded;
}

// Where the library keeps its cities, in the order geonames_get_city counts
// them: an array of (id, name, state code, state, country code, country,
// zone, population, latitude, longitude).
constexpr const char* kCitiesResource = "/com/lomiri/geonames/cities.compiled";
constexpr const char* kLocaleFolder = "/usr/share/locale";

struct CityRecord {
    std::string id;
    std::uint32_t population = 0;
    double latitude = 0, longitude = 0;
};

// A GVariant framing offset: little-endian, as wide as the container needs.
std::size_t OffsetWidth(std::size_t containerSize) {
    return containerSize <= 0xFF ? 1 : containerSize <= 0xFFFF ? 2 : containerSize <= 0xFFFFFFFFu ? 4 : 8;
}
std::uint64_t ReadOffset(const unsigned char* at, std::size_t width) {
    std::uint64_t v = 0;
    for (std::size_t k = 0; k < width; ++k) v |= static_cast<std::uint64_t>(at[k]) << (8 * k);
    return v;
}
std::size_t Align(std::size_t at, std::size_t alignment) { return (at + alignment - 1) / alignment * alignment; }

// One serialised (sssssssudd): seven strings, the offsets of their ends at
// the tuple's end (the first string's last), then a u and two d.
bool ReadCity(const unsigned char* data, std::size_t size, CityRecord& city) {
    const std::size_t width = OffsetWidth(size);
    if (size < 7 * width) return false;
    std::size_t start = 0;
    for (std::size_t k = 0; k < 7; ++k) {
        const std::uint64_t end = ReadOffset(data + size - (k + 1) * width, width);
        if (end <= start || end > size - 7 * width || data[end - 1] != '\0') return false;
        if (k == 0) city.id.assign(reinterpret_cast<const char*>(data), end - 1);
        start = static_cast<std::size_t>(end);
    }
    const std::size_t population = Align(start, 4);
    const std::size_t latitude = Align(population + 4, 8);
    if (latitude + 16 > size - 7 * width) return false;
    std::memcpy(&city.population, data + population, 4);
    std::memcpy(&city.latitude, data + latitude, 8);
    std::memcpy(&city.longitude, data + latitude + 8, 8);
    return true;
}

// The library's list of cities, read from its serialised form with every
// offset checked (GLib's own checked reading of it takes 180 ms); empty when
// it is not there or not as above.
std::vector<CityRecord> LibraryCities() {
    static_assert(std::endian::native == std::endian::little, "GVariant data is read as stored: little-endian");
    std::vector<CityRecord> cities;
    GBytes* bytes = g_resources_lookup_data(kCitiesResource, G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
    if (bytes == nullptr) return cities;
    gsize size = 0;
    const auto* data = static_cast<const unsigned char*>(g_bytes_get_data(bytes, &size));
    const std::size_t width = OffsetWidth(size);
    if (data != nullptr && size >= width) {
        const std::uint64_t table = ReadOffset(data + size - width, width);
        if (table <= size && (size - table) % width == 0) {
            const std::size_t count = (size - static_cast<std::size_t>(table)) / width;
            cities.reserve(count);
            std::size_t start = 0;
            for (std::size_t i = 0; i < count; ++i) {
                const std::uint64_t end = ReadOffset(data + table + i * width, width);
                CityRecord city;
                if (end < start || end > table || !ReadCity(data + start, static_cast<std::size_t>(end) - start, city)) {
                    cities.clear();
                    break;
                }
                cities.push_back(std::move(city));
                start = Align(static_cast<std::size_t>(end), 8);
            }
        }
    }
    g_bytes_unref(bytes);
    return cities;
}

// Latin letters (with their accents), digits and punctuation only: the names
// people of any language write in the Latin alphabet. Checked on the UTF-8
// bytes: below U+0250, U+1E00 to U+1EFF (Vietnamese) and the dashes and
// quotation marks U+2010 to U+2027 (not the separators and direction controls
// after them).
bool LatinText(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F) return false;
            continue;
        }
        const auto next = [&s, i](std::size_t k) { return i + k < s.size() ? static_cast<unsigned char>(s[i + k]) : 0; };
        if (c >= 0xC3 && c <= 0xC8 && (next(1) & 0xC0) == 0x80) {
            i += 1;
        } else if (c == 0xC2 && next(1) >= 0xA0 && next(1) <= 0xBF) {
            i += 1;
        } else if (c == 0xE1 && next(1) >= 0xB8 && next(1) <= 0xBB && (next(2) & 0xC0) == 0x80) {
            i += 2;
        } else if (c == 0xE2 && next(1) == 0x80 && next(2) >= 0x90 && next(2) <= 0xA7) {
            i += 2;
        } else {
            return false;
        }
    }
    return !s.empty();
}

// Calls take(msgid, msgstr) for each message of a gettext .mo file; nothing
// for a file that is not one. Every offset is checked against the file's size.
template <typename Take>
void ReadMoFile(const std::filesystem::path& path, Take&& take) {
    std::ifstream in(path, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto word = [&data](std::uint64_t at, bool big) -> std::uint64_t {
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            const auto b = static_cast<unsigned char>(data[at + static_cast<std::uint64_t>(k)]);
            v |= static_cast<std::uint32_t>(b) << (big ? 8 * (3 - k) : 8 * k);
        }
        return v;
    };
    if (data.size() < 20) return;
    bool big = false;
    if (word(0, false) != 0x950412DEu) {
        if (word(0, true) != 0x950412DEu) return;
        big = true;
    }
    const std::uint64_t n = word(8, big), originals = word(12, big), translations = word(16, big);
    const auto text = [&](std::uint64_t table, std::uint64_t i) -> std::string_view {
        const std::uint64_t at = table + 8 * i;
        if (at + 8 > data.size()) return {};
        const std::uint64_t length = word(at, big), offset = word(at + 4, big);
        if (offset > data.size() || length > data.size() - offset) return {};
        return std::string_view(data).substr(offset, length);
    };
    for (std::uint64_t i = 0; i < n && originals + 8 * i + 8 <= data.size(); ++i) {
        take(text(originals, i), text(translations, i));
    }
}

// A geonames.org id: digits, below 2^32. Other messages name states ("IN.16").
std::optional<std::uint32_t> NumericId(std::string_view s) {
    if (s.empty() || s.size() > 9) return std::nullopt;
    std::uint32_t n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return n;
}


// A file's size and modification time, as a version of what it holds; "-"
// when it is not there.
std::string FileStamp(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return path + " -";
    const auto time = std::filesystem::last_write_time(path, error);
    const long long ticks = error ? 0 : static_cast<long long>(time.time_since_epoch().count());
    return path + " " + std::to_string(size) + " " + std::to_string(ticks);
}

constexpr const char* kZone1970 = "/usr/share/zoneinfo/zone1970.tab";
constexpr const char* kZoneTab = "/usr/share/zoneinfo/zone.tab";
constexpr const char* kCountryTab = "/usr/share/zoneinfo/iso3166.tab";
constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ull;

std::uint64_t Fnv(std::uint64_t h, std::string_view text) {
    for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    return (h ^ 0xFF) * 0x100000001b3ull;  // a separator, so that "ab","c" differs from "a","bc"
}

// The language the library answers in: its names are translated through the
// locale's messages.
std::string LocaleLanguage() {
    std::string language;
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        language += std::string(variable) + "=" + (value == nullptr ? "" : value) + ";";
    }
    const char* messages = std::setlocale(LC_MESSAGES, nullptr);
    return language + "messages=" + (messages == nullptr ? "" : messages);
}

// Every city of the library with what a look-up shows of it, the zones
// corrected, the former names added, most populous first; then the places of
// the time-zone tables.
std::vector<IndexedPlace> PlacesFromLibrary(const PlaceZoneFix& zoneFix) {
    std::vector<IndexedPlace> places;
    const int count = std::max(geonames_get_n_cities(), 0);
    places.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const City c(geonames_get_city(i));
        if (!c) continue;
        IndexedPlace p;
        p.name = Utf8(geonames_city_get_name(c.get()));
        p.state = ShortStateName(Utf8(geonames_city_get_state(c.get())));
        p.country = Utf8(geonames_city_get_country(c.get()));
        p.countryCode = Utf8(geonames_city_get_country_code(c.get()));
        p.latitude = geonames_city_get_latitude(c.get());
        p.longitude = geonames_city_get_longitude(c.get());
        p.population = geonames_city_get_population(c.get());
        p.libraryIndex = static_cast<std::uint32_t>(i);
        p.words = Utf8Words(p.name);
        Place place;
        place.name = p.name;
        place.countryCode = p.countryCode;
        place.latitude = p.latitude;
        place.longitude = p.longitude;
        place.zoneId = Utf8(geonames_city_get_timezone(c.get()));
        zoneFix.Fix(place);
        p.zoneId = std::move(place.zoneId);
        p.gazetteerZoneId = std::move(place.gazetteerZoneId);
        places.push_back(std::move(p));
    }

    // Former names: the places bearing each current name, from one pass over
    // the places rather than one per former name; each former name goes to the
    // most populous of them in its country.
    std::vector<std::string> currents;
    for (const FormerName& former : FormerNames()) currents.push_back(Utf8Words(former.gazetteer));
    std::sort(currents.begin(), currents.end());
    currents.erase(std::unique(currents.begin(), currents.end()), currents.end());
    std::vector<std::vector<std::size_t>> bearers(currents.size());
    for (std::size_t k = 0; k < places.size(); ++k) {
        const auto at = std::lower_bound(currents.begin(), currents.end(), places[k].words);
        if (at != currents.end() && *at == places[k].words) {
            bearers[static_cast<std::size_t>(at - currents.begin())].push_back(k);
        }
    }
    for (const FormerName& former : FormerNames()) {
        const std::string current = Utf8Words(former.gazetteer);
        const auto at = std::lower_bound(currents.begin(), currents.end(), current);
        IndexedPlace* city = nullptr;
        for (const std::size_t k : bearers[static_cast<std::size_t>(at - currents.begin())]) {
            IndexedPlace& p = places[k];
            if (city != nullptr && city->population >= p.population) continue;
            if (p.countryCode == former.country) city = &p;
        }
        if (city == nullptr) continue;
        std::string words = Utf8Words(former.written);
        const bool known = std::any_of(city->others.begin(), city->others.end(),
                                       [&words](const IndexedName& n) { return n.words == words; });
        if (known || words == city->words) continue;
        city->others.push_back(IndexedName{former.written, std::move(words)});
    }
    // Most populous first, so that matching keeps that order.
    std::stable_sort(places.begin(), places.end(),
                     [](const IndexedPlace& a, const IndexedPlace& b) { return a.population > b.population; });
    for (IndexedPlace& p : ZoneTablePlaces(places, &Utf8Words, kZoneTab, kCountryTab)) places.push_back(std::move(p));
    return places;
}

// Where the library's code lies, as a version of the cities built into it.
std::string LibraryStamp() {
#if defined(__unix__) || defined(__APPLE__)
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&geonames_get_n_cities), &info) != 0 && info.dli_fname != nullptr) {
        return FileStamp(info.dli_fname);
    }
#endif
    return "library -";
}

}  // namespace

GeonamesDirectory::GeonamesDirectory() : GeonamesDirectory(DefaultIndexPath()) {}

GeonamesDirectory::GeonamesDirectory(std::string indexPath) : indexPath_(std::move(indexPath)) {}

GeonamesDirectory::~GeonamesDirectory() = default;

std::string GeonamesDirectory::IndexKey() {
    std::uint64_t former = kFnvOffset;
    for (const FormerName& f : FormerNames()) {
        former = Fnv(Fnv(Fnv(former, f.written), f.gazetteer), f.country);
    }
    char formerText[24];
    std::snprintf(formerText, sizeof formerText, "%016llx", static_cast<unsigned long long>(former));
    // The first line changes with any change to what goes into an index (the
    // rules of PlacesFromLibrary and ZoneTablePlaces): older files are stale.
    return "places index 2\nlibrary " + LibraryStamp() + "\nzones " + FileStamp(kZone1970) + "; " +
           FileStamp(kZoneTab) + "; " + FileStamp(kCountryTab) + "\nformer names " + formerText + "\nlanguage " +
           LocaleLanguage() + "\n";
}

std::string GeonamesDirectory::DefaultIndexPath() {
    std::filesystem::path folder;
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && cache[0] == '/') {
        folder = cache;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        folder = std::filesystem::path(home) / ".cache";
    } else {
        return {};
    }
    char name[40];
    std::snprintf(name, sizeof name, "places-%016llx.idx",
                  static_cast<unsigned long long>(Fnv(kFnvOffset, LocaleLanguage())));
    return (folder / "velmora" / name).string();
}

void GeonamesDirectory::Load() const {
    const std::string key = IndexKey();
    if (!indexPath_.empty()) {
        if (std::unique_ptr<MappedFile> file = MapFile(indexPath_); file && index_.Open(file->Data(), file->Size(), key)) {
            file_ = std::move(file);
            source_ = IndexSource::Mapped;
            return;
        }
    }
    built_ = BuildPlaceIndex(PlacesFromLibrary(zoneFix_), key);
    if (!index_.Open(reinterpret_cast<const unsigned char*>(built_.data()), built_.size(), key)) {
        built_.clear();  // cannot happen: what was just made reads back
        return;
    }
    source_ = !indexPath_.empty() && WriteFileWhole(indexPath_, built_) ? IndexSource::Written : IndexSource::Memory;
}

GeonamesDirectory::IndexSource GeonamesDirectory::Source() const {
    std::call_once(loaded_, [this] { Load(); });
    return source_;
}

void GeonamesDirectory::LoadTranslations() const {
    // The ids are used only when the library's list is the one it counts.
    const std::vector<CityRecord> library = LibraryCities();
    const std::size_t count = index_.Count();
    std::vector<std::size_t> position(library.size(), count);
    for (std::size_t k = 0; k < count; ++k) {
        const std::uint32_t i = index_.LibraryIndex(k);
        if (i == IndexedPlace::kNoLibraryIndex) continue;  // a place of the time-zone tables
        if (i >= library.size()) return;
        const CityRecord& r = library[i];
        if (r.population != index_.Population(k) || std::fabs(r.latitude - index_.Latitude(k)) > 1e-9 ||
            std::fabs(r.longitude - index_.Longitude(k)) > 1e-9) {
            return;
        }
        position[i] = k;
    }
    std::unordered_map<std::uint32_t, std::size_t> byId;
    byId.reserve(library.size());
    for (std::size_t i = 0; i < library.size(); ++i) {
        if (const std::optional<std::uint32_t> id = NumericId(library[i].id); id && position[i] < count) {
            byId.emplace(*id, position[i]);
        }
    }
    translations_.resize(count);
    std::vector<std::vector<std::string>> written(count);
    std::error_code error;
    for (const auto& locale : std::filesystem::directory_iterator(kLocaleFolder, error)) {
        const std::filesystem::path mo = locale.path() / "LC_MESSAGES" / "geonames.mo";
        if (!std::filesystem::is_regular_file(mo, error)) continue;
        ReadMoFile(mo, [&](std::string_view id, std::string_view name) {
            const std::optional<std::uint32_t> number = NumericId(id);
            if (!number || !LatinText(name)) return;
            const auto city = byId.find(*number);
            if (city == byId.end()) return;
            std::vector<std::string>& names = written[city->second];
            if (std::find(names.begin(), names.end(), name) == names.end()) names.emplace_back(name);
        });
    }
    for (std::size_t k = 0; k < count; ++k) {
        const std::string_view own = index_.Words(k);
        for (std::string& text : written[k]) {
            std::string words = Utf8Words(text);
            if (words == own || words.empty()) continue;
            bool known = false;
            for (std::size_t i = 0; i < index_.OtherCount(k) && !known; ++i) known = index_.OtherWords(k, i) == words;
            for (const Name& n : translations_[k]) known = known || n.words == words;
            if (known) continue;
            translations_[k].push_back(Name{std::move(text), std::move(words)});
            ++translated_;
        }
    }
}

std::size_t GeonamesDirectory::TranslatedNames() const {
    std::call_once(loaded_, [this] { Load(); });
    std::call_once(translationsLoaded_, [this] { LoadTranslations(); });
    return translated_;
}

std::vector<Place> GeonamesDirectory::Find(const PlaceQuery& query, std::size_t limit) const {
    if (query.city.size() > MaxPlaceTextBytes || query.state.size() > MaxPlaceTextBytes ||
        query.country.size() > MaxPlaceTextBytes || limit == 0 || PlaceWords(FoldedPlaceText(query.city)).isEmpty()) {
        return {};
    }
    std::call_once(loaded_, [this] { Load(); });
    std::vector<Place> places = Match(query, limit, Tier::Names);
    if (places.empty()) {
        std::call_once(translationsLoaded_, [this] { LoadTranslations(); });
        places = Match(query, limit, Tier::Translations);
    }
    if (places.empty()) places = Match(query, limit, Tier::ZoneTables);
    return places;
}

std::vector<Place> GeonamesDirectory::Match(const PlaceQuery& query, std::size_t limit, Tier tier) const {
    const bool translations = tier == Tier::Translations;
    std::vector<Place> places;
    const QStringList typedWords = PlaceWords(FoldedPlaceText(query.city));
    std::vector<std::string> typed;
    for (const QString& w : typedWords) typed.push_back(w.toUtf8().toStdString());
    const std::string city = typedWords.join(QLatin1Char(' ')).toUtf8().toStdString();

    // "city, X": X may be a state or a country.
    const bool stateOrCountry = query.country.empty();
    const QString state = FoldedPlaceText(query.state);
    const QString country = FoldedPlaceText(query.country);
    const IsoRegions::Meaning stateMeans = regions_.Read(state);
    const IsoRegions::Meaning countryMeans = regions_.Read(country);
    // "Konch, State of Uttar Pradesh, India", as the gazetteer itself writes
    // the state, finds what "Konch, Uttar Pradesh, India" finds.
    const QString shortState = WithoutStatePrefix(state);
    const IsoRegions::Meaning shortStateMeans = shortState == state ? IsoRegions::Meaning{} : regions_.Read(shortState);
    auto inOneState = [](const IsoRegions::Meaning& means, const QString& typedState, const Place& place) {
        if (FoldedPlaceText(place.state).startsWith(typedState)) return true;
        if (means.states.empty()) return false;
        const QString key = IsoRegions::StateKey(place.state);
        return std::any_of(means.states.begin(), means.states.end(), [&](const auto& s) {
            return s.first == place.countryCode && s.second == key;
        });
    };
    auto inState = [&](const IsoRegions::Meaning& means, const QString& typedState, const Place& place) {
        return inOneState(means, typedState, place) ||
               (shortState != typedState && inOneState(shortStateMeans, shortState, place));
    };
    auto inCountry = [](const IsoRegions::Meaning& means, const QString& typedCountry, const Place& place) {
        return FoldedPlaceText(place.country).startsWith(typedCountry) ||
               std::find(means.countries.begin(), means.countries.end(), place.countryCode) != means.countries.end();
    };

    const std::size_t count = index_.Count();
    for (std::size_t k = 0; k < count; ++k) {
        // The time-zone tables' places only where the gazetteer's cities have no match.
        if ((index_.LibraryIndex(k) == IndexedPlace::kNoLibraryIndex) != (tier == Tier::ZoneTables)) continue;
        const std::string_view words = index_.Words(k);
        const bool nameMatches = Matches(typed, words);
        std::string_view otherText, otherWords;
        bool other = false;
        if (!nameMatches || words != city) {
            // A former name typed whole wins over a match of the name's start;
            // otherwise the first former name that matches.
            const std::size_t others = index_.OtherCount(k);
            for (std::size_t i = 0; i < others; ++i) {
                const std::string_view w = index_.OtherWords(k, i);
                if (w == city) {
                    other = true;
                    otherText = index_.OtherText(k, i);
                    otherWords = w;
                    break;
                }
                if (!nameMatches && !other && Matches(typed, w)) {
                    other = true;
                    otherText = index_.OtherText(k, i);
                    otherWords = w;
                }
            }
        }
        if (translations && !nameMatches && !other && k < translations_.size()) {
            for (const Name& n : translations_[k]) {
                if (Matches(typed, n.words)) {
                    other = true;
                    otherText = n.text;
                    otherWords = n.words;
                    break;
                }
            }
        }
        if (!nameMatches && !other) continue;
        Place place;
        place.name = index_.Text(k, 0);
        place.state = index_.Text(k, 1);
        place.country = index_.Text(k, 2);
        place.countryCode = index_.Text(k, 3);
        place.zoneId = index_.Text(k, 4);
        place.gazetteerZoneId = index_.Text(k, 5);
        place.latitude = index_.Latitude(k);
        place.longitude = index_.Longitude(k);
        place.population = index_.Population(k);
        if (stateOrCountry) {
            if (!state.isEmpty() && !inState(stateMeans, state, place) && !inCountry(stateMeans, state, place)) continue;
        } else {
            if (!state.isEmpty() && !inState(stateMeans, state, place)) continue;
            if (!inCountry(countryMeans, country, place)) continue;
        }
        // Former names and translations count as names when only they match.
        const std::string_view matched = other ? otherWords : words;
        if (other) place.otherName = otherText;
        place.exactName = matched == city;
        place.nameBegins = Begins(city, matched);
        places.push_back(std::move(place));
        if (places.size() == limit) break;
    }
    return places;
}

}  // namespace velmora
