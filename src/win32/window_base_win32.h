// win32/ holds what every window shares: the window base, scoped GDI owners and colours.
// The link between a window handle and the C++ object that owns it.
#pragma once

#include <windows.h>

#include <cassert>
#include <string>

namespace tavlin {

/// Base of every window class of the program. The object owns its HWND: the handle is destroyed
/// with the object. Messages reach HandleMessage on the object that created the window with
/// CreateHandle; the trampoline stores it at WM_NCCREATE.
class WindowBase {
 public:
  WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  virtual ~WindowBase() {
    if (hwnd_ != nullptr) {
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      DestroyWindow(hwnd_);
    }
  }

  HWND hwnd() const { return hwnd_; }

 protected:
  /// Registers a window class whose procedure is the trampoline (once per name). Top-level
  /// windows players see take the program's icon (resource 1) for their task-bar button and
  /// caption.
  static void RegisterClassOnce(const wchar_t* name, UINT style, HBRUSH background,
                                bool program_icon = false) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) return;
    wc.style = style;
    wc.lpfnWndProc = &WindowBase::Trampoline;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    if (program_icon) {
      wc.hIcon = static_cast<HICON>(LoadImageW(wc.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXICON),
                                               GetSystemMetrics(SM_CYICON), LR_SHARED));
      wc.hIconSm = static_cast<HICON>(LoadImageW(wc.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    }
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
  }

  /// CreateWindowExW for this object: its messages come to HandleMessage from WM_NCCREATE on.
  HWND CreateHandle(DWORD ex_style, const wchar_t* class_name, const wchar_t* text, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu = nullptr) {
    return CreateWindowExW(ex_style, class_name, text, style, x, y, width, height, parent, menu,
                           GetModuleHandleW(nullptr), static_cast<WindowBase*>(this));
  }

  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(hwnd_, message, wparam, lparam);
  }

  /// The window is gone (after WM_NCDESTROY): hwnd() is null. An object that lives as long as its
  /// window may delete itself here, and nowhere else.
  virtual void OnFinalMessage() {}

 private:
  static LRESULT CALLBACK Trampoline(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
      auto* self =
          static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
      assert(self != nullptr && self->hwnd_ == nullptr);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      const LRESULT result = self->HandleMessage(message, wparam, lparam);
      self->hwnd_ = nullptr;
      self->OnFinalMessage();
      return result;
    }
    return self->HandleMessage(message, wparam, lparam);
  }

  HWND hwnd_ = nullptr;
};

/// The window's text as GetWindowTextW gives it.
inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

/// WM_SETTEXT for a window that paints its text itself: the default handling stores the text but
/// redraws only a caption bar, so the client area is marked for repainting here.
inline LRESULT SetTextAndRepaint(HWND window, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = DefWindowProcW(window, WM_SETTEXT, wparam, lparam);
  InvalidateRect(window, nullptr, FALSE);
  return result;
}

/// Lets the system move the top-level window `window` belongs to, as if its caption bar had been
/// grabbed.
inline void StartWindowDrag(HWND window) {
  ReleaseCapture();
  SendMessageW(GetAncestor(window, GA_ROOT), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace tavlin
