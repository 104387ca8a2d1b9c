// The single-instance lock's system seam, the same test on every system
// (run under Wine by `make test-windows`).
#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <string>

#include "gui/os/ProcessFileLock.h"

using namespace velmora;

namespace {

std::filesystem::path FreshFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    auto dir = std::filesystem::temp_directory_path() / ("velmora-lock-test-" + std::to_string(stamp));
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace

TEST(ProcessFileLock, OneHolderAtATimeAndFreeAgainOnceReleased) {
    const auto dir = FreshFolder();
    const std::string path = (dir / ("velmora-" + LockUserTag() + ".lock")).string();
    ProcessFileLock first = TakeProcessFileLock(path);
    ASSERT_NE(first.handle, -1);
    EXPECT_FALSE(first.heldElsewhere);

    ProcessFileLock second = TakeProcessFileLock(path);
    EXPECT_EQ(second.handle, -1);
    EXPECT_TRUE(second.heldElsewhere);

    ReleaseProcessFileLock(first);
    EXPECT_EQ(first.handle, -1);
    ReleaseProcessFileLock(first);  // twice is harmless

    ProcessFileLock third = TakeProcessFileLock(path);
    EXPECT_NE(third.handle, -1);
    EXPECT_FALSE(third.heldElsewhere);
    ReleaseProcessFileLock(third);
    EXPECT_TRUE(std::filesystem::exists(path));  // the file stays for the next start
    std::filesystem::remove_all(dir);
}

TEST(ProcessFileLock, AFileThatCannotBeMadeIsNoOtherCopy) {
    const auto dir = FreshFolder();
    const std::string path = (dir / "missing-folder" / "velmora.lock").string();
    ProcessFileLock lock = TakeProcessFileLock(path);
    EXPECT_EQ(lock.handle, -1);
    EXPECT_FALSE(lock.heldElsewhere);
    std::filesystem::remove_all(dir);
}

TEST(ProcessFileLock, TheUserTagIsSafeInAFileName) {
    const std::string tag = LockUserTag();
    ASSERT_FALSE(tag.empty());
    for (const char c : tag) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << tag;
}
