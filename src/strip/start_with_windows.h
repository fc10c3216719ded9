// "윈도우 시작 시 실행(&W)": whether tavlin starts when the player signs in to Windows, read from
// and written to the registry's Run list. The rules live here; the registry itself is reached
// through StartupRegistry (startup_registry_win32.h on Windows, a fake in tests).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavlin {

/// The value's name under HKCU\Software\Microsoft\Windows\CurrentVersion\Run, and under
/// ...\Explorer\StartupApproved\Run where Task Manager keeps its mark.
inline constexpr char kRunValueName[] = "tavlin";

/// What the registry holds for tavlin's start, read afresh each time the menu opens.
struct StartupEntry {
  std::optional<std::string> run_value;  ///< the Run value's text (UTF-8); absent: none
  /// Task Manager's mark for the value (its raw bytes); absent: never marked, which is enabled.
  std::optional<std::string> approval;
};

/// The program path a Run value starts: the text inside its leading double quotes, or the whole
/// text when it does not start with one; spaces around it do not count.
std::string RunValuePath(std::string_view value);

/// True when `a` and `b` name the same path as Windows compares file names: code unit by code
/// unit with lower-case letters taken as upper-case (an ordinal comparison that ignores case).
bool SameWindowsPath(std::string_view a, std::string_view b);

/// True when Task Manager's mark disables the entry: its first byte is odd (02 is enabled, 03 is
/// disabled, each followed by the time of the change). No mark, or an empty one, is enabled.
bool DisabledInTaskManager(const std::optional<std::string>& approval);

/// The check mark: the Run value exists, starts `program_path` (this tavlin.exe) and is not
/// disabled in Task Manager.
bool StartsWithWindows(const StartupEntry& entry, std::string_view program_path);

/// What choosing the item changes in the registry.
struct StartupChange {
  std::optional<std::string> write_run_value;  ///< the Run value to write
  bool delete_run_value = false;
  bool delete_approval = false;  ///< clears Task Manager's mark
  friend bool operator==(const StartupChange&, const StartupChange&) = default;
};

/// Choosing the item when the registry holds `entry`. Ticked, it unticks: the Run value goes
/// (Task Manager's mark stays as Task Manager left it). Unticked, it ticks: the Run value names
/// `program_path` in double quotes, which mends a value that names another path, and a disabling
/// mark is deleted rather than rewritten as enabled: a value without a mark starts, as every new
/// Run value does, and that leaves no made-up mark behind.
StartupChange ToggleStartWithWindows(const StartupEntry& entry, std::string_view program_path);

/// The registry as the strip host uses it. Each change returns the system's reason when it is
/// refused; deleting what is not there is done.
class StartupRegistry {
 public:
  virtual ~StartupRegistry() = default;
  virtual StartupEntry Read() const = 0;
  virtual std::optional<std::string> WriteRunValue(const std::string& text) = 0;
  virtual std::optional<std::string> DeleteRunValue() = 0;
  virtual std::optional<std::string> DeleteApproval() = 0;
};

/// Makes `change` in `registry`, stopping at the first refusal; its reason, nothing when done.
std::optional<std::string> ApplyStartupChange(StartupRegistry& registry,
                                              const StartupChange& change);

}  // namespace tavlin
