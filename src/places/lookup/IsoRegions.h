#pragma once

#include <QString>

#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// Country and subdivision names and codes of ISO 3166, from Debian's
// iso-codes (iso_3166-1.json and iso_3166-2.json), read on the first question
// (about 10 ms). Without the files, codes are simply not known.
class IsoRegions {
public:
    explicit IsoRegions(std::string folder = "/usr/share/iso-codes/json");

    // What the second or third part of a place text may name. Countries by
    // ISO code ("GB", "GBR"), by the start of a name, common name or official
    // name ("Russia", "United States"), or by a usual short form iso-codes
    // does not list ("UK"); subdivisions by code ("TX", "US-TX", "MH") or by a
    // former name ("Orissa"). Empty when the text names none of them.
    struct Meaning {
        std::vector<std::string> countries;                       // two-letter codes
        std::vector<std::pair<std::string, QString>> states;      // country code, StateKey of the name
        bool Empty() const { return countries.empty() && states.empty(); }
    };
    Meaning Read(const QString& folded) const;

    // A state's name reduced to what tells it apart, for comparing the
    // gazetteer's spelling with iso-codes': folded, its words without the
    // generic ones ("State of", "Province", "Region", "National Capital
    // Territory of"), sorted. "National Capital Territory of Delhi" and
    // "Delhi" both give "delhi"; "West Virginia" stays apart from "Virginia".
    static QString StateKey(const std::string& name);

    bool Loaded() const;

private:
    struct Country {
        std::string code;       // "GB"
        QString alpha2, alpha3;  // folded
        std::vector<QString> names;  // folded
    };
    struct Subdivision {
        std::string country;  // "US"
        QString code;         // folded: "us-tx"
        QString compactCode;  // letters and digits of the code: "ustx"
        QString suffix;       // folded: "tx"
        QString key;          // StateKey of the name
    };
    void Load() const;

    std::string folder_;
    mutable std::once_flag loaded_;
    mutable std::vector<Country> countries_;
    mutable std::vector<Subdivision> subdivisions_;
};

}  // namespace velmora
