#include "strip/strip_settings.h"

#include <array>
#include <vector>

#include "base/text.h"
#include "strip/strip_menu_items.h"

namespace tavlin {

namespace {

constexpr std::string_view kSection = "tavlin";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The words the file uses for the menu's transparency and colour items.
struct ItemWord {
  uint32_t item;
  std::string_view word;
};
constexpr std::array<ItemWord, 4> kAlphaWords{
    {{kN2Opaque, "0"}, {kN101Alpha20, "20"}, {kN201Alpha40, "40"}, {kN601Alpha60, "60"}}};
constexpr std::array<ItemWord, 5> kColourWords{{{kWhite1, "White"},
                                                {kLime1, "Lime"},
                                                {kBlue1, "Blue"},
                                                {kYellow1, "Yellow"},
                                                {kFuchsia1, "Fuchsia"}}};
constexpr std::array<ItemWord, 2> kPopupMonitorWords{
    {{kPopupsOnPrimary, "primary"}, {kPopupsOnStripMonitor, "strip"}}};

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// One line of the file: its text and the line end that follows it ("" on a last line without).
struct Line {
  std::string_view text;
  std::string_view end;
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) {
      lines.push_back({text, {}});
      break;
    }
    const size_t end_length = text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
    lines.push_back({text.substr(0, at), text.substr(at, end_length)});
    text.remove_prefix(at + end_length);
  }
  return lines;
}

// The section a header line opens, or nothing when the line is not a header.
std::optional<std::string_view> SectionOf(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return Trim(line.substr(1, line.size() - 2));
}

struct KeyValue {
  std::string_view key, value;
};

