// How the main clock window reaches the timetable window. The main window holds it as a plain
// pointer (nullptr: no timetable) and never owns what it points to.
#pragma once

struct HWND__;  // a window handle (HWND)

namespace tavlin {

/// The game-hour timetable window, as the main window's menu and its top-most placements use it.
class TimetableLink {
 public:
  virtual ~TimetableLink() = default;
  /// "게임시진->현실시간표": a hidden window is shown (and refilled); a visible one only comes to
  /// the front.
  virtual void ShowFromMenu() = 0;
  virtual bool Visible() const = 0;
  /// Its system menu is open (the strip must not be placed over it).
  virtual bool MenuOpen() const = 0;
  /// Top-most again, at the top of the top-most band, without moving, sizing or activating it.
  virtual void KeepOnTop() = 0;
  /// Its window, which the strip is placed below.
  virtual HWND__* window() const = 0;
};

}  // namespace tavlin
