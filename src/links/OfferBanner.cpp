#include "links/OfferBanner.h"

#include <cmath>

namespace velmora {

int OfferBannerNumber(double u) {
    if (!(u >= 0.0 && u < 1.0)) return 0;  // also refuses NaN
    const double x = 1.0 + 6.0 * u;
    // Round half to even, spelled out so the result never depends on the
    // floating-point environment's rounding mode.
    const double below = std::floor(x);
    const double rest = x - below;
    double n = below;
    if (rest > 0.5) {
        n = below + 1.0;
    } else if (rest == 0.5 && std::fmod(below, 2.0) != 0.0) {
        n = below + 1.0;
    }
    return static_cast<int>(n);  // 1..7
}

OfferBanner OfferBannerForNumber(int n) {
    switch (n) {
        case 1:
        case 3:
        case 5:
            return OfferBanner::CoBrand;
        case 2:
        case 4:
        case 6:
            return OfferBanner::FullBrand;
        default:
            return OfferBanner::None;
    }
}

OfferBanner DrawOfferBanner(const UniformSource& uniform) {
    if (!uniform) return OfferBanner::None;
    return OfferBannerForNumber(OfferBannerNumber(uniform()));
}

}  // namespace velmora
