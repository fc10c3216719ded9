// The popup windows of the notifier on the Windows desktop.
#pragma once

#include <windows.h>

#include <set>

#include "popup/popup_desktop_win32.h"
#include "popup/popup_notifier.h"

namespace tavlin {

class TfrmPopUp;

/// Makes TfrmPopUp windows for a notifier. Each one frees itself when it closes; the factory
/// destroys those still open when it goes, so none outlives the notifier it reads.
class Win32PopupFactory final : public PopupWindowFactory {
 public:
  /// `owner` is the main window: the display a popup moves to with dmMainForm.
  explicit Win32PopupFactory(HWND owner) : owner_(owner) {}
  Win32PopupFactory(const Win32PopupFactory&) = delete;
  Win32PopupFactory& operator=(const Win32PopupFactory&) = delete;
  ~Win32PopupFactory() override { DestroyAll(); }

  void Open(TPopupNotifier& notifier, const PopupSettings& settings) override;
  /// Destroys every popup window still open, without counting any out.
  void DestroyAll();
  /// A popup window is being destroyed.
  void Forget(TfrmPopUp* popup) { open_.erase(popup); }

 private:
  HWND owner_;
  std::set<TfrmPopUp*> open_;
};

/// A notifier with the real desktop and real popup windows: the main window's `Notifier1`.
/// Create it in the main window's creation, configure it with ConfigureSystemNotifier, and let
/// it go with the main window (its open popups go with it).
class Win32PopupNotifier {
 public:
  explicit Win32PopupNotifier(HWND owner)
      : desktop_(owner), factory_(owner), notifier_(desktop_, factory_) {}
  Win32PopupNotifier(const Win32PopupNotifier&) = delete;
  Win32PopupNotifier& operator=(const Win32PopupNotifier&) = delete;
  ~Win32PopupNotifier() { factory_.DestroyAll(); }

  TPopupNotifier& Notifier() { return notifier_; }

 private:
  Win32PopupDesktop desktop_;
  Win32PopupFactory factory_;
  TPopupNotifier notifier_;
};

}  // namespace tavlin
