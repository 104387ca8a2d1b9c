#pragma once

#include "report/FriendlyReport.h"
#include "results/ResultsPage.h"
#include "shared/BirthRecord.h"

namespace velmora {

// --pdf: writes the printed report of one calculation to options.pdf and
// returns the exit status (a failure is said on standard error). A build
// without Qt says that --pdf is not available.
int WritePdfOption(const FriendlyOptions& options, const ResultsPage& page, const BirthRecord& birth);

}  // namespace velmora
