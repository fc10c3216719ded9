#include "editor/alarm_editor_window_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <optional>

#include "base/scaling.h"
#include "base/wide_text.h"
#include "clock/schedule.h"
#include "win32/dpi_win32.h"

namespace tavlin {

namespace {

constexpr wchar_t kCaption[] = L"tavlin 알림 편집";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
// The client area at 96 DPI.
constexpr int kClientWidth = 760;
constexpr int kClientHeight = 484;

constexpr char kAskDiscard[] = "저장하지 않은 변경이 있습니다. 저장하지 않고 닫을까요?";
constexpr char kAskReload[] = "파일을 다시 읽을까요?\n이 창에서 바꾼 내용은 버려집니다.";
constexpr char kAskUtf8[] =
    "목록 전체를 UTF-8로 저장할까요? 모든 줄의 글자는 그대로 남습니다.\n(아니요: 돌아가서 "
    "고칩니다)";
constexpr char kAskRefused[] =
    "번째 줄은 알림 줄로 읽히지 않습니다. 이 줄이 남아 있으면 알림 목록 전체가 읽히지 않습니다.";
constexpr char kFixFirst[] = "빨간 글로 표시된 칸을 고쳐야 저장할 수 있습니다.";
constexpr char kNewAlarm[] = "새 알림: 칸을 모두 채우면 목록에 들어갑니다.";
constexpr char kNothingToPreview[] = "미리 볼 알림이 없습니다.";

enum ControlId : int {
  kList = 100,
  kAddButton,
  kDeleteButton,
  kUpButton,
  kDownButton,
  kPreviewButton,
  kKindLabel,
  kKindBox,
  kKindProblem,
  kStartLabel,
  kStartBox,
  kEndLabel,
  kEndBox,
  kTimeProblem,
  kDayLabel,
  kDayBox,
  kDayProblem,
  kTitleLabel,
  kTitleBox,
  kTitleProblem,
  kBodyLabel,
  kBodyBox,
  kBodyProblem,
  kWarningLabel,
  kWarningBox,
  kMinutesLabel,
  kWarningProblem,
  kStatus,
  kSaveButton,
  kCloseButton,
  kLineLabel,
  kLineBox,
};

// Where a control lies at 96 DPI, in the client area.
struct Place {
  int id;
  int left, top, width, height;
};
constexpr int kFormTop = 228;
constexpr int kPitch = 30;
constexpr int kBodyHeight = 56;
constexpr int kWarningTop = kFormTop + 4 * kPitch + kBodyHeight + 6;
constexpr std::array kPlaces = {
    Place{kList, 8, 8, 744, 180},
    Place{kAddButton, 8, 194, 72, 26},
    Place{kDeleteButton, 84, 194, 72, 26},
    Place{kUpButton, 160, 194, 72, 26},
    Place{kDownButton, 236, 194, 72, 26},
    Place{kPreviewButton, 312, 194, 96, 26},
    Place{kLineLabel, 420, 198, 24, 20},
    Place{kLineBox, 448, 194, 304, 26},
    Place{kKindLabel, 8, kFormTop + 4, 56, 20},
    Place{kKindBox, 68, kFormTop, 180, 200},
    Place{kKindProblem, 260, kFormTop + 4, 492, 20},
    Place{kStartLabel, 8, kFormTop + kPitch + 4, 56, 20},
    Place{kStartBox, 68, kFormTop + kPitch, 64, 24},
    Place{kEndLabel, 140, kFormTop + kPitch + 4, 24, 20},
    Place{kEndBox, 168, kFormTop + kPitch, 64, 24},
    Place{kTimeProblem, 260, kFormTop + kPitch + 4, 492, 20},
    Place{kDayLabel, 8, kFormTop + 2 * kPitch + 4, 56, 20},
    Place{kDayBox, 68, kFormTop + 2 * kPitch, 100, 240},
    Place{kDayProblem, 260, kFormTop + 2 * kPitch + 4, 492, 20},
    Place{kTitleLabel, 8, kFormTop + 3 * kPitch + 4, 56, 20},
    Place{kTitleBox, 68, kFormTop + 3 * kPitch, 180, 24},
    Place{kTitleProblem, 260, kFormTop + 3 * kPitch + 4, 492, 20},
    Place{kBodyLabel, 8, kFormTop + 4 * kPitch + 4, 56, 20},
    Place{kBodyBox, 68, kFormTop + 4 * kPitch, 180, kBodyHeight},
    Place{kBodyProblem, 260, kFormTop + 4 * kPitch + 4, 492, 20},
    Place{kWarningLabel, 8, kWarningTop + 4, 56, 20},
    Place{kWarningBox, 68, kWarningTop, 64, 24},
    Place{kMinutesLabel, 140, kWarningTop + 4, 40, 20},
    Place{kWarningProblem, 260, kWarningTop + 4, 492, 20},
    Place{kStatus, 8, 438, 560, 40},
    Place{kSaveButton, 592, 446, 76, 28},
    Place{kCloseButton, 676, 446, 76, 28},
};

// Each field's problem text lies beside it.
int ProblemLabelOf(AlarmField field) {
  switch (field) {
    case AlarmField::kKind:
      return kKindProblem;
    case AlarmField::kStart:
    case AlarmField::kEnd:
      return kTimeProblem;
    case AlarmField::kDay:
      return kDayProblem;
    case AlarmField::kTitle:
      return kTitleProblem;
    case AlarmField::kBody:
      return kBodyProblem;
    case AlarmField::kWarning:
      return kWarningProblem;
    case AlarmField::kList:
      return kStatus;
  }
  return kStatus;
}

bool IsProblemLabel(int id) {
  return id == kKindProblem || id == kTimeProblem || id == kDayProblem || id == kTitleProblem ||
         id == kBodyProblem || id == kWarningProblem;
}

LocalMoment LocalNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth,  now.wDay,   now.wDayOfWeek == 0 ? 7 : now.wDayOfWeek,
          now.wHour, now.wMinute, now.wSecond};
}

