#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <mutex>
#include <vector>

#include "places/Place.h"

namespace velmora {

// The gazetteer of libgeonames (Debian's libgeonames0 and libgeonames-common):
// about 24,000 cities of the geonames.org data with state, country,
// coordinates, population and IANA zone, built into the library; offline.
// Names come in the language of the process's locale where the data has a
// translation.
//
// The library's own query scans and ranks every city on each call (about
// 85 ms here), too slow to follow typing; the directory reads the names once,
// on its first look-up (about 25 ms), and matches them itself: each word
// typed must begin a word of the name.
class GeonamesDirectory : public PlaceDirectory {
public:
    std::vector<Place> Find(const PlaceQuery& query, std::size_t limit) const override;

private:
    struct Entry {
        int index;  // the city's number in libgeonames
        std::uint32_t population;
        QString folded;      // the whole name, folded
        QStringList words;   // its words, folded
    };
    void Load() const;

    mutable std::once_flag loaded_;
    mutable std::vector<Entry> entries_;
};

}  // namespace velmora
