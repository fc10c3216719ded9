// The black game-time pane and the one blink clock that all blinking panes share.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "base/geometry.h"
#include "base/ink_placement.h"
#include "widgets/widget_win32.h"
#include "win32/gdi_win32.h"

namespace tavlin {

class GameTimePane;

/// The pane's font at `dpi`: bold "굴림" 19 scaled. The caller owns it.
HFONT CreateGameTimeFont(int dpi);

/// One process-wide clock of 300 ms phases. Every blinking pane shows the phase of this clock, so
/// panes blink in step and a pane that starts blinking joins the phase in progress. The clock
/// sleeps while no pane blinks, so an idle strip wakes only for its tick; the first pane to blink
/// starts it on a fresh phase of the blink colour.
class BlinkClock {
 public:
  static constexpr UINT kPhaseMs = 300;
  static BlinkClock& Instance();

  /// True during the phases that show the blink colour.
  bool blink_phase() const { return blink_phase_; }
  void Join(GameTimePane* pane);
  void Leave(GameTimePane* pane);
  /// A pane started or stopped blinking: the clock runs exactly while some pane blinks.
  void OnBlinkingChanged();

 private:
  BlinkClock() = default;
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void OnPhase();
  void Stop();

  std::vector<GameTimePane*> panes_;
  bool blink_phase_ = false;
  UINT_PTR timer_ = 0;
};

class GameTimePane : public Widget {
 public:
  static constexpr COLORREF kBlinkColour = RGB(51, 153, 255);

  /// A visible child of `parent` at `bounds`, drawn for `dpi`; `on_press`: left button pressed.
  GameTimePane(HWND parent, const Bounds& bounds, int dpi, std::function<void()> on_press);

  /// New bounds at a new DPI: the font, the ring and the frame follow.
  void Place(const Bounds& bounds, int dpi);
  ~GameTimePane() override;

  /// While blinking, the text alternates between the blink colour and the selected colour.
  void SetBlinking(bool on);
  bool blinking() const { return blinking_; }
  /// The selected text colour; shown at once unless a blink phase is showing the blink colour.
  void SetTextColour(COLORREF colour);

  /// The blink clock changed phase.
  void OnBlinkPhase();

 private:
  void Paint(HDC target, const RECT& area) override;
  /// A new text is drawn at once, the interior only.
  void OnTextChanged() override { RepaintInterior(); }
  COLORREF ShownColour() const;
  /// The font, the text's place and the frame colour for `dpi` and a pane `height` high, made
  /// once per DPI.
  void MakeDrawingTools(int dpi, int height);
  /// The font of `font_height` pixels and what the text's place needs of it.
  void MeasureFont(int font_height);
  /// Draws the black interior, where the text is, at once; the ring and frame stay.
  void RepaintInterior();
  RECT Interior() const;

  Font font_;
  int dpi_ = 96;
  int pp_height_ = 0;   // of "Pp" in the font: the text is centred on it
  int widest_ink_ = 0;  // where the ink of the widest "hh:mm:ss" ends, from the text's start
  InkRows ink_rows_;    // the rows of the cell the clock's glyphs ink
  COLORREF frame_colour_ = 0;
  PaintBuffer buffer_;
  COLORREF text_colour_ = RGB(0, 255, 0);
  bool blinking_ = false;
};

}  // namespace tavlin