bool NotInCp949(const FieldProblem& problem) {
  return problem.message.rfind(kNotInCp949Message, 0) == 0;
}

}  // namespace

AlarmEditorWindow::AlarmEditorWindow(Services services) : services_(std::move(services)) {}

void AlarmEditorWindow::ShowFromMenu() {
  if (!hwnd()) {
    RegisterClassOnce(kClassName, 0,
                      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)), true);
    dpi_ = DpiOfMonitor(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
    RECT outer{0, 0, ScaleToDpi(kClientWidth, dpi_), ScaleToDpi(kClientHeight, dpi_)};
    AdjustWindowRectForDpi(outer, kStyle, kExStyle, dpi_);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    CreateHandle(kExStyle, kClassName, kCaption, kStyle,
                 (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr);
    if (!hwnd()) return;
  }
  if (!IsWindowVisible(hwnd())) {
    Reload();
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetFocus(list_view_.hwnd());
  } else if (IsIconic(hwnd())) {
    ShowWindow(hwnd(), SW_RESTORE);
  }
  SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(hwnd());
}

bool AlarmEditorWindow::MayEnd() {
  if (hwnd() == nullptr || !IsWindowVisible(hwnd()) || !Unsaved()) return true;
  SetForegroundWindow(hwnd());
  return Ask(kAskDiscard);
}

bool AlarmEditorWindow::TranslateKeys(const MSG& message) {
  if (!hwnd() || (message.hwnd != hwnd() && !IsChild(hwnd(), message.hwnd))) return false;
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  if (message.message == WM_KEYDOWN) {
    switch (message.wParam) {
      case 'N':
        if (!control) return false;
        OnAdd();
        return true;
      case 'S':
        if (!control) return false;
        OnSave();
        return true;
      case VK_ESCAPE:
        // An open drop-down list closes first, as it does everywhere.
        if (SendMessageW(message.hwnd, CB_GETDROPPEDSTATE, 0, 0) == TRUE) return false;
        OnCloseAsked();
        return true;
      case VK_TAB:
        if (control) return false;
        SetFocus(GetNextDlgTabItem(hwnd(), GetFocus(), shift));
        return true;
      case VK_DELETE:
        if (message.hwnd != list_view_.hwnd()) return false;
        OnDelete();
        return true;
      default:
        return false;
    }
  }
  if (message.message == WM_SYSKEYDOWN) {
    switch (message.wParam) {
      case VK_UP:
      case VK_DOWN:
        OnMove(message.wParam == VK_UP);
        return true;
      case 'T':
        OnPreview();
        return true;
      default:
        return false;
    }
  }
  return false;
}

