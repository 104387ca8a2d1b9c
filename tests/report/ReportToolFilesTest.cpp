// velmora-report's files as the shell hands them over: a standard stream
// named as the file, a link to a file not yet there, and a run interrupted
// while the temporary file exists. Real processes, real files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "places/lookup/SystemPlaces.h"
#include "report/RunReportTool.h"

namespace velmora {
namespace {

using test::ReadWholeFile;

namespace fs = std::filesystem;

// The two writers of files, each cheap: the year's calendar at typed
// coordinates, and the one-page PDF.
const std::string kIcs = "--year 2026 --lat 18:31N --lon 73:51E --zone 5:30 --ics ";
const std::string kPdf = "--name ASHA --date 1987-08-15 --time 10:30 --lat 28:36N --lon 77:13E --zone 5:30 --pdf ";

class ReportToolFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/velmora-report-files-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs `script` with sh in the test's folder; TOOL stands for the tool.
    int Shell(const std::string& script) const {
        const std::string command = "cd '" + dir + "' && TOOL='" + VELMORA_REPORT_EXE +
                                    "' && export QT_QPA_PLATFORM=offscreen && " + script;
        const int status = std::system(("sh -c \"" + command + "\"").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Runs the tool in the test's folder without a shell between: `options`
    // split at spaces, then `last` as one argument, byte for byte. Standard
    // error goes to the file "err".
    int Run(const std::string& options, const std::string& last) const {
        std::vector<std::string> words{"velmora-report"};
        for (std::size_t at = 0; at < options.size();) {
            const std::size_t space = options.find(' ', at);
            const std::size_t end = space == std::string::npos ? options.size() : space;
            if (end > at) words.push_back(options.substr(at, end - at));
            at = end + 1;
        }
        words.push_back(last);
        const pid_t child = ::fork();
        if (child < 0) return -1;
        if (child == 0) {
            if (::chdir(dir.c_str()) != 0) ::_exit(126);
            const int null = ::open("/dev/null", O_WRONLY);
            const int err = ::open("err", O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(null, 1);
            ::dup2(err, 2);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            std::vector<char*> argv;
            for (std::string& word : words) argv.push_back(word.data());
            argv.push_back(nullptr);
            ::execv(VELMORA_REPORT_EXE, argv.data());
            ::_exit(127);
        }
        int status = 0;
        if (::waitpid(child, &status, 0) != child) return -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
        return names;
    }

    std::string dir;
};

ino_t Inode(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// `printf 'a\n' > log; velmora-report ... --ics /dev/stdout >> log` keeps
// the line and appends: a standard stream, however it is named, is written
// through, never replaced by a new file.
TEST_F(ReportToolFiles, AStandardStreamNamedAsTheFileIsAppendedToNotReplaced) {
    struct Case {
        std::string before;  // shell text before the tool
        std::string target;  // the file named
        std::string after;   // the redirections of the tool
    };
    const Case cases[] = {
        {"", "/dev/stdout", ">> log 2>err"},
        {"", "/dev/fd/1", ">> log 2>err"},
        {"", "/proc/self/fd/1", ">> log 2>err"},
        {"", "/dev/stderr", "2>> log >/dev/null"},
        {"", "/dev/fd/2", "2>> log >/dev/null"},
        {"", "/proc/thread-self/fd/1", ">> log 2>err"},
        {"", "log", ">> log 2>err"},                          // the very file, by its name
        {"", "/dev/fd/3", "3>> log >/dev/null 2>err"},        // a descriptor of its own
        {"ln -s /dev/stdout out &&", "out", ">> log 2>err"},  // a link to a stream
        {"exec 4>> log &&", "/proc/\\$\\$/fd/4", ">/dev/null 2>err; true"},  // the shell's descriptor
    };
    for (const std::string& writer : {kIcs, kPdf}) {
        const bool ics = writer == kIcs;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.target + " " + c.after + (ics ? " (--ics)" : " (--pdf)"));
            fs::remove_all(dir);
            fs::create_directories(dir);
            ASSERT_EQ(Shell("printf 'a\\n' > log"), 0);
            const ino_t before = Inode(dir + "/log");
            const int status = Shell(c.before + " \\$TOOL " + writer + c.target + " " + c.after);
            EXPECT_EQ(status, 0) << ReadWholeFile(dir + "/err");
            const std::string log = ReadWholeFile(dir + "/log");
            EXPECT_EQ(log.substr(0, 2), "a\n");
            EXPECT_EQ(log.substr(2, ics ? 15 : 5), ics ? "BEGIN:VCALENDAR" : "%PDF-");
            EXPECT_EQ(Inode(dir + "/log"), before) << "the log was replaced";
            for (const std::string& name : Names()) EXPECT_NE(name.front(), '.') << name << " stayed";
        }
    }
}

// The shell idiom as a user types it, with a place looked up.
TEST_F(ReportToolFiles, TheCalendarAppendedToALogThroughStandardOutput) {
    if (OpenPlaceDirectory() == nullptr) GTEST_SKIP() << "no gazetteer";
    ASSERT_EQ(Shell("printf 'a\\n' > log; \\$TOOL --year 2026 --ics /dev/stdout --place Pune >> log 2>err"), 0)
        << ReadWholeFile(dir + "/err");
    const std::string log = ReadWholeFile(dir + "/log");
    ASSERT_GT(log.size(), 20u);
    EXPECT_EQ(log.rfind("a\nBEGIN:VCALENDAR\r\n", 0), 0u) << log.substr(0, 80);
    EXPECT_EQ(log.substr(log.size() - 15), "END:VCALENDAR\r\n");
}

// A link to a file that is not there yet: the file it points to is made and
// the link stays; a link into a folder that is not there is refused, saying so.
TEST_F(ReportToolFiles, ALinkToAFileNotYetThereStaysALink) {
    for (const std::string& writer : {kIcs, kPdf}) {
        SCOPED_TRACE(writer);
        fs::remove_all(dir);
        fs::create_directories(dir + "/kept");
        fs::create_symlink("kept/x", dir + "/near");
        fs::create_symlink(dir + "/near", dir + "/far");  // a link to a link
        ASSERT_EQ(Shell("\\$TOOL " + writer + "far 2>err"), 0) << ReadWholeFile(dir + "/err");
        EXPECT_TRUE(fs::is_symlink(dir + "/far"));
        EXPECT_TRUE(fs::is_symlink(dir + "/near"));
        EXPECT_TRUE(fs::is_regular_file(dir + "/kept/x"));
        EXPECT_GT(fs::file_size(dir + "/kept/x"), 1000u);

        fs::create_symlink("nowhere/x", dir + "/lost");
        EXPECT_EQ(Shell("\\$TOOL " + writer + "lost 2>err"), 3);
        const std::string err = ReadWholeFile(dir + "/err");
        EXPECT_NE(err.find("link to nowhere/x, and the folder nowhere is not there"), std::string::npos) << err;
        EXPECT_TRUE(fs::is_symlink(dir + "/lost"));
        EXPECT_FALSE(fs::exists(dir + "/nowhere"));

        // A loop of links is refused as well.
        fs::create_symlink("loop2", dir + "/loop1");
        fs::create_symlink("loop1", dir + "/loop2");
        EXPECT_EQ(Shell("\\$TOOL " + writer + "loop1 2>err"), 3);
        EXPECT_TRUE(fs::is_symlink(dir + "/loop1"));
    }
}

// Interrupted while its temporary file exists (held there by a preloaded
// fsync that waits), the tool removes it and ends by the signal; the earlier
// file is untouched. SIGKILL cannot be caught: the temporary stays, and the
// earlier file is still whole.
TEST_F(ReportToolFiles, AnInterruptedWriteLeavesNoTemporaryBehind) {
    struct Case {
        int signal;
        bool ics;
    };
    const Case cases[] = {{SIGINT, true}, {SIGTERM, true}, {SIGHUP, true}, {SIGINT, false}, {SIGTERM, false},
                          {SIGKILL, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(strsignal(c.signal)) + (c.ics ? " --ics" : " --pdf"));
        fs::remove_all(dir);
        fs::create_directories(dir + "/out");
        const std::string target = dir + "/out/earlier";
        const std::string mark = dir + "/fsync-reached";
        ASSERT_EQ(Shell("printf 'earlier\\n' > out/earlier"), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::setenv("LD_PRELOAD", VELMORA_SLOW_FSYNC_LIB, 1);
            ::setenv("VELMORA_TEST_SLOW_FSYNC_DIR", (dir + "/out/").c_str(), 1);
            ::setenv("VELMORA_TEST_SLOW_FSYNC_MARK", mark.c_str(), 1);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            // A sanitizer build's runtime would insist on coming first.
            const char* asan = std::getenv("ASAN_OPTIONS");
            ::setenv("ASAN_OPTIONS",
                     ((asan != nullptr ? std::string(asan) + ":" : std::string()) + "verify_asan_link_order=0").c_str(),
                     1);
            if (c.ics) {
                ::execl(VELMORA_REPORT_EXE, "velmora-report", "--year", "2026", "--lat", "18:31N", "--lon", "73:51E",
                        "--zone", "5:30", "--ics", target.c_str(), static_cast<char*>(nullptr));
            } else {
                ::execl(VELMORA_REPORT_EXE, "velmora-report", "--date", "1987-08-15", "--lat", "28:36N", "--lon",
                        "77:13E", "--zone", "5:30", "--name", "ASHA", "--pdf", target.c_str(),
                        static_cast<char*>(nullptr));
            }
            ::_exit(127);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (!fs::exists(mark) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ASSERT_TRUE(fs::exists(mark)) << "the write never reached its fsync";
        std::size_t temporaries = 0;
        for (const auto& entry : fs::directory_iterator(dir + "/out")) temporaries += entry.path().filename() != "earlier";
        EXPECT_EQ(temporaries, 1u) << "the temporary was not there to be removed";
        ::kill(child, c.signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "ended with status " << status;
        EXPECT_EQ(WTERMSIG(status), c.signal);
        EXPECT_EQ(ReadWholeFile(target), "earlier\n");
        std::set<std::string> left;
        for (const auto& entry : fs::directory_iterator(dir + "/out")) left.insert(entry.path().filename().string());
        EXPECT_EQ(left.size(), c.signal == SIGKILL ? 2u : 1u);
    }
}

// A file name that is not UTF-8 (Latin-1 "café") is the user's own: --pdf and
// --ics write under exactly that name; a control character is refused, saying so.
TEST_F(ReportToolFiles, AFileNameIsWrittenExactlyAsGiven) {
    struct Case {
        std::string writer;
        std::string name;
    };
    const Case cases[] = {
        {kPdf, "caf\xe9.pdf"},
        {kIcs, "caf\xe9.ics"},
        {kIcs, "\xff\xfe.ics"},
        {kPdf, "caf\xc3\xa9 r\xc3\xa9sum\xc3\xa9.pdf"},
        {kIcs, "-.ics"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        EXPECT_EQ(Run(c.writer, c.name), 0) << ReadWholeFile(dir + "/err");
        EXPECT_EQ(Names(), (std::set<std::string>{c.name, "err"}));
    }
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const std::string& writer : {kPdf, kIcs}) {
        EXPECT_EQ(Run(writer, "a\tb"), 2);
        EXPECT_NE(ReadWholeFile(dir + "/err").find("without control characters"), std::string::npos);
        EXPECT_EQ(Names(), (std::set<std::string>{"err"}));
    }
}

// --year with a place alone asks for the year's calendar without saying how
// to write it: the tool says what it needs instead of asking for a name.
TEST_F(ReportToolFiles, YearAloneSaysItNeedsIcsOrJson) {
    for (const std::string& arguments :
         {std::string("--year 2026 --place Pune"), std::string("--year 2026 --lat 18:31N --lon 73:51E --zone 5:30"),
          std::string("--year 2026"), std::string("--year 2026 --place Pune --lang hi")}) {
        SCOPED_TRACE(arguments);
        const test::ToolRun run = test::RunReportTool(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("--year YYYY needs --ics FILE or --json"), std::string::npos) << run.err;
    }
    // A year among the moment's options is the moment's year, as before.
    const test::ToolRun moment =
        test::RunReportTool("--name ASHA --year 1987 --month 8 --day 15 --lat 28:36N --lon 77:13E --zone 5:30");
    EXPECT_EQ(moment.status, 0) << moment.err;
}

}  // namespace
}  // namespace velmora
