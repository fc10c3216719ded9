// TfrmPopUp: one notification window. It paints the popup's frozen picture, title and text,
// keeps the three timers and turns mouse messages into the popup model's events. The title and
// the body text are child windows (class TMouseLabel) that carry their texts and take the mouse;
// what they show is painted from the same composed picture as the window itself.
#include "popup/popup_window_win32.h"

#include <shellapi.h>

#include <string>
#include <utility>

#include "base/wide_text.h"
#include "popup/popup_model.h"
#include "popup/popup_picture.h"
#include "win32/dpi_win32.h"
#include "win32/gdi_win32.h"
#include "win32/system_library_win32.h"
#include "win32/window_base_win32.h"

namespace tavlin {

namespace {

constexpr UINT kReleaseMessage = WM_APP + 1;
constexpr wchar_t kLabelClass[] = L"TMouseLabel";
constexpr int kTitleId = 1;
constexpr int kTextId = 2;
constexpr DWORD kTextFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;

COLORREF ColourRef(const Colour& colour) {
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  const Rgb rgb =
      Resolve(colour, Rgb{GetRValue(text), GetGValue(text), static_cast<uint8_t>(GetBValue(text))});
  return RGB(rgb.r, rgb.g, rgb.b);
}

HFONT MakeFont(const FontSpec& font) {
  return CreateFontW(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                     font.underline, font.strike_out, static_cast<BYTE>(font.charset),
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                     Utf8ToWide(font.face).c_str());
}

// Alarms break their lines with a lone CR; DrawText breaks only at LF and CR LF.
std::wstring DrawableText(const std::string& text) {
  std::wstring out;
  const std::wstring wide = Utf8ToWide(text);
  for (size_t i = 0; i < wide.size(); ++i) {
    if (wide[i] == L'\r') {
      out += L"\r\n";
      if (i + 1 < wide.size() && wide[i + 1] == L'\n') ++i;
    } else if (wide[i] == L'\n') {
      out += L"\r\n";
    } else {
      out += wide[i];
    }
  }
  return out;
}

UINT AlignmentFormat(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taLeftJustify:
      return DT_LEFT;
    case TAlignment::taRightJustify:
      return DT_RIGHT;
    case TAlignment::taCenter:
      return DT_CENTER;
  }
  return DT_CENTER;
}

LPCWSTR CursorName(int cursor) {
  switch (cursor) {
    case crHandPoint:
      return IDC_HAND;
    case crIBeam:
      return IDC_IBEAM;
    default:
      return IDC_ARROW;
  }
}

PopupWindowStyle SystemStyle() {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  const FARPROC proc = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
  if (proc == nullptr) return PopupWindowStyle{};
  reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(proc))(&version);
  return PopupStyleFor(version.dwPlatformId == VER_PLATFORM_WIN32_NT, version.dwMajorVersion,
                       version.dwMinorVersion);
}

// Windows 11 rounds the corners of a framed window and outlines it; the popup paints its own bevel
// and stays square, as on every earlier Windows. The mingw headers lack these: the values are
// those dwmapi.h documents (DWMWINDOWATTRIBUTE, DWM_WINDOW_CORNER_PREFERENCE).
constexpr DWORD kDwmWindowCornerPreference = 33;  // DWMWA_WINDOW_CORNER_PREFERENCE
constexpr int kDwmCornersDoNotRound = 1;          // DWMWCP_DONOTROUND

void KeepCornersSquare(HWND window) {
  using DwmSetWindowAttributeFn = HRESULT WINAPI(HWND, DWORD, LPCVOID, DWORD);
  // Loaded with the first popup, not with the strip. Where the library or the attribute is
  // missing (before Windows 11 the call fails with E_INVALIDARG) nothing changes.
  static auto* const set_attribute =
      LoadSystemFunction<DwmSetWindowAttributeFn>(L"dwmapi.dll", "DwmSetWindowAttribute");
  if (set_attribute == nullptr) return;
  const int preference = kDwmCornersDoNotRound;
  set_attribute(window, kDwmWindowCornerPreference, &preference, sizeof preference);
}

bool Contains(const RECT& r, POINT p) {
  return PtInRect(&r, p) != FALSE;
}

MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONUP:
      return MouseButton::kRight;
    case WM_MBUTTONUP:
      return MouseButton::kMiddle;
    default:
      return MouseButton::kLeft;
  }
}

}  // namespace

class TfrmPopUp;

