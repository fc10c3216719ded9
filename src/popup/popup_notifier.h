// popup/ holds the popup notifier: stacking, the popup model and picture, and their windows.
// The popup notifier: opens small self-closing message windows stacked in a column next to the
// task bar. It keeps only a count of its open popups and the running stacking offset; the windows
// themselves come from a factory and the screen facts from a desktop interface.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "popup/popup_types.h"
#include "popup/taskbar_edge.h"

namespace tavlin {

class TPopupNotifier;
class PopupModel;

/// Who raised a click event: exactly one of the two is set.
struct PopupSender {
  TPopupNotifier* notifier = nullptr;
  PopupModel* popup = nullptr;
};
using TNotifyEvent = std::function<void(const PopupSender& sender)>;
using TURLEvent = std::function<void(const PopupSender& sender, const std::string& url)>;

/// The screen as the notifier and its popups see it.
class PopupDesktop {
 public:
  virtual ~PopupDesktop() = default;
  /// The task bar's screen rectangle, its monitor and whether it hides, or nothing when the
  /// shell does not answer.
  virtual std::optional<TaskbarState> Taskbar() = 0;
  /// The desktop rectangle without the task bar of the monitor `monitor` chooses (PopupMonitor):
  /// the primary one's for every choice but dmMainForm.
  virtual Rect WorkArea(TDefaultMonitor monitor) = 0;
  /// The DPI of the monitor that work area lies on: popups are sized and placed at it.
  virtual int Dpi(TDefaultMonitor monitor) = 0;
  /// True while any window of the popup window class exists, visible or not, in any process.
  virtual bool PopupWindowExists() = 0;
};

/// What a popup copies from the notifier when it is opened. Fonts, the icon, the background image,
/// the placement margins and the options are read from the notifier whenever they are needed.
struct PopupSettings {
  TDefaultMonitor DefaultMonitor = TDefaultMonitor::dmDesktop;
  int Dpi = 96;        ///< of the work area's monitor when opened; the sizes below are at 96
  int PopupWidth = 0;  ///< full size at 96 DPI
  int PopupHeight = 0;
  std::string Text;
  std::string URL;
  std::string Title;
  int TimeOut = 0;
  bool AllowScroll = false;     ///< pnAllowScroll when opened
  bool AllowHyperlink = false;  ///< pnAllowHyperlink when opened
  int ScrollSpeed = 1;          ///< pixels per step at 96 DPI
  int TextCursor = crDefault;
  Colour GradientColor1;
  Colour GradientColor2;
  TOrientation GradientOrientation = TOrientation::mbVertical;
  TImageDrawMethod BackgroundDrawMethod = TImageDrawMethod::dmActualSize;
  TAlignment TextAlignment = TAlignment::taCenter;
};

/// Makes popup windows.
class PopupWindowFactory {
 public:
  virtual ~PopupWindowFactory() = default;
  /// Creates a hidden popup window holding `settings` and runs its PlaceAndShow. The window
  /// counts itself out of `notifier` and frees itself when it closes.
  virtual void Open(TPopupNotifier& notifier, const PopupSettings& settings) = 0;
};

/// Where the popup of stacking offset `offset` goes. A popup over an unknown edge is placed as
/// over a bottom task bar, so that it still rises, stays and leaves by itself.
Bounds SlotBounds(TaskbarEdgeKind edge, const Rect& work_area, int start_x, int start_y, int width,
                  int height, int offset);

class TPopupNotifier {
 public:
  /// Both must outlive the notifier.
  TPopupNotifier(PopupDesktop& desktop, PopupWindowFactory& factory);
  TPopupNotifier(const TPopupNotifier&) = delete;
  TPopupNotifier& operator=(const TPopupNotifier&) = delete;

