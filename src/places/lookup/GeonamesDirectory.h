#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "places/Place.h"
#include "places/lookup/IsoRegions.h"
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
// 85 ms here), too slow to follow typing; the directory reads the names once,
// on its first look-up, and matches them itself: each word typed must begin a
// word of the name or of one of its other names.
class GeonamesDirectory : public PlaceDirectory {
public:
    GeonamesDirectory();
    std::vector<Place> Find(const PlaceQuery& query, std::size_t limit) const override;

    // How many names were read from the translations (reading them if that
    // has not happened yet), for the record.
    std::size_t TranslatedNames() const;

private:
    // A name as matched: its folded words joined by single blanks ("new york
    // city"), one string per name to keep 45,000 names small.
    struct Name {
        std::string text;  // as written, UTF-8 (empty for the gazetteer's own name)
        QString words;
    };
    struct Entry {
        int index;  // the city's number in libgeonames
        std::uint32_t population;
        QString words;             // the gazetteer's name, as Name::words
        std::vector<Name> others;  // former names
    };
    void Load() const;
    void LoadTranslations() const;
    void AddFormerNames() const;
    // The matches among the names and former names, or with `translations`
    // among the translations too.
    std::vector<Place> Match(const PlaceQuery& query, std::size_t limit, bool translations) const;

    IsoRegions regions_;
    PlaceZoneFix zoneFix_;
    mutable std::once_flag loaded_;
    mutable std::vector<Entry> entries_;
    // Read only when a text matches no name or former name: the names of
    // entries_[k] in other languages. Apart from entries_, so that a look-up
    // that does not need them never sees them being read.
    mutable std::once_flag translationsLoaded_;
    mutable std::vector<std::vector<Name>> translations_;
    mutable std::size_t translated_ = 0;
};

}  // namespace velmora
