#include "places/lookup/FormerNames.h"

#include <array>

namespace velmora {

namespace {

// Sources: Wikipedia, "List of renamed places in India" and "List of city
// name changes" (read December 2026), with the year of each change from the
// notifications quoted there. Indian renames of the last fifty years and the
// older ones still found on birth records, then the best-known others. Each
// maps to the gazetteer's spelling; a test checks that every one is found.
constexpr std::array<FormerName, 59> kFormerNames = {{
    // India
    {"Bombay", "Mumbai", "IN"},                  // 1995
    {"Madras", "Chennai", "IN"},                 // 1996
    {"Calcutta", "Kolkata", "IN"},               // 2001
    {"Bangalore", "Bengaluru", "IN"},            // 2014
    {"Poona", "Pune", "IN"},                     // 1978
    {"Benares", "Varanasi", "IN"},               // 1956
    {"Banaras", "Varanasi", "IN"},
    {"Cochin", "Kochi", "IN"},                   // 1996
    {"Thiruvananthapuram", "Trivandrum", "IN"},  // 1991; the gazetteer keeps the old name
    {"Baroda", "Vadodara", "IN"},                // 1974
    {"Gurugram", "Gurgaon", "IN"},               // 2016
    {"Mysuru", "Mysore", "IN"},                  // 2014, as the Karnataka cities below
    {"Mangaluru", "Mangalore", "IN"},
    {"Belagavi", "Belgaum", "IN"},
    {"Hubballi", "Hubli", "IN"},
    {"Kalaburagi", "Gulbarga", "IN"},
    {"Ballari", "Bellary", "IN"},
    {"Vijayapura", "Bijapur", "IN"},
    {"Shivamogga", "Shimoga", "IN"},
    {"Tumakuru", "Tumk\u016Br", "IN"},
    {"Allahabad", "Prayagraj", "IN"},            // 2018
    {"Pondicherry", "Puducherry", "IN"},         // 2006
    {"Simla", "Shimla", "IN"},
    {"Cawnpore", "Kanpur", "IN"},
    {"Calicut", "Kozhikode", "IN"},
    {"Quilon", "Kollam", "IN"},
    {"Alleppey", "Alappuzha", "IN"},
    {"Trichur", "Thrissur", "IN"},
    {"Palghat", "Palakkad", "IN"},
    {"Cannanore", "Kannur", "IN"},
    {"Tanjore", "Thanjavur", "IN"},
    {"Trichinopoly", "Tiruchirappalli", "IN"},
    {"Vizagapatam", "Visakhapatnam", "IN"},
    {"Vizag", "Visakhapatnam", "IN"},
    {"Bezwada", "Vijayawada", "IN"},
    {"Gauhati", "Guwahati", "IN"},
    {"Jubbulpore", "Jabalpur", "IN"},
    {"Panaji", "Panjim", "IN"},                  // the gazetteer keeps the old name
    {"Nasik", "Nashik", "IN"},
    {"Sholapur", "Solapur", "IN"},
    {"Jullundur", "Jalandhar", "IN"},
    {"Rajamahendravaram", "Rajahmundry", "IN"},  // 2015
    {"Chhatrapati Sambhajinagar", "Aurangabad", "IN"},  // 2023
    {"Dharashiv", "Osmanabad", "IN"},            // 2023
    {"Ahilyanagar", "Ahmednagar", "IN"},         // 2024
    {"Udhagamandalam", "Ooty", "IN"},
    // Elsewhere
    {"Dacca", "Dhaka", "BD"},
    {"Chattogram", "Chittagong", "BD"},          // 2018
    {"Rangoon", "Yangon", "MM"},
    {"Peking", "Beijing", "CN"},
    {"Saigon", "Ho Chi Minh City", "VN"},        // 1976
    {"Kiev", "Kyiv", "UA"},
    {"M\u00FCnchen", "Munich", "DE"},           // the local names, also among the gazetteer's translations
    {"K\u00F6ln", "Cologne", "DE"},
    {"New York City", "New York", "US"},
    {"Leningrad", "Saint Petersburg", "RU"},
    {"Constantinople", "Istanbul", "TR"},
    {"Alma-Ata", "Almaty", "KZ"},
    {"Astana", "Nur-Sultan", "KZ"},  // the capital's name again since 2022; the gazetteer has the one of 2019
}};

}  // namespace

std::span<const FormerName> FormerNames() { return kFormerNames; }

}  // namespace velmora
