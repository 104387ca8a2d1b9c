#include "panchang/PanchangRules.h"

#include <cmath>

namespace velmora {

namespace {

// floor(x) as an int when x is finite and floor(x) lies in lo..hi.
std::optional<int> FloorIndex(double x, int lo, int hi) {
    if (!std::isfinite(x)) return std::nullopt;
    const double f = std::floor(x);
    if (f < lo || f > hi) return std::nullopt;
    return static_cast<int>(f);
}

}  // namespace

std::optional<int> TithiIndexOf(double moonLon, double sunLon) {
    return FloorIndex(Elongation(moonLon, sunLon) / 12, 0, 30);
}

std::optional<int> HalfTithiOf(double moonLon, double sunLon) {
    return FloorIndex(Elongation(moonLon, sunLon) / 6, 0, 60);
}

std::optional<int> KaranaIndexOf(int halfTithi) {
    if (halfTithi < 0) return std::nullopt;
    if (halfTithi == 0) return 10;
    if (halfTithi >= 57) return halfTithi - 50;
    return (halfTithi - 1) % 7;
}

std::optional<double> YogaPositionOf(double yogaSum) {
    if (!std::isfinite(yogaSum)) return std::nullopt;
    double p = yogaSum * 6 / 80;
    if (p < 0) {
        // Stepping up by 27 is exact until the last step into 0..27, which
        // rounds once; fmod gives that last negative value exactly. A multiple
        // of 27 lands on 0.
        const double r = std::fmod(p, 27.0);
        p = (r < 0) ? r + 27 : 0.0;
    } else if (p > 27) {
        // Stepping down stops at the first value not above 27, so a multiple
        // of 27 ends at 27 rather than 0.
        const double r = std::fmod(p, 27.0);
        p = (r == 0) ? 27.0 : r;
    }
    return p;
}

std::optional<int> YogaIndexOf(double position) { return FloorIndex(position, 0, 27); }

}  // namespace velmora
