#include "strip/strip_menu_win32.h"

#include <initializer_list>

#include "alarms/quiet_modes.h"
#include "base/scaling.h"
#include "base/wide_text.h"
#include "strip/colour_mark.h"
#include "win32/gdi_win32.h"

namespace tavlin {

namespace {

constexpr int kMarkSize = 16;
constexpr int kNoMark = -1;
constexpr wchar_t kHideCaption[] = L"스트립 숨기기(&H)";
constexpr wchar_t kShowCaption[] = L"스트립 보이기(&H)";

// One item of the menu. The strip's first items carry no "&": the menu shows them as written and
// assigns them no access keys. Later items name theirs with "&".
struct MenuItemDef {
  const wchar_t* caption;
  UINT id = 0;              // the command; an item that opens a submenu has none
  HMENU submenu = nullptr;  // the submenu the item opens
  bool radio = false;       // shows its check as a bullet
  UINT state = 0;           // MFS_CHECKED, MFS_DISABLED
  int mark = kNoMark;       // an image of ImageList1, drawn by the owner
};

void AddItem(HMENU menu, const MenuItemDef& def) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE | (def.submenu ? MIIM_SUBMENU : MIIM_ID);
  item.fType = MFT_STRING | (def.radio ? MFT_RADIOCHECK : 0);
  item.fState = def.state;
  item.wID = def.id;
  item.hSubMenu = def.submenu;
  item.dwTypeData = const_cast<wchar_t*>(def.caption);
  if (def.mark != kNoMark) {
    item.fMask |= MIIM_BITMAP | MIIM_DATA;
    item.hbmpItem = HBMMENU_CALLBACK;
    item.dwItemData = static_cast<ULONG_PTR>(def.mark + 1);
  }
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &item);
}

// The position in `menu` of the item that opens `submenu`.
UINT PositionOfSubmenu(HMENU menu, HMENU submenu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (GetSubMenu(menu, i) == submenu) return static_cast<UINT>(i);
  }
  return static_cast<UINT>(-1);
}

void AddSeparator(HMENU menu) {
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

}  // namespace

bool HoldsItem(HMENU menu, UINT command) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (GetMenuItemID(menu, i) == command) return true;
  }
  return false;
}

void CheckItem(HMENU menu, UINT command, bool checked) {
  CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

StripMenu::StripMenu()
    : menu_(CreatePopupMenu()),
      sound_(CreatePopupMenu()),
      alpha_(CreatePopupMenu()),
      colour_(CreatePopupMenu()),
      popup_monitor_(CreatePopupMenu()) {
  SetDpi(kDesignDpi);

  AddItem(sound_, {.caption = L"켜기", .id = kN9SoundOn, .radio = true});
  AddItem(sound_, {.caption = L"끄기", .id = kN10SoundOff, .radio = true, .state = MFS_CHECKED});
  AddSeparator(sound_);
  AddItem(sound_, {.caption = L"알림체크", .id = kN15AlarmCheck});

  AddItem(alpha_, {.caption = L"불투명", .id = kN2Opaque, .radio = true, .state = MFS_CHECKED});
  AddItem(alpha_, {.caption = L"20%", .id = kN101Alpha20, .radio = true});
  AddItem(alpha_, {.caption = L"40%", .id = kN201Alpha40, .radio = true});
  AddItem(alpha_, {.caption = L"60%", .id = kN601Alpha60, .radio = true});

  AddItem(colour_, {.caption = L"White", .id = kWhite1, .radio = true, .mark = 0});
  AddItem(colour_,
          {.caption = L"Lime", .id = kLime1, .radio = true, .state = MFS_CHECKED, .mark = 1});
  AddItem(colour_, {.caption = L"Blue", .id = kBlue1, .radio = true, .mark = 2});
  AddItem(colour_, {.caption = L"Yellow", .id = kYellow1, .radio = true, .mark = 3});
  AddItem(colour_, {.caption = L"Fuchsia", .id = kFuchsia1, .radio = true, .mark = 4});

  AddItem(
      popup_monitor_,
      {.caption = L"주 모니터(&P)", .id = kPopupsOnPrimary, .radio = true, .state = MFS_CHECKED});
  AddItem(popup_monitor_,
          {.caption = L"스트립이 있는 모니터(&S)", .id = kPopupsOnStripMonitor, .radio = true});

  AddItem(menu_, {.caption = L"[문답 기출문제 공부]", .id = kN12Title, .state = MFS_DISABLED});
  AddSeparator(menu_);
  AddItem(menu_, {.caption = L"알림팝업 소리", .submenu = sound_, .state = MFS_DISABLED});
  AddItem(menu_, {.caption = L"시계창 투명하게", .submenu = alpha_});
  AddItem(menu_, {.caption = L"게임시간 색상 변경", .submenu = colour_});
  AddSeparator(menu_);
  AddItem(menu_, {.caption = L"게임시진->현실시간표", .id = kN6Timetable});
  AddItem(menu_, {.caption = L"시계모드/문답+", .id = kN3QuizMode});
  AddItem(menu_, {.caption = L"다른문제보기", .id = kN7NextQuiz});
  AddItem(menu_, {.caption = L"알림 편집(&E)...", .id = kEditAlarms});
  AddSeparator(menu_);
  AddItem(menu_, {.caption = Utf8ToWide(kMuteMenuText).c_str(), .id = kMuteForAnHour});
  AddItem(menu_, {.caption = Utf8ToWide(kHoldMenuText).c_str(), .id = kHoldForAnHour});
  AddItem(menu_,
          {.caption = Utf8ToWide(kHoldFullScreenMenuText).c_str(), .id = kHoldWhileFullScreen});
  AddSeparator(menu_);
  AddItem(menu_, {.caption = kHideCaption, .id = kHideStrip, .state = MFS_DISABLED});
  AddItem(menu_, {.caption = L"알림 위치(&L)", .submenu = popup_monitor_});
  // Its check is set each time the menu opens (WM_INITMENUPOPUP), from the registry.
  AddItem(menu_, {.caption = L"윈도우 시작 시 실행(&W)", .id = kStartWithWindows});
  AddSeparator(menu_);
  AddItem(menu_, {.caption = L"문답공부시계 종료", .id = kN5Exit});
}

StripMenu::~StripMenu() {
  DestroyMenu(menu_);  // and its submenus with it
  ImageList_Destroy(marks_);
}

void StripMenu::SetDpi(int dpi) {
  const int size = ScaleToDpi(kMarkSize, dpi);
  if (marks_ != nullptr && size == mark_size_) return;
  if (marks_ != nullptr) ImageList_Destroy(marks_);
  mark_size_ = size;
  marks_ = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 5, 0);
  const WindowDC screen(nullptr);
  const BITMAPINFO info = TopDownRgb32(size, size);
  for (const Rgb& colour : kMarkColours) {
    const PixelBitmap mark = PaintColourMark(size, colour);
    // The image list keeps its own copy of the picture.
    Bitmap bitmap(CreateCompatibleBitmap(screen.dc(), size, size));
    SetDIBits(screen.dc(), bitmap.get(), 0, static_cast<UINT>(size), mark.pixels.data(), &info,
              DIB_RGB_COLORS);
    ImageList_AddMasked(marks_, bitmap.get(),
                        RGB(kMarkMaskColour.r, kMarkMaskColour.g, kMarkMaskColour.b));
  }
}

