#include "ui/strip_menu_win32.h"

#include "ui/ui_resources.h"

namespace tavlin {

namespace {

// Captions carry no "&": the menu shows them as written and assigns no access keys.
void AddItem(HMENU menu, UINT id, const wchar_t* caption, UINT state = 0, HBITMAP mark = nullptr) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE | (mark ? MIIM_BITMAP : 0);
  item.fType = MFT_STRING;
  item.fState = state;
  item.wID = id;
  item.dwTypeData = const_cast<wchar_t*>(caption);
  item.hbmpItem = mark;
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &item);
}

void AddRadioItem(HMENU menu, UINT id, const wchar_t* caption, bool checked,
                  HBITMAP mark = nullptr) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE | (mark ? MIIM_BITMAP : 0);
  item.fType = MFT_STRING | MFT_RADIOCHECK;
  item.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
  item.wID = id;
  item.dwTypeData = const_cast<wchar_t*>(caption);
  item.hbmpItem = mark;
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

struct RadioGroup {
  UINT first;
  UINT last;
};

RadioGroup GroupOf(UINT command) {
  if (command >= kN9SoundOn && command <= kN10SoundOff) return {kN9SoundOn, kN10SoundOff};
  if (command >= kN2Opaque && command <= kN601Alpha60) return {kN2Opaque, kN601Alpha60};
  if (command >= kWhite1 && command <= kFuchsia1) return {kWhite1, kFuchsia1};
  return {command, command};
}

}  // namespace

int AlphaOfCommand(UINT command) {
  switch (command) {
    case kN2Opaque:
      return 255;
    case kN101Alpha20:
      return 200;
    case kN201Alpha40:
      return 160;
    case kN601Alpha60:
      return 120;
    default:
      return -1;
  }
}

COLORREF ColourOfCommand(UINT command) {
  switch (command) {
    case kWhite1:
      return RGB(255, 255, 255);
    case kLime1:
      return RGB(0, 255, 0);
    case kBlue1:
      return RGB(0, 255, 255);
    case kYellow1:
      return RGB(255, 255, 0);
    case kFuchsia1:
      return RGB(255, 0, 255);
    default:
      return CLR_INVALID;
  }
}

StripMenu::StripMenu()
    : menu_(CreatePopupMenu()),
      sound_(CreatePopupMenu()),
      alpha_(CreatePopupMenu()),
      colour_(CreatePopupMenu()) {
  const int mark_ids[] = {IDB_MARK_WHITE, IDB_MARK_GREEN, IDB_MARK_BLUE, IDB_MARK_ORANGE,
                          IDB_MARK_RED};
  for (size_t i = 0; i < marks_.size(); ++i) {
    marks_[i].Reset(
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(mark_ids[i]),
                                        IMAGE_BITMAP, 16, 16, LR_CREATEDIBSECTION)));
  }

  AddRadioItem(sound_, kN9SoundOn, L"켜기", false);
  AddRadioItem(sound_, kN10SoundOff, L"끄기", true);
  AddSeparator(sound_);
  AddItem(sound_, kN15AlarmCheck, L"알림체크");

  AddRadioItem(alpha_, kN2Opaque, L"불투명", true);
  AddRadioItem(alpha_, kN101Alpha20, L"20%", false);
  AddRadioItem(alpha_, kN201Alpha40, L"40%", false);
  AddRadioItem(alpha_, kN601Alpha60, L"60%", false);

  AddRadioItem(colour_, kWhite1, L"White", false, marks_[0].get());
  AddRadioItem(colour_, kLime1, L"Lime", true, marks_[1].get());
  AddRadioItem(colour_, kBlue1, L"Blue", false, marks_[2].get());
  AddRadioItem(colour_, kYellow1, L"Yellow", false, marks_[3].get());
  AddRadioItem(colour_, kFuchsia1, L"Fuchsia", false, marks_[4].get());

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
  // Destroys the submenus with it; the marks go after the menu that shows them.
  DestroyMenu(menu_);
}

void StripMenu::EnableSound() {
  EnableMenuItem(menu_, 2, MF_BYPOSITION | MF_ENABLED);
  CheckRadio(kN9SoundOn);
}

bool StripMenu::SoundOn() const {
  return IsChecked(kN9SoundOn);
}

void StripMenu::CheckRadio(UINT command) {
  const RadioGroup group = GroupOf(command);
  const HMENU submenu = group.first == kN9SoundOn  ? sound_
                        : group.first == kN2Opaque ? alpha_
                        : group.first == kWhite1   ? colour_
                                                   : nullptr;
  if (submenu != nullptr) {
    CheckMenuRadioItem(submenu, group.first, group.last, command, MF_BYCOMMAND);
  }
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