/// The title and the body text (class TMouseLabel): child windows that carry their texts and
/// hand their messages to the popup they belong to.
class MouseLabel final : public WindowBase {
 public:
  explicit MouseLabel(TfrmPopUp& popup) : popup_(popup) {}
  /// Creates the label as child `id` of the popup window `parent`.
  void Create(HWND parent, int id, int x, int y, int width, int height);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  TfrmPopUp& popup_;
};

class TfrmPopUp final : public WindowBase, private PopupView {
 public:
  TfrmPopUp(TPopupNotifier& notifier, const PopupSettings& settings, HWND owner,
            Win32PopupFactory& factory)
      : model_(notifier, settings, *this),
        settings_(settings),
        owner_(owner),
        factory_(factory),
        title_label_(*this),
        text_label_(*this) {}

  /// Creates the hidden window and its two labels.
  bool Create();
  PopupModel& Model() { return model_; }

  /// A message of one of the two labels.
  LRESULT HandleLabelMessage(HWND label, UINT message, WPARAM wparam, LPARAM lparam);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  /// The window is gone: the popup leaves the factory's list and frees itself.
  void OnFinalMessage() override;

 private:
  static void RegisterClasses();

  void OnPaint(HWND window);
  void OnTimer(UINT_PTR id);
  void OnMouseUp(UINT message, POINT at);
  void OnLabelMouseUp(HWND label, UINT message);
  void OnTextMouseMove(HWND label);
  void OnTextMouseLeave();
  LRESULT OnLabelHitTest(HWND label, LPARAM lparam);

  /// The panel inside its bevel, above the strip: where the background takes the mouse.
  RECT GradientArea() const;
  /// Paints the panel with everything on it into frame_.
  void Compose();
  void Refresh();
  WindowTimer& TimerFor(PopupTimer timer);