LRESULT AlarmEditorWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lparam), lparam);
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(
          OnStaticColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam)));
    case WM_CLOSE:
      OnCloseAsked();
      return 0;
    case WM_ACTIVATE:
      // The focus comes back to the control that had it when the window was left.
      if (LOWORD(wparam) == WA_INACTIVE) {
        last_focus_ = GetFocus();
      } else if (last_focus_ && IsChild(hwnd(), last_focus_)) {
        SetFocus(last_focus_);
        return 0;
      }
      break;
    case WM_DPICHANGED:
      OnDpiChanged(DpiOfDpiChanged(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
  }
  return DefWindowProcW(hwnd(), message, wparam, lparam);
}

void AlarmEditorWindow::OnCreate() {
  // The next-due texts follow the rule of the early warnings, which reads the game-hour schedule.
  BuildSchedule();
  dpi_ = DpiOfWindow(hwnd());
  CreateControls();
  Layout();
}

void AlarmEditorWindow::CreateControls() {
  const auto make = [this](int id, const wchar_t* cls, const wchar_t* text, DWORD style,
                           DWORD ex_style = 0) {
    CreateWindowExW(ex_style, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd(),
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                    nullptr);
  };
  constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
  constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL;
  constexpr DWORD kDropDown = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
  // Creation order is the tab order: the list, its buttons, the form's fields, save and close.
  list_view_.Create(hwnd(), kList);
  make(kAddButton, L"BUTTON", L"추가", kButton);
  make(kDeleteButton, L"BUTTON", L"삭제", kButton);
  make(kUpButton, L"BUTTON", L"위로", kButton);
  make(kDownButton, L"BUTTON", L"아래로", kButton);
  make(kPreviewButton, L"BUTTON", L"미리 보기(&T)", kButton);
  // The selected line as the file holds it; a line the list cannot read is mended here.
  make(kLineLabel, L"STATIC", L"줄", 0);
  make(kLineBox, L"EDIT", L"", ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE);
  make(kKindLabel, L"STATIC", L"종류", 0);
  make(kKindBox, L"COMBOBOX", L"", kDropDown);
  make(kKindProblem, L"STATIC", L"", SS_NOPREFIX);
  make(kStartLabel, L"STATIC", L"시작", 0);
  make(kStartBox, L"EDIT", L"", kEdit, WS_EX_CLIENTEDGE);
  make(kEndLabel, L"STATIC", L"끝", 0);
  make(kEndBox, L"EDIT", L"", kEdit, WS_EX_CLIENTEDGE);
  make(kTimeProblem, L"STATIC", L"", SS_NOPREFIX);
  make(kDayLabel, L"STATIC", L"요일", 0);
  make(kDayBox, L"COMBOBOX", L"", kDropDown);
  make(kDayProblem, L"STATIC", L"", SS_NOPREFIX);
  make(kTitleLabel, L"STATIC", L"제목", 0);
  make(kTitleBox, L"EDIT", L"", kEdit, WS_EX_CLIENTEDGE);
  make(kTitleProblem, L"STATIC", L"", SS_NOPREFIX);
  make(kBodyLabel, L"STATIC", L"내용", 0);
  make(kBodyBox, L"EDIT", L"",
       WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE);
  make(kBodyProblem, L"STATIC", L"", SS_NOPREFIX);
  make(kWarningLabel, L"STATIC", L"미리", 0);
  make(kWarningBox, L"EDIT", L"", kEdit | ES_NUMBER, WS_EX_CLIENTEDGE);
  make(kMinutesLabel, L"STATIC", L"분 전", 0);
  make(kWarningProblem, L"STATIC", L"", SS_NOPREFIX);
  make(kStatus, L"STATIC", L"", SS_NOPREFIX);
  make(kSaveButton, L"BUTTON", L"저장", kButton);
  make(kCloseButton, L"BUTTON", L"닫기", kButton);

  for (const char* words : kKindWords)
    SendDlgItemMessageW(hwnd(), kKindBox, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(Utf8ToWide(words).c_str()));
  for (const char* words : kDayWords)
    SendDlgItemMessageW(hwnd(), kDayBox, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(Utf8ToWide(words).c_str()));
}

