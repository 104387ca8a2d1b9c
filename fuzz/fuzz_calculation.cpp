// Feeds arbitrary input forms — any text in any box, any list position
// (including none and positions past the end), any option and check-box value —
// through the input check, the calculation driver and the whole panchang
// report, several runs per input in one session so that state carried from a
// run into the next is exercised too. A crash, hang, leak or UB report is a
// finding; so is a run that is not refused but leaves a span text that is
// neither the design text nor of the span's shape.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "input/CalculationDriver.h"

namespace {

std::string Text(FuzzedDataProvider& in) {
    // Mostly short, sometimes number-like, sometimes arbitrary bytes.
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: return std::to_string(in.ConsumeIntegralInRange<int>(-200, 400));
        case 1: return in.ConsumeRandomLengthString(12);
        case 2: return std::to_string(in.ConsumeFloatingPoint<double>());
        default: return in.ConsumeRandomLengthString(64);
    }
}

// A box that mostly holds a value the check accepts, so that most runs get
// through to the engine and the panchang, and sometimes anything at all.
std::string Box(FuzzedDataProvider& in, int lo, int hi) {
    if (in.ConsumeIntegralInRange<int>(0, 3) != 0) return std::to_string(in.ConsumeIntegralInRange<int>(lo, hi));
    return Text(in);
}

int Position(FuzzedDataProvider& in, int count) {
    if (in.ConsumeIntegralInRange<int>(0, 15) == 0) return in.ConsumeIntegral<int>();
    return in.ConsumeIntegralInRange<int>(-1, count);
}

bool SpanShaped(const std::string& s) {
    // "dd.MM.yyyy HH:mm  to dd.MM.yyyy HH:mm", or empty before any success.
    return s.empty() || s.find("  to ") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    velmora::CalculationState state;
    for (int run = 0; run < 3 && in.remaining_bytes() > 0; ++run) {
        velmora::InputForm form;
        form.txtName = in.ConsumeBool() ? "NAME" : Text(in);
        form.txtMCity = Text(in);
        form.txtMState = Text(in);
        form.txtMCountry = Text(in);
        form.txtLatD = Box(in, 0, 89);
        form.txtLatM = Box(in, 0, 59);
        form.txtLonD = Box(in, 0, 179);
        form.txtLonM = Box(in, 0, 59);
        form.txtZoneHour = Box(in, -13, 13);
        form.txtZoneMinute = Box(in, 0, 59);
        form.cboMonth = Position(in, 12);
        form.cboDate = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(0, 27) : Position(in, 31);
        form.cboYear = Position(in, 150);
        form.cboHH = Position(in, 24);
        form.cboMM = Position(in, 60);
        form.cboSS = Position(in, 60);
        form.optLat = in.ConsumeIntegralInRange<int>(0, 1);
        form.optLong = in.ConsumeIntegralInRange<int>(0, 1);
        form.chkDST = in.ConsumeIntegralInRange<int>(0, 2);

        velmora::ResultsPage page;
        const auto refusal = velmora::RunCalculation(form, state, page);
        if (refusal) {
            if (refusal->message.empty()) std::abort();
            continue;
        }
        if (!SpanShaped(page.lblTithiTime) || !SpanShaped(page.lblYogaTime) || !SpanShaped(page.lblKarnaTime)) {
            std::abort();
        }
    }
    return 0;
}
