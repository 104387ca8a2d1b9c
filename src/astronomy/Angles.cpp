#include "astronomy/Angles.h"

#include <cmath>

namespace velmora {

double Normalize360(double x) {
    // The two loops (add 360 while below 0, then subtract 360 while above 360)
    // done in one step: every subtraction of 360 in those loops is exact, so
    // fmod gives the same bits. Infinities and NaN come back unchanged instead
    // of looping for ever.
    if (!std::isfinite(x)) return x;
    if (x >= 0 && x <= 360) return x;
    // One turn out, the common case: the loops' single step, exact above 360
    // (Sterbenz) and the same rounded sum below 0 as fmod's remainder plus 360.
    if (x > 360 && x <= 720) return x - 360;
    if (x < 0 && x > -360) return x + 360;
    if (std::fabs(x) < 0x1p53) {
        // The remainder without fmod's bit-by-bit division. k may be one off
        // where x / 360 rounds across a whole number; m is exact either way:
        // x and 360k are whole multiples of x's last place (at most 1 below
        // 2^53) and lie within two turns of each other.
        const double k = std::floor(x / 360);
        double m = x - 360 * k;
        if (m < 0) {
            m = m + 360;
        } else if (m >= 360) {
            m = m - 360;
        }
        // m is x modulo 360 in 0..360; the loops end on it, but for a whole
        // number of turns, which they leave at 0 from below and 360 from above.
        if (x < 0) return m;
        return m == 0 ? 360.0 : m;
    }
    const double r = std::fmod(x, 360.0);  // exact; sign of x
    if (x < 0) {
        if (r == 0) return 0.0;
        return r + 360.0;  // the loop's last addition; may round up to 360, which stays
    }
    return r == 0 ? 360.0 : r;
}

}  // namespace velmora