void AlarmEditorWindow::Layout() {
  font_.Reset(CreateGulimFont(ScaleToDpi(12, dpi_)));
  for (const Place& place : kPlaces) {
    const HWND control = GetDlgItem(hwnd(), place.id);
    MoveWindow(control, ScaleToDpi(place.left, dpi_), ScaleToDpi(place.top, dpi_),
               ScaleToDpi(place.width, dpi_), ScaleToDpi(place.height, dpi_), FALSE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  }
  list_view_.ScaleColumns(dpi_);
  // A drop-down list's closed height follows its font, not its window.
  for (const int box : {kKindBox, kDayBox})
    SendDlgItemMessageW(hwnd(), box, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                        ScaleToDpi(18, dpi_));
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void AlarmEditorWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  if (dpi <= 0) return;
  dpi_ = dpi;
  RECT outer{0, 0, ScaleToDpi(kClientWidth, dpi_), ScaleToDpi(kClientHeight, dpi_)};
  AdjustWindowRectForDpi(outer, kStyle, kExStyle, dpi_);
  SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, outer.right - outer.left,
               outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Layout();
}

void AlarmEditorWindow::OnCommand(int id, int code) {
  switch (id) {
    case kAddButton:
      return OnAdd();
    case kDeleteButton:
      return OnDelete();
    case kUpButton:
    case kDownButton:
      return OnMove(id == kUpButton);
    case kPreviewButton:
      return OnPreview();
    case kSaveButton:
      return OnSave();
    case kCloseButton:
      return OnCloseAsked();
    case kKindBox:
    case kDayBox:
      if (code == CBN_SELCHANGE) OnFormEdited();
      return;
    case kLineBox:
      if (code == EN_CHANGE) OnLineTextEdited();
      return;
    case kStartBox:
    case kEndBox:
    case kTitleBox:
    case kBodyBox:
    case kWarningBox:
      if (code == EN_CHANGE) OnFormEdited();
      return;
    default:
      return;
  }
}

LRESULT AlarmEditorWindow::OnNotify(const NMHDR& header, LPARAM lparam) {
  if (header.idFrom != kList) return 0;
  std::optional<size_t> chosen;
  const LRESULT result = list_view_.OnNotify(header, lparam, chosen);
  if (chosen) BindLine(*chosen);
  return result;
}

HBRUSH AlarmEditorWindow::OnStaticColour(HDC dc, HWND control) const {
  if (IsProblemLabel(GetDlgCtrlID(control))) SetTextColor(dc, RGB(200, 0, 0));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

void AlarmEditorWindow::OnAdd() {
  binding_ = Binding::kNew;
  form_touched_ = false;
  SelectQuietly(std::nullopt);
  FillForm(FormTexts{});
  ShowLineText("", false);
  ShowProblems({});
  SetStatus(kNewAlarm);
  SetFocus(GetDlgItem(hwnd(), kKindBox));
}

void AlarmEditorWindow::OnDelete() {
  if (binding_ == Binding::kNew) {
    binding_ = Binding::kNone;
    FillForm(FormTexts{});
    ShowLineText("", false);
    ShowProblems({});
    return;
  }
  if (binding_ != Binding::kLine || !list_.edit.Delete(bound_)) return;
  RefreshRows();
  if (list_view_.size() == 0) {
    binding_ = Binding::kNone;
    FillForm(FormTexts{});
    ShowLineText("", false);
    ShowProblems({});
    return;
  }
  const size_t next = std::min(bound_, list_view_.size() - 1);
  SelectQuietly(next);
  BindLine(next);
}

void AlarmEditorWindow::OnMove(bool up) {
  if (binding_ != Binding::kLine) return;
  if (!(up ? list_.edit.MoveUp(bound_) : list_.edit.MoveDown(bound_))) return;
  bound_ = up ? bound_ - 1 : bound_ + 1;
  RefreshRows();
  SelectQuietly(bound_);
}

void AlarmEditorWindow::OnSave() {
  if (!problems_.empty()) {
    // Characters a code page 949 list cannot hold are not lost: the whole list may become UTF-8.
    const bool only_cp949 = std::all_of(problems_.begin(), problems_.end(), NotInCp949);
    std::string named;
    for (const FieldProblem& problem : problems_) named += problem.message + "\n";
    if (!only_cp949 || !Ask(named + "\n" + kAskUtf8)) {
      SetStatus(kFixFirst);
      return;
    }
    list_.edit.SwitchToUtf8();
    OnFormEdited();
    if (!problems_.empty()) return SetStatus(kFixFirst);
  }
  const std::vector<EditLine>& lines = list_.edit.lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != EditLine::Kind::kRefused) continue;
    // Lines are counted as a text editor counts them, the heading first.
    if (!Ask(std::to_string(i + 2) + kAskRefused + "\n\n" + lines[i].text + "\n(" + lines[i].error +
             ")\n\n그래도 저장할까요?"))
      return;
    break;
  }
  const SaveOutcome outcome =
      SaveAlarmList(services_.files, services_.path, list_, [](int ms) { Sleep(ms); });
  SetStatus(outcome.message);
  switch (outcome.kind) {
    case SaveOutcome::Kind::kSaved: {
      // What was written is now what the file holds: the editor goes on from there.
      const std::string message = outcome.message;
      const Binding binding = binding_;
      const size_t bound = bound_;
      list_ = OpenAlarmList(services_.files, services_.path);
      RefreshRows();
      binding_ = binding == Binding::kLine && bound < list_view_.size() ? binding : Binding::kNone;
      if (binding_ == Binding::kLine) SelectQuietly(bound_);
      SetStatus(message);
      if (services_.saved) services_.saved();
      return;
    }
    case SaveOutcome::Kind::kChangedMeanwhile:
      if (Ask(outcome.message + "\n\n" + kAskReload)) Reload();
      return;
    case SaveOutcome::Kind::kFailed:
      return;
  }
}

