// Feeds arbitrary bytes to the place look-up of --place and the City box: the
// first two bytes choose a date and time, the rest is the typed text. Any
// answer is fine; a crash, leak, hang or UB report is a finding, and so is an
// answer that is neither a place nor a problem.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "places/lookup/PlaceFinder.h"
#include "places/lookup/SystemPlaces.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<velmora::PlaceDirectory> directory = velmora::OpenPlaceDirectory();
    if (!directory || size < 2) return 0;
    const velmora::LocalMoment moment{1901 + data[0] % 150, 1 + data[0] % 12, 1 + data[1] % 31, data[1] % 24,
                                      (data[0] + data[1]) % 60};
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const velmora::PlaceAnswer answer = velmora::FindPlaceOnDate(*directory, text, moment);
    if (answer.found == answer.problem.empty()) return 0;
    std::abort();
}
