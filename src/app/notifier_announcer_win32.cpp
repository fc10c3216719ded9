#include "app/notifier_announcer_win32.h"

#include <windows.h>

#include <mmsystem.h>

// mmsystem.h maps PlaySound to PlaySoundW, which would rename the announcer's method here only.
#undef PlaySound

#include <utility>

#include "base/player_files.h"
#include "base/wide_text.h"
#include "win32/system_library_win32.h"

namespace tavlin {

namespace {

constexpr wchar_t kClassName[] = L"TavlinNoticeQueue";
constexpr UINT kDrainMessage = WM_APP + 1;

}  // namespace

NotifierAnnouncer::NotifierAnnouncer(TPopupNotifier& notifier, const FileSystem& files,
                                     std::string program_directory)
    : notifier_(notifier),
      files_(files),
      program_directory_(std::move(program_directory)),
      queue_(notifier) {
  // A message-only window: the drain comes as a posted message, never from inside a popup that
  // is closing, and still comes while a report box runs its own message loop.
  RegisterClassOnce(kClassName, 0, nullptr);
  CreateHandle(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
  notifier_.OnCountOut = [this] { OnCountOut(); };
}

NotifierAnnouncer::~NotifierAnnouncer() {
  notifier_.OnCountOut = nullptr;
}

void NotifierAnnouncer::PlaySound() {
  // Returns at once; the sound plays on while the strip keeps ticking. The sound's library is
  // loaded with the first alarm that sounds, not with the strip.
  static auto* const play_sound =
      LoadSystemFunction<decltype(PlaySoundW)>(L"winmm.dll", "PlaySoundW");
  const std::wstring path = Utf8ToWide(AlarmSoundPath(files_, program_directory_));
  if (play_sound != nullptr) play_sound(path.c_str(), nullptr, SND_ASYNC | SND_FILENAME);
}

void NotifierAnnouncer::OnCountOut() {
  if (queue_.waiting() == 0 || drain_posted_ || hwnd() == nullptr) return;
  drain_posted_ = PostMessageW(hwnd(), kDrainMessage, 0, 0) != FALSE;
}

LRESULT NotifierAnnouncer::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != kDrainMessage) return WindowBase::HandleMessage(message, wparam, lparam);
  drain_posted_ = false;
  queue_.Drain();
  return 0;
}

}  // namespace tavlin
