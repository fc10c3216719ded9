#include "widgets/quiz_label_win32.h"

#include "base/wide_text.h"
#include "win32/gdi_win32.h"

namespace tavlin {

namespace {

constexpr wchar_t kClassName[] = L"TavlinQuizLabel";

}  // namespace

SIZE TextSize(HFONT font, const std::wstring& text) {
  WindowDC screen(nullptr);
  SelectionScope selection(screen.dc(), font);
  RECT rect{0, 0, 0, 0};
  DrawTextW(screen.dc(), text.c_str(), static_cast<int>(text.size()), &rect,
            DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

QuizLabel::QuizLabel(HWND parent, int x, int y, HFONT font, std::function<void()> on_press,
                     std::function<void()> on_double_click)
    : Widget({std::move(on_press), std::move(on_double_click)}), font_(font) {
  RegisterClassOnce(kClassName, CS_DBLCLKS, nullptr);
  CreateHandle(0, kClassName, L"", WS_CHILD | WS_VISIBLE, x, y, 0, TextSize(font, L"").cy, parent);
}

int QuizLabel::SetText(const std::string& text) {
  // The same line again (a one-line file, a pick of the line shown) is neither set nor measured.
  if (text == text_) return width_;
  text_ = text;
  const std::wstring wide = Utf8ToWide(text);
  SetWindowTextW(hwnd(), wide.c_str());
  const SIZE size = TextSize(font_, wide);
  width_ = size.cx;
  // The new text is painted with the new size (OnTextChanged).
  SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return width_;
}

void QuizLabel::Place(int x, int y, HFONT font) {
  font_ = font;
  const SIZE size = TextSize(font_, WindowText(hwnd()));
  width_ = size.cx;
  SetWindowPos(hwnd(), nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void QuizLabel::Paint(HDC target, const RECT&) {
  // A line of text is drawn whole.
  RECT client;
  GetClientRect(hwnd(), &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  BufferedPaint buffer(target, client.right, client.bottom);
  FillSolid(buffer.dc(), client, GetSysColor(COLOR_BTNFACE));
  const std::wstring text = WindowText(hwnd());
  SelectionScope font(buffer.dc(), font_);
  SetBkMode(buffer.dc(), TRANSPARENT);
  SetTextColor(buffer.dc(), GetSysColor(COLOR_WINDOWTEXT));
  DrawTextW(buffer.dc(), text.c_str(), static_cast<int>(text.size()), &client,
            DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
}

}  // namespace tavlin
