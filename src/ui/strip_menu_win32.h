// The strip's popup menu: its items, their check marks (the only record of the transparency,
// colour and sound choices) and opening it at a point of the screen.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace tavlin {

/// Command ids of the menu items, as WM_COMMAND delivers them.
enum MenuCommand : UINT {
  kN12Title = 0x100,
  kN9SoundOn,
  kN10SoundOff,
  kN15AlarmCheck,
  kN2Opaque,
  kN101Alpha20,
  kN201Alpha40,
  kN601Alpha60,
  kWhite1,
  kLime1,
  kBlue1,
  kYellow1,
  kFuchsia1,
  kN6Timetable,
  kN3QuizMode,
  kN7NextQuiz,
  kN5Exit,
};

/// Window alpha of a transparency item, or -1 for any other command.
int AlphaOfCommand(UINT command);
/// Game-time text colour of a colour item, or CLR_INVALID for any other command.
COLORREF ColourOfCommand(UINT command);

class StripMenu {
 public:
  StripMenu();
  StripMenu(const StripMenu&) = delete;
  StripMenu& operator=(const StripMenu&) = delete;
  ~StripMenu();

  /// "알림팝업 소리" with "켜기" checked: both the sound file and the alarm list are there.
  void EnableSound();
  /// The check mark of "켜기": the alarm sound switch.
  bool SoundOn() const;
  /// Checks `command` and clears the other items of its radio group.
  void CheckRadio(UINT command);
  bool IsChecked(UINT command) const;

  /// Opens the menu with its top-left corner at `screen_point`; commands go to `owner`.
  void OpenAt(HWND owner, POINT screen_point) const;

  /// The owner's WM_MEASUREITEM and WM_DRAWITEM for the colour marks; false: not a mark.
  bool MeasureMark(MEASUREITEMSTRUCT* item) const;
  bool DrawMark(const DRAWITEMSTRUCT* item) const;

 private:
  HMENU menu_ = nullptr;
  HMENU sound_ = nullptr;
  HMENU alpha_ = nullptr;
  HMENU colour_ = nullptr;
  HIMAGELIST marks_ = nullptr;  // ImageList1
};

}  // namespace tavlin
