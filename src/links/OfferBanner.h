#pragma once

#include <functional>

// Which of the input window's two offer banners is in front at start. Both sit
// on the same spot; the fully-branded one lies in front by design.
namespace velmora {

enum class OfferBanner {
    None,       // leave the stacking as designed (lblFullBrand in front)
    CoBrand,    // bring lblCobrand to the front
    FullBrand,  // bring lblFullBrand to the front
};

// A source of uniform fractions in [0, 1).
using UniformSource = std::function<double()>;

// n = 1 + 6 * u rounded to the nearest whole number, halves to the even
// neighbour: 1..7, with 1 and 7 half as likely as 2..6. 0 when u is not a
// number in [0, 1) (nothing is drawn).
int OfferBannerNumber(double u);

// 1, 3, 5 -> the co-brand banner; 2, 4, 6 -> the fully-branded one; anything
// else (7, or no draw) changes nothing.
OfferBanner OfferBannerForNumber(int n);

// The draw made once at start.
OfferBanner DrawOfferBanner(const UniformSource& uniform);

}  // namespace velmora
