// Prints tavlin's windows, as another program in the same Wine session sees them, one line each:
//   window CLASS hwnd=0x.. text="..." rect=L,T,R,B client=W,H visible=0|1 topmost=0|1
//          exstyle=0x.. alpha=A|- colorkey=R,G,B|-
//   child CLASS hwnd=0x.. parent=0x.. id=N text="..." rect=L,T,R,B visible=0|1
//   foreground CLASS hwnd=0x..
// Rectangles are in screen coordinates. Text is UTF-8 with \n, \r, \" and \\ escaped.
// Listed top-level windows: tavlin's own classes, popup menus (#32768) and message boxes (#32770).
//
// tavlin_probe --top-level prints the window and foreground lines only: a quarter of the work,
// for the tests' waits that look several times a second.
// tavlin_probe --resources prints the resource figures of tavlin's process instead (see
// probe_resources_win32.h).
// tavlin_probe --hold FILE SECONDS opens FILE for writing with everyone else refused, readers too,
// as some programs do while they write a file, prints "held", keeps it open for SECONDS and
// closes it.
// tavlin_probe --drop-topmost CLASS takes the window of CLASS out of the top-most band and prints
// "dropped".
// tavlin_probe --cover-screen SECONDS covers the primary monitor with a borderless window in
// front, as a game or a slide show in full screen does, prints "covering", keeps it there for
// SECONDS, closes it and prints "closed".
// tavlin_probe --post CLASS MESSAGE WPARAM LPARAM posts MESSAGE (numbers in C notation, 0x.. for
// hexadecimal; a MESSAGE that is not a number is the registered message of that name, such as
// TaskbarCreated) to the top-level window of CLASS, shown or hidden, as the shell posts its
// notification-area messages, and prints "posted".
// tavlin_probe --serve stays running and answers requests, one a line on its input: the
// arguments of one of the calls above separated by tabs (an empty line for the window list).
// Each answer is what that call prints; once it is all written, the line "end-of-answer" follows
// on the error output. It ends at the end of its input. A test that looks many times this way
// starts one Wine program instead of one a look, and can take each answer from a file, whole,
// while it waits on a pipe for the word that it is there.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

#include "base/wide_text.h"
#include "probe_resources_win32.h"

