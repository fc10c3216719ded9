#include "app/notifier_announcer_win32.h"

#include <windows.h>

#include <mmsystem.h>

// mmsystem.h maps PlaySound to PlaySoundW, which would rename the announcer's method here only.
#undef PlaySound

#include "win32/system_library_win32.h"

namespace tavlin {

void NotifierAnnouncer::PlaySound() {
  // Returns at once; the sound plays on while the strip keeps ticking. The sound's library is
  // loaded with the first alarm that sounds, not with the strip.
  static auto* const play_sound =
      LoadSystemFunction<decltype(PlaySoundA)>(L"winmm.dll", "PlaySoundA");
  if (play_sound != nullptr) play_sound(kAlarmSoundFile, nullptr, SND_ASYNC);
}

}  // namespace tavlin