bool StripMenu::MeasureMark(MEASUREITEMSTRUCT* item) const {
  if (item->CtlType != ODT_MENU || item->itemData == 0) return false;
  item->itemWidth = static_cast<UINT>(mark_size_);
  item->itemHeight = static_cast<UINT>(mark_size_);
  return true;
}

bool StripMenu::DrawMark(const DRAWITEMSTRUCT* item) const {
  if (item->CtlType != ODT_MENU || item->itemData == 0) return false;
  const RECT& area = item->rcItem;
  const int x = area.left + (area.right - area.left - mark_size_) / 2;
  const int y = area.top + (area.bottom - area.top - mark_size_) / 2;
  ImageList_Draw(marks_, static_cast<int>(item->itemData) - 1, item->hDC, x, y, ILD_TRANSPARENT);
  return true;
}

void StripMenu::EnableSound() {
  EnableMenuItem(menu_, PositionOfSubmenu(menu_, sound_), MF_BYPOSITION | MF_ENABLED);
}

void StripMenu::CheckRadio(UINT command) {
  const std::optional<RadioGroup> group = RadioGroupOf(command);
  if (!group) return;
  const HMENU submenu = group->first == kN9SoundOn         ? sound_
                        : group->first == kN2Opaque        ? alpha_
                        : group->first == kPopupsOnPrimary ? popup_monitor_
                                                           : colour_;
  CheckMenuRadioItem(submenu, group->first, group->last, command, MF_BYCOMMAND);
}

void StripMenu::SetItem(UINT command, const std::wstring& text, bool checked) {
  std::wstring caption = text;
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STRING | MIIM_STATE;
  item.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
  item.dwTypeData = caption.data();
  SetMenuItemInfoW(menu_, command, FALSE, &item);
}

void StripMenu::ShowHideItem(bool hidden, bool enabled) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STRING | MIIM_STATE;
  item.fState = enabled ? MFS_ENABLED : MFS_DISABLED;
  item.dwTypeData = const_cast<wchar_t*>(hidden ? kShowCaption : kHideCaption);
  SetMenuItemInfoW(menu_, kHideStrip, FALSE, &item);
}

void StripMenu::OpenAt(HWND owner, POINT screen_point) const {
  // The owner must be in front, or the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  TrackPopupMenuEx(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen_point.x,
                   screen_point.y, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace tavlin
