// Scoped owners of GDI objects, selections, paint pairs, device contexts and timers. Each one
// releases exactly what it acquired; copying is deleted so nothing is released twice.
#pragma once

#include <windows.h>

#include <utility>

namespace tavlin {

/// Owns one GDI object (font, brush, pen, bitmap) and deletes it.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ~GdiObject() { Reset(); }

  Handle get() const { return handle_; }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

/// Selects an object into a device context and puts the previous one back.
class SelectionScope {
 public:
  SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;
  ~SelectionScope() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

/// BeginPaint ... EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }
  HDC dc() const { return dc_; }
  /// The part of the client area this paint is for.
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

/// GetDC ... ReleaseDC (a null window gives the screen's context).
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() { ReleaseDC(window_, dc_); }
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

/// Draws `area` of `window` with `paint(dc, area)` at once, instead of invalidating it and waiting
/// for WM_PAINT: a text that changes every second costs one draw and no paint message. A hidden
/// window is left alone; it is painted as usual when it is shown.
template <class Painter>
void PaintNow(HWND window, const RECT& area, Painter paint) {
  if (!IsWindowVisible(window)) return;
  WindowDC dc(window);
  paint(dc.dc(), area);
}

/// CreateCompatibleDC ... DeleteDC: a memory context to draw into or to measure text with. With
/// no argument it is compatible with the screen.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatible_with = nullptr) : dc_(CreateCompatibleDC(compatible_with)) {}
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() { DeleteDC(dc_); }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
};

/// An off-screen copy of a window's client area: paint into dc(), and the destructor copies the
/// finished picture to the target in one step, so a repaint never shows half-drawn states.
class BufferedPaint {
 public:
  BufferedPaint(HDC target, int width, int height)
      : target_(target),
        width_(width),
        height_(height),
        dc_(target),
        bitmap_(CreateCompatibleBitmap(target, width, height)),
        selection_(dc_.dc(), bitmap_.get()) {}
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;
  ~BufferedPaint() {
    BitBlt(target_, 0, 0, width_, height_, dc_.dc(), 0, 0, SRCCOPY);
    // The selection must end before the context goes; members are destroyed after this body.
  }
  HDC dc() const { return dc_.dc(); }

 private:
  HDC target_;
  int width_;
  int height_;
  MemoryDC dc_;
  Bitmap bitmap_;
  SelectionScope selection_;  // destroyed first: the bitmap leaves the context before both go
};

/// The off-screen picture of one window, kept between its paints so that a paint makes no bitmap
/// or context; a new one is made only when the window's size has changed.
class PaintBuffer {
 public:
  PaintBuffer() = default;
  PaintBuffer(const PaintBuffer&) = delete;
  PaintBuffer& operator=(const PaintBuffer&) = delete;
  ~PaintBuffer() {
    KeepFont(nullptr);
    DropBitmap();
    if (dc_ != nullptr) DeleteDC(dc_);
  }

  /// Keeps `font` selected in the context between paints (null: the context's own font again).
  /// Each selection of a font costs Wine a font lookup and, under X, a read of the display's
  /// defaults. The owner of a font drops it here before deleting it.
  void KeepFont(HFONT font) {
    if (dc_ == nullptr || font == font_) return;
    const HGDIOBJ previous = SelectObject(dc_, font != nullptr ? font : original_font_);
    if (font_ == nullptr) original_font_ = previous;
    font_ = font;
  }

  /// A context holding a `width` x `height` picture compatible with `target`.
  HDC Prepare(HDC target, int width, int height) {
    if (dc_ == nullptr) dc_ = CreateCompatibleDC(target);
    if (bitmap_ == nullptr || width != width_ || height != height_) {
      DropBitmap();
      bitmap_ = CreateCompatibleBitmap(target, width, height);
      original_ = SelectObject(dc_, bitmap_);
      width_ = width;
      height_ = height;
    }
    return dc_;
  }

 private:
  void DropBitmap() {
    if (bitmap_ == nullptr) return;
    SelectObject(dc_, original_);
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
  }

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
  HFONT font_ = nullptr;  // kept selected; null: original_font_ is
  HGDIOBJ original_font_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

/// One paint of `area` (the part that changed) through a window's kept buffer: drawing outside
/// `area` is clipped away, and the end copies only `area` to the target in one step.
class BufferedAreaPaint {
 public:
  BufferedAreaPaint(PaintBuffer& buffer, HDC target, int width, int height, const RECT& area)
      : target_(target), area_(area), dc_(buffer.Prepare(target, width, height)) {
    IntersectClipRect(dc_, area.left, area.top, area.right, area.bottom);
  }
  BufferedAreaPaint(const BufferedAreaPaint&) = delete;
  BufferedAreaPaint& operator=(const BufferedAreaPaint&) = delete;
  ~BufferedAreaPaint() {
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_,
           area_.left, area_.top, SRCCOPY);
    SelectClipRgn(dc_, nullptr);
  }
  HDC dc() const { return dc_; }

 private:
  HDC target_;
  RECT area_;
  HDC dc_;
};

/// A window timer (SetTimer ... KillTimer). A window that tells its timers apart in WM_TIMER can
/// give each one its id at construction, start it by interval alone and compare against id().
class WindowTimer {
 public:
  WindowTimer() = default;
  explicit WindowTimer(UINT_PTR id) : id_(id) {}
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
  ~WindowTimer() { Stop(); }
  /// (Re)starts the timer under `id`, which becomes id() from then on.
  void Start(HWND window, UINT_PTR id, UINT interval_ms) {
    Stop();
    id_ = id;
    Start(window, interval_ms);
  }
  /// (Re)starts the timer under the id it already has.
  void Start(HWND window, UINT interval_ms) {
    // On the same window and id, SetTimer replaces the running timer.
    if (window != window_) Stop();
    window_ = window;
    timer_ = SetTimer(window, id_, interval_ms, nullptr);
  }
  void Stop() {
    if (timer_ != 0) KillTimer(window_, timer_);
    timer_ = 0;
  }
  UINT_PTR id() const { return id_; }

 private:
  HWND window_ = nullptr;
  UINT_PTR id_ = 0;
  UINT_PTR timer_ = 0;  // what SetTimer returned, which KillTimer takes; 0 while stopped
};

/// The BITMAPINFO of a `width` × `height` picture of 32-bit 0x00RRGGBB pixels, rows from the top.
inline BITMAPINFO TopDownRgb32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

/// Fills a rectangle with a solid colour, with the context's own DC brush: no brush is made.
inline void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace tavlin
