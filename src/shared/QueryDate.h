#pragma once

#include <cstdint>
#include <optional>

namespace velmora {

// The date chosen in the input window's lists, read once per calculation.
// Each part is missing when its list has no entry chosen.
struct QueryDate {
    std::optional<int> month;          // 1..12
    std::optional<std::int16_t> day;   // 1..31
    std::optional<std::int16_t> year;  // 1901..2050
};

}  // namespace velmora
