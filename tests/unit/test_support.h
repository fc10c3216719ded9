// What several unit tests share: a file system kept in memory, readable alarm records, and a
// desktop, popup windows and a factory that live in memory for the notifier and popup tests.
#pragma once

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "alarms/alarm_list.h"
#include "base/file_system.h"
#include "popup/popup_model.h"
#include "popup/popup_notifier.h"

namespace tavlin {

// Readable failure output for records (found by GoogleTest next to TtavlinAlarm).
inline void PrintTo(const TtavlinAlarm& a, std::ostream* os) {
  *os << "{" << a.LineNo << ", " << a.Kind << ", " << a.StartTime << ", " << a.EndTime << ", "
      << a.RepeatDay << ", \"" << a.Subject << "\", \"" << a.Body << "\", " << a.State << ", "
      << a.WarningMinutes << ", " << a.WarnedFor << "}";
}

}  // namespace tavlin

namespace tavlin::fakes {

// Files kept in memory. A file listed in `unreadable` exists but cannot be opened (a program holds
// it with readers refused). A file's stamp is its size and its entry in `modified` (0 when it has
// none); `reads` counts ReadAll and ReadCapped calls. A replace of a file in `read_only` is
// refused; otherwise the next replaces fail with `replace_failures`, oldest first, while there
// are any, and then succeed. `replaces` counts the tries.
class MemoryFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, std::string> unreadable;  // path -> reason
  std::set<std::string> folders;
  std::map<std::string, int64_t> modified;
  std::set<std::string> read_only;
  std::deque<WriteFailure> replace_failures;
  mutable int reads = 0;
  int replaces = 0;

  std::optional<FileStamp> Stamp(const std::string& path) const override {
    const auto it = files.find(path);
    if (it == files.end() && unreadable.count(path) == 0) return std::nullopt;
    const auto time = modified.find(path);
    return FileStamp{it != files.end() ? it->second.size() : 0,
                     time != modified.end() ? time->second : 0};
  }
  bool IsFolder(const std::string& path) const override { return folders.count(path) > 0; }
  bool ReadAll(const std::string& path, std::string* bytes, std::string* reason) const override {
    ++reads;
    if (auto it = unreadable.find(path); it != unreadable.end()) {
      *reason = it->second;
      return false;
    }
    auto it = files.find(path);
    if (it == files.end()) {
      *reason = "The system cannot find the file specified";
      return false;
    }
    *bytes = it->second;
    return true;
  }
  bool ReadCapped(const std::string& path, size_t cap, std::string* bytes, bool* larger,
                  std::string* reason) const override {
    if (!ReadAll(path, bytes, reason)) return false;
    *larger = bytes->size() > cap;
    bytes->resize(std::min(bytes->size(), cap));
    return true;
  }
  std::optional<WriteFailure> ReplaceWhole(const std::string& path,
                                           const std::string& text) override {
    ++replaces;
    if (read_only.count(path) > 0) return WriteFailure{false, "Access is denied"};
    if (!replace_failures.empty()) {
      const WriteFailure failure = replace_failures.front();
      replace_failures.pop_front();
      return failure;
    }
    files[path] = text;
    ++modified[path];
    return std::nullopt;
  }
};

// Records what a popup asks of its window. Text is 13 pixels per line, lines cut at '\r'.
class FakeView : public PopupView {
 public:
  Size panel{189, 104};  // a 195 × 110 window with a 3-pixel frame
  std::vector<Bounds> bounds;
  PixelBitmap picture;
  bool strip = false;
  PanelParts panel_parts;
  std::string title;
  int title_left = -1;
  std::string text;
  FontSpec text_font;
  Bounds text_label;
  bool visible = false;
  bool released = false;
  int timer_starts[3] = {0, 0, 0};
  int interval[3] = {0, 0, 0};
  std::vector<std::string> opened_urls;