void AlarmEditorWindow::OnPreview() {
  const FormReading reading = ReadForm(FormTextsNow());
  if (binding_ == Binding::kNone || !reading.problems.empty() ||
      !list_.edit.Check(reading.fields).empty()) {
    SetStatus(kNothingToPreview);
    return;
  }
  services_.announcer.Announce(PreviewNotice(reading.fields));
  if (services_.sound_on && services_.sound_on()) services_.announcer.PlaySound();
}

void AlarmEditorWindow::OnCloseAsked() {
  if (Unsaved() && !Ask(kAskDiscard)) return;
  ShowWindow(hwnd(), SW_HIDE);
}

void AlarmEditorWindow::Reload() {
  list_ = OpenAlarmList(services_.files, services_.path);
  binding_ = Binding::kNone;
  form_touched_ = false;
  RefreshRows();
  SetStatus(list_.problem);
  FillForm(FormTexts{});
  ShowLineText("", false);
  ShowProblems({});
  if (list_view_.size() != 0) {
    SelectQuietly(0);
    BindLine(0);
  }
}

void AlarmEditorWindow::BindLine(size_t index) {
  if (index >= list_.edit.lines().size()) return;
  const EditLine& line = list_.edit.lines()[index];
  binding_ = line.kind == EditLine::Kind::kEmpty ? Binding::kNone : Binding::kLine;
  bound_ = index;
  form_touched_ = false;
  FillForm(line.kind == EditLine::Kind::kAlarm ? FormOf(line.fields) : FormTexts{});
  ShowLineText(line.text, line.kind == EditLine::Kind::kRefused);
  ShowProblems({});
}

