// The strip's hints: one tooltip for all its widgets, made when the pointer first comes over the
// strip. A strip nobody points at keeps no tooltip window (about 0.4 MB of memory under Wine).
#pragma once

#include <windows.h>

#include <vector>

namespace tavlin {

class StripHints {
 public:
  StripHints() = default;
  StripHints(const StripHints&) = delete;
  StripHints& operator=(const StripHints&) = delete;
  ~StripHints();

  /// A hint for `widget`. `subclass`: the tooltip watches the widget's messages itself (the
  /// system's buttons); otherwise the widget hands its mouse messages to the tooltip.
  void Add(HWND widget, const wchar_t* hint, bool subclass);
  /// The font of the hints, now and when the tooltip is made (not owned).
  void SetFont(HFONT font);
  /// The pointer is over the strip `owner`: makes the tooltip with every hint, the first time.
  /// Returns the tooltip when it was made just now, for the widgets that feed it; else null.
  HWND Wake(HWND owner);

 private:
  struct Hint {
    HWND widget;
    const wchar_t* text;
    bool subclass;
  };
  std::vector<Hint> hints_;
  HFONT font_ = nullptr;
  HWND tooltip_ = nullptr;
};

}  // namespace tavlin
