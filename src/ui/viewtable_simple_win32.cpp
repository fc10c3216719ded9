#include "ui/viewtable_simple_win32.h"

#include <cassert>

#include "clock/schedule.h"
#include "clock/wide_text.h"
#include "ui/viewtable_simple.h"

namespace tavlin {

namespace {

// The outer size is held at exactly this, so the window cannot be resized.
constexpr int kOuterWidth = 494;
constexpr int kOuterHeight = 262;
constexpr int kGridId = 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;

int32_t PresentHhmmss() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wHour * 10000 + now.wMinute * 100 + now.wSecond;
}

void RegisterFormClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW wc = {};
  if (GetClassInfoExW(instance, TForm_TimeTable::kClassName, &wc)) return;
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = TForm_TimeTable::kClassName;
  RegisterClassExW(&wc);
}

}  // namespace

TForm_TimeTable::TForm_TimeTable(HINSTANCE instance, HWND owner) {
  RegisterFormClass(instance, &TForm_TimeTable::WndProc);
  dpi_ = ScreenDpi();
  const int width = MulDiv(kOuterWidth, dpi_, 96);
  const int height = MulDiv(kOuterHeight, dpi_, 96);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  CreateWindowExW(0, kClassName, Utf8ToWide(TimetableCaption()).c_str(), kStyle, left, top, width,
                  height, owner, nullptr, instance, this);
}

TForm_TimeTable::~TForm_TimeTable() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK TForm_TimeTable::WndProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<TForm_TimeTable*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    assert(self->hwnd_ == nullptr);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TForm_TimeTable*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT TForm_TimeTable::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      FormCreate();
      return 0;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_CLOSE:
      FormClose();
      return 0;
    case WM_SETFOCUS:
      if (sg1_.hwnd()) SetFocus(sg1_.hwnd());
      return 0;
    case WM_NCDESTROY: {
      const HWND hwnd = hwnd_;
      OnNcDestroy();
      return DefWindowProcW(hwnd, message, wparam, lparam);
    }
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void TForm_TimeTable::FormCreate() {
  // The same build as at the main window's creation; it writes the same values.
  BuildSchedule();
  RECT client;
  GetClientRect(hwnd_, &client);
  sg1_.Create(hwnd_, kGridId, client);
  ShowTimeGrid();
}

void TForm_TimeTable::FormShow() {
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  ShowTimeGrid();
}

void TForm_TimeTable::FormClose() {
  ShowWindow(hwnd_, SW_HIDE);
}

void TForm_TimeTable::ShowTimeGrid() {
  sg1_.SetTexts(::tavlin::ShowTimeGrid(PresentHhmmss()));
  sg1_.SelectRow(1);
}

void TForm_TimeTable::ShowFromMenu() {
  if (!hwnd_) return;
  if (!Visible()) {
    FormShow();
  } else {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  SetForegroundWindow(hwnd_);
}

bool TForm_TimeTable::Visible() const {
  return hwnd_ && IsWindowVisible(hwnd_);
}

void TForm_TimeTable::KeepOnTop() {
  if (!hwnd_) return;
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm_TimeTable::OnGetMinMaxInfo(MINMAXINFO& info) const {
  const POINT size = {MulDiv(kOuterWidth, dpi_, 96), MulDiv(kOuterHeight, dpi_, 96)};
  info.ptMinTrackSize = size;
  info.ptMaxTrackSize = size;
  info.ptMaxSize = size;
}

void TForm_TimeTable::OnNcDestroy() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
}

}  // namespace tavlin
