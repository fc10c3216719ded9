// The game-hour timetable window: the current double-hour and the eleven after it with their real
// start times, lengths and next three beginnings. Created hidden at start-up, opened from the main
// window's menu, hidden (never destroyed) by its close button.
#pragma once

#include <windows.h>

#include "timetable/timetable_grid_win32.h"
#include "timetable/timetable_link.h"
#include "win32/window_base_win32.h"

namespace tavlin {

class TimetableWindow final : public WindowBase, public TimetableLink {
 public:
  static constexpr wchar_t kClassName[] = L"TForm_TimeTable";

  /// Creates the window hidden and centred on the screen, builds the game-hour schedule again and
  /// fills the table for the present time. `owner` is the window it belongs to (the main clock
  /// window, or nullptr). Create it after the main window.
  explicit TimetableWindow(HWND owner);

  /// A hidden window is refilled for the present time, shown, made top-most and activated; a
  /// visible one is only brought to the front, its table unchanged.
  void ShowFromMenu() override;
  bool Visible() const override;
  bool MenuOpen() const override { return menu_open_; }
  HWND window() const override { return hwnd(); }
  /// Top-most again, without moving, sizing or activating it.
  void KeepOnTop() override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void OnCreate();
  /// Shows the window top-most (activation allowed) and refills the table.
  void ShowFilled();
  /// Closing only hides the window.
  void OnClose();
  /// Fills the grid for the present time of the local clock and selects row 1.
  void FillGrid();
  void OnGetMinMaxInfo(MINMAXINFO& info) const;
  /// WM_DPICHANGED: the window takes the system's rectangle, the grid its cells and font.
  void OnDpiChanged(int dpi, const RECT& suggested);

  int dpi_ = 96;
  bool menu_open_ = false;
  TimetableGrid grid_;
};

}  // namespace tavlin
