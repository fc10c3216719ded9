// tavlin's icon in the notification area: the program's icon with the tooltip "tavlin", there
// while tavlin runs and added again when Explorer restarts. A left click and a right click reach
// the program as named events; the icon itself decides nothing.
#pragma once

#include <windows.h>

#include <functional>

#include "win32/window_base_win32.h"

namespace tavlin {

/// The class of the icon's hidden window, which the shell's messages come to.
inline constexpr wchar_t kNotifyIconWindowClass[] = L"TavlinNotifyIcon";
/// The message the shell sends the icon's window for the player's clicks on the icon.
inline constexpr UINT kNotifyIconMessage = WM_APP + 30;

class NotifyIcon : public WindowBase {
 public:
  struct Events {
    std::function<void()> select;             ///< a left click, or Enter/Space on the icon
    std::function<void(POINT)> open_menu;     ///< a right click, or the menu key, at a point
    std::function<void(bool added)> present;  ///< the icon was added (true) or could not be
  };

  /// Makes the icon's window and adds the icon; `events.present` tells the outcome at once.
  explicit NotifyIcon(Events events);
  /// Takes the icon out of the notification area.
  ~NotifyIcon() override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  /// Adds the icon at the size the system asks for now; tells `events_.present` how it went.
  void Add();
  void Remove();
  /// The shell's message for a click on the icon.
  void OnIconMessage(WPARAM wparam, LPARAM lparam);

  Events events_;
  UINT taskbar_created_ = 0;  // the shell's "TaskbarCreated", broadcast when Explorer starts
  HICON icon_ = nullptr;
  bool added_ = false;
  bool version4_ = false;  // the shell sends the messages of NOTIFYICON_VERSION_4
};

}  // namespace tavlin
