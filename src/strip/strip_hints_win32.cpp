#include "strip/strip_hints_win32.h"

#include <commctrl.h>

namespace tavlin {

StripHints::~StripHints() {
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
}

void StripHints::Add(HWND widget, const wchar_t* hint, bool subclass) {
  hints_.push_back(Hint{widget, hint, subclass});
}

void StripHints::SetFont(HFONT font) {
  font_ = font;
  if (tooltip_ != nullptr)
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

HWND StripHints::Wake(HWND owner) {
  if (tooltip_ != nullptr) return nullptr;
  // Not owned by the strip: an owned top-most popup would take the strip's place in the
  // top-most placement (the owner would be put just below it instead).
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  if (tooltip_ == nullptr) return nullptr;
  for (const Hint& hint : hints_) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | (hint.subclass ? TTF_SUBCLASS : 0);
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(hint.widget);
    tool.lpszText = const_cast<wchar_t*>(hint.text);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SetFont(font_);
  return tooltip_;
}

}  // namespace tavlin