  // PopupView
  Size Realise(const Bounds& full) override;
  void SetPicture(const PixelBitmap& picture, bool strip, const PanelParts& parts) override;
  void SetTitle(const std::string& title, const FontSpec& font, int left, int top) override;
  void SetTextCursor(int cursor) override { cursor_ = cursor; }
  int MeasureTextHeight(const std::string& text, const FontSpec& font, int width) override;
  void SetText(const std::string& text, const FontSpec& font, TAlignment alignment,
               const Bounds& label) override;
  void SetBounds(const Bounds& bounds) override;
  Bounds ShowNoActivate(const Bounds& bounds, TDefaultMonitor monitor) override;
  void StartTimer(PopupTimer timer, int interval_ms) override {
    TimerFor(timer).Start(hwnd(), static_cast<UINT>(interval_ms));
  }
  void StopTimer(PopupTimer timer) override { TimerFor(timer).Stop(); }
  void Hide() override { ShowWindow(hwnd(), SW_HIDE); }
  void Release() override { PostMessageW(hwnd(), kReleaseMessage, 0, 0); }
  void OpenUrl(const std::string& url) override {
    static auto* const shell_execute =
        LoadSystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (shell_execute == nullptr) return;
    shell_execute(nullptr, nullptr, Utf8ToWide(url).c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
  }

  PopupModel model_;
  PopupSettings settings_;
  HWND owner_;
  Win32PopupFactory& factory_;
  MouseLabel title_label_;
  MouseLabel text_label_;
  Size panel_;
  PanelParts parts_;
  PixelBitmap picture_;
  Bitmap strip_;
  Bitmap frame_;
  Font title_font_;
  Font text_font_;
  FontSpec title_spec_;
  FontSpec text_spec_;
  std::wstring title_;
  std::wstring text_;
  RECT title_rect_{};
  RECT text_rect_{};
  UINT text_alignment_ = DT_CENTER;
  int cursor_ = crDefault;
  bool tracking_text_ = false;
  bool text_pressed_ = false;
  WindowTimer scroll_timer_{1};
  WindowTimer exit_timer_{2};
  WindowTimer scroll_down_timer_{3};
};

void TfrmPopUp::RegisterClasses() {
  RegisterClassOnce(kPopupWindowClass, SystemStyle().drop_shadow ? CS_DROPSHADOW : 0, nullptr);
  RegisterClassOnce(kLabelClass, 0, nullptr);
}

bool TfrmPopUp::Create() {
  RegisterClasses();
  DWORD ex_style = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;
  if (SystemStyle().no_activate) ex_style |= WS_EX_NOACTIVATE;
  CreateHandle(ex_style, kPopupWindowClass, L"", WS_POPUP, 0, 0, settings_.PopupWidth,
               settings_.PopupHeight, GetDesktopWindow());
  if (hwnd() == nullptr) return false;
  KeepCornersSquare(hwnd());
  // Stacked bottom to top as lblText under lblTitle.
  text_label_.Create(hwnd(), kTextId, 9, 49, 3, 13);
  title_label_.Create(hwnd(), kTitleId, 48, 8, 0, 0);
  SetWindowPos(title_label_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void MouseLabel::Create(HWND parent, int id, int x, int y, int width, int height) {
  CreateHandle(0, kLabelClass, L"", WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

LRESULT MouseLabel::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return popup_.HandleLabelMessage(hwnd(), message, wparam, lparam);
}

LRESULT TfrmPopUp::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      OnPaint(hwnd());
      return 0;
    case WM_TIMER:
      OnTimer(wparam);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      OnMouseUp(message,
                POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
      return 0;
    case WM_CLOSE:
      model_.Close();
      return 0;
    case WM_DPICHANGED:
      // The popup keeps its place in the column: it works out its bounds at the new DPI itself.
      model_.ChangeDpi(DpiOfDpiChanged(wparam));
      return 0;
    case kReleaseMessage:
      DestroyWindow(hwnd());
      return 0;
    default:
      return WindowBase::HandleMessage(message, wparam, lparam);
  }
}

LRESULT TfrmPopUp::HandleLabelMessage(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      OnPaint(label);
      return 0;
    case WM_NCHITTEST:
      return OnLabelHitTest(label, lparam);
    case WM_SETCURSOR:
      if (label == text_label_.hwnd() && LOWORD(lparam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, CursorName(cursor_)));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE:
      if (label == text_label_.hwnd()) OnTextMouseMove(label);
      return 0;
    case WM_MOUSELEAVE:
      if (label == text_label_.hwnd()) OnTextMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
      if (label == text_label_.hwnd()) {
        text_pressed_ = true;
        SetCapture(label);
      }
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      OnLabelMouseUp(label, message);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(label, message, wparam, lparam);
}

RECT TfrmPopUp::GradientArea() const {
  return RECT{parts_.bevel, parts_.bevel, panel_.width - parts_.bevel,
              panel_.height - parts_.bevel - parts_.strip};
}

void TfrmPopUp::OnPaint(HWND window) {
  PaintScope paint(window);
  if (frame_.get() == nullptr) return;
  // A label shows its own piece of the panel.
  POINT origin{0, 0};
  MapWindowPoints(window, hwnd(), &origin, 1);
  RECT client;
  GetClientRect(window, &client);
  MemoryDC source;
  SelectionScope frame(source.dc(), frame_.get());
  BitBlt(paint.dc(), 0, 0, client.right, client.bottom, source.dc(), origin.x, origin.y, SRCCOPY);
}

void TfrmPopUp::OnTimer(UINT_PTR id) {
  const MonotonicMs now = GetTickCount64();
  if (id == scroll_timer_.id()) {
    model_.tmrScrollTimer(now);
  } else if (id == exit_timer_.id()) {
    model_.tmrExitTimer(now);
  } else if (id == scroll_down_timer_.id()) {
    model_.tmrscrollDownTimer(now);
  }
}

void TfrmPopUp::OnMouseUp(UINT message, POINT at) {
  // The bevel and the colour strip react to nothing.
  if (!Contains(GradientArea(), at)) return;
  const Bounds& target = parts_.icon_target;
  const RECT icon{target.left, target.top, target.left + target.width, target.top + target.height};
  if (Contains(icon, at)) {
    model_.imgIconMouseUp(ButtonOf(message));
  } else {
    model_.imgGradientMouseUp(ButtonOf(message));
  }
}

void TfrmPopUp::OnLabelMouseUp(HWND label, UINT message) {
  if (label == title_label_.hwnd()) {
    model_.lblTitleMouseUp(ButtonOf(message));
    return;
  }
  if (message == WM_LBUTTONUP) {
    const bool pressed = std::exchange(text_pressed_, false);
    if (GetCapture() == label) ReleaseCapture();
    POINT at;
    GetCursorPos(&at);
    RECT bounds;
    GetWindowRect(label, &bounds);
    if (pressed && Contains(bounds, at)) model_.lblTextClick();
  }
  model_.lblTextMouseUp(ButtonOf(message));
}

void TfrmPopUp::OnTextMouseMove(HWND label) {
  if (tracking_text_) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = label;
  tracking_text_ = TrackMouseEvent(&track) != FALSE;
  model_.lblTextMouseEnter();
}

void TfrmPopUp::OnTextMouseLeave() {
  tracking_text_ = false;
  model_.lblTextMouseLeave();
}

LRESULT TfrmPopUp::OnLabelHitTest(HWND label, LPARAM lparam) {
  // The strip lies over the text, and the bevel frames it: there the panel gets the mouse.
  POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  ScreenToClient(hwnd(), &at);
  if (!Contains(GradientArea(), at)) return HTTRANSPARENT;
  return DefWindowProcW(label, WM_NCHITTEST, 0, lparam);
}

void TfrmPopUp::OnFinalMessage() {
  factory_.Forget(this);
  delete this;
}

WindowTimer& TfrmPopUp::TimerFor(PopupTimer timer) {
  switch (timer) {
    case PopupTimer::kScroll:
      return scroll_timer_;
    case PopupTimer::kExit:
      return exit_timer_;
    case PopupTimer::kScrollDown:
      return scroll_down_timer_;
  }
  return scroll_timer_;
}

Size TfrmPopUp::Realise(const Bounds& full) {
  SetWindowPos(hwnd(), nullptr, full.left, full.top, full.width, full.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client;
  GetClientRect(hwnd(), &client);
  panel_ = Size{client.right, client.bottom};
  return panel_;
}

void TfrmPopUp::SetPicture(const PixelBitmap& picture, bool strip, const PanelParts& parts) {
  picture_ = picture;
  parts_ = parts;
  strip_.Reset();
  if (strip) {
    // Without the resource the strip stays empty.
    strip_.Reset(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), L"STRIP", IMAGE_BITMAP, 0, 0, 0)));
  }
  Compose();
}

void TfrmPopUp::SetTitle(const std::string& title, const FontSpec& font, int left, int top) {
  title_ = DrawableText(title);
  title_spec_ = font;
  title_font_.Reset(MakeFont(font));
  MemoryDC dc;
  SelectionScope selected(dc.dc(), title_font_.get());
  RECT r{0, 0, 0, 0};
  DrawTextW(dc.dc(), title_.c_str(), -1, &r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  title_rect_ = RECT{left, top, left + r.right, top + r.bottom};
  SetWindowPos(title_label_.hwnd(), nullptr, left, top, r.right, r.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE);
  const std::wstring caption = Utf8ToWide(title);
  SetWindowTextW(title_label_.hwnd(), caption.c_str());
  SetWindowTextW(hwnd(), caption.c_str());
  Compose();
}

int TfrmPopUp::MeasureTextHeight(const std::string& text, const FontSpec& font, int width) {
  Font measured(MakeFont(font));
  MemoryDC dc;
  SelectionScope selected(dc.dc(), measured.get());
  RECT r{0, 0, width, 0};
  const std::wstring drawable = DrawableText(text);
  DrawTextW(dc.dc(), drawable.c_str(), -1, &r, DT_CALCRECT | kTextFormat);
  return r.bottom;
}

void TfrmPopUp::SetText(const std::string& text, const FontSpec& font, TAlignment alignment,
                        const Bounds& label) {
  text_ = DrawableText(text);
  if (!(font == text_spec_) || text_font_.get() == nullptr) {
    text_spec_ = font;
    text_font_.Reset(MakeFont(font));
  }
  text_alignment_ = AlignmentFormat(alignment);
  text_rect_ = RECT{label.left, label.top, label.left + label.width, label.top + label.height};
  SetWindowPos(text_label_.hwnd(), nullptr, label.left, label.top, label.width, label.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowTextW(text_label_.hwnd(), Utf8ToWide(text).c_str());
  Compose();
  Refresh();
}

void TfrmPopUp::SetBounds(const Bounds& b) {
  SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

Bounds TfrmPopUp::ShowNoActivate(const Bounds& bounds, TDefaultMonitor monitor) {
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  if (monitor == TDefaultMonitor::dmDesktop) return bounds;
  HMONITOR target = nullptr;
  switch (monitor) {
    case TDefaultMonitor::dmPrimary:
      target = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
      break;
    case TDefaultMonitor::dmMainForm:
      target = MonitorFromWindow(owner_, MONITOR_DEFAULTTOPRIMARY);
      break;
    case TDefaultMonitor::dmActiveForm: {
      HWND active = GetActiveWindow();
      target = MonitorFromWindow(active != nullptr ? active : owner_, MONITOR_DEFAULTTOPRIMARY);
      break;
    }
    case TDefaultMonitor::dmDesktop:
      break;
  }
  const HMONITOR current = MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST);
  MONITORINFO from{}, to{};
  from.cbSize = to.cbSize = sizeof(MONITORINFO);
  if (target == nullptr || target == current || !GetMonitorInfoW(current, &from) ||
      !GetMonitorInfoW(target, &to)) {
    return bounds;
  }
  const Bounds moved = MoveToDisplay(
      bounds,
      Rect{from.rcMonitor.left, from.rcMonitor.top, from.rcMonitor.right, from.rcMonitor.bottom},
      Rect{to.rcMonitor.left, to.rcMonitor.top, to.rcMonitor.right, to.rcMonitor.bottom});
  SetBounds(moved);
  return moved;
}

void TfrmPopUp::Compose() {
  if (panel_.width <= 0 || panel_.height <= 0) return;
  WindowDC screen(nullptr);
  frame_.Reset(CreateCompatibleBitmap(screen.dc(), panel_.width, panel_.height));
  MemoryDC dc;
  SelectionScope frame(dc.dc(), frame_.get());
  const RECT all{0, 0, panel_.width, panel_.height};
  FillRect(dc.dc(), &all, GetSysColorBrush(COLOR_BTNFACE));

  // The panel's lowered bevel, two pixels wide.
  for (int i = 0; i < parts_.bevel; ++i) {
    const RECT top{i, i, panel_.width - i, i + 1};
    const RECT left{i, i, i + 1, panel_.height - i};
    const RECT bottom{i, panel_.height - i - 1, panel_.width - i, panel_.height - i};
    const RECT right{panel_.width - i - 1, i, panel_.width - i, panel_.height - i};
    FillRect(dc.dc(), &top, GetSysColorBrush(COLOR_BTNSHADOW));
    FillRect(dc.dc(), &left, GetSysColorBrush(COLOR_BTNSHADOW));
    FillRect(dc.dc(), &bottom, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    FillRect(dc.dc(), &right, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  }

  if (!picture_.Empty()) {
    const BITMAPINFO info = TopDownRgb32(picture_.width, picture_.height);
    SetDIBitsToDevice(dc.dc(), parts_.bevel, parts_.bevel, static_cast<DWORD>(picture_.width),
                      static_cast<DWORD>(picture_.height), 0, 0, 0,
                      static_cast<UINT>(picture_.height), picture_.pixels.data(), &info,
                      DIB_RGB_COLORS);
  }

  SetBkMode(dc.dc(), TRANSPARENT);
  if (text_font_.get() != nullptr) {
    SelectionScope font(dc.dc(), text_font_.get());
    SetTextColor(dc.dc(), ColourRef(text_spec_.colour));
    RECT r = text_rect_;
    DrawTextW(dc.dc(), text_.c_str(), -1, &r, kTextFormat | text_alignment_);
  }
  if (title_font_.get() != nullptr) {
    SelectionScope font(dc.dc(), title_font_.get());
    SetTextColor(dc.dc(), ColourRef(title_spec_.colour));
    RECT r = title_rect_;
    DrawTextW(dc.dc(), title_.c_str(), -1, &r, DT_NOPREFIX | DT_EXPANDTABS);
  }

  if (strip_.get() != nullptr) {
    BITMAP strip{};
    GetObjectW(strip_.get(), sizeof strip, &strip);
    MemoryDC source;
    SelectionScope selected(source.dc(), strip_.get());
    SetStretchBltMode(dc.dc(), COLORONCOLOR);
    StretchBlt(dc.dc(), parts_.bevel, panel_.height - parts_.bevel - parts_.strip,
               panel_.width - 2 * parts_.bevel, parts_.strip, source.dc(), 0, 0, strip.bmWidth,
               strip.bmHeight, SRCCOPY);
  }
}

void TfrmPopUp::Refresh() {
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Win32PopupFactory::Open(TPopupNotifier& notifier, const PopupSettings& settings) {
  auto* popup = new TfrmPopUp(notifier, settings, owner_, *this);
  if (!popup->Create()) {
    // No window: nothing will ever count this popup out.
    delete popup;
    notifier.CountOut();
    return;
  }
  open_.insert(popup);
  popup->Model().PlaceAndShow(GetTickCount64());
}

void Win32PopupFactory::DestroyAll() {
  const std::set<TfrmPopUp*> open = open_;
  for (TfrmPopUp* popup : open) DestroyWindow(popup->hwnd());
}

}  // namespace tavlin
