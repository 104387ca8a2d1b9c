// Putting a finished file in place, the same test for each system's side of
// SafeReplace.h (run under Wine by `make test-windows`).
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "results/print/SafeReplace.h"

using namespace velmora;

namespace {

std::filesystem::path FreshFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    auto dir = std::filesystem::temp_directory_path() / ("velmora-replace-test-" + std::to_string(stamp));
    std::filesystem::create_directories(dir);
    return dir;
}

std::string Content(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t Entries(const std::filesystem::path& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

}  // namespace

TEST(SafeReplaceSeam, NewAndReplacedFilesHoldExactlyTheDataAndNothingElseStays) {
    const auto dir = FreshFolder();
    const auto file = dir / "report.pdf";
    constexpr char kBytes[] = "%PDF-1.4\n\0binary\r\n\x1a end";  // a NUL, CR LF and Ctrl+Z inside
    const std::string first(kBytes, sizeof kBytes - 1);
    EXPECT_EQ(ReplaceFileContent(file.string(), first), "");
    EXPECT_EQ(Content(file), first);
    EXPECT_EQ(ReplaceFileContent(file.string(), "shorter"), "");
    EXPECT_EQ(Content(file), "shorter");
    EXPECT_EQ(ReplaceFileContent(file.string(), ""), "");
    EXPECT_EQ(Content(file), "");
    EXPECT_EQ(Entries(dir), 1u);  // no temporary file left beside it
    std::filesystem::remove_all(dir);
}

TEST(SafeReplaceSeam, FailuresSayWhyAndLeaveNothingBehind) {
    const auto dir = FreshFolder();
    EXPECT_NE(ReplaceFileContent((dir / "missing" / "report.pdf").string(), "data"), "");
    EXPECT_NE(ReplaceFileContent(dir.string(), "data"), "");  // a folder is refused
    EXPECT_TRUE(std::filesystem::is_directory(dir));
    EXPECT_NE(ReplaceFileContent("", "data"), "");
    EXPECT_EQ(Entries(dir), 0u);
    std::filesystem::remove_all(dir);
}
