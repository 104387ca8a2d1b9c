#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

#include "PdfText.h"
#include "report/RunReportTool.h"
#include "WorkedExamples.h"
#include "input/CalculationDriver.h"

using namespace velmora;
using namespace velmora::test;

namespace {

// Without a display: the tool must manage on its own. `environment` goes
// before it (e.g. "QT_QPA_PLATFORM=xcb").
ToolRun RunTool(const std::string& arguments, const std::string& environment = "") {
    return RunReportTool(arguments, "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + environment);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// The README's example.
const std::string kExample =
    "--name ASHA --date 1987-08-15 --time 10:30 --city 'New Delhi' --state Delhi --country India "
    "--lat 28:36N --lon 77:13E --zone 5:30";

// Each test in a folder of its own: ctest runs tests side by side, and other
// checkouts may run the same tests at the same time.
class ReportToolPdf : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/velmora-report-pdf-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        path = dir + "/r.pdf";
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }
    std::string dir;
    std::string path;
};

}  // namespace

TEST_F(ReportToolPdf, TheReadmeExampleAsOnePageWithEveryShownValue) {
    const ToolRun r = RunTool(kExample + " --pdf '" + path + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");  // the PDF instead of the text
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(PdfPages(path), 1);

    CalculationState state;
    ResultsPage page;
    ASSERT_FALSE(RunCalculation(Delhi1987(), state, page).has_value());
    const std::string text = Squeezed(PdfText(path));
    for (const std::string& shown : {std::string("ASHA"), std::string("Shani Vara"), std::string("Bharani"),
                                     std::string("Saptami"), page.lblAyanamsa}) {
        EXPECT_NE(text.find(Squeezed(shown)), std::string::npos) << shown;
    }
    // Every start and end time, each on its own and the span as shown.
    for (const std::string* span : {&page.lblTithiTime, &page.lblYogaTime, &page.lblKarnaTime}) {
        const auto to = span->find(" to ");
        ASSERT_NE(to, std::string::npos) << *span;
        for (const std::string& moment : {span->substr(0, to), span->substr(to + 4)}) {
            EXPECT_NE(text.find(Squeezed(moment)), std::string::npos) << moment;
        }
        EXPECT_NE(text.find(Squeezed(*span)), std::string::npos) << *span;
    }
}

TEST_F(ReportToolPdf, PaperSizes) {
    ASSERT_EQ(RunTool(kExample + " --pdf '" + path + "' --paper letter").status, 0);
    EXPECT_NE(PdfPageSize(path).find("(letter)"), std::string::npos) << PdfPageSize(path);
    ASSERT_EQ(RunTool(kExample + " --pdf '" + path + "' --paper A4").status, 0);
    EXPECT_NE(PdfPageSize(path).find("(A4)"), std::string::npos) << PdfPageSize(path);
}

TEST_F(ReportToolPdf, FailuresSayWhatAndLeaveNoFile) {
    // A folder that does not exist: status 3 and a message naming the file.
    const std::string missing = dir + "/no-such-folder/r.pdf";
    ToolRun r = RunTool(kExample + " --pdf '" + missing + "'");
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find(missing), std::string::npos) << r.err;
    EXPECT_FALSE(Exists(missing));

    // A refused input writes nothing.
    r = RunTool("--date 1987-08-15 --pdf '" + path + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "velmora-report: Please Enter Name\n");
    EXPECT_FALSE(Exists(path));

    // Usage: --pdf belongs to the readable mode, --paper to --pdf, a value is needed.
    EXPECT_EQ(RunTool("--jsonl --pdf '" + path + "'").status, 2);
    EXPECT_EQ(RunTool(kExample + " --paper A4").status, 2);
    EXPECT_EQ(RunTool(kExample + " --pdf '" + path + "' --paper A5").status, 2);
    EXPECT_EQ(RunTool(kExample + " --pdf").status, 2);
    EXPECT_FALSE(Exists(path));
}

