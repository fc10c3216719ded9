#include "app/single_instance_win32.h"

namespace tavlin {

namespace {

// "Local\": one tavlin per logged-on session; another user on the same machine runs their own.
constexpr wchar_t kMutexName[] = L"Local\\tavlin.strip.one-at-a-time";
constexpr DWORD kPollMs = 25;

}  // namespace

SingleInstance::SingleInstance() {
  // The name is the claim; nobody waits on the mutex, so it is never owned. When the mutex
  // cannot be made at all the program runs: two strips are better than none.
  mutex_ = CreateMutexW(nullptr, FALSE, kMutexName);
  const DWORD error = GetLastError();
  another_runs_ = error == ERROR_ALREADY_EXISTS ||
                  // Made by a tavlin of this session that runs with higher rights.
                  (mutex_ == nullptr && error == ERROR_ACCESS_DENIED);
}

SingleInstance::~SingleInstance() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

bool AskRunningWindowToShow(const wchar_t* window_class, UINT show_request, DWORD wait_ms) {
  const ULONGLONG deadline = GetTickCount64() + wait_ms;
  HWND running = FindWindowW(window_class, nullptr);
  while (running == nullptr && GetTickCount64() < deadline) {
    Sleep(kPollMs);
    running = FindWindowW(window_class, nullptr);
  }
  if (running == nullptr) return false;
  // The player just started this process, so it may set the foreground window; a window of
  // another process may only take the foreground when allowed to by the one that holds it.
  DWORD running_process = 0;
  GetWindowThreadProcessId(running, &running_process);
  if (running_process != 0) AllowSetForegroundWindow(running_process);
  return PostMessageW(running, show_request, 0, 0) != FALSE;
}

}  // namespace tavlin
