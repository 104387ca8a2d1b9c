#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "places/Place.h"
#include "places/lookup/IsoRegions.h"
#include "places/lookup/PlaceIndex.h"
#include "places/lookup/PlaceZoneFix.h"

namespace velmora {

// The gazetteer of libgeonames (Debian's libgeonames0 and libgeonames-common):
// about 24,000 cities of the geonames.org data with state, country,
// coordinates, population and IANA zone, built into the library; offline.
// Names come in the language of the process's locale where the data has a
// translation.
//
// Other names: libgeonames-common carries the cities' names in some 190
// languages (geonames.mo, one per locale, keyed by the geonames.org id). The
// directory reads those in Latin letters ("Bombay", "München", "Peking",
// "New York City"), matching each id to a city through the library's own
// list of cities, besides the former names of FormerNames(). Translations are
// read (about 60 ms, 2 MB) and looked at only when a text matches no name and
// no former name: they find "Moskau" or "Londres", but never add to the
// matches of a name the gazetteer has.
//
// The library's own query scans and ranks every city on each call (about
// 85 ms here), too slow to follow typing, and even reading its list of cities
// once takes 60 ms. So the directory keeps what a look-up needs of every place
// in an index (PlaceIndex.h): made from the library on the first look-up on
// this machine, written to the user's cache folder, and from then on mapped
// into memory, checked against what it was made from (the library, the
// time-zone tables, the former names, the locale's language); an index that
// is missing, altered or made from other data is made again, and where it
// cannot be written the directory works from the one it made in memory. Each
// word typed must begin a word of the name or of one of its other names.
class GeonamesDirectory : public PlaceDirectory {
public:
    // The index in DefaultIndexPath().
    GeonamesDirectory();
    // The index in `indexPath`; an empty path keeps it in memory only.
    explicit GeonamesDirectory(std::string indexPath);
    ~GeonamesDirectory() override;

    std::vector<Place> Find(const PlaceQuery& query, std::size_t limit) const override;

    // How many names were read from the translations (reading them if that
    // has not happened yet), for the record.
    std::size_t TranslatedNames() const;

    // Where the places came from on the first look-up (reading them if that
    // has not happened yet).
    enum class IndexSource {
        Mapped,   // an index made before, mapped
        Written,  // made from the library now and written for the next process
        Memory,   // made from the library now, kept in memory only
    };
    IndexSource Source() const;

    // $XDG_CACHE_HOME/velmora/places-….idx, else ~/.cache/velmora/…; empty
    // when neither is known. One file per language of the locale.
    static std::string DefaultIndexPath();

    // What an index must have been made from to be used here.
    static std::string IndexKey();

private:
    // A name as matched: its folded words joined by single blanks ("new york
    // city"), UTF-8.
    struct Name {
        std::string text;  // as written, UTF-8
        std::string words;
    };
    void Load() const;
    void LoadTranslations() const;
    // Where a text is looked for, each only when the one before has no match:
    // the gazetteer's cities by name and former name, then by their
    // translations too, then the places of the time-zone tables (so that
    // these never change what a text finds among the cities).
    enum class Tier { Names, Translations, ZoneTables };
    std::vector<Place> Match(const PlaceQuery& query, std::size_t limit, Tier tier) const;

    std::string indexPath_;
    IsoRegions regions_;
    PlaceZoneFix zoneFix_;
    mutable std::once_flag loaded_;
    mutable std::unique_ptr<MappedFile> file_;  // the index mapped, or
    mutable std::string built_;                 // the index made in this process
    mutable PlaceIndexView index_;
    mutable IndexSource source_ = IndexSource::Memory;
    // Read only when a text matches no name or former name: the names of the
    // k-th place in other languages. Apart from the index, so that a look-up
    // that does not need them never sees them being read.
    mutable std::once_flag translationsLoaded_;
    mutable std::vector<std::vector<Name>> translations_;
    mutable std::size_t translated_ = 0;
};

}  // namespace velmora
