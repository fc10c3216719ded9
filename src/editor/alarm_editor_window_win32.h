// The alarm editor window: the list of tavlin.gogo's lines above, the form of the selected alarm
// below. It edits an AlarmListEdit and saves it through SaveAlarmList; the keys it answers are
// taken from the message loop (TranslateKeys) before the controls see them. Created when first
// opened from the strip's menu, hidden (never destroyed) when closed, the file read again at each
// opening.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "alarms/alarm_check.h"
#include "base/file_system.h"
#include "editor/alarm_form.h"
#include "editor/alarm_list_file.h"
#include "editor/alarm_row_list_win32.h"
#include "win32/gdi_win32.h"
#include "win32/window_base_win32.h"

namespace tavlin {

class AlarmEditorWindow final : public WindowBase {
 public:
  static constexpr wchar_t kClassName[] = L"TavlinAlarmEditor";

  struct Services {
    FileSystem& files;
    std::string path;                ///< of tavlin.gogo
    AlarmAnnouncer& announcer;       ///< the alarms' own popups and sound, for 미리 보기
    std::function<bool()> sound_on;  ///< the alarm sound is switched on
    std::function<void()> saved;     ///< the list on disk has just been replaced
  };

  explicit AlarmEditorWindow(Services services);

  /// Opens the window with the list read afresh, or brings the open one to the front.
  void ShowFromMenu();
  /// Whether tavlin may end: true without unsaved changes, otherwise as the player answers.
  bool MayEnd();
  /// Ctrl+N, Ctrl+S, Escape, Tab, Delete in the list, Alt+Up/Down and Alt+T for a message bound
  /// for this window or its controls; true when the message has been handled and goes no further.
  bool TranslateKeys(const MSG& message);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  enum class Binding { kNone, kLine, kNew };  // what the form edits

  void OnCreate();
  void CreateControls();
  /// Places the controls and sets their font for dpi_.
  void Layout();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnCommand(int id, int code);
  LRESULT OnNotify(const NMHDR& header, LPARAM lparam);
  HBRUSH OnStaticColour(HDC dc, HWND control) const;

  // The player's commands.
  void OnAdd();
  void OnDelete();
  void OnMove(bool up);
  void OnSave();
  void OnPreview();
  void OnCloseAsked();

  /// Reads the file again; the form shows its first line.
  void Reload();
  void BindLine(size_t index);
  void FillForm(const FormTexts& texts);
  /// The selected line's text in the line box, which only a refused line may change.
  void ShowLineText(const std::string& text, bool editable);
  /// The line box changed: a refused line is read again from what the player typed.
  void OnLineTextEdited();
  FormTexts FormTextsNow() const;
  /// The form changed: its alarm goes into the list when it can, or its problems are shown.
  void OnFormEdited();
  void ShowProblems(const std::vector<FieldProblem>& problems);
  /// The rows again from the list; `select` is selected without binding the form again.
  void RefreshRows();
  void SelectQuietly(std::optional<size_t> row);
  void SetStatus(const std::string& text);
  bool Ask(const std::string& question) const;
  bool Unsaved() const;

  Services services_;
  int dpi_ = 96;
  Font font_;
  OpenedList list_;
  AlarmRowList list_view_;
  Binding binding_ = Binding::kNone;
  size_t bound_ = 0;
  std::vector<FieldProblem> problems_;
  bool filling_ = false;  // the form is being filled: its changes are not the player's
  bool form_touched_ = false;
  HWND last_focus_ = nullptr;
};

}  // namespace tavlin
