#include "report/EclipseJson.h"

#include <cmath>

#include "calendar/EclipseNotes.h"

namespace velmora {

namespace {

using Json = nlohmann::ordered_json;

Json Clock(double jdUt, const DayZone& zone) {
    const std::string text = LocalTimeText(jdUt, zone);
    return text.empty() ? Json(nullptr) : Json(text);
}

double Rounded(double value, double scale) { return std::round(value * scale) / scale; }

}  // namespace

Json EclipsesJson(const std::vector<Eclipse>& eclipses, const DayZone& zone) {
    Json list = Json::array();
    for (const Eclipse& e : eclipses) {
        const bool solar = IsSolar(e.kind);
        Json j;
        j["key"] = EclipseKindKey(e.kind);
        j["summary"] = EclipseTitle(e);
        const std::string local = LocalTimeText(e.localGreatestJdUt, zone);
        j["date"] = local.size() >= 10 ? Json(local.substr(0, 10)) : Json(nullptr);
        j["greatest"] = Clock(e.greatestJdUt, zone);
        if (solar && !e.seenFromPlace) {
            j["magnitude"] = nullptr;
            j["obscuration"] = nullptr;
        } else if (solar) {
            j["magnitude"] = Rounded(e.localMagnitude, 1e4);
            j["obscuration"] = Rounded(e.localObscuration, 1e4);
        } else {
            j["magnitude"] = Rounded(e.magnitude, 1e4);
            j["penumbral_magnitude"] = Rounded(e.penumbralMagnitude, 1e4);
        }
        j["local_kind"] = e.seenFromPlace ? Json(EclipseKindKey(e.localKind)) : Json(nullptr);
        j["visible"] = e.visible;
        j["visibility"] = EclipseVisibilityText(e);
        Json contacts = Json::array();
        for (const EclipseContact& c : e.contacts) {
            contacts.push_back(Json{{"key", c.key},
                                    {"phase", c.name},
                                    {"time", Clock(c.jdUt, zone)},
                                    {"altitude", Rounded(c.altitude, 10)},
                                    {"above_horizon", c.aboveHorizon}});
        }
        j["contacts"] = contacts;
        if (e.sutakFromJdUt && e.sutakToJdUt) {
            j["sutak"] = Json{{"start", Clock(*e.sutakFromJdUt, zone)}, {"end", Clock(*e.sutakToJdUt, zone)}};
        } else {
            j["sutak"] = nullptr;
        }
        list.push_back(std::move(j));
    }
    return list;
}

}  // namespace velmora
