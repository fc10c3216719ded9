#include "strip/start_with_windows.h"

#include <gtest/gtest.h>

namespace tavlin {
namespace {

constexpr char kProgram[] = "C:\\Games\\타블린\\tavlin.exe";
const std::string kEnabled("\x02\0\0\0\0\0\0\0\0\0\0\0", 12);
const std::string kDisabled("\x03\0\0\0\xd4\x0d\x43\x8d\xc8\x3b\xd9\x01", 12);

// The check mark, and what choosing the item then changes: a ticked item unticks by deleting the
// Run value alone; an unticked one ticks by writing this path in quotes, and clears a disabling
// mark.
TEST(StartWithWindowsTest, CheckMarkAndToggleFollowTheRegistry) {
  const std::string quoted = std::string("\"") + kProgram + "\"";
  const StartupChange untick{.write_run_value = std::nullopt, .delete_run_value = true};
  const StartupChange tick{.write_run_value = quoted};
  StartupChange tick_and_enable = tick;
  tick_and_enable.delete_approval = true;
  const struct {
    const char* name;
    StartupEntry entry;
    bool ticked;
    StartupChange toggle;
  } rows[] = {
      {"no value", {}, false, tick},
      {"this path", {quoted, {}}, true, untick},
      {"this path without quotes, spaces around",
       {std::string("  ") + kProgram + " ", {}},
       true,
       untick},
      {"this path with an argument after it", {quoted + " /min", {}}, true, untick},
      {"another path", {"\"D:\\Old\\tavlin.exe\"", {}}, false, tick},
      {"a longer path that starts the same",
       {"\"C:\\Games\\타블린\\tavlin.exe.bak\"", {}},
       false,
       tick},
      {"different case", {"\"c:\\GAMES\\타블린\\TAVLIN.EXE\"", {}}, true, untick},
      {"disabled in Task Manager", {quoted, kDisabled}, false, tick_and_enable},
      {"enabled again in Task Manager", {quoted, kEnabled}, true, untick},
      {"another path, disabled", {"\"D:\\tavlin.exe\"", kDisabled}, false, tick_and_enable},
      {"an empty mark", {quoted, std::string()}, true, untick},
      {"an empty value", {std::string(), {}}, false, tick},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(StartsWithWindows(row.entry, kProgram), row.ticked);
    EXPECT_EQ(ToggleStartWithWindows(row.entry, kProgram), row.toggle);
  }
  // Letters of other scripts compare regardless of case too.
  EXPECT_TRUE(SameWindowsPath("C:\\ÀÉÎ\\ΣΩ\\ПАПКА\\ａ", "c:\\àéî\\σω\\папка\\Ａ"));
  EXPECT_FALSE(SameWindowsPath("C:\\tavlin.exe", "C:\\tavlin.ex"));
}

}  // namespace
}  // namespace tavlin
