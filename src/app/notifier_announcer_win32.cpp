#include "app/notifier_announcer_win32.h"

#include <windows.h>

#include <mmsystem.h>

// mmsystem.h maps PlaySound to PlaySoundW, which would rename the announcer's method here only.
#undef PlaySound

namespace tavlin {

void NotifierAnnouncer::PlaySound() {
  // Returns at once; the sound plays on while the strip keeps ticking.
  PlaySoundA(kAlarmSoundFile, nullptr, SND_ASYNC);
}

}  // namespace tavlin
