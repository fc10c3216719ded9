// What the strip host asks of the strip's window. The window implements it with its widgets;
// tests implement it as a recorder.
#pragma once

#include <cstdint>
#include <string>

#include "base/pixels.h"

struct HWND__;  // a window handle (HWND)

namespace tavlin {

class StripView {
 public:
  virtual ~StripView() = default;

  // The clock's texts and the pane's look.
  virtual void ShowRealTime(const std::string& text) = 0;  ///< Panel3's caption
  /// StatusPane1's caption and Panel1's summary line.
  virtual void ShowGameTexts(const std::string& pane, const std::string& summary) = 0;
  virtual void SetBlinking(bool on) = 0;              ///< StatusPane1's Blinking
  virtual void SetPaneColour(const Rgb& colour) = 0;  ///< StatusPane1's text colour
  /// The window's alpha; the transparent colour key stays in force.
  virtual void SetAlpha(uint8_t alpha) = 0;

  // The menu.
  /// Checks the menu item `command` and clears the others of its radio group.
  virtual void CheckMenuRadio(uint32_t command) = 0;
  virtual void EnableSoundMenu() = 0;  ///< "알림팝업 소리" becomes choosable
  /// The text (UTF-8, "&" before its access key) and check mark of the plain item `command`.
  virtual void SetMenuItem(uint32_t command, const std::string& text, bool checked) = 0;

  // The quiz line.
  virtual void ShowQuizPanel(bool shown) = 0;  ///< Panel2
  /// Label1's text, then the strip's width fitted to it.
  virtual void SetQuizLine(const std::string& text) = 0;
  virtual void FocusNextQuizButton() = 0;  ///< the keyboard focus to Button2

  // The strip's place among the top-most windows.
  /// True when the strip is top-most and no shown window lies above it.
  virtual bool IsOnTop() const = 0;
  virtual void PlaceOnTop() = 0;  ///< the top of the top-most band, not moved nor activated
  /// Top-most, just below `window` (the timetable's), not moved nor activated.
  virtual void PlaceBelow(HWND__* window) = 0;

  // The window's life.
  /// The clock timer from now on every `ms` milliseconds.
  virtual void SetTickInterval(int ms) = 0;
  /// Asks for OnShowReport once the current message has been handled.
  virtual void ScheduleReport() = 0;
  /// Shows `text` in a message box and returns when the player has closed it.
  virtual void ShowReportBox(const std::string& text) = 0;
  virtual void Close() = 0;  ///< closes the strip, which ends the program
  /// Asks `text` in a box with the buttons kShowHeldNowButton and kEndAnywayButton and returns
  /// when the player has chosen: true for kShowHeldNowButton.
  virtual bool AskShowHeldBeforeEnding(const std::string& text) = 0;

  // Putting the strip away.
  /// Shows the strip where it stands, or hides it; the clock and the alarms go on either way.
  virtual void SetStripShown(bool shown) = 0;
  /// The hide item reads "스트립 보이기(&H)" while `hidden` and "스트립 숨기기(&H)" otherwise; it
  /// is greyed unless `enabled`.
  virtual void ShowHideItem(bool hidden, bool enabled) = 0;
};

}  // namespace tavlin
