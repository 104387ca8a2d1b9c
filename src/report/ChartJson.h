#pragma once

#include <string>

#include "chart/Chart.h"

// The birth chart as a JSON object (one line, no line end):
// {"node":"mean","ayanamsa":…,"lagna":{…},"grahas":[{"name","abbreviation",
// "longitude","sign","degree","nakshatra","pada","navamsa","retrograde"}…],
// "navamsa":[{"name","sign"}…],"dasha_year_days":365.25,"balance":{…},
// "dasha":[{"lord","start","end","antardashas":[{"lord","start","end"}…]}…]}.
// Longitudes in degrees (sidereal), dates YYYY-MM-DD on the run's zone. The
// keys are an interface: add keys, never rename them.
namespace velmora {

std::string ChartJson(const BirthChart& chart);

}  // namespace velmora
