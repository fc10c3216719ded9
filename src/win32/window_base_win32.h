// win32/ holds what every window shares: the window base, scoped GDI owners and colours.
// The link between a window handle and the C++ object that owns it.
#pragma once

#include <windows.h>

#include <cassert>
#include <string>

#include "win32/fault_sink_win32.h"

namespace tavlin {

/// Base of every window class of the program. The object owns its HWND: the handle is destroyed
/// with the object. Messages reach HandleMessage on the object that created the window with
/// CreateHandle; the trampoline stores it at WM_NCCREATE. A C++ exception that leaves
/// HandleMessage goes to the process's fault sink (fault_sink_win32.h), never to the system.
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
  // No C++ exception leaves a message: it is reported, and the message ends as if it had not
  // been handled (creation fails; a paint is done with, or it would come again at once).
  static LRESULT CALLBACK Trampoline(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    try {
      return Dispatch(hwnd, message, wparam, lparam);
    } catch (...) {
      ReportCurrentException();
    }
    switch (message) {
      case WM_NCCREATE:
        return FALSE;
      case WM_CREATE:
        return -1;
      case WM_PAINT:
        ValidateRect(hwnd, nullptr);
        return 0;
      default:
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
  }

  static LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
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
      // The object lets go of the handle and gets its final call even when the last message
      // failed.
      LRESULT result = 0;
      RunGuarded([&] { result = self->HandleMessage(message, wparam, lparam); });
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

/// Lets the system move the top-level window `window` belongs to, as if its caption bar had been
/// grabbed.
inline void StartWindowDrag(HWND window) {
  ReleaseCapture();
  SendMessageW(GetAncestor(window, GA_ROOT), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace tavlin