TEST_F(ReportToolPdf, OnlyThePdfStartsQtsGuiPart) {
    // A platform that cannot start without a display: were a QGuiApplication
    // created for the text or the JSON Lines, these would abort.
    const std::string lines = dir + "/lines.jsonl";
    std::ofstream(lines) << R"({"txtName":"ASHA","cboMonth":"August","cboDate":"15","cboYear":"1987","txtLatD":"28","txtLatM":"36","txtLonD":"77","txtLonM":"13"})" << "\n";
    ToolRun r = RunTool("--jsonl '" + lines + "'", "QT_QPA_PLATFORM=xcb");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"results\":", 0), 0u) << r.out;
    r = RunTool(kExample, "QT_QPA_PLATFORM=xcb");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Bharani"), std::string::npos);
}

namespace {

// The file type of `path`, as stat sees it, or 0 when nothing is there.
mode_t FileType(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

}  // namespace

TEST_F(ReportToolPdf, APipeIsWrittenInPlaceForItsReaderAndStaysAPipe) {
    const std::string fifo = dir + "/p";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A second name for the pipe, to let the reader go should the pipe be replaced.
    const std::string kept = dir + "/kept";
    ASSERT_EQ(::link(fifo.c_str(), kept.c_str()), 0);
    std::string received;
    std::atomic<bool> done{false};
    std::thread reader([&] {
        std::ifstream in(fifo, std::ios::binary);  // waits for the writer
        received.assign(std::istreambuf_iterator<char>(in), {});
        done = true;
    });
    const ToolRun r = RunTool(kExample + " --pdf '" + fifo + "'");
    // A reader still waiting on a pipe the tool never opened (it was
    // replaced, or the run failed) is let go through the pipe's other name.
    while (!done) {
        const int fd = ::open(kept.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    reader.join();
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(FileType(fifo), S_IFIFO) << "the pipe was replaced";
    EXPECT_EQ(received.rfind("%PDF-", 0), 0u) << received.size() << " bytes reached the reader";
    EXPECT_NE(received.find("%%EOF"), std::string::npos);
}

TEST_F(ReportToolPdf, ADeviceIsWrittenInPlaceAndAFullOneIsAFailure) {
    // Copies of /dev/null and /dev/full, so that a fault here cannot touch the
    // machine's own; making device files needs root.
    const std::string null = dir + "/null", full = dir + "/full";
    if (::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        ::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "device files can be made only by root";
    }
    ToolRun r = RunTool(kExample + " --pdf '" + null + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(FileType(null), S_IFCHR);
    r = RunTool(kExample + " --pdf '" + full + "'");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(FileType(full), S_IFCHR);
    EXPECT_NE(r.err.find("no space left on device"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(full), std::string::npos) << r.err;
    // Nothing else was left in the folder (no temporary file).
    EXPECT_EQ(RunReportTool("", "true; ls -A '" + dir + "' #").out, "full\nnull\n");
}

TEST_F(ReportToolPdf, ANameOfTheFileSystemsLongestIsOverwritten) {
    for (const std::size_t length : {249u, 252u, 255u}) {
        const std::string name = dir + "/" + std::string(length - 4, 'n') + ".pdf";
        std::ofstream(name) << "the earlier report";
        const ToolRun r = RunTool(kExample + " --pdf '" + name + "'");
        EXPECT_EQ(r.status, 0) << length << ": " << r.err;
        EXPECT_EQ(ReadWholeFile(name).rfind("%PDF-", 0), 0u) << length;
        std::remove(name.c_str());
    }
    EXPECT_EQ(RunReportTool("", "true; ls -A '" + dir + "' #").out, "");
}

TEST_F(ReportToolPdf, ADashWritesThePdfToStandardOutput) {
    ToolRun r = RunTool(kExample + " --pdf -", "-C '" + dir + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("%PDF-", 0), 0u);
    EXPECT_NE(r.out.find("%%EOF"), std::string::npos);
    EXPECT_FALSE(Exists(dir + "/-"));
    r = RunTool(kExample + " --pdf - >/dev/full");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "velmora-report: cannot write the output: No space left on device\n");
}

TEST_F(ReportToolPdf, AnOptionIsNeverTakenAsTheValueBeforeIt) {
    ToolRun r = RunTool("--pdf --dst " + kExample, "-C '" + dir + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--pdf=VALUE"), std::string::npos) << r.err;
    EXPECT_FALSE(Exists(dir + "/--dst"));
    r = RunTool(kExample + " --pdf '" + path + "' --paper --dst");
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(Exists(path));
}
