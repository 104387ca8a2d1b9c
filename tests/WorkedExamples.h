#pragma once

#include "input/InputForm.h"

namespace velmora {

// The worked example used throughout: 15 August 1987, 10:30 local time in New
// Delhi, 28°36' N, 77°13' E, zone 5 h 30 min, no daylight saving. The Moon is
// in Bharani.
inline InputForm Delhi1987() {
    InputForm f;
    f.txtName = "ASHA";
    f.cboMonth = 7;
    f.cboDate = 14;
    f.cboYear = 1987 - FirstYear;
    f.cboHH = 10;
    f.cboMM = 30;
    f.txtMCity = "New Delhi";
    f.txtMState = "Delhi";
    f.txtMCountry = "India";
    f.txtLatD = "28";
    f.txtLatM = "36";
    f.txtLonD = "77";
    f.txtLonM = "13";
    f.txtZoneHour = "5";
    f.txtZoneMinute = "30";
    return f;
}

}  // namespace velmora
