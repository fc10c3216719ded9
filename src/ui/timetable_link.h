// How the main clock window reaches the timetable window. The main window holds it as a plain
// pointer (nullptr: no timetable) and never owns what it points to.
#pragma once

namespace tavlin {

/// The game-hour timetable window, as the main window's menu and deactivation handler use it.
class TimetableLink {
 public:
  virtual ~TimetableLink() = default;
  /// "게임시진->현실시간표": a hidden window is shown (and refilled); a visible one only comes to
  /// the front.
  virtual void ShowFromMenu() = 0;
  virtual bool Visible() const = 0;
  /// Top-most again, without moving, sizing or activating it.
  virtual void KeepOnTop() = 0;
};

}  // namespace tavlin
