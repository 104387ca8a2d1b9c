// --pdf in a build without Qt (the Windows cross build): the printed report
// is drawn with Qt's text layout, so there is none.
#include "report/PdfOption.h"

#include <cstdio>

#include "report/CommandLine.h"

namespace velmora {

int WritePdfOption(const FriendlyOptions&, const ResultsPage&, const BirthRecord&) {
    std::fprintf(stderr, "velmora-report: --pdf: not available in this build of velmora-report (built without Qt)\n");
    return kExitFailure;
}

}  // namespace velmora
