// The current user's Run list and Task Manager's marks for it, in the registry.
#pragma once

#include "strip/start_with_windows.h"

namespace tavlin {

class Win32StartupRegistry : public StartupRegistry {
 public:
  StartupEntry Read() const override;
  std::optional<std::string> WriteRunValue(const std::string& text) override;
  std::optional<std::string> DeleteRunValue() override;
  std::optional<std::string> DeleteApproval() override;
};

}  // namespace tavlin
