// The strip's popup menu: its items, their check marks (which show the choices the strip host
// keeps) and opening it at a point of the screen.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "strip/strip_menu_items.h"

namespace tavlin {

/// True when `menu` itself (not one of its submenus) holds the item `command`.
bool HoldsItem(HMENU menu, UINT command);
/// Shows or clears the check mark of the item `command` of `menu`.
void CheckItem(HMENU menu, UINT command, bool checked);

class StripMenu {
 public:
  StripMenu();
  StripMenu(const StripMenu&) = delete;
  StripMenu& operator=(const StripMenu&) = delete;
  ~StripMenu();

  /// "알림팝업 소리" becomes choosable (it is disabled as made).
  void EnableSound();
  /// Checks `command` and clears the other items of its radio group.
  void CheckRadio(UINT command);
  /// The caption and check mark of the plain item `command`.
  void SetItem(UINT command, const std::wstring& text, bool checked);
  /// The hide item: "스트립 보이기(&H)" while `hidden`, "스트립 숨기기(&H)" otherwise; greyed
  /// unless `enabled` (it is greyed as made).
  void ShowHideItem(bool hidden, bool enabled);

  /// Opens the menu with its top-left corner at `screen_point`; commands go to `owner`.
  void OpenAt(HWND owner, POINT screen_point) const;

  /// The colour marks for a menu shown at `dpi` (16 pixels at 96 DPI). The menu asks their size
  /// afresh each time it opens.
  void SetDpi(int dpi);

  /// The owner's WM_MEASUREITEM and WM_DRAWITEM for the colour marks; false: not a mark.
  bool MeasureMark(MEASUREITEMSTRUCT* item) const;
  bool DrawMark(const DRAWITEMSTRUCT* item) const;

 private:
  HMENU menu_ = nullptr;
  HMENU sound_ = nullptr;
  HMENU alpha_ = nullptr;
  HMENU colour_ = nullptr;
  HMENU popup_monitor_ = nullptr;
  HIMAGELIST marks_ = nullptr;  // ImageList1
  int mark_size_ = 0;
};

}  // namespace tavlin
