#include "timetable/timetable_grid_win32.h"

#include <windowsx.h>

#include <string>

#include "base/wide_text.h"
#include "win32/dpi_win32.h"

namespace tavlin {

namespace {

// A flat one-pixel border, no 3-D edge, and no scroll bars: all 13 rows fit.
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
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

}  // namespace

void TimetableGrid::MakeFont() {
  // "굴림체", character height 12, Korean character set.
  font_.Reset(CreateFontW(-Scaled(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, HANGUL_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          FIXED_PITCH | FF_MODERN, L"굴림체"));
}

void TimetableGrid::Create(HWND parent, int id, const RECT& bounds, int dpi) {
  RegisterClassOnce(kClassName, CS_DBLCLKS, nullptr);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  dpi_ = dpi;
  MakeFont();
  CreateHandle(0, kClassName, L"", kStyle, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, parent,
               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  for (int r = 0; r < kTimeGridRows; ++r) {
    row_texts_[r] = CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, hwnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRowTextIdBase + r)), instance, nullptr);
  }
  UpdateRowTexts();
}

Size TimetableGrid::SizeAt(int dpi) {
  const Size cells = TimeGridCellsSize(dpi);
  RECT window{0, 0, cells.width, cells.height};
  AdjustWindowRectForDpi(window, kStyle, 0, dpi);
  return Size{window.right - window.left, window.bottom - window.top};
}

void TimetableGrid::Place(const RECT& bounds, int dpi) {
  dpi_ = dpi;
  MakeFont();
  SetWindowPos(hwnd(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void TimetableGrid::SetTexts(const TimeGridTexts& texts) {
  texts_ = texts;
  UpdateRowTexts();
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void TimetableGrid::SelectRow(int row) {
  row = row < 1 ? 1 : (row > kTimeGridRows - 1 ? kTimeGridRows - 1 : row);
  if (row == selected_row_) return;
  selected_row_ = row;
  if (hwnd()) {
    SetWindowTextW(hwnd(), Utf8ToWide(JoinedRow(texts_[selected_row_])).c_str());
    InvalidateRect(hwnd(), nullptr, FALSE);
  }
}

void TimetableGrid::UpdateRowTexts() {
  if (!hwnd()) return;
  for (int r = 0; r < kTimeGridRows; ++r) {
    SetWindowTextW(row_texts_[r], Utf8ToWide(JoinedRow(texts_[r])).c_str());
  }
  SetWindowTextW(hwnd(), Utf8ToWide(JoinedRow(texts_[selected_row_])).c_str());
}

LRESULT TimetableGrid::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
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
      InvalidateRect(hwnd(), nullptr, FALSE);  // the focus rectangle
      return 0;
    case WM_NCDESTROY:
      for (HWND& child : row_texts_) child = nullptr;  // gone with the grid
      break;
  }
  return DefWindowProcW(hwnd(), message, wparam, lparam);
}

RECT TimetableGrid::CellRect(int col, int row) const {
  int left = 0;
  for (int c = 0; c < col; ++c) {
    left += Scaled(kTimeGridColumnWidths[c]) + Scaled(kTimeGridLineWidth);
  }
  const int top = row * (Scaled(kTimeGridRowHeight) + Scaled(kTimeGridLineWidth));
  return RECT{left, top, left + Scaled(kTimeGridColumnWidths[col]),
              top + Scaled(kTimeGridRowHeight)};
}

int TimetableGrid::RowAt(int y) const {
  const int row = y / (Scaled(kTimeGridRowHeight) + Scaled(kTimeGridLineWidth));
  return y >= 0 && row < kTimeGridRows ? row : -1;
}

void TimetableGrid::PaintCell(HDC dc, int col, int row, const RECT& cell) const {
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
  ExtTextOutW(dc, CenteredTextLeft(cell.left, cell.right, extent.cx),
              cell.top + Scaled(kCellTextTop), ETO_CLIPPED, &cell, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
}

void TimetableGrid::OnPaint() {
  const PaintScope paint(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  const BufferedPaint buffer(paint.dc(), client.right, client.bottom);
  const HDC dc = buffer.dc();
  const SelectionScope font_selection(dc, font_.get());

  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  // The lines are what the cells leave uncovered of this block.
  const RECT last = CellRect(kTimeGridColumns - 1, kTimeGridRows - 1);
  FillSolid(
      dc,
      RECT{0, 0, last.right + Scaled(kTimeGridLineWidth), last.bottom + Scaled(kTimeGridLineWidth)},
      kLineColor);
  SetBkMode(dc, TRANSPARENT);
  for (int row = 0; row < kTimeGridRows; ++row) {
    for (int col = 0; col < kTimeGridColumns; ++col) PaintCell(dc, col, row, CellRect(col, row));
  }
  if (GetFocus() == hwnd()) {
    RECT focus = CellRect(0, selected_row_);
    focus.right = CellRect(kTimeGridColumns - 1, selected_row_).right;
    DrawFocusRect(dc, &focus);
  }
}

void TimetableGrid::OnLeftButtonDown(int /*x*/, int y) {
  SetFocus(hwnd());
  const int row = RowAt(y);
  if (row >= 1) SelectRow(row);
}

bool TimetableGrid::OnKeyDown(WPARAM key) {
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