std::optional<KeyValue> KeyValueOf(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return std::nullopt;
  const size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyValue{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

// Screen coordinates far beyond any desktop are not a place; the bound also keeps the sums of
// the placement rule within int.
constexpr int32_t kCoordinateBound = 1'000'000;

// Decimal integers separated by commas, exactly `count` of them, each within the bound.
std::optional<std::vector<int>> Integers(std::string_view value, size_t count) {
  std::vector<int> numbers;
  for (const std::string& piece : SplitText(value, ",")) {
    const std::string_view digits = Trim(piece);
    if (digits.empty() || digits.find_first_not_of("+-0123456789") != std::string_view::npos) {
      return std::nullopt;
    }
    const std::optional<int32_t> n = ParseIntegerText(digits);
    if (!n || *n > kCoordinateBound || *n < -kCoordinateBound) return std::nullopt;
    numbers.push_back(*n);
  }
  if (numbers.size() != count) return std::nullopt;
  return numbers;
}

template <size_t N>
std::optional<uint32_t> ItemOfWord(const std::array<ItemWord, N>& words, std::string_view value) {
  for (const ItemWord& w : words) {
    if (SameWord(w.word, value)) return w.item;
  }
  return std::nullopt;
}

template <size_t N>
std::string WordOfItem(const std::array<ItemWord, N>& words, uint32_t item) {
  for (const ItemWord& w : words) {
    if (w.item == item) return std::string(w.word);
  }
  return {};
}

std::optional<bool> OnOff(std::string_view value) {
  if (SameWord(value, "on")) return true;
  if (SameWord(value, "off")) return false;
  return std::nullopt;
}

// A device name as the system gives it: printable ASCII, at most 31 characters.
bool IsDeviceName(std::string_view value) {
  if (value.empty() || value.size() > 31) return false;
  for (const char c : value) {
    if (c < 0x21 || c > 0x7E) return false;
  }
  return true;
}

// Each key the file knows: how its value is read into the settings and written from them.
struct Key {
  std::string_view name;
  void (*read)(std::string_view value, StripSettings& settings);
  std::string (*write)(const StripSettings& settings);  // "" when the value is absent
};

const std::array<Key, 10> kKeys{{
    {"position",
     [](std::string_view v, StripSettings& s) {
       if (auto n = Integers(v, 2)) s.left = (*n)[0], s.top = (*n)[1];
     },
     [](const StripSettings& s) {
       return s.left && s.top ? std::to_string(*s.left) + "," + std::to_string(*s.top)
                              : std::string();
     }},
    {"monitor",
     [](std::string_view v, StripSettings& s) {
       if (IsDeviceName(v)) s.monitor = std::string(v);
     },
     [](const StripSettings& s) { return IsDeviceName(s.monitor) ? s.monitor : std::string(); }},
    {"monitor_area",
     [](std::string_view v, StripSettings& s) {
       const auto n = Integers(v, 4);
       if (n && (*n)[0] < (*n)[2] && (*n)[1] < (*n)[3]) {
         s.monitor_area = Rect{(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
       }
     },
     [](const StripSettings& s) {
       if (!s.monitor_area) return std::string();
       const Rect& r = *s.monitor_area;
       return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
              "," + std::to_string(r.bottom);
     }},
    {"transparency",
     [](std::string_view v, StripSettings& s) {
       if (auto item = ItemOfWord(kAlphaWords, v)) s.alpha_item = item;
     },
     [](const StripSettings& s) {
       return s.alpha_item ? WordOfItem(kAlphaWords, *s.alpha_item) : std::string();
     }},
    {"colour",
     [](std::string_view v, StripSettings& s) {
       if (auto item = ItemOfWord(kColourWords, v)) s.colour_item = item;
     },
     [](const StripSettings& s) {
       return s.colour_item ? WordOfItem(kColourWords, *s.colour_item) : std::string();
     }},
    {"quiz",
     [](std::string_view v, StripSettings& s) {
       if (auto on = OnOff(v)) s.quiz_panel = on;
     },
     [](const StripSettings& s) {
       return s.quiz_panel ? std::string(*s.quiz_panel ? "on" : "off") : std::string();
     }},
    {"sound",
     [](std::string_view v, StripSettings& s) {
       if (auto on = OnOff(v)) s.sound_on = on;
     },
     [](const StripSettings& s) {
       return s.sound_on ? std::string(*s.sound_on ? "on" : "off") : std::string();
     }},
    {"fullscreen_hold",
     [](std::string_view v, StripSettings& s) {
       if (auto on = OnOff(v)) s.hold_full_screen = on;
     },
     [](const StripSettings& s) {
       return s.hold_full_screen ? std::string(*s.hold_full_screen ? "on" : "off") : std::string();
     }},
    {"strip",
     [](std::string_view v, StripSettings& s) {
       if (SameWord(v, "hidden")) s.strip_hidden = true;
       if (SameWord(v, "shown")) s.strip_hidden = false;
     },
     [](const StripSettings& s) {
       return s.strip_hidden ? std::string(*s.strip_hidden ? "hidden" : "shown") : std::string();
     }},
    {"popups",
     [](std::string_view v, StripSettings& s) {
       if (auto item = ItemOfWord(kPopupMonitorWords, v)) s.popup_monitor_item = item;
     },
     [](const StripSettings& s) {
       return s.popup_monitor_item ? WordOfItem(kPopupMonitorWords, *s.popup_monitor_item)
                                   : std::string();
     }},
}};

// Calls `visit(line index, key index, value)` for the first line of each known key in the
// [tavlin] section; returns the index of the line after the section's last line that is not
// blank (the header's, when the section has nothing else), or nothing without the section.
template <typename Visit>
std::optional<size_t> WalkSection(const std::vector<Line>& lines, Visit visit) {
  std::optional<size_t> section_end;
  std::array<bool, kKeys.size()> seen{};
  bool inside = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (const auto section = SectionOf(lines[i].text)) {
      inside = SameWord(*section, kSection);
      if (inside) section_end = i + 1;
      continue;
    }
    if (!inside) continue;
    if (!Trim(lines[i].text).empty()) section_end = i + 1;
    const auto pair = KeyValueOf(lines[i].text);
    if (!pair) continue;
    for (size_t k = 0; k < kKeys.size(); ++k) {
      if (!seen[k] && SameWord(pair->key, kKeys[k].name)) {
        seen[k] = true;
        visit(i, k, pair->value);
      }
    }
  }
  return section_end;
}

}  // namespace

StripSettings ReadStripSettings(std::string_view text) {
  if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
  StripSettings settings;
  WalkSection(SplitLines(text), [&](size_t, size_t key, std::string_view value) {
    kKeys[key].read(value, settings);
  });
  return settings;
}

std::string WriteStripSettings(std::string_view text, const StripSettings& settings) {
  std::string_view bom;
  if (text.starts_with(kBom)) {
    bom = kBom;
    text.remove_prefix(kBom.size());
  }
  const std::vector<Line> lines = SplitLines(text);
  std::string_view newline = "\r\n";
  for (const Line& line : lines) {
    if (!line.end.empty()) {
      newline = line.end;
      break;
    }
  }

  std::vector<std::string> replaced(lines.size());
  std::vector<bool> is_replaced(lines.size(), false);
  std::array<bool, kKeys.size()> written{};
  const std::optional<size_t> section_end =
      WalkSection(lines, [&](size_t line, size_t key, std::string_view) {
        const std::string value = kKeys[key].write(settings);
        if (value.empty()) return;
        replaced[line] = std::string(kKeys[key].name) + "=" + value;
        is_replaced[line] = true;
        written[key] = true;
      });

  std::string added;
  for (size_t k = 0; k < kKeys.size(); ++k) {
    const std::string value = kKeys[k].write(settings);
    if (!written[k] && !value.empty()) {
      added += std::string(kKeys[k].name) + "=" + value + std::string(newline);
    }
  }
  const size_t insert_at = section_end.value_or(lines.size());
  if (!section_end && !added.empty()) added = "[tavlin]" + std::string(newline) + added;

  std::string out(bom);
  for (size_t i = 0; i <= lines.size(); ++i) {
    if (i == insert_at && !added.empty()) {
      // The line before the new ones needs its end, even as the file's last line.
      if (i > 0 && lines[i - 1].end.empty()) out += newline;
      out += added;
    }
    if (i == lines.size()) break;
    out += is_replaced[i] ? replaced[i] : std::string(lines[i].text);
    out += lines[i].end;
  }
  return out;
}

}  // namespace tavlin
