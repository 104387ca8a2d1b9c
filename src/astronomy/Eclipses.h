#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astronomy/RiseSet.h"

// Eclipses of the Sun and the Moon, found from the Sun and the Moon
// themselves, without Besselian elements:
//   - the Sun: the apparent Sun of ApparentSun.h (ERFA's eraEpv00 with
//     aberration); the Moon: ERFA's eraMoon98 (a few arcseconds 1900-2100),
//     less its 1.3 s of light time; both in the GCRS, turned to the true
//     equator and equinox of date (IAU 2000 precession, 2000B nutation) where
//     a place's horizon is needed; TT - UT is the observed ΔT of ApparentSun.h.
//   - a lunar eclipse: the Moon's centre against the centre of the Earth's
//     shadow (the point opposite the apparent Sun), seen from the geocentre.
//     The shadow's radii follow Danjon's rule, the one of the Five Millennium
//     Canon: the Earth's radius enlarged by 1/85 for its atmosphere,
//       umbra     = 1.01 π_Moon − s_Sun + π_Sun
//       penumbra  = 1.01 π_Moon + s_Sun + π_Sun
//     (π horizontal parallax with the Earth's equatorial radius, s the Sun's
//     semi-diameter). Magnitudes are fractions of the Moon's diameter inside
//     the umbra (or the penumbra).
//   - a solar eclipse: globally, the greatest eclipse is the moment the axis
//     of the Moon's shadow passes nearest the Earth's centre (γ in Earth
//     radii); central when γ < 1, total when the umbral cone still reaches the
//     Earth's surface on the axis, annular otherwise. At a place, the
//     topocentric Sun and Moon (WGS84 site, Earth rotation by ERFA's GMST and
//     equation of the equinoxes) and their separation against the
//     semi-diameters (Moon: k = 0.2725076 Earth radii for the partial
//     contacts, 0.272281 for the total or annular ones, as the canon).
//
// Visibility: a solar eclipse is visible from a place while the Sun's centre
// is above −0°50′ (its upper limb above the horizon, refraction included,
// the rising rule of RiseSet.h); a lunar one while the Moon's upper limb is
// (centre above −34′ less its semi-diameter). Sutak, as the almanacs print
// it: from 12 hours before the first contact of a solar eclipse at the place
// and 9 hours before the Moon enters the umbra, until the eclipse ends; only
// for an eclipse visible from the place, and never for a merely penumbral
// lunar eclipse (it darkens nothing the eye can see).
namespace velmora {

enum class EclipseKind {
    PartialSolar,
    AnnularSolar,
    TotalSolar,
    PenumbralLunar,
    PartialLunar,
    TotalLunar,
};

bool IsSolar(EclipseKind kind);

// "partial solar", "annular solar", "total solar", "penumbral lunar",
// "partial lunar", "total lunar".
std::string EclipseKindName(EclipseKind kind);

// "solar-partial", "solar-annular", "solar-total", "lunar-penumbral",
// "lunar-partial", "lunar-total": stable keys for JSON and calendar files.
std::string EclipseKindKey(EclipseKind kind);

// A contact (or the greatest eclipse) with the body's altitude at the place.
struct EclipseContact {
    std::string key;    // "P1" "U1" "U2" "max" "U3" "U4" "P4" (lunar), "C1" "C2" "max" "C3" "C4" (solar)
    std::string name;   // "partial eclipse begins" ...
    double jdUt = 0;
    double altitude = 0;   // degrees, the body's centre at the place (no refraction)
    bool aboveHorizon = false;
};

struct Eclipse {
    EclipseKind kind = EclipseKind::PartialSolar;  // as the canon lists it (globally)
    double greatestJdUt = 0;      // greatest eclipse, globally
    double localGreatestJdUt = 0; // greatest at the place (solar, where the place is in the penumbra), else greatestJdUt
    double magnitude = 0;         // lunar: umbral magnitude (negative for a penumbral one)
    double penumbralMagnitude = 0;  // lunar only
    double gamma = 0;             // solar: the shadow axis from the Earth's centre at greatest, Earth radii (signed: north +)
                                  // lunar: the Moon from the shadow's centre, Earth radii
    // At the place.
    bool seenFromPlace = false;   // solar: the place passes through the Moon's penumbra, whether or not the
                                  // Sun is up then (lunar: always); `visible` says whether it can be watched
    EclipseKind localKind = EclipseKind::PartialSolar;  // solar: what the place gets; lunar: = kind
    double localMagnitude = 0;    // solar: the greatest fraction of the Sun's diameter covered; lunar: = magnitude
    double localObscuration = 0;  // solar: the greatest fraction of the Sun's disc (area) covered
    std::vector<EclipseContact> contacts;  // in time order, the greatest eclipse among them
    bool visible = false;         // some of it above the horizon at the place
    std::optional<double> sutakFromJdUt;   // when the sutak applies
    std::optional<double> sutakToJdUt;
};

// The eclipses whose greatest moment at the place (localGreatestJdUt) lies in
// [jdUtFrom, jdUtTo), in time order, with their circumstances at the place.
// A short range costs little unless a new or full moon near a node is within
// a day of it. Empty for an empty or
// non-finite range or one longer than 400 days (a year at a time).
std::vector<Eclipse> EclipsesBetween(double jdUtFrom, double jdUtTo, const Observer& place);

}  // namespace velmora
