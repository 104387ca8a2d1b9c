#pragma once

#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// The moments at which the tithi, karana, yoga and nakshatra change, for the
// day, the month, the calendar file and the festivals.
//
// Design: each element is a stretch of one steadily growing angle, read
// unreduced so that it never wraps: the elongation Moon − Sun (tithi 12°,
// karana 6°), the yoga sum (13°20′) and the sidereal Moon (nakshatra 13°20′),
// all from the panchang's own Sun, Moon and ayanamsa (the ayanamsa taken at
// each moment searched). Change number n is the moment the angle reaches
// n steps: a tithi change is the karana change 2n, so the two lists share it.
// Each change is searched once, by Newton steps started from where the angle's
// mean course puts it (a fixed function of n), so the same change comes out
// to the bit whichever day, month or year asks for it: the element that ends
// and the one that begins share one moment, and two days that list the same
// element give it the same span. The search ends within 0.1 s of the change
// (the angle's last step is under 1e-4 day with a rate known to a third of a
// per cent; a test checks the moments against a bisection of the same angle).
//
// The moment's report (the five tabs) keeps its own searches, from the
// entered minute, which stop within 0.001° and take 0° and 360° from the
// new-moon series: its spans can differ from these by a few seconds (a
// couple of minutes at a new moon).
namespace velmora {

struct DayElement;

enum class ElementKind { Tithi, Nakshatra, Yoga, Karana };

class ElementChanges {
public:
    // The moment (Julian day, UT) element count n of the kind begins: the
    // count is the unreduced angle over the element's size, floored (so the
    // element's number is n modulo 30, 27, 27 or 60, plus 1). Nothing when
    // the search gives up or the moment lies outside the years 1000..3000.
    std::optional<double> Change(ElementKind kind, long long n);

    // Every element of the kind that overlaps [fromJdUt, toJdUt), in time
    // order, with its whole span: the first is the one in force at fromJdUt
    // by these very moments. Stops early (and leaves the rest out) where a
    // search gives up; at most 16 elements.
    std::vector<DayElement> Over(ElementKind kind, double fromJdUt, double toJdUt);

    // Searches made so far (for tests and benchmarks): a change asked for again
    // is not searched again.
    int Searches() const { return searches_; }

private:
    std::map<std::pair<int, long long>, std::optional<double>> found_;
    int searches_ = 0;
};

// The element count of the kind in force at a moment (UT) by the angle there,
// and the element's number (1-based) and name for a count.
std::optional<long long> ElementCountAt(ElementKind kind, double jdUt);
int ElementNumber(ElementKind kind, long long count);
std::string_view ElementName(ElementKind kind, long long count);

}  // namespace velmora