void AlarmEditorWindow::ShowLineText(const std::string& text, bool editable) {
  filling_ = true;
  // Tab passes over it unless there is a line to mend, so the form's fields keep their places.
  const HWND box = GetDlgItem(hwnd(), kLineBox);
  const LONG_PTR style = GetWindowLongPtrW(box, GWL_STYLE);
  SetWindowLongPtrW(box, GWL_STYLE, editable ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  SendDlgItemMessageW(hwnd(), kLineBox, EM_SETREADONLY, editable ? FALSE : TRUE, 0);
  SetDlgItemTextW(hwnd(), kLineBox, Utf8ToWide(text).c_str());
  filling_ = false;
}

void AlarmEditorWindow::OnLineTextEdited() {
  if (filling_ || binding_ != Binding::kLine) return;
  form_touched_ = true;
  const std::vector<FieldProblem> problems =
      list_.edit.ChangeText(bound_, WideToUtf8(WindowText(GetDlgItem(hwnd(), kLineBox))));
  if (problems.empty()) {
    // Mended, the line's fields show in the form; still refused, its row says why.
    const EditLine& line = list_.edit.lines()[bound_];
    FillForm(line.kind == EditLine::Kind::kAlarm ? FormOf(line.fields) : FormTexts{});
    RefreshRows();
    SelectQuietly(bound_);
    SetStatus(line.kind == EditLine::Kind::kRefused ? line.error : "");
  }
  ShowProblems(problems);
}

void AlarmEditorWindow::FillForm(const FormTexts& texts) {
  filling_ = true;
  SendDlgItemMessageW(hwnd(), kKindBox, CB_SETCURSEL, static_cast<WPARAM>(texts.kind_choice), 0);
  SendDlgItemMessageW(hwnd(), kDayBox, CB_SETCURSEL, static_cast<WPARAM>(texts.day_choice), 0);
  SetDlgItemTextW(hwnd(), kStartBox, Utf8ToWide(texts.start).c_str());
  SetDlgItemTextW(hwnd(), kEndBox, Utf8ToWide(texts.end).c_str());
  SetDlgItemTextW(hwnd(), kTitleBox, Utf8ToWide(texts.title).c_str());
  SetDlgItemTextW(hwnd(), kBodyBox, Utf8ToWide(texts.body).c_str());
  SetDlgItemTextW(hwnd(), kWarningBox, Utf8ToWide(texts.warning).c_str());
  filling_ = false;
}

FormTexts AlarmEditorWindow::FormTextsNow() const {
  const auto text = [this](int id) { return WideToUtf8(WindowText(GetDlgItem(hwnd(), id))); };
  const auto choice = [this](int id) {
    const LRESULT chosen = SendDlgItemMessageW(hwnd(), id, CB_GETCURSEL, 0, 0);
    return chosen == CB_ERR ? 0 : static_cast<int>(chosen);
  };
  return {choice(kKindBox), text(kStartBox), text(kEndBox),    choice(kDayBox),
          text(kTitleBox),  text(kBodyBox),  text(kWarningBox)};
}

void AlarmEditorWindow::OnFormEdited() {
  if (filling_ || binding_ == Binding::kNone) return;
  form_touched_ = true;
  const FormReading reading = ReadForm(FormTextsNow());
  std::vector<FieldProblem> problems = reading.problems;
  for (const FieldProblem& problem : list_.edit.Check(reading.fields)) {
    // A time the form could not read is checked as 0:00: its own message says enough.
    if (std::none_of(problems.begin(), problems.end(),
                     [&](const FieldProblem& p) { return p.field == problem.field; }))
      problems.push_back(problem);
  }
  if (problems.empty()) {
    if (binding_ == Binding::kLine) {
      problems = list_.edit.Change(bound_, reading.fields);
    } else {
      const std::vector<EditLine> before = list_.edit.lines();
      problems = list_.edit.Add(reading.fields);
      if (problems.empty()) {
        // The new line is the first one that differs from the list before it.
        size_t at = 0;
        const auto& after = list_.edit.lines();
        while (at < before.size() && before[at].text == after[at].text &&
               before[at].bytes == after[at].bytes)
          ++at;
        binding_ = Binding::kLine;
        bound_ = at;
        SetStatus("");
      }
    }
    if (problems.empty()) {
      RefreshRows();
      SelectQuietly(bound_);
      ShowLineText(list_.edit.lines()[bound_].text,
                   list_.edit.lines()[bound_].kind == EditLine::Kind::kRefused);
    }
  }
  ShowProblems(problems);
}

void AlarmEditorWindow::ShowProblems(const std::vector<FieldProblem>& problems) {
  problems_ = problems;
  for (const int id :
       {kKindProblem, kTimeProblem, kDayProblem, kTitleProblem, kBodyProblem, kWarningProblem}) {
    std::string text;
    for (const FieldProblem& problem : problems) {
      if (ProblemLabelOf(problem.field) == id && text.find(problem.message) == std::string::npos)
        text += (text.empty() ? "" : " / ") + problem.message;
    }
    SetDlgItemTextW(hwnd(), id, Utf8ToWide(text).c_str());
  }
  for (const FieldProblem& problem : problems) {
    if (problem.field == AlarmField::kList) SetStatus(problem.message);
  }
}

void AlarmEditorWindow::RefreshRows() {
  const LocalMoment now = LocalNow();
  std::vector<AlarmRow> rows;
  for (const EditLine& line : list_.edit.lines()) rows.push_back(RowOf(line, now));
  list_view_.SetRows(std::move(rows));
}

void AlarmEditorWindow::SelectQuietly(std::optional<size_t> row) {
  list_view_.Select(row);
}

void AlarmEditorWindow::SetStatus(const std::string& text) {
  SetDlgItemTextW(hwnd(), kStatus, Utf8ToWide(text).c_str());
}

bool AlarmEditorWindow::Ask(const std::string& question) const {
  return MessageBoxW(hwnd(), Utf8ToWide(question).c_str(), kCaption,
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

bool AlarmEditorWindow::Unsaved() const {
  const AlarmListEdit& edit = list_.edit;
  const bool list_changed =
      list_.existed ? edit.Bytes() != edit.loaded_bytes() : !edit.lines().empty();
  return list_changed || !problems_.empty() || (binding_ == Binding::kNew && form_touched_);
}

}  // namespace tavlin
