#include "strip/start_with_windows.h"

#include <utility>

#include "base/wide_text.h"

namespace tavlin {

namespace {

// The upper-case form of one UTF-16 code unit, as the file system's case table maps the letters
// of the scripts file names are written in: Latin, Greek, Cyrillic, Armenian and the full-width
// Latin letters. Hangul and Han have no case.
char16_t UpperCase(char16_t c) {
  if (c >= u'a' && c <= u'z') return c - 0x20;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;  // à..þ, not ÷
  if (c == 0xFF) return 0x178;                                 // ÿ
  // Latin Extended-A: upper and lower case alternate, upper first, in three runs. The dotless ı
  // and the dotted İ are no pair.
  if (c == 0x130 || c == 0x131) return c;
  if (c >= 0x100 && c <= 0x137 && (c & 1)) return c - 1;
  if (c >= 0x139 && c <= 0x148 && !(c & 1)) return c - 1;
  if (c >= 0x14A && c <= 0x177 && (c & 1)) return c - 1;
  if ((c == 0x17A || c == 0x17C || c == 0x17E)) return c - 1;
  if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 0x20;  // α..ϋ, not final ς
  if (c == 0x3C2) return 0x3A3;                                 // ς
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;  // έ ή ί
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return c - 0x3F;    // ύ ώ
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;    // а..я
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;    // ѐ..џ
  if (c >= 0x561 && c <= 0x586) return c - 0x30;    // Armenian
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0x20;  // full-width ａ..ｚ
  return c;
}

}  // namespace

std::string RunValuePath(std::string_view value) {
  const size_t first = value.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  value.remove_prefix(first);
  if (value.front() == '"') {
    value.remove_prefix(1);
    return std::string(value.substr(0, value.find('"')));
  }
  return std::string(value.substr(0, value.find_last_not_of(' ') + 1));
}

bool SameWindowsPath(std::string_view a, std::string_view b) {
  const std::u16string wide_a = Utf8ToUtf16(a), wide_b = Utf8ToUtf16(b);
  if (wide_a.size() != wide_b.size()) return false;
  for (size_t i = 0; i < wide_a.size(); ++i) {
    if (UpperCase(wide_a[i]) != UpperCase(wide_b[i])) return false;
  }
  return true;
}

bool DisabledInTaskManager(const std::optional<std::string>& approval) {
  return approval && !approval->empty() && (static_cast<unsigned char>(approval->front()) & 1);
}

bool StartsWithWindows(const StartupEntry& entry, std::string_view program_path) {
  return entry.run_value && SameWindowsPath(RunValuePath(*entry.run_value), program_path) &&
         !DisabledInTaskManager(entry.approval);
}

StartupChange ToggleStartWithWindows(const StartupEntry& entry, std::string_view program_path) {
  if (StartsWithWindows(entry, program_path)) {
    return {.write_run_value = std::nullopt, .delete_run_value = true};
  }
  std::string quoted(1, '"');
  quoted.append(program_path).push_back('"');
  return {.write_run_value = std::move(quoted),
          .delete_run_value = false,
          .delete_approval = DisabledInTaskManager(entry.approval)};
}

std::optional<std::string> ApplyStartupChange(StartupRegistry& registry,
                                              const StartupChange& change) {
  if (change.write_run_value) {
    if (auto refused = registry.WriteRunValue(*change.write_run_value)) return refused;
  }
  if (change.delete_run_value) {
    if (auto refused = registry.DeleteRunValue()) return refused;
  }
  if (change.delete_approval) {
    if (auto refused = registry.DeleteApproval()) return refused;
  }
  return std::nullopt;
}

}  // namespace tavlin
