// Due alarms announced with the strip's popup notifier and the alarm sound.
#pragma once

#include "alarms/alarm_check.h"
#include "popup/popup_notifier.h"

namespace tavlin {

class NotifierAnnouncer : public AlarmAnnouncer {
 public:
  explicit NotifierAnnouncer(TPopupNotifier& notifier) : notifier_(notifier) {}

  void SetTitle(const std::string& title) override { notifier_.Title = title; }
  void SetText(const std::string& text) override { notifier_.Text = text; }
  void SetGradientColor1(uint32_t colour) override {
    notifier_.GradientColor1 = ColourFromBgr(colour);
  }
  // A refused popup (no room left) is lost; the alarm still counts as fired.
  void ShowNotice() override { notifier_.ShowNotice(); }
  void PlaySound() override;

 private:
  TPopupNotifier& notifier_;
};

}  // namespace tavlin
