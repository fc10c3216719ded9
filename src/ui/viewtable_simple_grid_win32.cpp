#include "ui/viewtable_simple_grid_win32.h"

#include <windowsx.h>

#include <cassert>
#include <string>

#include "clock/wide_text.h"

namespace tavlin {

namespace {

constexpr int kColumnWidths[kTimeGridColumns] = {115, 115, 80, 80, 80};
constexpr int kRowHeight = 16;
constexpr int kLineWidth = 1;
// The lines between the cells.
constexpr COLORREF kLineColor = RGB(192, 192, 192);

std::string JoinedRow(const std::array<std::string, kTimeGridColumns>& cells) {
  std::string joined;
  for (int c = 0; c < kTimeGridColumns; ++c) {
    if (c > 0) joined += " | ";
    joined += cells[c];
  }
  return joined;
}

void RegisterGridClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW wc = {};
  if (GetClassInfoExW(instance, TimeGridView::kClassName, &wc)) return;
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = TimeGridView::kClassName;
  RegisterClassExW(&wc);
}

}  // namespace

TimeGridView::~TimeGridView() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void TimeGridView::Create(HWND parent, int id, const RECT& bounds) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  RegisterGridClass(instance, &TimeGridView::WndProc);
  dpi_ = ScreenDpi();
  // "굴림체", character height 12, Korean character set.
  font_.Reset(CreateFontW(-Scaled(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, HANGUL_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          FIXED_PITCH | FF_MODERN, L"굴림체"));
  // A flat one-pixel border, no 3-D edge, and no scroll bars: all 13 rows fit.
  CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, bounds.left,
                  bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
  for (int r = 0; r < kTimeGridRows; ++r) {
    row_texts_[r] = CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRowTextIdBase + r)), instance, nullptr);
  }
  UpdateRowTexts();
}

void TimeGridView::SetTexts(const TimeGridTexts& texts) {
  texts_ = texts;
  UpdateRowTexts();
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void TimeGridView::SelectRow(int row) {
  row = row < 1 ? 1 : (row > kTimeGridRows - 1 ? kTimeGridRows - 1 : row);
  if (row == selected_row_) return;
  selected_row_ = row;
  if (hwnd_) {
    SetWindowTextW(hwnd_, Utf8ToWide(JoinedRow(texts_[selected_row_])).c_str());
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
}

void TimeGridView::UpdateRowTexts() {
  if (!hwnd_) return;
  for (int r = 0; r < kTimeGridRows; ++r) {
    SetWindowTextW(row_texts_[r], Utf8ToWide(JoinedRow(texts_[r])).c_str());
  }
  SetWindowTextW(hwnd_, Utf8ToWide(JoinedRow(texts_[selected_row_])).c_str());
}

LRESULT CALLBACK TimeGridView::WndProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<TimeGridView*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    assert(self->hwnd_ == nullptr);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TimeGridView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT TimeGridView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // OnPaint covers every pixel
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnLeftButtonDown(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (OnKeyDown(wparam)) return 0;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd_, nullptr, FALSE);  // the focus rectangle
      return 0;
    case WM_NCDESTROY: {
      const HWND hwnd = hwnd_;
      OnDestroy();
      return DefWindowProcW(hwnd, message, wparam, lparam);
    }
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void TimeGridView::OnDestroy() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  for (HWND& child : row_texts_) child = nullptr;
  hwnd_ = nullptr;
}

RECT TimeGridView::CellRect(int col, int row) const {
  int left = 0;
  for (int c = 0; c < col; ++c) left += Scaled(kColumnWidths[c]) + kLineWidth;
  const int top = row * (Scaled(kRowHeight) + kLineWidth);
  return RECT{left, top, left + Scaled(kColumnWidths[col]), top + Scaled(kRowHeight)};
}

int TimeGridView::RowAt(int y) const {
  const int row = y / (Scaled(kRowHeight) + kLineWidth);
  return y >= 0 && row < kTimeGridRows ? row : -1;
}

void TimeGridView::SG1DrawCell(HDC dc, int col, int row, const RECT& cell) const {
  int background = COLOR_WINDOW;
  int text_color = COLOR_WINDOWTEXT;
  if (row == 0) {
    background = COLOR_BTNFACE;
  } else if (row == selected_row_) {
    background = COLOR_HIGHLIGHT;
    text_color = COLOR_HIGHLIGHTTEXT;
  }
  FillRect(dc, &cell, GetSysColorBrush(background));
  const std::wstring text = Utf8ToWide(texts_[row][col]);
  SIZE extent = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SetTextColor(dc, GetSysColor(text_color));
  ExtTextOutW(dc, CenteredTextLeft(cell.left, cell.right, extent.cx), cell.top + kCellTextTop,
              ETO_CLIPPED, &cell, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void TimeGridView::OnPaint() {
  const PaintSession paint(hwnd_);
  RECT client;
  GetClientRect(hwnd_, &client);
  const MemoryDc buffer(paint.dc());
  GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(paint.dc(), client.right, client.bottom));
  const SelectedObject bitmap_selection(buffer.get(), bitmap.get());
  const SelectedObject font_selection(buffer.get(), font_.get());
  const HDC dc = buffer.get();

  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  // The lines are what the cells leave uncovered of this block.
  const RECT last = CellRect(kTimeGridColumns - 1, kTimeGridRows - 1);
  const RECT block = {0, 0, last.right + kLineWidth, last.bottom + kLineWidth};
  GdiObject<HBRUSH> lines(CreateSolidBrush(kLineColor));
  FillRect(dc, &block, lines.get());
  SetBkMode(dc, TRANSPARENT);
  for (int row = 0; row < kTimeGridRows; ++row) {
    for (int col = 0; col < kTimeGridColumns; ++col) SG1DrawCell(dc, col, row, CellRect(col, row));
  }
  if (GetFocus() == hwnd_) {
    RECT focus = CellRect(0, selected_row_);
    focus.right = CellRect(kTimeGridColumns - 1, selected_row_).right;
    DrawFocusRect(dc, &focus);
  }
  BitBlt(paint.dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

void TimeGridView::OnLeftButtonDown(int /*x*/, int y) {
  SetFocus(hwnd_);
  const int row = RowAt(y);
  if (row >= 1) SelectRow(row);
}

bool TimeGridView::OnKeyDown(WPARAM key) {
  switch (key) {
    case VK_UP:
      SelectRow(selected_row_ - 1);
      return true;
    case VK_DOWN:
      SelectRow(selected_row_ + 1);
      return true;
    case VK_HOME:
    case VK_PRIOR:
      SelectRow(1);
      return true;
    case VK_END:
    case VK_NEXT:
      SelectRow(kTimeGridRows - 1);
      return true;
  }
  return false;
}

}  // namespace tavlin