namespace {

std::string Escaped(const std::wstring& text) {
  std::string out;
  for (char c : tavlin::WideToUtf8(text)) {
    switch (c) {
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  // WM_GETTEXT works across processes for every window class, unlike GetWindowText. Each message
  // to another process costs the tests' machine a round of Wine's server, and the tests look
  // many times a second, so one message does for the short texts of tavlin's windows; a text
  // that fills the buffer is asked for again at its full length.
  std::wstring text(512, L'\0');
  const auto get_text = [&] {
    return SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  };
  if (static_cast<size_t>(get_text()) + 1 >= text.size()) {
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    text.assign(static_cast<size_t>(length) + 1, L'\0');
    get_text();
  }
  text.resize(wcsnlen(text.c_str(), text.size()));
  return text;
}

bool IsListed(const std::wstring& class_name) {
  return class_name == L"TForm_study" || class_name == L"TForm_TimeTable" ||
         class_name == L"TfrmPopUp" || class_name == L"#32768" || class_name == L"#32770" ||
         class_name == L"tooltips_class32" || class_name == L"TavlinAlarmEditor" ||
         class_name == L"TavlinNotifyIcon";
}

// A window's fields are read in this order: the text first (a message to the window's thread,
// which may be busy placing it), then whether it is shown, then where. A window is shown and
// placed in one step, so a line that says visible=1 always carries the place it was shown at;
// read the other way round, a menu looked at while being made showed at 0,0.
BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  const std::string text = Escaped(TextOf(child));
  const bool visible = IsWindowVisible(child);
  RECT r;
  GetWindowRect(child, &r);
  std::printf("child %s hwnd=%p parent=%p id=%d text=\"%s\" rect=%ld,%ld,%ld,%ld visible=%d\n",
              tavlin::WideToUtf8(ClassOf(child)).c_str(), static_cast<void*>(child),
              static_cast<void*>(GetParent(child)), GetDlgCtrlID(child), text.c_str(), r.left,
              r.top, r.right, r.bottom, visible ? 1 : 0);
  return TRUE;
}

// `with_children` (the LPARAM) also lists the window's children.
BOOL CALLBACK PrintTopLevel(HWND window, LPARAM with_children) {
  const std::wstring class_name = ClassOf(window);
  if (!IsListed(class_name)) return TRUE;
  const std::string text = Escaped(TextOf(window));
  const bool visible = IsWindowVisible(window);
  RECT r, client;
  GetWindowRect(window, &r);
  GetClientRect(window, &client);
  const LONG_PTR ex_style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  std::string alpha = "-", color_key = "-";
  COLORREF key = 0;
  BYTE level = 0;
  DWORD flags = 0;
  if ((ex_style & WS_EX_LAYERED) && GetLayeredWindowAttributes(window, &key, &level, &flags)) {
    if (flags & LWA_ALPHA) alpha = std::to_string(level);
    if (flags & LWA_COLORKEY) {
      color_key = std::to_string(GetRValue(key)) + "," + std::to_string(GetGValue(key)) + "," +
                  std::to_string(GetBValue(key));
    }
  }
  std::printf(
      "window %s hwnd=%p text=\"%s\" rect=%ld,%ld,%ld,%ld client=%ld,%ld visible=%d topmost=%d "
      "exstyle=0x%llx alpha=%s colorkey=%s\n",
      tavlin::WideToUtf8(class_name).c_str(), static_cast<void*>(window), text.c_str(), r.left,
      r.top, r.right, r.bottom, client.right, client.bottom, visible ? 1 : 0,
      (ex_style & WS_EX_TOPMOST) ? 1 : 0, static_cast<unsigned long long>(ex_style), alpha.c_str(),
      color_key.c_str());
  if (with_children) EnumChildWindows(window, PrintChild, 0);
  return TRUE;
}

int PrintResourcesOfTavlin() {
  HWND strip = FindWindowW(L"TForm_study", nullptr);
  DWORD pid = 0;
  if (strip == nullptr || GetWindowThreadProcessId(strip, &pid) == 0) {
    std::printf("resources none\n");
    return 1;
  }
  tavlin::probe::PrintResources(pid);
  return 0;
}

int HoldFile(const wchar_t* path, int seconds) {
  HANDLE file = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::printf("not held: error %lu\n", GetLastError());
    return 1;
  }
  std::printf("held\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  CloseHandle(file);
  return 0;
}

// Takes the window of class `class_name` out of the top-most band, as another program may.
int DropTopMost(const wchar_t* class_name) {
  HWND window = FindWindowW(class_name, nullptr);
  const UINT keep = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
  if (window == nullptr || !SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, keep)) return 1;
  std::printf("dropped\n");
  return 0;
}

// Posts a message to the window of `class_name`, as another process (the shell) does.
int Post(const wchar_t* class_name, const wchar_t* message, const wchar_t* wparam,
         const wchar_t* lparam) {
  HWND window = FindWindowW(class_name, nullptr);
  const auto number = [](const wchar_t* text) { return std::wcstoll(text, nullptr, 0); };
  const UINT id = std::iswdigit(message[0]) ? static_cast<UINT>(number(message))
                                            : RegisterWindowMessageW(message);
  if (window == nullptr || !PostMessageW(window, id, static_cast<WPARAM>(number(wparam)),
                                         static_cast<LPARAM>(number(lparam)))) {
    return 1;
  }
  std::printf("posted\n");
  return 0;
}

int PrintWindows(bool with_children) {
  EnumWindows(PrintTopLevel, with_children);
  if (HWND foreground = GetForegroundWindow()) {
    std::printf("foreground %s hwnd=%p\n", tavlin::WideToUtf8(ClassOf(foreground)).c_str(),
                static_cast<void*>(foreground));
  }
  return 0;
}

int CoverScreen(int seconds) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW cover_class{};
  cover_class.lpfnWndProc = DefWindowProcW;
  cover_class.hInstance = instance;
  cover_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  cover_class.lpszClassName = L"TavlinE2eCover";
  RegisterClassW(&cover_class);
  HWND cover = CreateWindowExW(0, cover_class.lpszClassName, L"cover", WS_POPUP | WS_VISIBLE, 0, 0,
                               GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                               nullptr, nullptr, instance, nullptr);
  if (cover == nullptr) return 1;
  SetForegroundWindow(cover);
  std::printf("covering\n");
  std::fflush(stdout);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  DestroyWindow(cover);
  std::printf("closed\n");
  return 0;
}

// One call: the arguments after the program's name.
int Answer(const std::vector<std::wstring>& args) {
  const size_t count = args.size();
  if (count == 1 && args[0] == L"--resources") return PrintResourcesOfTavlin();
  if (count == 3 && args[0] == L"--hold") return HoldFile(args[1].c_str(), _wtoi(args[2].c_str()));
  if (count == 2 && args[0] == L"--drop-topmost") return DropTopMost(args[1].c_str());
  if (count == 2 && args[0] == L"--cover-screen") return CoverScreen(_wtoi(args[1].c_str()));
  if (count == 5 && args[0] == L"--post") {
    return Post(args[1].c_str(), args[2].c_str(), args[3].c_str(), args[4].c_str());
  }
  if (count == 1 && args[0] == L"--top-level") return PrintWindows(false);
  return PrintWindows(true);
}

std::vector<std::wstring> TabSeparated(const std::string& line) {
  std::vector<std::wstring> args;
  size_t begin = 0;
  while (begin < line.size()) {
    size_t end = line.find('\t', begin);
    if (end == std::string::npos) end = line.size();
    args.push_back(tavlin::Utf8ToWide(line.substr(begin, end - begin)));
    begin = end + 1;
  }
  return args;
}

int Serve() {
  std::string line;
  char chunk[1024];
  while (std::fgets(chunk, sizeof chunk, stdin) != nullptr) {
    line += chunk;
    if (line.empty() || line.back() != '\n') continue;  // the rest of a long line follows
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    Answer(TabSeparated(line));
    std::fflush(stdout);
    std::fprintf(stderr, "end-of-answer\n");
    std::fflush(stderr);
    line.clear();
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wcscmp(argv[1], L"--serve") == 0) return Serve();
  const int result = Answer(std::vector<std::wstring>(argv + 1, argv + argc));
  std::fflush(stdout);
  return result;
}
