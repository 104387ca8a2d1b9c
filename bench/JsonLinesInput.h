#pragma once

#include <string>

#include "input/InputForm.h"

// Birth records as a practitioner would pipe them through the report tool, one
// JSON object a line: dates, clock times and places vary from line to line, and
// every line is answered with results.
inline std::string VariedJsonLines(int count) {
    std::string lines;
    const char* places[][6] = {
        {"77", "13", "East", "5", "30", "0"}, {"74", "0", "West", "5", "0", "1"},
        {"151", "12", "East", "10", "0", "0"}, {"0", "7", "West", "0", "0", "1"}};
    for (int i = 0; i < count; ++i) {
        const auto& p = places[i % 4];
        lines += "{\"txtName\":\"ASHA\",\"cboMonth\":\"" + std::string(velmora::MonthNames[i % 12]) +
                 "\",\"cboDate\":\"" + std::to_string(1 + (i * 7) % 28) + "\",\"cboYear\":\"" +
                 std::to_string(1901 + (i * 13) % 150) + "\",\"cboHH\":\"" + std::to_string((i * 5) % 24) +
                 "\",\"cboMM\":\"" + std::to_string((i * 11) % 60) +
                 "\",\"txtMCity\":\"Pune\",\"txtMState\":\"Maharashtra\",\"txtMCountry\":\"India\","
                 "\"txtLatD\":\"18\",\"txtLatM\":\"31\",\"optLat\":\"North\",\"txtLonD\":\"" +
                 p[0] + "\",\"txtLonM\":\"" + p[1] + "\",\"optLong\":\"" + p[2] + "\",\"txtZoneHour\":\"" + p[3] +
                 "\",\"txtZoneMinute\":\"" + p[4] + "\",\"chkDST\":" + p[5] + "}\n";
    }
    return lines;
}
