// Due alarms announced with the strip's popup notifier and the alarm sound.
#pragma once

#include <string>

#include "alarms/alarm_check.h"
#include "base/file_system.h"
#include "popup/notice_queue.h"
#include "popup/popup_notifier.h"
#include "win32/window_base_win32.h"

namespace tavlin {

/// Announces through `Notifier1`. A reminder the notifier has no room for waits in a queue and
/// opens, without a sound of its own, once the popups before it have left. The announcer hooks the
/// notifier's count-out event for as long as it lives; the notifier must outlive it. The sound
/// file is found in `files` as AlarmSoundPath finds it beside `program_directory`.
class NotifierAnnouncer : public AlarmAnnouncer, private WindowBase {
 public:
  NotifierAnnouncer(TPopupNotifier& notifier, const FileSystem& files,
                    std::string program_directory);
  ~NotifierAnnouncer() override;

  void Announce(const Notice& notice) override { queue_.Show(notice); }
  void PlaySound() override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // A popup has been counted out: drain the queue once the closing popup's message is handled.
  void OnCountOut();

  TPopupNotifier& notifier_;
  const FileSystem& files_;
  std::string program_directory_;
  NoticeQueue queue_;
  bool drain_posted_ = false;
};

}  // namespace tavlin
