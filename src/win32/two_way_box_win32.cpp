#include "win32/two_way_box_win32.h"

namespace tavlin {

namespace {

// The box being asked on this thread: its button texts and the hook that renames them.
struct Renaming {
  const std::wstring* first = nullptr;
  const std::wstring* second = nullptr;
  HHOOK hook = nullptr;
};
thread_local Renaming renaming;

// The box's window is activated once its buttons exist and before it is drawn: the buttons are
// renamed then, and the hook goes.
LRESULT CALLBACK RenameButtons(int code, WPARAM wparam, LPARAM lparam) {
  const HHOOK hook = renaming.hook;
  if (code == HCBT_ACTIVATE && hook != nullptr) {
    const HWND box = reinterpret_cast<HWND>(wparam);
    wchar_t class_name[16] = {};
    GetClassNameW(box, class_name, 16);
    if (std::wstring(class_name) == L"#32770") {
      SetDlgItemTextW(box, IDYES, renaming.first->c_str());
      SetDlgItemTextW(box, IDNO, renaming.second->c_str());
      UnhookWindowsHookEx(hook);
      renaming.hook = nullptr;
    }
  }
  return CallNextHookEx(hook, code, wparam, lparam);
}

}  // namespace

bool AskTwoWays(HWND owner, const std::wstring& text, const wchar_t* title,
                const std::wstring& first, const std::wstring& second) {
  renaming = {&first, &second,
              SetWindowsHookExW(WH_CBT, RenameButtons, nullptr, GetCurrentThreadId())};
  const int answer = MessageBoxW(owner, text.c_str(), title, MB_YESNO | MB_ICONQUESTION);
  if (renaming.hook != nullptr) UnhookWindowsHookEx(renaming.hook);
  renaming = {};
  return answer == IDYES;
}

}  // namespace tavlin
