#include "astronomy/Elements.h"

namespace velmora {

double Elongation(double moonLon, double sunLon) {
    double a = moonLon;
    if (a < sunLon) a = a + 360;
    return a - sunLon;
}

double YogaSumOf(double negAyanamsa, double moonLongitudeRaw, double sunLongitudeRaw) {
    return (negAyanamsa + moonLongitudeRaw - YogaMoonOffset) + (negAyanamsa + sunLongitudeRaw - YogaSunOffset);
}

}  // namespace velmora