  Size Realise(const Bounds& full) override {
    bounds.push_back(full);
    return panel;
  }
  void SetPicture(const PixelBitmap& p, bool with_strip, const PanelParts& parts) override {
    picture = p;
    strip = with_strip;
    panel_parts = parts;
  }
  void SetTitle(const std::string& t, const FontSpec&, int left, int) override {
    title = t;
    title_left = left;
  }
  void SetTextCursor(int) override {}
  int MeasureTextHeight(const std::string& t, const FontSpec&, int) override {
    int lines = 1;
    for (char c : t) {
      if (c == '\r') ++lines;
    }
    return 13 * lines;
  }
  void SetText(const std::string& t, const FontSpec& font, TAlignment,
               const Bounds& label) override {
    text = t;
    text_font = font;
    text_label = label;
  }
  void SetBounds(const Bounds& b) override { bounds.push_back(b); }
  Bounds ShowNoActivate(const Bounds& b, TDefaultMonitor) override {
    visible = true;
    return b;
  }
  void StartTimer(PopupTimer t, int ms) override {
    ++timer_starts[static_cast<int>(t)];
    interval[static_cast<int>(t)] = ms;
  }
  void StopTimer(PopupTimer) override {}
  void Hide() override { visible = false; }
  void Release() override { released = true; }
  void OpenUrl(const std::string& url) override { opened_urls.push_back(url); }
};

struct FakePopup {
  FakeView view;
  std::unique_ptr<PopupModel> model;
};

class FakeFactory : public PopupWindowFactory {
 public:
  std::vector<std::unique_ptr<FakePopup>> popups;
  MonotonicMs now = 0;  // when the next popup opens

  void Open(TPopupNotifier& notifier, const PopupSettings& settings) override {
    auto popup = std::make_unique<FakePopup>();
    popup->model = std::make_unique<PopupModel>(notifier, settings, popup->view);
    popups.push_back(std::move(popup));
    popups.back()->model->PlaceAndShow(now);
  }
  int Live() const {
    int n = 0;
    for (const auto& p : popups) n += p->view.released ? 0 : 1;
    return n;
  }
  PopupModel& operator[](size_t i) { return *popups.at(i)->model; }
};

// A 1920 × 1080 screen whose task bar takes the bottom 40 pixels.
class FakeDesktop : public PopupDesktop {
 public:
  explicit FakeDesktop(const FakeFactory& factory) : factory_(factory) {}
  std::optional<Rect> taskbar = Rect{0, 1040, 1920, 1080};
  Rect monitor{0, 0, 1920, 1080};
  bool auto_hide = false;
  Rect work_area{0, 0, 1920, 1040};
  int dpi = 96;

  std::optional<TaskbarState> Taskbar() override {
    if (!taskbar) return std::nullopt;
    return TaskbarState{*taskbar, monitor, auto_hide};
  }
  Rect WorkArea(TDefaultMonitor) override { return work_area; }
  int Dpi(TDefaultMonitor) override { return dpi; }
  bool PopupWindowExists() override { return factory_.Live() > 0; }

 private:
  const FakeFactory& factory_;
};

// A notifier configured as the main window's, on the fake desktop.
struct NotifierRig {
  FakeFactory factory;
  FakeDesktop desktop{factory};
  TPopupNotifier notifier{desktop, factory};
  NotifierRig() { ConfigureSystemNotifier(notifier); }
};

// Runs a popup's slide-in to its end, on a timer that fires every `interval_ms` after `from_ms`;
// returns the number of ticks it took.
inline int SlideIn(PopupModel& popup, MonotonicMs from_ms = 0, int interval_ms = 25) {
  int ticks = 0;
  while (popup.Running(PopupTimer::kScroll) && ticks < 1000) {
    ++ticks;
    popup.tmrScrollTimer(from_ms + static_cast<MonotonicMs>(interval_ms) * ticks);
  }
  return ticks;
}

}  // namespace tavlin::fakes
