// A window's text that is set only when it changes.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tavlin {

/// What one window shows as its text. Setting the text it already shows does nothing at all, and
/// a changed text is converted into a buffer that keeps its capacity, so the strip's once-a-second
/// texts cost no allocation and no repaint while they stay the same.
class ShownText {
 public:
  /// Sets `text` (UTF-8) as `window`'s text unless it is the text set last; true when it was set.
  bool Set(HWND window, std::string_view text) {
    if (set_once_ && text == utf8_) return false;
    set_once_ = true;
    utf8_.assign(text);
    const int length = static_cast<int>(text.size());
    wide_.resize(text.size() + 1);  // UTF-16 never has more units than UTF-8 has bytes
    const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide_.data(), length);
    wide_[static_cast<size_t>(units > 0 ? units : 0)] = L'\0';
    SetWindowTextW(window, wide_.c_str());
    return true;
  }

 private:
  bool set_once_ = false;
  std::string utf8_;
  std::wstring wide_;
};

}  // namespace tavlin
