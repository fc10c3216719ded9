#include "base/file_replace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "test_support.h"

namespace tavlin {
namespace {

const WriteFailure kHeld{true, "The process cannot access the file"};
const WriteFailure kDiskFull{false, "There is not enough space on the disk"};

// A file held by a scanner N times in a row: the save gets through while the waits last (five
// tries), and a failure that waiting does not mend is given at once.
TEST(FileReplaceTest, HeldFilesAreTriedAgainWithinASecondOtherFailuresAreNot) {
  const struct {
    int failures;
    WriteFailure kind;
    bool saved;
    std::vector<int> waits;
  } cases[] = {
      {0, kHeld, true, {}},
      {1, kHeld, true, {50}},
      {4, kHeld, true, {50, 100, 200, 300}},
      {5, kHeld, false, {50, 100, 200, 300}},
      {6, kHeld, false, {50, 100, 200, 300}},
      {1, kDiskFull, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.failures) + " failures, held " + std::to_string(c.kind.held));
    fakes::MemoryFileSystem files;
    files.files["/t/tavlin.ini"] = "old";
    files.replace_failures.assign(c.failures, c.kind);
    std::vector<int> waits;
    const auto failure =
        ReplaceFileRetrying(files, "/t/tavlin.ini", "new", [&](int ms) { waits.push_back(ms); });
    EXPECT_EQ(!failure, c.saved);
    EXPECT_EQ(failure.value_or(WriteFailure{}), c.saved ? WriteFailure{} : c.kind);
    EXPECT_EQ(waits, c.waits);
    EXPECT_EQ(files.files["/t/tavlin.ini"], c.saved ? "new" : "old");
  }
}

// The real disk (also under Windows): a capped read says whether there was more; a replace leaves
// no temporary file; a read-only file is refused with a reason and stays whole.
TEST(FileReplaceTest, RealDiskReadsCappedAndReplacesWholeFilesButNotReadOnlyOnes) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "tavlin_file_replace_test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string path = (folder / "tavlin.ini").string();
  RealFileSystem disk;
  EXPECT_EQ(disk.ReplaceWhole(path, "0123456789"), std::nullopt);  // a new file is made
  for (const size_t cap : {9, 10, 11}) {
    SCOPED_TRACE(cap);
    std::string bytes, reason;
    bool larger = false;
    ASSERT_TRUE(disk.ReadCapped(path, cap, &bytes, &larger, &reason)) << reason;
    EXPECT_EQ(bytes, std::string("0123456789").substr(0, cap));
    EXPECT_EQ(larger, cap < 10);
  }
  EXPECT_EQ(disk.ReplaceWhole(path, "[tavlin]\r\n"), std::nullopt);
  std::string bytes, reason;
  ASSERT_TRUE(disk.ReadAll(path, &bytes, &reason));
  EXPECT_EQ(bytes, "[tavlin]\r\n");
  EXPECT_FALSE(fs::exists(path + ".tmp"));

  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const auto refused = disk.ReplaceWhole(path, "x");
  ASSERT_TRUE(refused.has_value());
  EXPECT_FALSE(refused->held);
  EXPECT_FALSE(refused->reason.empty());
  ASSERT_TRUE(disk.ReadAll(path, &bytes, &reason));
  EXPECT_EQ(bytes, "[tavlin]\r\n");
  EXPECT_FALSE(fs::exists(path + ".tmp"));
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace tavlin
