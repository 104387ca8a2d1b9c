#pragma once

#include <nlohmann/json.hpp>

#include <vector>

#include "astronomy/Eclipses.h"
#include "day/DayZone.h"

// Eclipses as JSON, the same shape in the day (`"eclipses"` of --day --json),
// the month and the year (--year --json):
//   {"key": "lunar-total", "summary": "Total lunar eclipse (Chandra Grahan)",
//    "date": "2026-03-03" (local date of the greatest eclipse at the place),
//    "greatest": clock time of the greatest eclipse (globally),
//    "magnitude", "penumbral_magnitude" (lunar: umbral and penumbral) or
//    "magnitude", "obscuration" (solar, at the place; null where the place is
//    outside the Moon's shadow),
//    "local_kind": what the place gets ("solar-partial" ...),
//    "visible": true/false, "visibility": words,
//    "contacts": [{"key": "U1", "phase": "partial eclipse begins", "time": clock time,
//                  "altitude": degrees, "above_horizon": true/false}, ...],
//    "sutak": {"start", "end"} or null}
// The summary, phase and visibility texts are English in every language (they
// are not names of the almanac's tables).
namespace velmora {

nlohmann::ordered_json EclipsesJson(const std::vector<Eclipse>& eclipses, const DayZone& zone);

}  // namespace velmora