  // Settings, in their declared order. Writing one takes effect at the next ShowNotice, or for
  // the margins, Options, IconLeft/IconTop and the images whenever a popup next reads them.
  // The fonts and bitmaps are the notifier's own: assigning one copies the given value in.
  std::string Text = "text";
  std::string URL = "https://example.com/";
  PixelBitmap IconBitmap;
  int IconLeft = 8;
  int IconTop = 8;
  int TimeOut = 10;  ///< seconds
  int Width = 148;
  int Height = 121;
  Colour GradientColor1 = ColourFromBgr(kNeutralGradientColour);
  Colour GradientColor2 = Colour::Rgb(255, 255, 255);
  TOrientation GradientOrientation = TOrientation::mbVertical;
  FontSpec Font;
  FontSpec HoverFont = [] {
    FontSpec f;
    f.underline = true;
    f.colour = Colour::Rgb(0, 0, 255);
    return f;
  }();
  std::string Title = "title";
  FontSpec TitleFont = [] {
    FontSpec f;
    f.bold = true;
    return f;
  }();
  TPopupOptions Options{TPopupOption::pnAutoOpenURL, TPopupOption::pnCascadePopups,
                        TPopupOption::pnAllowScroll, TPopupOption::pnAllowHyperlink,
                        TPopupOption::pnAllowDuplicate};
  TAlignment TextAlignment = TAlignment::taCenter;
  TImageDrawMethod BackgroundDrawMethod = TImageDrawMethod::dmActualSize;
  int TextCursor = crDefault;
  int PopupMarge = 2;
  int PopupStartX = 16;
  int PopupStartY = 2;
  TDefaultMonitor DefaultMonitor = TDefaultMonitor::dmDesktop;
  PixelBitmap BackgroundImage;
  TNotifyEvent OnClick;
  TURLEvent OnURLClick;
  /// Raised after a popup has closed for good and been counted out: room may have come back.
  /// It may come from inside the closing popup's own message handling.
  std::function<void()> OnCountOut;

  /// Pixels added or removed per animation step, kept within 1..50.
  int ScrollSpeed() const { return scroll_speed_; }
  void SetScrollSpeed(int speed) { scroll_speed_ = speed < 1 ? 1 : (speed > 50 ? 50 : speed); }

  /// Opens one popup with the current settings next to the task bar, in the next slot of the
  /// column. False, with nothing changed, when the duplicate test or the room test refuses.
  bool ShowNotice() { return ShowNotice(Notice{Title, Text, GradientColor1}); }
  /// The same with the title, text and first gradient colour of `notice` in place of Title, Text
  /// and GradientColor1, which are left as they are.
  bool ShowNotice(const Notice& notice);

  /// The edge the task bar sits on now.
  TaskbarEdgeKind TaskbarEdge();
  /// The work area the popups rise in now, on the monitor DefaultMonitor chooses.
  Rect WorkArea() { return desktop_.WorkArea(DefaultMonitor); }

  /// Popups opened and not yet counted out; never below 0.
  int PopupCount() const { return popup_count_; }
  /// Distance of the next slot from the first slot.
  int CascadeOffset() const { return cascade_offset_; }
  TaskbarEdgeKind LastEdge() const { return last_edge_; }

  /// A popup placed at `dpi` with the current offset moves it on: by Height + PopupMarge at that
  /// DPI when cascading (over an unknown edge too, as popups stack there as over a bottom task
  /// bar), back to 0 without cascading.
  void AdvanceCascade(int dpi);
  /// A popup has closed for good.
  void CountOut() {
    if (popup_count_ > 0) --popup_count_;
    if (OnCountOut) OnCountOut();
  }

 private:
  PopupDesktop& desktop_;
  PopupWindowFactory& factory_;
  int scroll_speed_ = 9;
  int popup_count_ = 0;
  int cascade_offset_ = 0;
  TaskbarEdgeKind last_edge_ = TaskbarEdgeKind::kLeft;
};

/// The settings of the main window's `Notifier1`: 15 s stays, 195 × 110 popups, Korean fonts,
/// cascading, sliding and duplicates allowed, no hyperlink mode, tiled background images.
void ConfigureSystemNotifier(TPopupNotifier& notifier);

}  // namespace tavlin
