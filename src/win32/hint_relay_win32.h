// Hints for the program's own widgets, fed by the widgets themselves.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

namespace tavlin {

/// Hands a mouse message of `window` to the tooltip `hints` (nothing when it is null or the message
/// is not a mouse message), so it can show `window`'s hint. A widget that does this itself needs
/// no subclassing by the tooltip: a subclassed window pays for the subclass lookup on every
/// message it gets, its once-a-second texts and paints included.
inline void RelayMouseToHints(HWND hints, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (hints == nullptr || message < WM_MOUSEFIRST || message > WM_MOUSELAST) return;
  MSG relayed{window, message, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
  const DWORD at = GetMessagePos();
  relayed.pt = POINT{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  SendMessageW(hints, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace tavlin
