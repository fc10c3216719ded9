#include "timetable/timetable_window_win32.h"

#include <algorithm>

#include "base/scaling.h"
#include "base/wide_text.h"
#include "clock/schedule.h"
#include "timetable/timetable_texts.h"
#include "win32/dpi_win32.h"

namespace tavlin {

namespace {

// The outer size at 96 DPI; the window is held at its size, so it cannot be resized.
constexpr int kOuterWidth = 494;
constexpr int kOuterHeight = 262;
constexpr int kGridId = 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;

// The outer size at `dpi`: the designed size scaled, or more where the frame and the grid's lines
// grow faster than the DPI (on Windows a caption and a frame do not scale linearly, and at 150 %
// the grid's lines are 2 pixels), so that the grid's last row is never cut. At 96 DPI the grid
// fits inside 494 x 262 with the system's usual frame.
Size OuterSize(int dpi) {
  const Size grid = TimetableGrid::SizeAt(dpi);
  RECT window{0, 0, grid.width, grid.height};
  AdjustWindowRectForDpi(window, kStyle, 0, dpi);
  return Size{std::max(ScaleToDpi(kOuterWidth, dpi), int{window.right - window.left}),
              std::max(ScaleToDpi(kOuterHeight, dpi), int{window.bottom - window.top})};
}

int32_t PresentHhmmss() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wHour * 10000 + now.wMinute * 100 + now.wSecond;
}

}  // namespace

TimetableWindow::TimetableWindow(HWND owner) {
  RegisterClassOnce(kClassName, 0,
                    reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)), true);
  // Centred on the primary monitor, at its DPI.
  dpi_ = DpiOfMonitor(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
  const Size size = OuterSize(dpi_);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - size.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2;
  CreateHandle(0, kClassName, Utf8ToWide(TimetableCaption()).c_str(), kStyle, left, top, size.width,
               size.height, owner);
}

LRESULT TimetableWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(DpiOfDpiChanged(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
      menu_open_ = message == WM_ENTERMENULOOP;
      return 0;
    case WM_SETFOCUS:
      if (grid_.hwnd()) SetFocus(grid_.hwnd());
      return 0;
  }
  return DefWindowProcW(hwnd(), message, wparam, lparam);
}

void TimetableWindow::OnCreate() {
  // The same build as at the main window's creation; it writes the same values.
  BuildSchedule();
  dpi_ = DpiOfWindow(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  grid_.Create(hwnd(), kGridId, client, dpi_);
  FillGrid();
}

void TimetableWindow::ShowFilled() {
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  FillGrid();
}

void TimetableWindow::OnClose() {
  ShowWindow(hwnd(), SW_HIDE);
}

void TimetableWindow::FillGrid() {
  grid_.SetTexts(ShowTimeGrid(PresentHhmmss()));
  grid_.SelectRow(1);
}

void TimetableWindow::ShowFromMenu() {
  if (!hwnd()) return;
  if (!Visible()) {
    ShowFilled();
  } else {
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  SetForegroundWindow(hwnd());
}

bool TimetableWindow::Visible() const {
  return hwnd() && IsWindowVisible(hwnd());
}

void TimetableWindow::KeepOnTop() {
  if (!hwnd()) return;
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TimetableWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  if (dpi <= 0) return;
  // The new DPI first: the size limits follow it. The system's rectangle gives the place; the
  // size is the window's own for that DPI, the one the limits hold it at.
  dpi_ = dpi;
  const Size size = OuterSize(dpi_);
  SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, size.width, size.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client;
  GetClientRect(hwnd(), &client);
  grid_.Place(client, dpi_);
}

void TimetableWindow::OnGetMinMaxInfo(MINMAXINFO& info) const {
  const Size outer = OuterSize(dpi_);
  const POINT size = {outer.width, outer.height};
  info.ptMinTrackSize = size;
  info.ptMaxTrackSize = size;
  info.ptMaxSize = size;
}

}  // namespace tavlin
