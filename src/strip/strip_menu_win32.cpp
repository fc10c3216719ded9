#include "strip/strip_menu_win32.h"

#include <initializer_list>

#include "base/scaling.h"
#include "strip/colour_mark.h"
#include "win32/gdi_win32.h"

namespace tavlin {

namespace {

constexpr int kMarkSize = 16;
constexpr int kNoMark = -1;

// Captions carry no "&": the menu shows them as written and assigns no access keys.
void AddItem(HMENU menu, UINT id, const wchar_t* caption, UINT state = 0) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
  item.fType = MFT_STRING;
  item.fState = state;
  item.wID = id;
  item.dwTypeData = const_cast<wchar_t*>(caption);
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &item);
}

// A radio item shows its check as a bullet; `mark` is an image of ImageList1, drawn by the owner.
void AddRadioItem(HMENU menu, UINT id, const wchar_t* caption, bool checked, int mark = kNoMark) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
  if (mark != kNoMark) item.fMask |= MIIM_BITMAP | MIIM_DATA;
  item.fType = MFT_STRING | MFT_RADIOCHECK;
  item.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
  item.wID = id;
  item.dwTypeData = const_cast<wchar_t*>(caption);
  item.hbmpItem = mark != kNoMark ? HBMMENU_CALLBACK : nullptr;
  item.dwItemData = static_cast<ULONG_PTR>(mark + 1);
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &item);
}

void AddSubmenu(HMENU menu, HMENU submenu, const wchar_t* caption, UINT state = 0) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_SUBMENU | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
  item.fType = MFT_STRING;
  item.fState = state;
  item.hSubMenu = submenu;
  item.dwTypeData = const_cast<wchar_t*>(caption);
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &item);
}

void AddSeparator(HMENU menu) {
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

}  // namespace

StripMenu::StripMenu()
    : menu_(CreatePopupMenu()),
      sound_(CreatePopupMenu()),
      alpha_(CreatePopupMenu()),
      colour_(CreatePopupMenu()) {
  SetDpi(kDesignDpi);

  AddRadioItem(sound_, kN9SoundOn, L"켜기", false);
  AddRadioItem(sound_, kN10SoundOff, L"끄기", true);
  AddSeparator(sound_);
  AddItem(sound_, kN15AlarmCheck, L"알림체크");

  AddRadioItem(alpha_, kN2Opaque, L"불투명", true);
  AddRadioItem(alpha_, kN101Alpha20, L"20%", false);
  AddRadioItem(alpha_, kN201Alpha40, L"40%", false);
  AddRadioItem(alpha_, kN601Alpha60, L"60%", false);

  AddRadioItem(colour_, kWhite1, L"White", false, 0);
  AddRadioItem(colour_, kLime1, L"Lime", true, 1);
  AddRadioItem(colour_, kBlue1, L"Blue", false, 2);
  AddRadioItem(colour_, kYellow1, L"Yellow", false, 3);
  AddRadioItem(colour_, kFuchsia1, L"Fuchsia", false, 4);

  AddItem(menu_, kN12Title, L"[문답 기출문제 공부]", MFS_DISABLED);
  AddSeparator(menu_);
  AddSubmenu(menu_, sound_, L"알림팝업 소리", MFS_DISABLED);
  AddSubmenu(menu_, alpha_, L"시계창 투명하게");
  AddSubmenu(menu_, colour_, L"게임시간 색상 변경");
  AddSeparator(menu_);
  AddItem(menu_, kN6Timetable, L"게임시진->현실시간표");
  AddItem(menu_, kN3QuizMode, L"시계모드/문답+");
  AddItem(menu_, kN7NextQuiz, L"다른문제보기");
  AddSeparator(menu_);
  AddItem(menu_, kN5Exit, L"문답공부시계 종료");
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
  EnableMenuItem(menu_, 2, MF_BYPOSITION | MF_ENABLED);
  CheckRadio(kN9SoundOn);
}

bool StripMenu::SoundOn() const {
  return IsChecked(kN9SoundOn);
}

void StripMenu::CheckRadio(UINT command) {
  const std::optional<RadioGroup> group = RadioGroupOf(command);
  if (!group) return;
  const HMENU submenu = group->first == kN9SoundOn  ? sound_
                        : group->first == kN2Opaque ? alpha_
                                                    : colour_;
  CheckMenuRadioItem(submenu, group->first, group->last, command, MF_BYCOMMAND);
}

bool StripMenu::IsChecked(UINT command) const {
  return (GetMenuState(menu_, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void StripMenu::OpenAt(HWND owner, POINT screen_point) const {
  // The owner must be in front, or the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  TrackPopupMenuEx(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen_point.x,
                   screen_point.y, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace tavlin
