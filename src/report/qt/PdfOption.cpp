// --pdf with Qt: the page drawn by velmora_print.
#include "report/PdfOption.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QString>
#include <QtGlobal>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "chart/Chart.h"
#include "report/CommandLine.h"
#include "results/Report.h"
#include "results/print/ReportDocument.h"
#include "results/print/SafeReplace.h"
#include "shared/LineText.h"
#include "results/ReportNames.h"

namespace velmora {

namespace {

// Qt's own notes (a missing runtime folder and the like) say nothing about
// the report; the tool says itself what went wrong.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "velmora-report: %s\n", message.toLocal8Bit().constData());
    }
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "velmora-report: %s\n", PrintableMessage(what).c_str());
    return kExitFailure;
}

}  // namespace

// Only this needs Qt's fonts and so a QGuiApplication; the tool never shows a
// window, so it runs on the offscreen platform (no display needed) unless
// QT_QPA_PLATFORM says otherwise.
int WritePdfOption(const FriendlyOptions& options, const ResultsPage& page, const BirthRecord& birth) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQt);
    int argc = 1;
    char name[] = "velmora-report";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    const QPageSize paper = options.paper.empty()        ? DefaultReportPageSize()
                            : options.paper == "Letter" ? QPageSize(QPageSize::Letter)
                                                        : QPageSize(QPageSize::A4);
    Report report = LocalizedReport(BuildReport(page, birth), options.language);
    // --chart: the Chart page after the report, as the window prints it.
    if (options.chart) report.chart = ChartOf(birth, options.trueNode ? NodeKind::True : NodeKind::Mean);
    // The whole PDF first (a few tens of kilobytes), so that nothing is put
    // in place before it is complete.
    const QByteArray pdf = ReportPdf(report, paper);
    if (pdf.isEmpty()) return Fail("the PDF could not be started");
    const std::string_view bytes(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    if (options.pdf == "-") {
        // Standard output: a pipe to another program, or a file the shell opened.
        const std::string reason = WriteStandardOutput(bytes);
        if (!reason.empty()) return Fail("cannot write the output: " + reason);
        return kExitResults;
    }
    // The name exactly as given, byte for byte: one that is not UTF-8 is not
    // turned into another name on its way through Qt's text.
    std::string reason = ReplaceFileContent(options.pdf, bytes);
    if (!reason.empty()) {
        // As the window says it, with the whole path.
        std::error_code error;
        std::filesystem::path shown = std::filesystem::absolute(options.pdf, error);
        if (error) shown = options.pdf;
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));  // inside a sentence
        return Fail("The report could not be saved as \u201C" + shown.lexically_normal().string() + "\u201D: " +
                    reason + ".");
    }
    return kExitResults;
}

}  // namespace velmora
