// strip/ holds the strip: its portable host and its window with the menu, hints, layout, reach
// and top-most rules, the settings file and the report queue.
// The strip's window: the borderless, always-on-top strip with the game-time panel, the real-time
// panel and the quiz panel, and its popup menu. It shows what the host asks (StripView) and hands
// the player's commands and the timer's messages to the host by name.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "strip/strip_hints_win32.h"
#include "strip/strip_host.h"
#include "strip/strip_layout.h"
#include "strip/strip_menu_win32.h"
#include "strip/strip_view.h"
#include "widgets/game_time_pane_win32.h"
#include "widgets/quiz_label_win32.h"
#include "widgets/rounded_panel_win32.h"
#include "win32/gdi_win32.h"
#include "win32/shown_text_win32.h"
#include "win32/window_base_win32.h"

namespace tavlin {

/// The strip's window class, by which a second start of the program finds the running strip.
inline constexpr wchar_t kStripWindowClass[] = L"TForm_study";
/// Posted to the strip by a second start of the program: a hidden strip is shown, and the strip
/// comes to the front, top-most.
inline constexpr UINT kShowStripRequest = WM_APP + 20;

class StripWindow : public WindowBase, public StripView {
 public:
  /// Creates the strip hidden, with its widgets and menu; `host` decides everything else and
  /// must outlive the window.
  explicit StripWindow(StripHost& host);

  /// Shows the strip top-most, with the quiz panel as quiz mode says: where the settings file
  /// remembers it, or else centred on the screen. A strip the host keeps hidden is only placed.
  void Show();
  /// The player looks for the strip (a second start, a click on the notification-area icon): a
  /// hidden strip is shown, and the strip comes to the front, top-most.
  void OnShowStripRequest();
  /// The strip's menu at `screen_point`, as from the notification-area icon.
  void OpenMenuAt(POINT screen_point);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  // StripView.
  void ShowRealTime(const std::string& text) override;
  void ShowGameTexts(const std::string& pane, const std::string& summary) override;
  void SetBlinking(bool on) override;
  void SetPaneColour(const Rgb& colour) override;
  void SetAlpha(uint8_t alpha) override;
  void CheckMenuRadio(uint32_t command) override;
  void EnableSoundMenu() override;
  void SetMenuItem(uint32_t command, const std::string& text, bool checked) override;
  void ShowQuizPanel(bool shown) override;
  void SetQuizLine(const std::string& text) override;
  void FocusNextQuizButton() override;
  bool IsOnTop() const override;
  void PlaceOnTop() override;
  void PlaceBelow(HWND__* window) override;
  void SetTickInterval(int ms) override;
  void ScheduleReport() override;
  void ShowReportBox(const std::string& text) override;
  void Close() override;
  bool AskShowHeldBeforeEnding(const std::string& text) override;
  void SetStripShown(bool shown) override;
  void ShowHideItem(bool hidden, bool enabled) override;

  // Window events.
  void OnCreate();
  void OnCommand(UINT id);
  /// "M": the menu at the mouse pointer.
  void OnOpenMenu();
  void OnContextMenu(LPARAM screen_point);
  void OnSize();
  /// WM_DPICHANGED: fonts, marks and widgets for `dpi`, the strip where `suggested` puts it
  /// (kept within reach).
  void OnDpiChanged(int dpi, const RECT* suggested);
  /// Fonts, marks, text boxes and widgets for `dpi`, the width fitted in the new font.
  void ApplyDpi(int dpi);
  /// WM_GETDPISCALEDSIZE: the strip's window size at `dpi`.
  SIZE SizeAtDpi(int dpi) const;
  /// The text boxes at `dpi`, measured in `strip_font` (of that DPI) and the game time's font.
  StripBoxes FitTextBoxes(int dpi, HFONT strip_font) const;
  /// WM_DISPLAYCHANGE, or a new work area (a moved or resized task bar): the strip within reach.
  void OnScreenChanged();
  /// WM_EXITSIZEMOVE: a window drag has ended: the strip back within reach, its place remembered.
  void OnDragEnded();
  /// A press on the strip's background, a panel, the label or the pane: a window drag.
  void StartDrag();

  /// Moves the strip, keeping its size, into the nearest monitor's work area when too little of
  /// its top row of panels is left in any work area for the player to grab it.
  void KeepStripWithinReach();
  void CreateFonts();
  /// Lets a second start reach the strip when it runs elevated and the second start does not.
  void AllowShowStripRequest();
  void CreateWidgets();
  /// The one layout pass: every widget its bounds and font from a fresh layout of the strip's
  /// client width at its DPI.
  void LayOutWidgets();
  /// The pointer is over the strip: its hints are made the first time.
  void WakeHints();
  /// The client width from Label1's width; the height stays.
  void FitWidthToQuizLine();
  /// The strip's window rectangle at its remembered place, or nothing: centred.
  std::optional<Rect> RestoredPlace() const;

  StripHost& host_;
  StripMenu menu_;
  int dpi_ = 96;
  StripLayout layout_;
  StripBoxes boxes_;      // the text boxes for the fonts of dpi_
  bool placing_ = false;  // tavlin itself is moving the strip (a restore)
  Font font_;             // "굴림" 12: the window, its panels, the label, Button1 and Button3
  Font small_font_;       // "굴림" 11: Button2
  std::unique_ptr<RoundedPanel> panel1_;
  std::unique_ptr<RoundedPanel> panel3_;
  std::unique_ptr<RoundedPanel> panel2_;
  std::unique_ptr<GameTimePane> status_pane1_;
  std::unique_ptr<QuizLabel> label1_;
  ShownText real_time_shown_;  // Panel3's caption
  ShownText pane_shown_;       // StatusPane1's caption
  ShownText summary_shown_;    // Panel1's caption
  HWND button1_ = nullptr;
  HWND button2_ = nullptr;
  HWND button3_ = nullptr;
  StripHints hints_;
  WindowTimer timer1_;
};

}  // namespace tavlin
