#pragma once

#include <optional>
#include <string>

#include "shared/BirthRecord.h"

// What the program keeps from one calculation to the next. The calculation
// driver owns it (the program has one for the life of the process) and alone
// writes it: each calculation overwrites it and nothing resets it, so a value
// whose step fails keeps the previous calculation's value.
namespace velmora {

// The six texts the panchang leaves for the results window.
struct PanchangResults {
    std::string CurrentTithi;
    std::string CurrentTithiSpan;
    std::string CurrentYoga;
    std::string CurrentYogaSpan;
    std::string CurrentKarana;
    std::string CurrentKaranaSpan;
};

struct CalculationState {
    // A box whose text does not convert keeps the previous value here.
    BirthRecord birth;
    // The Moon's mansion; kept when its longitude cannot give one.
    std::string MoonNakshatra;
    // 1 = Sunday .. 7 = Saturday; kept when the date cannot be formed, none
    // before the first success.
    std::optional<int> VaraNumber;
    PanchangResults results;
};

}  // namespace velmora
