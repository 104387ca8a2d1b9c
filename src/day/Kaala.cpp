#include "day/Kaala.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

std::optional<KaalaSpan> PartOf(const std::optional<double>& from, const std::optional<double>& to, double first,
                                double last) {
    if (!from || !to || !(*to > *from)) return std::nullopt;
    const double length = *to - *from;
    return KaalaSpan{*from + first * length, *from + last * length};
}

constexpr double Fifth(int n) { return static_cast<double>(n) / DaytimeFifths; }

}  // namespace

std::optional<KaalaSpan> KaalaOf(Kaala kaala, const HinduDay& day) {
    switch (kaala) {
        case Kaala::Sunrise:
            if (!day.sunrise) return std::nullopt;
            return KaalaSpan{*day.sunrise, *day.sunrise};
        case Kaala::Moonrise:
            if (!day.moonrise) return std::nullopt;
            return KaalaSpan{*day.moonrise, *day.moonrise};
        case Kaala::Arunodaya:
            if (!day.sunrise) return std::nullopt;
            return KaalaSpan{*day.sunrise - ArunodayaMinutes / 1440, *day.sunrise};
        case Kaala::Pratahkala: return PartOf(day.sunrise, day.sunset, Fifth(0), Fifth(1));
        case Kaala::Sangava: return PartOf(day.sunrise, day.sunset, Fifth(1), Fifth(2));
        case Kaala::Purvahna: return PartOf(day.sunrise, day.sunset, 0, 0.5);
        case Kaala::Madhyahna: return PartOf(day.sunrise, day.sunset, Fifth(2), Fifth(3));
        case Kaala::Aparahna: return PartOf(day.sunrise, day.sunset, Fifth(3), Fifth(4));
        case Kaala::Sayahna: return PartOf(day.sunrise, day.sunset, Fifth(4), Fifth(5));
        case Kaala::Pradosha:
            return PartOf(day.sunset, day.nextSunrise, 0, static_cast<double>(PradoshaMuhurtas) / MuhurtaParts);
        case Kaala::Nishita:
            return PartOf(day.sunset, day.nextSunrise, static_cast<double>(NishitaMuhurta - 1) / MuhurtaParts,
                          static_cast<double>(NishitaMuhurta) / MuhurtaParts);
    }
    return std::nullopt;
}

std::string_view KaalaName(Kaala kaala) {
    switch (kaala) {
        case Kaala::Sunrise: return "sunrise";
        case Kaala::Arunodaya: return "arunodaya";
        case Kaala::Pratahkala: return "pratahkala";
        case Kaala::Sangava: return "sangava";
        case Kaala::Purvahna: return "purvahna";
        case Kaala::Madhyahna: return "madhyahna";
        case Kaala::Aparahna: return "aparahna";
        case Kaala::Sayahna: return "sayahna";
        case Kaala::Pradosha: return "pradosha";
        case Kaala::Nishita: return "nishita";
        case Kaala::Moonrise: return "moonrise";
    }
    return "";
}

double KaalaShare(const KaalaSpan& kaala, double from, double to) {
    if (!(std::isfinite(from) && std::isfinite(to) && from < to)) return 0;
    if (kaala.IsMoment()) return from <= kaala.start && kaala.start < to ? 1 : 0;
    const double held = std::min(to, kaala.end) - std::max(from, kaala.start);
    return held > 0 ? held / (kaala.end - kaala.start) : 0;
}

}  // namespace velmora
